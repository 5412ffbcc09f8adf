#!/usr/bin/env bash
# Builds the libFuzzer harnesses of fuzz/ with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs the one named, or each in turn, for a bounded time:
#   scripts/fuzz.sh [name] [seconds]      (names: tree old_tree language settings jpeg bmp codec
#                                           gedcom_import export_gedcom export_web export_text)
# Each harness starts from its seeds in fuzz/seeds/<name> (the exports from those of the tree
# reader; the GEDCOM import from the real files of ../shared/gedcom/ too, where they are) and
# keeps what it learns in build-fuzz/corpus/<name>; a crash is left as build-fuzz/crash-* and
# becomes a regression test. The seeds of our own are small on purpose: a big real file makes
# every run slow (the GEDCOM import runs about half as often with the shared files beside them).
# Tree files may grow well past their seeds, so that trees of some size are tried too.
# The test command builds the harnesses (in the same folder) but does not run them.
set -euo pipefail
cd "$(dirname "$0")/.."
name="${1:-all}"
seconds="${2:-60}"
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug \
      -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
      -DKINVELOR_SANITIZE=ON -DKINVELOR_FUZZ=ON -DKINVELOR_TESTS=OFF -DKINVELOR_GUI=OFF >/dev/null
cmake --build build-fuzz -j 4
for harness in tree old_tree language settings jpeg bmp codec gedcom_import export_gedcom export_web export_text; do
  if [ "$name" != all ] && [ "$name" != "$harness" ]; then continue; fi
  corpus="build-fuzz/corpus/$harness"
  mkdir -p "$corpus"
  echo "== $harness, $seconds s"
  seeds=("../fuzz/seeds/$harness")
  limit=()
  case "$harness" in
    export_*) seeds=(../fuzz/seeds/tree); limit=(-max_len=32768 -len_control=0) ;;
    tree|old_tree) limit=(-max_len=32768 -len_control=0) ;;
    gedcom_import) if [ -d ../shared/gedcom ]; then seeds+=("$(realpath ../shared/gedcom)"); fi ;;
  esac
  (cd build-fuzz && "./fuzz/fuzz_$harness" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 \
      "${limit[@]}" -print_final_stats=1 "corpus/$harness" "${seeds[@]}")
done
