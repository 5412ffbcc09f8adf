#!/usr/bin/env bash
# Builds the benchmarks optimised (with the Qt program, which qt_editing drives) and runs the one
# named (or all of them).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DKINVELOR_TESTS=OFF -DKINVELOR_GUI=ON \
      -DKINVELOR_BENCH=ON >/dev/null
cmake --build build-bench -j "$(nproc)"
for b in build-bench/bench/bench_*; do
  if [ $# -eq 0 ] || [[ "$b" == *"$1"* ]]; then "$b" "${@:2}"; fi
done
