#!/usr/bin/env bash
# Builds the program and starts it; arguments go to the program (a tree file to open).
set -euo pipefail
start_dir=$PWD
cd "$(dirname "$0")/.."
root=$PWD
scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKINVELOR_TESTS=OFF >/dev/null
cmake --build build -j "$(nproc)" --target kinvelor
# The program resolves a tree named on the command line against the folder it was started in.
cd "$start_dir"
exec "$root/build/app/kinvelor" "$@"
