#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test; also
# builds the optimised program and bench tools, warnings as errors in both, and the fuzz harnesses.
set -euo pipefail
cd "$(dirname "$0")/.."
# The browser check of the web export needs Chromium, the GEDCOM checks read our files back with
# Gramps as a second reader (each skips where its program is missing); clang's tools check the
# sources' format and the faults .clang-tidy looks for, and clang builds the fuzz harnesses (its
# runtime holds libFuzzer).
scripts/deps.sh chromium gramps clang-format clang-tidy clang libclang-rt-14-dev
build=${KINVELOR_TEST_BUILD:-build-test}
# A compiler cache, where installed, lets a rebuild in another checkout reuse this one's objects.
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build" -G Ninja "${launcher[@]}" -DCMAKE_BUILD_TYPE=Debug -DKINVELOR_SANITIZE=ON \
      -DKINVELOR_WERROR=ON -DKINVELOR_TESTS=ON -DKINVELOR_GUI=ON -DKINVELOR_BENCH=OFF >/dev/null
cmake --build "$build" -j "$(nproc)"
# The format of every source, and clang-tidy on the sources of the last commit and what is not
# committed yet, read with this build's compile commands.
scripts/check_sources.sh "$build"
# The optimised build finds warnings the debug build does not (what inlining shows); the
# program, its Qt renderer and the bench tools are built that way too, to fail on any of them.
release=${KINVELOR_RELEASE_BUILD:-build-release}
cmake -S . -B "$release" -G Ninja "${launcher[@]}" -DCMAKE_BUILD_TYPE=Release -DKINVELOR_WERROR=ON \
      -DKINVELOR_TESTS=OFF -DKINVELOR_GUI=ON -DKINVELOR_BENCH=ON >/dev/null
cmake --build "$release" -j "$(nproc)"
# The fuzz harnesses (scripts/fuzz.sh) are built, not run, so that they cannot rot.
if command -v clang++ >/dev/null; then
  fuzz=${KINVELOR_FUZZ_BUILD:-build-fuzz}
  cmake -S . -B "$fuzz" -G Ninja "${launcher[@]}" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_C_COMPILER=clang \
        -DCMAKE_CXX_COMPILER=clang++ -DKINVELOR_SANITIZE=ON -DKINVELOR_FUZZ=ON -DKINVELOR_TESTS=OFF \
        -DKINVELOR_GUI=OFF >/dev/null
  cmake --build "$fuzz" -j "$(nproc)"
fi
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
