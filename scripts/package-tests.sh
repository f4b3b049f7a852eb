#!/usr/bin/env bash
# Builds the user package with scripts/package.sh and checks what a user
# gets: every file, the encodings and line ends the host and the command
# processor need, the host's directives and the mode word of each batch file,
# a list file and settings file the program reads, the version resources,
# and, under Wine, each batch file run the way the host runs it.
#
#   scripts/package-tests.sh [BUILD_DIR]   (BUILD_DIR as for package.sh)
set -euo pipefail
cd "$(dirname "$0")/.."

failures=0
fail() {
  echo "FAILED: $*"
  failures=$((failures + 1))
}

# Batch file | mode word ("-" for none) | waits for the tool | range selection | extra directive
batches=(
  "KAVETA_C2.BAT|C2|no|yes|"
  "KAVETA_C1.BAT|C1|no|yes|"
  "KAVETA_M6.BAT|M6|no|no|"
  "KAVETA_M3.BAT|M3|yes|yes|"
  "KAVETA_M4.BAT|M4|yes|yes|"
  "KAVETA_M5.BAT|M5|yes|yes|"
  "KAVETA_M7.BAT|M7|no|no|#gn"
  "KAVETA_LAYER.BAT|-|no|no|"
)

# --- encodings ------------------------------------------------------------

# Shift_JIS text whose every line, the last one included, ends in CR LF.
check_cp932_crlf() {
  local file=$1 name
  name=$(basename "$file")
  if ! iconv -f CP932 -t UTF-8 "$file" >/dev/null 2>&1; then
    fail "$name is not Shift_JIS (code page 932)"
    return 1
  fi
  check_crlf "$file"
}

check_crlf() {
  local file=$1 name lines crlf
  name=$(basename "$file")
  lines=$(LC_ALL=C grep -c '' "$file")
  crlf=$(LC_ALL=C grep -c $'\r$' "$file")
  if [ "$lines" -eq 0 ] || [ "$lines" -ne "$crlf" ] || [ "$(tail -c 1 "$file" | od -An -tx1)" != " 0a" ]; then
    fail "$name: $crlf of $lines lines end in CR LF (the last one must too)"
    return 1
  fi
  if [ "$(LC_ALL=C tr -cd '\r' <"$file" | wc -c)" -ne "$lines" ]; then
    fail "$name has a CR inside a line"
    return 1
  fi
}

utf8_of() { iconv -f CP932 -t UTF-8 "$1" | tr -d '\r'; }

# --- batch files ----------------------------------------------------------

# The host shows line 1 in its file picker and takes the "REM #" lines up to
# "#e" as its directives; cmd runs the rest.
check_batch() {
  local file=$1 word=$2 waits=$3 selects=$4 extra=$5 name text first directives commands
  name=$(basename "$file")
  text=$(utf8_of "$file")
  first=$(head -n 1 <<<"$text")
  directives=$(grep -E '^REM #' <<<"$text" || true)
  commands=$(grep -v -i -E '^@?REM( |$)|^@echo off$' <<<"$text" || true)

  [[ $first == "@REM "* ]] || fail "$name: line 1 is not the @REM description"
  [[ $first == *"#"* ]] && fail "$name: the description holds '#', which the host takes for a directive"
  LC_ALL=C grep -q -P '[\x80-\xff]' <<<"$first" || fail "$name: the description is not in Japanese"
  [ "$(sed -n 2p <<<"$text")" = "@echo off" ] || fail "$name: line 2 is not @echo off"

  local want=("REM #jww" "REM #cd")
  [ "$selects" = yes ] && want+=("REM #h1")
  [ -n "$extra" ] && want+=("REM $extra")
  want+=("REM #e")
  local got=()
  mapfile -t got < <(grep -v '^REM #hc' <<<"$directives")
  [ "${got[*]}" = "${want[*]}" ] || fail "$name: directives are '${got[*]}', want '${want[*]}'"
  if [ "$selects" = yes ]; then
    grep -q -E '^REM #hc [^ ]' <<<"$directives" || fail "$name: range selection without its prompt (#hc)"
  else
    grep -q '^REM #h' <<<"$directives" && fail "$name: asks for a range selection it does not use"
  fi
  # Directives after #e are not read by the host.
  [ "$(tail -n 1 <<<"$directives")" = "REM #e" ] || fail "$name: #e is not the last directive"

  # Commands in plain ASCII: no Shift_JIS trail byte can turn into a cmd
  # operator ("|" and "^" are possible trail bytes).
  LC_ALL=C grep -q -P '[\x80-\xff]' <<<"$commands" && fail "$name: a command line is not ASCII"
  local copy='copy /y "%~dp0JWC_TEMP.TXT" "%~dp0TEMP.TXT" > nul'
  local start='start ""'
  [ "$waits" = yes ] && start+=' /wait'
  start+=' "%~dp0KAVETA.EXE"'
  [ "$word" != - ] && start+=" $word"
  local expect
  expect=$(printf '%s\n%s' "$copy" "$start")
  [ "$commands" = "$expect" ] || fail "$name: commands are
$commands
want
$expect"
}

