#!/usr/bin/env bash
# Renders the window of each run mode on the bundled example under Wine on a
# virtual display and writes docs/screenshots/<name>.png, cut to the window;
# a few more show the settings panel or options taken from a Kaveta.INI.
# Usage: scripts/screenshots.sh <win-build-dir> [name ...]   (default: all)
# KAVETA_SHOT_DPI=144 takes them at that DPI, as <name>-144.png.
set -euo pipefail
build=$(cd "${1:?usage: scripts/screenshots.sh <win-build-dir> [name ...]}" && pwd)
shift
root=$(cd "$(dirname "$0")/.." && pwd)

if [ -z "${KAVETA_SHOT_DISPLAY:-}" ]; then
  export KAVETA_SHOT_DISPLAY=1
  exec xvfb-run -a -s "-screen 0 1366x768x24" bash "$0" "$build" "$@"
fi

work=$(mktemp -d)
trap 'wineserver -k >/dev/null 2>&1 || true; rm -rf "$work"' EXIT
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
wine wineboot -i >/dev/null 2>&1

for name in "MS Gothic" "MS PGothic" "MS UI Gothic" "ＭＳ ゴシック" "ＭＳ Ｐゴシック" "Meiryo" \
  "Meiryo UI" "Yu Gothic UI"; do
  wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$name" /t REG_SZ \
    /d "IPAGothic" /f >/dev/null 2>&1 || true
done
# Wine draws the caption and the frame itself, as Windows does; there is no
# window manager on the virtual display to do it.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
dpi=${KAVETA_SHOT_DPI:-96}
suffix=
if [ "$dpi" != 96 ]; then
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
  wineserver -k
  wineserver -w
  suffix=-$dpi
fi

# The host settings of the example.
while IFS='=' read -r name value; do
  value=${value%$'\r'}
  case "$name" in
    Color0?) wine reg add 'HKCU\Software\Jw_cad\jw_win\Pen' /v "$name" /t REG_SZ /d "$value" /f ;;
    Reverse) wine reg add 'HKCU\Software\Jw_cad\jw_win\Draw' /v Reverse /t REG_DWORD /d "$value" /f ;;
  esac >/dev/null
done < "$root/examples/registry.ini"

out=$root/docs/screenshots
mkdir -p "$out"
status=0
# The package's Kaveta.INI with the given "key=value,..." of [kihon] (its
# last section) set, in Shift_JIS with CR LF.
settings_file() {
  local ini pair pairs
  ini=$(cat "$root/package/Kaveta.INI")
  IFS=, read -r -a pairs <<<"$1"
  for pair in "${pairs[@]}"; do
    if grep -q "^${pair%%=*}=" <<<"$ini"; then
      ini=$(sed "s/^${pair%%=*}=.*/$pair/" <<<"$ini")
    else
      ini+=$'\n'$pair
    fi
  done
  printf '%s\n' "$ini" | sed 's/$/\r/' | iconv -f UTF-8 -t CP932
}

# name:mode:panel:options, where options are settings_file's (none: no
# settings file, the built-in values).
shots=(C2:C2:: C2-totals:C2::Goukei=1 settings:C2:settings:Keta=2,Hasuu=1,Goukei=1
  C2-preview:C2:preview:Goukei=1 C2-breakdown:C2:preview:Sansha=1,Goukei=1
  C2-breakdown-zoomed:C2:preview+:Sansha=1,Goukei=1
  C1:C1:: M6:M6:: M3:M3:: M4:M4:: M5:M5:: M7:M7:: layer-naming:::)
# The area summary on the guide's worked example: the window with its role
# column, and the summary under the table in the preview.
summary=Keta=2,Gaiyou=1,Kenpei=50,Youseki=200
shots+=(C1-summary:C1::$summary C1-summary-preview:C1:preview:$summary)
for shot in "${shots[@]}"; do
  IFS=: read -r name mode panel options <<<"$shot"
  if [ $# -gt 0 ] && ! printf '%s\n' "$@" | grep -q -x -F "$name"; then continue; fi
  folder=$work/$name
  mkdir -p "$folder/out"
  cp "$build/kaveta.exe" "$root/examples/TEMP.TXT" "$root/examples/kaveta.lst" "$folder/"
  [ -z "$options" ] || settings_file "$options" >"$folder/Kaveta.INI"
  case $name in C1-summary*)
    cp "$root/tests/e2e/data/area_previous_summary/"{TEMP.TXT,koumoku.INI} "$folder/" ;;
  esac
  wine reg add 'HKCU\Software\Jw_cad\jw_win\Folder' /v ZFILE /t REG_SZ \
    /d "$(winepath -w "$folder/out")" /f >/dev/null
  args=("$(winepath -w "$folder/kaveta.exe")")
  [ -n "$mode" ] && args+=("$mode")
  [ -n "$panel" ] && args+=("$panel")
  wine "$build/tests/gui/show_window.exe" "${args[@]}" > "$work/rect" 2> "$work/err" &
  shown=$!
  for _ in $(seq 1 200); do
    [ -s "$work/rect" ] && break
    kill -0 "$shown" 2>/dev/null || break
    sleep 0.1
  done
  if read -r left top width height < "$work/rect"; then
    import -window root -crop "${width}x${height}+${left}+${top}" +repage "$out/$name$suffix.png"
    echo "$name: ${width}x${height} -> docs/screenshots/$name$suffix.png"
  else
    echo "FAILED: $name: $(cat "$work/err")"
    status=1
  fi
  wineserver -k >/dev/null 2>&1 || true
  wait "$shown" 2>/dev/null || true
  : > "$work/rect"
done
exit $status
