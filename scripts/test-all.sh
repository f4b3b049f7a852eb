#!/usr/bin/env bash
# Builds and runs every test: native, native with ASan+UBSan, the MinGW-w64
# build of the unit tests, the window and the package under Wine, and a
# short run of each fuzz target. Every stage runs; any failure fails the
# whole. The run ends with one line per stage and a count, so a failure is
# seen at the end whatever came after it. Nothing here depends on the
# caller's locale.
set -uo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --windows || exit 1
jobs=$(nproc)

names=()
results=()
# Each stage's header says when it began, to see where the run's time goes.
stage() {
  local name=$1
  shift
  echo "== $name (at $((SECONDS / 60)) min $((SECONDS % 60)) s)"
  names+=("$name")
  if "$@"; then results+=(passed); else results+=(failed); fi
}

native() {
  cmake -S . -B build -DCMAKE_BUILD_TYPE=Debug >/dev/null &&
    cmake --build build -j"$jobs" &&
    ctest --test-dir build --output-on-failure
}

windows_build() {
  cmake -S . -B build-win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
    -DCMAKE_BUILD_TYPE=Release >/dev/null &&
    cmake --build build-win -j"$jobs"
}

sanitizer_tests() {
  local background_status=0
  wait "$background" || background_status=$?
  cat build-asan/background.log
  if [ "$background_status" -ne 0 ]; then
    echo "FAILED: the sanitizer or fuzz build (exit status $background_status)"
    return 1
  fi
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-asan --output-on-failure
}

stage "native build and tests" native
stage "Windows build (MinGW-w64)" windows_build

# The sanitizer and fuzz builds compile at the lowest priority while the
# Wine stages run: those mostly wait on windows and leave the cores idle.
mkdir -p build-asan
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DKAVETA_SANITIZE=ON >/dev/null
(nice -n 19 cmake --build build-asan -j"$jobs" && nice -n 19 scripts/fuzz.sh --build-only) \
  >build-asan/background.log 2>&1 &
background=$!

stage "the Windows build's tests under Wine" scripts/wine-tests.sh build-win build/kaveta
stage "the real window under Wine on Xvfb (GUI, hand-off, clipboard, package flows)" \
  scripts/gui-tests.sh build-win
stage "the user package" scripts/package-tests.sh build-win
stage "native tests with AddressSanitizer and UndefinedBehaviorSanitizer" sanitizer_tests
stage "fuzz targets, a short run each on the committed corpus" scripts/fuzz.sh

echo "== summary"
passed=0
failed=0
for i in "${!names[@]}"; do
  echo "${results[$i]}: ${names[$i]}"
  if [ "${results[$i]}" = passed ]; then passed=$((passed + 1)); else failed=$((failed + 1)); fi
done
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
