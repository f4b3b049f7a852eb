#!/usr/bin/env bash
# Runs the Windows test programs under Wine in a fresh prefix, so the Win32
# code meets a real registry. The registry fixture values are written with
# "wine reg add" first.
set -euo pipefail
build=${1:-build-win}
prefix=$(mktemp -d)
trap 'wineserver -k >/dev/null 2>&1 || true; rm -rf "$prefix"' EXIT
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
wine wineboot -i >/dev/null 2>&1

# Japanese fonts for the window: map the Windows names to IPA Gothic.
for name in "MS Gothic" "MS PGothic" "MS UI Gothic" "ＭＳ ゴシック" "ＭＳ Ｐゴシック"; do
  wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$name" /t REG_SZ \
    /d "IPAGothic" /f >/dev/null 2>&1 || true
done

key='HKCU\Software\KavetaTest\Pen'
wine reg add "$key" /v Color00 /t REG_SZ /d FFFFFF /f >/dev/null
wine reg add "$key" /v Color05 /t REG_SZ /d FF00FF /f >/dev/null
wine reg add 'HKCU\Software\KavetaTest\Draw' /v Reverse /t REG_DWORD /d 1 /f >/dev/null
# Text stored with a number kind: read back as text up to its first NUL.
wine reg add 'HKCU\Software\KavetaTest\Draw' /v AsNumber /t REG_DWORD /d 0x00004241 /f >/dev/null
wine reg add 'HKCU\Software\KavetaTest\Folder' /v ZFILE /t REG_SZ /d 'C:\jww\data' /f >/dev/null
export KAVETA_WINE_REGISTRY=1

failed=0
for t in "$build"/tests/*_test.exe; do
  echo "-- $(basename "$t")"
  if ! wine "$t" --gtest_brief=1; then
    failed=1
    echo "FAILED: $t"
  fi
done

# The Windows program on the bundled example, with the host settings in the
# real registry, must write the same bytes as the native program does with
# registry.ini.
native=${2:-}
if [ -n "$native" ] && [ -x "$native" ]; then
  echo "-- kaveta-console.exe C2 on the example against the native build"
  win=$(mktemp -d) lin=$(mktemp -d)
  cp "$build/kaveta-console.exe" examples/TEMP.TXT examples/kaveta.lst "$win"/
  mkdir "$win/out"
  cp "$native" examples/TEMP.TXT examples/kaveta.lst examples/registry.ini "$lin"/
  mkdir "$lin/out"
  pen='HKCU\Software\Jw_cad\jw_win\Pen'
  while IFS='=' read -r name value; do
    value=${value%$'\r'}
    case "$name" in Color0?) wine reg add "$pen" /v "$name" /t REG_SZ /d "$value" /f >/dev/null ;; esac
  done < examples/registry.ini
  wine reg add 'HKCU\Software\Jw_cad\jw_win\Folder' /v ZFILE /t REG_SZ /d "Z:${win//\//\\}\\out" /f >/dev/null
  (cd "$win" && wine ./kaveta-console.exe C2 2>/dev/null) || true
  (cd "$lin" && ./kaveta C2 2>/dev/null) || true
  for f in out/ZTEMP.TXT Kaveta.INI koumoku.INI; do
    if cmp -s "$win/$f" "$lin/$f"; then
      echo "same $f ($(wc -c < "$lin/$f") bytes)"
    else
      echo "FAILED: $f differs between kaveta-console.exe and the native kaveta"
      failed=1
    fi
  done
  [ -s "$lin/out/ZTEMP.TXT" ] || { echo "FAILED: no ZTEMP.TXT written"; failed=1; }
  rm -rf "$win" "$lin"
fi
exit $failed
