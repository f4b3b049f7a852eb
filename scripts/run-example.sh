#!/usr/bin/env bash
# The main job on the bundled example: builds kaveta, makes a temporary
# program folder with the example selection, runs "kaveta C2" in it and
# prints what it wrote (Shift_JIS shown as UTF-8).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$(nproc)" --target kaveta >/dev/null

app=$(mktemp -d)
trap 'rm -rf "$app"' EXIT
cp build/kaveta examples/TEMP.TXT examples/kaveta.lst examples/registry.ini "$app"/
mkdir -p "$app/out"
set +e
"$app/kaveta" C2
status=$?
set -e
echo "exit status: $status"
for f in out/ZTEMP.TXT Kaveta.INI koumoku.INI; do
  if [ -f "$app/$f" ]; then
    echo "===== $f ====="
    iconv -f CP932 -t UTF-8 "$app/$f" | tr -d '\r'
  fi
done
