#!/bin/sh
# fenu-cli db seen from outside. Usage: cli_db.sh CASE FENU_CLI FIXTURES WORKDIR
#   roundtrip      export, import elsewhere: every file comes back byte for byte; import over an
#                  existing database keeps its backup rule
#   import-errors  documents that cannot be stored are refused with their place named, and
#                  nothing is written
set -eu
case_name=$1 cli=$2 fixtures=$3 work=$4
rm -rf "$work"
mkdir -p "$work"

fail() { echo "FAIL: $*" >&2; exit 1; }

case "$case_name" in
roundtrip)
  "$cli" db export "$fixtures/Kunden/Kunden.bdb" "$work/kunden.json"
  mkdir "$work/neu"
  "$cli" db import "$work/kunden.json" "$work/neu/Kunden.bdb"
  diff -r "$fixtures/Kunden" "$work/neu" || fail "import differs from the exported database"
  "$cli" db export "$work/neu/Kunden.bdb" "$work/again.json"
  cmp "$work/kunden.json" "$work/again.json" || fail "second export differs"

  # Texts no entry names travel along; a short data block comes back whole (127 bytes).
  "$cli" db export "$fixtures/Kaputt/Kaputt.bdb" "$work/kaputt.json"
  mkdir "$work/k"
  "$cli" db import "$work/kaputt.json" "$work/k/Kaputt.bdb"
  for f in 1111111111111.txt 2222222222222.txt 9999999999999.txt; do
    cmp "$fixtures/Kaputt/Bausteine/$f" "$work/k/Bausteine/$f" || fail "text $f"
  done
  out=$("$cli" db check "$work/k/Kaputt.bdb" || true)
  echo "$out" | grep -q "Datenblock hat" && fail "data block not written whole: $out"

  # Over an existing database: the old tree file becomes the backup.
  "$cli" db import "$work/kaputt.json" "$work/neu/Kunden.bdb"
  cmp "$fixtures/Kunden/Kunden.bdb" "$work/neu/Kunden.bup" || fail "backup"
  ;;
import-errors)
  mkdir "$work/db"
  expect_refused() {  # DOCUMENT MESSAGE
    printf '%s' "$1" > "$work/in.json"
    if "$cli" db import "$work/in.json" "$work/db/D.bdb" 2> "$work/err"; then fail "accepted: $1"; fi
    grep -qF -- "$2" "$work/err" || fail "message for $1: $(cat "$work/err")"
    [ -z "$(ls -A "$work/db")" ] || fail "wrote files for $1"
  }
  head='{"format":"quenlia:FENU Bausteine","version":1,"entries":'
  expect_refused '{"format":"quenlia:FENU Bausteine","version":1,"entries":[' "ist kein gültiges JSON"
  expect_refused '[]' "ein JSON-Objekt wird erwartet"
  expect_refused '{"format":"x","version":1,"entries":[]}' 'format: muss "quenlia:FENU Bausteine" sein'
  expect_refused "$head"'[{"caption":"B","imageIndex":0}]}' "entries[0].selectedIndex: fehlt"
  expect_refused "$head"'[{"caption":"B","imageIndex":0,"selectedIndex":0,"children":[{"caption":"x","imageIndex":1,"selectedIndex":2,"data":{"QuickKey":"AB"}}]}]}' \
    "entries[0].children[0].data.QuickKey: höchstens 1 Zeichen erlaubt"
  expect_refused "$head"'[{"caption":"B","imageIndex":0,"selectedIndex":0,"colour":1}]}' "entries[0].colour: unbekannter Schlüssel"
  expect_refused "$head"'[{"caption":"€ ok, ☃ nicht","imageIndex":0,"selectedIndex":0}]}' \
    "entries[0].caption: enthält Zeichen, die es in Codepage 1252 nicht gibt"
  expect_refused "$head"'[{"caption":"B","imageIndex":4294967296,"selectedIndex":0}]}' "entries[0].imageIndex: Zahl"
  expect_refused "$head"'[{"caption":"B","imageIndex":1,"selectedIndex":2,"data":{"TextFileName":"..\\x.txt"},"text":"böse"}]}' \
    "entries[0].data.TextFileName: unzulässiger Dateiname"
  expect_refused "$head"'[{"caption":"B","imageIndex":1,"selectedIndex":2,"data":{},"text":"t"}]}' \
    "entries[0].text: ein Text braucht data.TextFileName"
  expect_refused "$head"'[{"caption":"a","imageIndex":1,"selectedIndex":2,"data":{"TextFileName":"1.txt"},"text":"eins"},{"caption":"b","imageIndex":1,"selectedIndex":2,"data":{"TextFileName":"1.TXT"},"text":"zwei"}]}' \
    'entries[1].text: die Textdatei "1.TXT" kommt schon mit anderem Text vor'
  expect_refused "$head"'[],"unreferencedTexts":{"../x.txt":"t"}}' "unreferencedTexts.../x.txt: unzulässiger Dateiname"
  ;;
*)
  fail "unknown case $case_name"
  ;;
esac
echo "ok"
