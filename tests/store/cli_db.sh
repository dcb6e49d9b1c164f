#!/bin/sh
# fenu-cli db seen from outside. Usage: cli_db.sh CASE FENU_CLI FIXTURES WORKDIR
#   roundtrip      export, import elsewhere: every file comes back byte for byte; import over an
#                  existing database keeps its backup rule
#   import-errors  documents that cannot be stored, or that hold what the management window
#                  never writes, are refused with their place named, and nothing is written
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

  # Texts no entry names travel along; a short data block comes back whole (127 bytes). The
  # quick key and abbreviation that the management window would not store are refused first.
  "$cli" db export "$fixtures/Kaputt/Kaputt.bdb" "$work/kaputt-raw.json"
  mkdir "$work/k"
  if "$cli" db import "$work/kaputt-raw.json" "$work/k/Kaputt.bdb" 2> "$work/err"; then fail "accepted a lower-case quick key"; fi
  grep -qF "entries[0].children[1].data.QuickKey: nur eine Ziffer 0-9 oder ein Großbuchstabe A-Z erlaubt" "$work/err" \
    || fail "message: $(cat "$work/err")"
  sed -e 's/"QuickKey": "x"/"QuickKey": "Y"/' -e 's/"Abbreviation": "DUP"/"Abbreviation": ""/' \
    "$work/kaputt-raw.json" > "$work/kaputt.json"
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
  # Syntax errors in German, with the line and the column counted in characters.
  expect_refused '{"format":"quenlia:FENU Bausteine","version":1,"entries":[' \
    "in.json: kein gültiges JSON: Zeile 1, Spalte 59: unerwartetes Ende des Dokuments"
  expect_refused "$(printf '{\n  "caption": "Grüße",\n  "x": ]\n}')" 'in.json: kein gültiges JSON: Zeile 3, Spalte 8: unerwartetes Zeichen "]"'
  expect_refused '{"caption": "Grüße" "x"}' 'in.json: kein gültiges JSON: Zeile 1, Spalte 23: unerwartetes Zeichen """'
  # What the management window never stores: keys and abbreviations of other characters, an
  # abbreviation twice anywhere, a quick key twice in one folder.
  blk() {  # CAPTION FILE QUICKKEY ABBREVIATION [CHILDREN]
    printf '{"caption":"%s","imageIndex":%s,"selectedIndex":%s,"data":{"TextFileName":"%s","QuickKey":"%s","Abbreviation":"%s"}%s%s}' \
      "$1" "$([ -n "$2" ] && echo 1 || echo 3)" "$([ -n "$2" ] && echo 2 || echo 4)" "$2" "$3" "$4" \
      "$([ -n "$2" ] && echo ',"text":""')" "${5:+,\"children\":[$5]}"
  }
  doc() { printf '%s[{"caption":"B","imageIndex":0,"selectedIndex":0,"children":[%s]}]}' "$head" "$1"; }
  expect_refused "$(doc "$(blk a 1.txt ä "")")" "entries[0].children[0].data.QuickKey: nur eine Ziffer 0-9 oder ein Großbuchstabe A-Z erlaubt"
  expect_refused "$(doc "$(blk a 1.txt q "")")" "entries[0].children[0].data.QuickKey: nur eine Ziffer 0-9 oder ein Großbuchstabe A-Z erlaubt"
  expect_refused "$(doc "$(blk a 1.txt A "grüß e")")" "entries[0].children[0].data.Abbreviation: nur Kleinbuchstaben a-z und Ziffern 0-9 erlaubt"
  expect_refused "$(doc "$(blk a 1.txt A "MFG")")" "entries[0].children[0].data.Abbreviation: nur Kleinbuchstaben a-z und Ziffern 0-9 erlaubt"
  expect_refused "$(doc "$(blk a 1.txt A mfg),$(blk F "" F "" "$(blk b 2.txt A mfg)")")" \
    'entries[0].children[1].children[0].data.Abbreviation: das Kürzel "mfg" hat schon entries[0].children[0]'
  expect_refused "$(doc "$(blk a 1.txt A ""),$(blk F "" A "")")" \
    'entries[0].children[1].data.QuickKey: die Kurztaste "A" hat im selben Ordner schon entries[0].children[0]'
  # The same quick key in another folder is what the window allows.
  doc "$(blk a 1.txt A a1),$(blk F "" F "" "$(blk b 2.txt A b1)")" > "$work/ok.json"
  "$cli" db import "$work/ok.json" "$work/db/D.bdb" || fail "refused a quick key used once per folder"
  out=$("$cli" db check "$work/db/D.bdb") || fail "check after import: $out"
  rm -r "$work/db"/*
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