# --- list file and settings file ------------------------------------------

# As the program reads it: a line starting with "[" opens a section, every
# other line is one entry of the current section.
check_list_file() {
  local file=$1 text section="" line items=() units=()
  text=$(utf8_of "$file")
  while IFS= read -r line; do
    if [[ $line == "["* ]]; then
      section=${line,,}
      continue
    fi
    case $section in
      "[items]") items+=("$line") ;;
      "[tani]") units+=("$line") ;;
      *) fail "kaveta.lst: line outside [items] and [tani]: $line" ;;
    esac
  done <<<"$text"
  # The line after a header is taken as an entry even when it is a header.
  grep -A1 '^\[' <<<"$text" | grep -v -- '^--$' | paste - - | grep $'^\\[.*\t\\[' >/dev/null &&
    fail "kaveta.lst: a header directly follows another header"
  [[ $(tail -n 1 <<<"$text") == "["* ]] && fail "kaveta.lst: ends with a header"

  local item unit name multiplier
  for item in 敷地面積 建築面積 延べ面積 駐車場 緑地 舗装; do
    printf '%s\n' "${items[@]}" | grep -x "$item" >/dev/null || fail "kaveta.lst: item $item is missing"
  done
  printf '%s\n' "${items[@]}" | grep -x '' >/dev/null && fail "kaveta.lst: an empty item"
  for unit in "m^2,1" "m^u2,1" "坪,0.3025" "ha,0.0001" "a,0.01"; do
    printf '%s\n' "${units[@]}" | grep -x -F "$unit" >/dev/null || fail "kaveta.lst: unit $unit is missing"
  done
  for unit in "${units[@]}"; do
    name=${unit%%,*}
    multiplier=${unit#*,}
    if [ -z "$name" ] || [ "$name" = "$unit" ] || ! [[ $multiplier =~ ^[0-9]+(\.[0-9]+)?$ ]] ||
      [[ $multiplier =~ ^0+(\.0+)?$ ]]; then
      fail "kaveta.lst: unit '$unit' is not unit,multiplier with a positive multiplier"
    fi
  done
}

# Sections and key=value lines only, every key once.
check_settings_file() {
  local text
  text=$(utf8_of "$1")
  grep -v -E '^\[[A-Za-z]+\]$|^[A-Za-z_]+=' <<<"$text" && fail "Kaveta.INI: lines above are not entries"
  [ -z "$(grep -o '^[^=]*=' <<<"$text" | sort | uniq -d)" ] || fail "Kaveta.INI: a key twice"
}

# --- guide and version resources -----------------------------------------

check_guide() {
  local file=$1 text name
  shift
  [ "$(head -c 3 "$file" | od -An -tx1)" = " ef bb bf" ] || fail "guide: no UTF-8 byte order mark"
  iconv -f UTF-8 -t UTF-8 "$file" >/dev/null 2>&1 || fail "guide: not UTF-8"
  check_crlf "$file" || true
  text=$(tr -d '\r' <"$file")
  for name in "$@" C2.png C1.png M6.png M3.png M4.png M5.png M7.png layer-naming.png \
    "jwwを起動してください" "フローティ" "SXF" "16色を越えました"; do
    grep -q -F "$name" <<<"$text" || fail "guide: does not mention $name"
  done
}

