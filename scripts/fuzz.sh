#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each for a short time on its committed
# corpus. Any crash, leak, time-out (1 s per input) or use of more than
# 512 MB fails the script; the input that did it is left in build-fuzz/fuzz/
# and belongs in tests/fuzz/corpus/<target>/ once fixed.
# FUZZ_SECONDS sets the time per target (default 30); --build-only builds
# the targets and runs none.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
seconds=${FUZZ_SECONDS:-30}
build=build-fuzz
targets=(selection profile list_file table command_line)

CC=clang-14 CXX=clang++-14 cmake -S . -B "$build" -DKAVETA_FUZZ=ON \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)" --target "${targets[@]/#/fuzz_}"
[ "${1:-}" = "--build-only" ] && exit 0

# New finds go to a scratch folder, so the committed corpus stays small.
# The targets run side by side, one per core, each for its full time.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
run() {
  local t=$1 status=0
  mkdir -p "$scratch/$t"
  "$build/fuzz/fuzz_$t" "$scratch/$t" "tests/fuzz/corpus/$t" -max_total_time="$seconds" \
    -timeout=1 -rss_limit_mb=512 -artifact_prefix="$build/fuzz/$t-" -print_final_stats=1 \
    >"$scratch/$t.log" 2>&1 || status=$?
  echo "$status" >"$scratch/$t.status"
}
cores=$(nproc)
for t in "${targets[@]}"; do
  while [ "$(jobs -rp | wc -l)" -ge "$cores" ]; do wait -n || true; done
  run "$t" &
done
wait
failed=0
for t in "${targets[@]}"; do
  echo "== fuzz_$t for ${seconds} s"
  grep -E '^(Done|stat::number_of_executed_units)' "$scratch/$t.log" || true
  if [ "$(cat "$scratch/$t.status")" -ne 0 ]; then
    tail -n 60 "$scratch/$t.log" >&2
    echo "fuzz_$t failed" >&2
    failed=1
  fi
done
exit "$failed"
