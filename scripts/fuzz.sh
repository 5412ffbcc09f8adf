#!/usr/bin/env bash
# Builds the libFuzzer harnesses of fuzz/ with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs the one named, or each in turn, for a bounded time:
#   scripts/fuzz.sh [name] [seconds]      (names: tree old_tree language settings jpeg bmp codec gedcom_import)
# Each harness starts from its seeds in fuzz/seeds/<name> (the GEDCOM import also from the real
# files of ../shared/gedcom, which stay outside the project) and keeps what it learns in
# build-fuzz/corpus/<name>; a crash is left as build-fuzz/crash-* and becomes a regression test.
# Not part of the test command.
set -euo pipefail
cd "$(dirname "$0")/.."
name="${1:-all}"
seconds="${2:-60}"
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug \
      -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
      -DKINVELOR_SANITIZE=ON -DKINVELOR_FUZZ=ON -DKINVELOR_TESTS=OFF -DKINVELOR_GUI=OFF >/dev/null
cmake --build build-fuzz -j 4
for harness in tree old_tree language settings jpeg bmp codec gedcom_import; do
  if [ "$name" != all ] && [ "$name" != "$harness" ]; then continue; fi
  corpus="build-fuzz/corpus/$harness"
  mkdir -p "$corpus"
  echo "== $harness, $seconds s"
  seeds=("../fuzz/seeds/$harness")
  if [ "$harness" = gedcom_import ] && [ -d ../shared/gedcom ]; then seeds+=("../../shared/gedcom"); fi
  (cd build-fuzz && "./fuzz/fuzz_$harness" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 \
      -print_final_stats=1 "corpus/$harness" "${seeds[@]}")
done
