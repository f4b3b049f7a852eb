#!/usr/bin/env bash
# Start-up benchmark: the time from process start to kaveta.exe's main window
# shown, under Wine on a virtual display with a warm prefix (one uncounted
# run first), median of several runs, in turn with an empty window of the
# same class for Wine's own floor; and the size of kaveta.exe. Then the
# hand-off's latency: from OK to the stand-in host's read press.
# Usage: bench/startup/run.sh <win-build-dir> [runs]
set -euo pipefail
build=$(cd "${1:?usage: bench/startup/run.sh <win-build-dir> [runs]}" && pwd)
runs=${2:-9}
root=$(cd "$(dirname "$0")/../.." && pwd)

if [ -z "${KAVETA_BENCH_DISPLAY:-}" ]; then
  export KAVETA_BENCH_DISPLAY=1
  exec xvfb-run -a -s "-screen 0 1366x768x24" bash "$0" "$build" "$runs"
fi

work=$(mktemp -d)
trap 'wineserver -k >/dev/null 2>&1 || true; rm -rf "$work"' EXIT
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
wine wineboot -i >/dev/null 2>&1
for name in "MS Gothic" "MS PGothic" "MS UI Gothic" "ＭＳ ゴシック" "ＭＳ Ｐゴシック"; do
  wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$name" /t REG_SZ \
    /d "IPAGothic" /f >/dev/null 2>&1 || true
done

# A realistic table-mode selection whose load raises no message.
data=$root/tests/e2e/data
folder=$work/program
mkdir -p "$folder/jww"
cp "$build/kaveta.exe" "$data/kaveta.lst" "$data/area_new/"* "$folder/"
while IFS='=' read -r name value; do
  value=${value%$'\r'}
  case "$name" in
    Color0?) wine reg add 'HKCU\Software\Jw_cad\jw_win\Pen' /v "$name" /t REG_SZ /d "$value" /f >/dev/null ;;
  esac
done < "$data/registry.ini"

echo "kaveta.exe: $(stat -c %s "$build/kaveta.exe") bytes"
wine "$build/bench/startup_time.exe" "$runs" C2 "$(winepath -w "$folder/kaveta.exe")" \
  "$(winepath -w "$build/bench/empty_window.exe")"
echo "hand-off to the stand-in host (C2, OK pressed 0.7 s after the window shows):"
mkdir -p "$work/handoff"
wine "$build/bench/handoff_latency.exe" "$runs" "$(winepath -w "$folder/kaveta.exe")" \
  "$(winepath -w "$build/standin-host.exe")" "$(winepath -w "$work/handoff")"
