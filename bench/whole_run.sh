#!/usr/bin/env bash
# Whole console runs of M3 and C2 on the reader benchmark's selection
# (200,000 solids in 16 colours, about 20 MB): the peak resident memory as a
# multiple of the file's size, and the time next to the floor's work on the
# same file as a whole process. Median of five runs each.
#
#   bench/whole_run.sh [BUILD_DIR]   a Release build with -DKAVETA_BENCHMARKS=ON
#                                    (default build-bench)
set -euo pipefail
build=${1:-build-bench}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cp "$build/kaveta" "$dir/"
"$build/bench/kaveta_bench" --write-selection "$dir/TEMP.TXT"
mkdir "$dir/host"
printf '[Software\\Jw_cad\\jw_win\\Folder]\r\nZFILE=%s\r\n' "$dir/host" >"$dir/registry.ini"
bytes=$(stat -c %s "$dir/TEMP.TXT")

# Median peak kB and seconds of five runs of a command.
measure() {
  for _ in 1 2 3 4 5; do
    /usr/bin/time -o "$dir/time" -f '%M %e' "$@" >/dev/null 2>&1 || true
    cat "$dir/time"
  done | sort -n -k2 | sed -n 3p
}

read -r floor_kb floor_s < <(measure "$build/bench/kaveta_bench" --floor "$dir/TEMP.TXT")
printf 'file %d bytes; floor %s s, peak %s kB\n' "$bytes" "$floor_s" "$floor_kb"
for mode in M3 C2; do
  read -r kb s < <(measure "$dir/kaveta" "$mode")
  awk -v m="$mode" -v kb="$kb" -v s="$s" -v f="$floor_s" -v b="$bytes" 'BEGIN {
    printf "%s  peak %d kB = %.2f x file   %.2f s = %.2f x floor\n", m, kb, kb * 1024 / b, s, s / f }'
done

# The triangle breakdown: the same C2 run with it ticked, next to it off.
"$dir/kaveta" C2 >/dev/null 2>&1 || true  # leaves the default settings file
sed -i 's/^chkC=0\r$/chkC=0\r\nSansha=1\r/' "$dir/Kaveta.INI"
grep -q '^Sansha=1' "$dir/Kaveta.INI" || { echo "could not tick the breakdown" >&2; exit 1; }
read -r kb s < <(measure "$dir/kaveta" C2)
out=$(stat -c %s "$dir/host/ZTEMP.TXT")
awk -v kb="$kb" -v s="$s" -v f="$floor_s" -v b="$bytes" -v o="$out" 'BEGIN {
  printf "C2 breakdown  peak %d kB = %.2f x file   %.2f s = %.2f x floor   output %d bytes\n", kb, kb * 1024 / b, s, s / f, o }'
