#!/usr/bin/env bash
# Builds and runs every test: native, native with ASan+UBSan, the MinGW-w64
# build of the unit tests, the window and the package under Wine, and a
# short run of each fuzz target. Every stage runs; any failure fails the
# whole.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --windows
jobs=$(nproc)
# Each stage's header says when it began, to see where the run's time goes.
stage() { echo "== $1 (at $((SECONDS / 60)) min $((SECONDS % 60)) s)"; }

stage "native build and tests"
cmake -S . -B build -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure

stage "native tests with AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DKAVETA_SANITIZE=ON >/dev/null
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure

stage "Windows build (MinGW-w64) and its tests under Wine"
cmake -S . -B build-win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-win -j"$jobs"
status=0
scripts/wine-tests.sh build-win build/kaveta || status=1

stage "the real window under Wine on Xvfb (GUI, hand-off, clipboard, package flows)"
scripts/gui-tests.sh build-win || status=1

stage "the user package"
scripts/package-tests.sh build-win || status=1

stage "fuzz targets, a short run each on the committed corpus"
scripts/fuzz.sh || status=1
exit $status
