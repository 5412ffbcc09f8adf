#!/usr/bin/env bash
# Builds the program and starts it; arguments go to the program (a tree file to open).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKINVELOR_TESTS=OFF >/dev/null
cmake --build build -j "$(nproc)" --target kinvelor
exec build/app/kinvelor "$@"
