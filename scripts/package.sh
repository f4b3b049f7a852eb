#!/usr/bin/env bash
# Builds the Windows programs and packs the zip a user unpacks beside the
# host CAD program: dist/kaveta-<version>-win64.zip with one folder KAVETA.
#
#   scripts/package.sh              build in build-pkg (MinGW-w64, Release)
#   scripts/package.sh BUILD_DIR    take kaveta.exe and kaveta-console.exe
#                                   from an existing Windows build
#
# The host and the command processor of a Japanese Windows read the batch
# files, the list file and the settings file in Shift_JIS (code page 932)
# with CR LF; their sources here are UTF-8 with LF and are converted on the
# way into the zip. The guide becomes UTF-8 with a byte order mark and CR LF,
# which Notepad opens correctly whatever the system's code page.
set -euo pipefail
cd "$(dirname "$0")/.."

version=1.90
zip_name=kaveta-$version-win64.zip

if [ $# -ge 1 ]; then
  build=$1
else
  build="build-pkg"
  cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$build" -j2 --target kaveta kaveta-console
fi
for exe in kaveta.exe kaveta-console.exe; do
  [ -f "$build/$exe" ] || { echo "package.sh: $build/$exe is missing" >&2; exit 1; }
done

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
dest=$stage/KAVETA
mkdir -p "$dest"

# UTF-8 with LF in, the given encoding with CR LF out. A CR already in the
# source would end up doubled, and a character without a Shift_JIS form
# must stop the packing rather than turn into a question mark.
convert_text() {
  local source=$1 target=$2 encoding=$3
  if grep -q $'\r' "$source"; then
    echo "package.sh: $source has CR line ends; keep the sources in LF" >&2
    exit 1
  fi
  LC_ALL=C sed 's/$/\r/' "$source" | iconv -f UTF-8 -t "$encoding" >"$target"
}

cp "$build/kaveta.exe" "$dest/KAVETA.EXE"
cp "$build/kaveta-console.exe" "$dest/kaveta-console.exe"
for bat in package/batch/*.BAT; do
  convert_text "$bat" "$dest/$(basename "$bat")" CP932
done
convert_text package/kaveta.lst "$dest/kaveta.lst" CP932
convert_text package/Kaveta.INI "$dest/Kaveta.INI" CP932
{
  printf '\xef\xbb\xbf'
  LC_ALL=C sed 's/$/\r/' package/KAVETA_GUIDE.TXT
} >"$dest/KAVETA_GUIDE.TXT"

# The screenshots come from the GUI test run; the guide names them all, so
# take whichever exist.
shopt -s nullglob
shots=(docs/screenshots/*.png)
if [ ${#shots[@]} -gt 0 ]; then
  mkdir "$dest/screenshots"
  cp "${shots[@]}" "$dest/screenshots/"
fi

# Same dates for every entry, so two packings of one commit are alike.
if stamp=$(git log -1 --format=%ct 2>/dev/null); then
  find "$dest" -exec touch -d "@$stamp" {} +
fi

mkdir -p dist
rm -f "dist/$zip_name"
(cd "$stage" && zip -q -X -r - KAVETA) >"dist/$zip_name"
echo "dist/$zip_name"
unzip -l "dist/$zip_name"
