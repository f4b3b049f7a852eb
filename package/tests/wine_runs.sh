# shellcheck shell=bash
# Sourced by scripts/package-tests.sh (which defines fail). Runs every batch
# file of the unpacked package under Wine's command processor, the way the
# host runs it after writing its JWC_TEMP.TXT ("hq" first, then the
# selection) into the batch file's folder. The window would wait for a user,
# so the console program stands in for KAVETA.EXE: it loads and presses OK
# at once. What each batch file started is then compared with a direct run
# of the console program with the mode word the batch file must pass.

# wine_console_run FOLDER WORD...: runs the console program in FOLDER, its output
# folder FOLDER/out.
wine_console_run() {
  local folder=$1
  shift
  mkdir -p "$folder/out"
  set_output_folder "$folder/out"
  # The exit status is not checked here: the files written are.
  (cd "$folder" && wine ./kaveta-console.exe "$@" >/dev/null 2>&1) || true
}

set_output_folder() {
  wine reg add 'HKCU\Software\Jw_cad\jw_win\Folder' /v ZFILE /t REG_SZ \
    /d "Z:${1//\//\\}" /f >/dev/null 2>&1
}

# A folder as the host leaves it: the package, the console program in the
# window's place, and the host's exchange file.
host_folder() {
  local pkg=$1 folder=$2
  cp -r "$pkg" "$folder"
  cp "$pkg/kaveta-console.exe" "$folder/KAVETA.EXE"
  cp examples/TEMP.TXT "$folder/JWC_TEMP.TXT"
  rm -f "$folder/TEMP.TXT"
  previous_table >"$folder/koumoku.INI"
}

# The rows of an earlier table, so that a run in the previous-table mode
# writes another table than a new-table run.
previous_table() {
  printf '%s\r\n' "[koumokusuu]" "koumokusuu=1" "[Solid]" "Solidclr_1=255" "Solidclr_17=255" \
    "[koukoku]" "koumoku_1=前回の項目" "[tani]" "tani_1=坪,0.3025" | iconv -f UTF-8 -t CP932
}

# Waits up to 30 s for a file the tool writes after the batch file ended.
wait_for_file() {
  local _
  for _ in $(seq 60); do
    [ -s "$1" ] && sleep 0.5 && return 0
    sleep 0.5
  done
  return 1
}

run_batches_under_wine() {
  local pkg=$1
  shift
  local prefix runs
  prefix=$(mktemp -d)
  runs=$(mktemp -d)
  (
    export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
    wine wineboot -i >/dev/null 2>&1

    # The settings file shipped holds what the program writes by itself
    # when it finds none.
    local fresh=$runs/fresh
    mkdir "$fresh"
    cp "$pkg/kaveta-console.exe" "$pkg/kaveta.lst" examples/TEMP.TXT "$fresh/"
    wine_console_run "$fresh" C2
    cmp -s "$fresh/Kaveta.INI" "$pkg/Kaveta.INI" ||
      fail "Kaveta.INI differs from the settings the program writes when it has none"

    local row name word waits rest folder direct output
    for row in "$@"; do
      IFS='|' read -r name word waits rest <<<"$row"
      [ "$word" = - ] && word=
      folder=$runs/$name
      host_folder "$pkg" "$folder"
      set_output_folder "$folder/out"
      mkdir "$folder/out"
      # The host's current folder is not the batch file's: the batch file
      # must find its files by its own folder.
      (cd "$runs" && wine cmd /c "Z:${folder//\//\\}\\$name" >/dev/null 2>&1) ||
        fail "$name: the command processor reported an error"
      cmp -s "$folder/TEMP.TXT" examples/TEMP.TXT || fail "$name: TEMP.TXT is not the host's JWC_TEMP.TXT"

      if [ "$waits" = yes ]; then
        # The host reads JWC_TEMP.TXT as soon as the batch file ends: the
        # tool's file must already be there.
        [ "$(head -c 2 "$folder/JWC_TEMP.TXT")" = hd ] ||
          fail "$name: JWC_TEMP.TXT does not begin with hd when the batch file ends"
        output=JWC_TEMP.TXT
      else
        # The host gets its own file back and draws nothing; the tool's
        # result arrives later through ZTEMP.TXT.
        cmp -s "$folder/JWC_TEMP.TXT" examples/TEMP.TXT ||
          fail "$name: the host's JWC_TEMP.TXT was changed"
        wait_for_file "$folder/out/ZTEMP.TXT" || fail "$name: no ZTEMP.TXT within 30 s"
        output=out/ZTEMP.TXT
      fi
      # The same run without the batch file, for comparison (after the
      # batch file's run has written, as both read the output folder from
      # the registry).
      direct=$runs/direct-$name
      mkdir "$direct"
      cp "$pkg/kaveta-console.exe" "$pkg/kaveta.lst" "$pkg/Kaveta.INI" "$direct/"
      cp examples/TEMP.TXT "$direct/TEMP.TXT"
      previous_table >"$direct/koumoku.INI"
      # shellcheck disable=SC2086 # no word at all for layer naming
      wine_console_run "$direct" $word
      if [ ! -s "$direct/$output" ]; then
        fail "$name: the direct run with '${word}' wrote no $output"
      elif ! cmp -s "$folder/$output" "$direct/$output"; then
        fail "$name: $output differs from a direct run with mode word '${word}'"
      else
        echo "$name: $output as from mode word '${word:-(none)}'"
      fi
    done
    wineserver -k >/dev/null 2>&1 || true
    # Wine's changes stay in this subshell; carry the failure count out.
    echo "$failures" >"$runs/failures"
  )
  failures=$(cat "$runs/failures" 2>/dev/null || echo $((failures + 1)))
  rm -rf "$prefix" "$runs"
}
