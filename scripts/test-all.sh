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

stage "Windows build (MinGW-w64)"
cmake -S . -B build-win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-win -j"$jobs"

# The sanitizer and fuzz builds compile at the lowest priority while the
# Wine stages run: those mostly wait on windows and leave the cores idle.
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DKAVETA_SANITIZE=ON >/dev/null
(nice -n 19 cmake --build build-asan -j"$jobs" && nice -n 19 scripts/fuzz.sh --build-only) \
  >build-asan/background.log 2>&1 &
background=$!

status=0
stage "the Windows build's tests under Wine"
scripts/wine-tests.sh build-win build/kaveta || status=1

stage "the real window under Wine on Xvfb (GUI, hand-off, clipboard, package flows)"
scripts/gui-tests.sh build-win || status=1

stage "the user package"
scripts/package-tests.sh build-win || status=1

stage "native tests with AddressSanitizer and UndefinedBehaviorSanitizer"
background_status=0
wait "$background" || background_status=$?
cat build-asan/background.log
if [ "$background_status" -ne 0 ]; then
  echo "FAILED: the sanitizer or fuzz build (exit status $background_status)"
  exit 1
fi
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure || status=1

stage "fuzz targets, a short run each on the committed corpus"
scripts/fuzz.sh || status=1
exit $status
