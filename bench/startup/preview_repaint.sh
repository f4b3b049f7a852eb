#!/usr/bin/env bash
# Preview repaint benchmark: the table preview of 20,000 solids in 16
# colours with the triangle breakdown ticked, under Wine on a virtual
# display: the first paint (which composes the table), pans by the arrow keys
# at the opening view, one zoom step and the fitted view, as the window
# measures its own paints.
# Usage: bench/startup/preview_repaint.sh <win-build-dir> [pans] [solids]
set -euo pipefail
build=$(cd "${1:?usage: bench/startup/preview_repaint.sh <win-build-dir> [pans] [solids]}" && pwd)
pans=${2:-20}
solids=${3:-20000}
root=$(cd "$(dirname "$0")/../.." && pwd)

if [ -z "${KAVETA_BENCH_DISPLAY:-}" ]; then
  export KAVETA_BENCH_DISPLAY=1
  exec xvfb-run -a -s "-screen 0 1366x768x24" bash "$0" "$build" "$pans" "$solids"
fi

work=$(mktemp -d)
trap 'wineserver -k >/dev/null 2>&1 || true; rm -rf "$work"' EXIT
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
wine wineboot -i >/dev/null 2>&1
for name in "MS Gothic" "MS PGothic" "MS UI Gothic" "ＭＳ ゴシック" "ＭＳ Ｐゴシック"; do
  wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$name" /t REG_SZ \
    /d "IPAGothic" /f >/dev/null 2>&1 || true
done
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null

# The example's header and settings; squares of 1000 x 1000 on a grid, in
# 16 colours, each split into two triangles by the breakdown.
data=$root/tests/e2e/data
folder=$work/program
mkdir -p "$folder/jww"
cp "$build/kaveta.exe" "$data/kaveta.lst" "$data/area_new/koumoku.INI" "$folder/"
{
  sed -n '1,/^lg0\r$/p' "$data/area_new/TEMP.TXT"
  printf 'ly2\r\n'
  awk -v n="$solids" 'BEGIN {
    for (i = 0; i < n; i++) {
      if (i % (n / 16) == 0) printf "lc10 %d\r\n", 1052688 * int(i / (n / 16)) + 15
      x = (i % 200) * 1500; y = int(i / 200) * 1500
      printf "sl %d %d %d %d %d %d %d %d\r\n", x, y, x + 1000, y, x + 1000, y + 1000, x, y + 1000
    } }'
} >"$folder/TEMP.TXT"
{ cat "$data/area_new/Kaveta.INI"; printf 'Sansha=1\r\n'; } >"$folder/Kaveta.INI"
wine reg add 'HKCU\Software\Jw_cad\jw_win\Folder' /v ZFILE /t REG_SZ \
  /d "$(winepath -w "$folder/jww")" /f >/dev/null

echo "$solids solids in 16 colours, triangle breakdown ticked; $pans pans"
wine "$build/bench/preview_repaint.exe" "$(winepath -w "$folder/kaveta.exe")" "$pans"