# Reads the resources back with the toolchain's windres.
check_version_resource() {
  local exe=$1 original=$2 rc description
  rc=$(x86_64-w64-mingw32-windres -J coff -O rc -i "$exe" 2>/dev/null) || {
    fail "$original: resources cannot be read"
    return
  }
  grep -q 'RT_GROUP_ICON' <<<"$rc" || fail "$original: no icon"
  grep -q -x ' FILEVERSION 1, 90, 0, 0' <<<"$rc" || fail "$original: file version is not 1.90.0.0"
  grep -q -x ' PRODUCTVERSION 1, 90, 0, 0' <<<"$rc" || fail "$original: product version is not 1.90.0.0"
  grep -q -F 'VALUE "ProductName", "KAVETA"' <<<"$rc" || fail "$original: product name is not KAVETA"
  grep -q -F "VALUE \"OriginalFilename\", \"$original\"" <<<"$rc" ||
    fail "$original: original file name is not $original"
  # windres writes the UTF-16 text as \xNNNN escapes. A description whose
  # UTF-8 bytes were widened one by one shows U+FFxx characters, which have
  # no Shift_JIS form.
  description=$(sed -n 's/.*VALUE "FileDescription", L\?"\(.*\)"$/\1/p' <<<"$rc")
  # Decoded by perl (in every Debian root), not bash's printf '%b', which
  # leaves \uNNNN as it is outside a UTF-8 locale.
  description=$(perl -CS -pe 's/\\x([0-9A-Fa-f]{4})/chr(hex($1))/ge' <<<"$description")
  if ! LC_ALL=C grep -q -P '[\x80-\xff]' <<<"$description" ||
    ! iconv -f UTF-8 -t CP932 <<<"$description" >/dev/null 2>&1; then
    fail "$original: the description is not readable Japanese: $description"
  fi
}

# --- the run ----------------------------------------------------------------

scripts/package.sh "$@" >/dev/null
zip=dist/kaveta-1.90-win64.zip
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unzip -q "$zip" -d "$work"
pkg=$work/KAVETA

echo "-- files in the zip"
expected=(KAVETA.EXE kaveta-console.exe kaveta.lst Kaveta.INI KAVETA_GUIDE.TXT)
for row in "${batches[@]}"; do expected+=("${row%%|*}"); done
for shot in docs/screenshots/*.png; do
  [ -e "$shot" ] && expected+=("screenshots/$(basename "$shot")")
done
listing=$(unzip -Z1 "$zip" | grep -v '/$' | sed 's|^KAVETA/||' | sort)
wanted=$(printf '%s\n' "${expected[@]}" | sort)
if [ "$listing" != "$wanted" ]; then
  fail "zip contents differ from the expected list (< expected, > found):"
  diff <(echo "$wanted") <(echo "$listing") || true
fi

echo "-- batch files"
descriptions=()
for row in "${batches[@]}"; do
  IFS='|' read -r name word waits selects extra <<<"$row"
  [ -f "$pkg/$name" ] || continue
  check_cp932_crlf "$pkg/$name" || continue
  check_batch "$pkg/$name" "$word" "$waits" "$selects" "$extra"
  descriptions+=("$(head -n 1 "$pkg/$name")")
done
if [ "$(printf '%s\n' "${descriptions[@]}" | sort -u | wc -l)" -ne "${#descriptions[@]}" ]; then
  fail "two batch files show the same description in the host's file picker"
fi

echo "-- list file, settings file, guide, version resources"
check_cp932_crlf "$pkg/kaveta.lst" && check_list_file "$pkg/kaveta.lst"
check_cp932_crlf "$pkg/Kaveta.INI" && check_settings_file "$pkg/Kaveta.INI"
names=()
for row in "${batches[@]}"; do names+=("${row%%|*}"); done
check_guide "$pkg/KAVETA_GUIDE.TXT" "${names[@]}"
check_version_resource "$pkg/KAVETA.EXE" KAVETA.EXE
check_version_resource "$pkg/kaveta-console.exe" kaveta-console.exe

echo "-- the batch files run as the host runs them (Wine)"
# shellcheck source=package/tests/wine_runs.sh
source package/tests/wine_runs.sh
run_batches_under_wine "$pkg" "${batches[@]}"

if [ "$failures" -ne 0 ]; then
  echo "package tests: $failures FAILED"
  exit 1
fi
echo "package tests: all passed"
