#!/usr/bin/env bash
# Runs the GUI tests: gui_test.exe drives the real kaveta.exe window under
# Wine on a virtual display, in a fresh Wine prefix that is removed again.
# Usage: scripts/gui-tests.sh <win-build-dir> [gtest options]
# With no gtest options the monkey runs too, KAVETA_MONKEY_ACTIONS actions
# per mode (300 unless set; 0 leaves it out); the seeds it once failed on run
# with the other tests. KAVETA_MONKEY_ONLY=1 runs only the monkey, at
# KAVETA_MONKEY_DPI (96 unless set), for long runs:
#   KAVETA_MONKEY_ONLY=1 KAVETA_MONKEY_ACTIONS=20000 KAVETA_MONKEY_DPI=144 \
#     scripts/gui-tests.sh build-win
set -euo pipefail
# A setup step that fails says which one (wineboot, for one, prints nothing).
trap 'echo "gui-tests.sh: line $LINENO failed: $BASH_COMMAND" >&2' ERR
build=$(cd "${1:?usage: scripts/gui-tests.sh <win-build-dir> [gtest options]}" && pwd)
shift
root=$(cd "$(dirname "$0")/.." && pwd)

# Everything below runs inside one X server, so the Wine processes all meet
# the same display.
if [ -z "${KAVETA_GUI_DISPLAY:-}" ]; then
  export KAVETA_GUI_DISPLAY=1
  exec xvfb-run -a -s "-screen 0 1366x768x24" bash "$0" "$build" "$@"
fi

prefix=$(mktemp -d)
trap 'wineserver -k >/dev/null 2>&1 || true; rm -rf "$prefix"' EXIT
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
wine wineboot -i >/dev/null 2>&1

# Japanese fonts for the window: map the Windows names to IPA Gothic.
for name in "MS Gothic" "MS PGothic" "MS UI Gothic" "ＭＳ ゴシック" "ＭＳ Ｐゴシック" "Meiryo" \
  "Meiryo UI" "Yu Gothic UI"; do
  wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$name" /t REG_SZ \
    /d "IPAGothic" /f >/dev/null 2>&1 || true
done

# No window manager runs on Xvfb: Wine draws the frames itself, as on
# Windows, instead of waiting for a manager that never answers.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null

KAVETA_GUI_EXE=$(winepath -w "$build/kaveta.exe")
KAVETA_SOURCE_DIR=$(winepath -w "$root")
export KAVETA_GUI_EXE KAVETA_SOURCE_DIR
# The stand-in host window, wherever tools/ puts it in the build.
standin=$(find "$build" -maxdepth 3 -name 'standin-host.exe' -print -quit 2>/dev/null || true)
if [ -n "$standin" ]; then
  KAVETA_STANDIN_HOST=$(winepath -w "$standin")
  export KAVETA_STANDIN_HOST
fi

# The user package, unpacked where a user would put it, for the package flows.
"$root/scripts/package.sh" "$build" >/dev/null
unzip -q "$root/dist/kaveta-1.90-win64.zip" -d "$prefix/package"
KAVETA_PACKAGE_DIR=$(winepath -w "$prefix/package/KAVETA")
export KAVETA_PACKAGE_DIR

# gui_test.exe with a bound: a test that waits for ever fails the run
# (KAVETA_GUI_TIMEOUT seconds, 1200 unless set) and names itself, instead of
# holding CI until its own limit.
gui_test() {
  local log st=0
  log=$(mktemp)
  timeout --kill-after=10 "${KAVETA_GUI_TIMEOUT:-1200}" wine "$build/tests/gui/gui_test.exe" "$@" \
    >"$log" 2>&1 || st=$?
  if [ "$st" -eq 124 ] || [ "$st" -eq 137 ]; then
    grep -v '^\[       OK \]' "$log" | tail -n 40
    echo "gui_test.exe did not end within ${KAVETA_GUI_TIMEOUT:-1200} s; the last test started:"
    grep '^\[ RUN      \]' "$log" | tail -n 1
  else
    grep -v -E '^\[ (RUN      |      OK )\]' "$log" || true
  fi
  rm -f "$log"
  return "$st"
}

monkey_actions=${KAVETA_MONKEY_ACTIONS:-300}
unset KAVETA_MONKEY_ACTIONS
# The monkey: a seeded random run of user actions in each mode.
monkey() {
  KAVETA_MONKEY_ACTIONS=$monkey_actions gui_test \
    --gtest_filter="${KAVETA_MONKEY_FILTER:-Modes/Monkey.*}" || {
    echo "FAILED: the monkey"
    return 1
  }
}
set_dpi() {
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null
  wineserver -k
  wineserver -w
}

if [ "${KAVETA_MONKEY_ONLY:-}" = 1 ]; then
  dpi=${KAVETA_MONKEY_DPI:-96}
  [ "$dpi" = 96 ] || set_dpi "$dpi"
  echo "-- the monkey, $monkey_actions actions per mode at $dpi DPI"
  monkey
  exit
fi

# KAVETA_GUI_DPI runs the chosen tests at another DPI (144 for 150 %).
if [ -n "${KAVETA_GUI_DPI:-}" ] && [ "$KAVETA_GUI_DPI" != 96 ]; then set_dpi "$KAVETA_GUI_DPI"; fi

status=0
# The monkey has its own run below.
if [ $# -eq 0 ]; then set -- --gtest_filter='-Modes/Monkey.*'; plain=1; fi
gui_test "$@" || status=$?
if [ "$status" -ne 0 ]; then
  echo "FAILED: gui_test.exe (exit status $status)"
fi

if [ -n "${plain:-}" ]; then
  if [ "$monkey_actions" -gt 0 ]; then
    echo "-- the monkey, $monkey_actions actions per mode"
    monkey || status=1
  fi
  # Again at 150 % (144 DPI): the window's size, placement and the real
  # input at scaled positions. Wine reads the DPI when its server starts.
  echo "-- at 144 DPI"
  set_dpi 144
  scaled='StartupLook.*:WindowSession*:Columns/FloatingEditor.*:RoundingList.*:TotalsRow.*:TablePreview.*:AreaSummary.*'
  gui_test --gtest_filter="$scaled" || {
    echo "FAILED: gui_test.exe at 144 DPI"
    status=1
  }
fi
exit "$status"
