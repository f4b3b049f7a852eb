#!/usr/bin/env bash
# Draws the program icon, a small area table: a title band, then one row per
# colour with its swatch beside a grey text bar and a quantity bar. Each size
# is drawn on its own pixel grid (no downscaling), so the 16-pixel icon stays
# sharp. Rerun after a change and commit kaveta.ico.
set -euo pipefail
cd "$(dirname "$0")"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

swatches=("#e53935" "#43a047" "#1e88e5")

# rect X0 Y0 X1 Y1 in grid units (16 units across the icon), inclusive.
rect() { echo "rectangle $(($1 * u)),$(($2 * u)) $((($3 + 1) * u - 1)),$((($4 + 1) * u - 1))"; }

draw() {
  local size=$1
  u=$((size / 16))
  local cmds=()
  cmds+=(-fill "#37474f" -draw "$(rect 0 0 15 15)")  # frame
  cmds+=(-fill white -draw "$(rect 1 1 14 14)")      # sheet
  cmds+=(-fill "#455a64" -draw "$(rect 1 1 14 3)")   # title band
  local row y
  for row in 0 1 2; do
    y=$((5 + row * 3))
    cmds+=(-fill "${swatches[$row]}" -draw "$(rect 2 "$y" 4 $((y + 1)))")
    cmds+=(-fill "#90a4ae" -draw "$(rect 6 "$y" 9 "$y")")
    cmds+=(-fill "#546e7a" -draw "$(rect 11 "$y" 13 "$y")")
  done
  # Rules under the rows.
  for row in 0 1; do
    y=$((7 + row * 3))
    cmds+=(-fill "#b0bec5" -draw "$(rect 1 "$y" 14 "$y")")
  done
  convert -size "${size}x${size}" xc:none "${cmds[@]}" "PNG32:$tmp/$size.png"
}

for size in 16 32 48 64 256; do draw "$size"; done
convert "$tmp/16.png" "$tmp/32.png" "$tmp/48.png" "$tmp/64.png" "$tmp/256.png" kaveta.ico
identify kaveta.ico
