#!/bin/sh
# fenu-cli archive seen from outside. Usage: cli_archive.sh CASE FENU_CLI FIXTURES WORKDIR
#   roundtrip      export, import elsewhere: the tree file and every text come back byte for byte;
#                  import over an existing archive keeps its backup rule; a fresh folder is made
#   import-errors  documents that cannot be stored are refused with their place named, and
#                  nothing is written
set -eu
case_name=$1 cli=$2 fixtures=$3 work=$4
rm -rf "$work"
mkdir -p "$work"

fail() { echo "FAIL: $*" >&2; exit 1; }

case "$case_name" in
roundtrip)
  "$cli" archive export "$fixtures/Kanzlei/Archiv.adb" "$work/kanzlei.json"
  # Into folders that do not exist yet, as on a fresh installation.
  "$cli" archive import "$work/kanzlei.json" "$work/neu/Daten/Archiv.adb"
  diff -r "$fixtures/Kanzlei" "$work/neu/Daten" || fail "import differs from the exported archive"
  "$cli" archive export "$work/neu/Daten/Archiv.adb" "$work/again.json"
  cmp "$work/kanzlei.json" "$work/again.json" || fail "second export differs"
  grep -q '"text": "Rechnung\\nZeile mit LF\\rund CR"' "$work/kanzlei.json" || fail "text not exactly as stored"

  # A damaged archive travels as it is: a text no entry names, two entries sharing one file, a
  # short record that comes back whole (187 bytes).
  "$cli" archive export "$fixtures/Kaputt/Archiv.adb" "$work/kaputt.json"
  "$cli" archive import "$work/kaputt.json" "$work/k/Archiv.adb"
  for f in 1111111111111.txt 2222222222222.txt 4444444444444.txt 9999999999999.txt; do
    cmp "$fixtures/Kaputt/Archiv/$f" "$work/k/Archiv/$f" || fail "text $f"
  done
  out=$("$cli" archive check "$work/k/Archiv.adb" || true)
  echo "$out" | grep -q "Datenblock hat" && fail "record not written whole: $out"
  echo "$out" | grep -q 'Textdatei "1111111111111.txt" mehrfach vergeben' || fail "shared file lost: $out"

  # Over an existing archive: the old tree file becomes the backup, the texts stay.
  "$cli" archive import "$work/kaputt.json" "$work/neu/Daten/Archiv.adb"
  cmp "$fixtures/Kanzlei/Archiv.adb" "$work/neu/Daten/Archiv.bup" || fail "backup"
  cmp "$fixtures/Kanzlei/Archiv/0912261453042.txt" "$work/neu/Daten/Archiv/0912261453042.txt" || fail "text kept"
  ;;
import-errors)
  mkdir "$work/a"
  expect_refused() {  # DOCUMENT MESSAGE
    printf '%s' "$1" > "$work/in.json"
    if "$cli" archive import "$work/in.json" "$work/a/Archiv.adb" 2> "$work/err"; then fail "accepted: $1"; fi
    grep -qF -- "$2" "$work/err" || fail "message for $1: $(cat "$work/err")"
    [ -z "$(ls -A "$work/a")" ] || fail "wrote files for $1"
  }
  head='{"format":"quenlia:FENU Archiv","version":1,"entries":'
  doc() { printf '%s[{"caption":"Archiv","imageIndex":0,"selectedIndex":0,"children":[%s]}]}' "$head" "$1"; }
  txt() {  # CAPTION FILE KEYWORDS TEXT
    printf '{"caption":"%s","imageIndex":1,"selectedIndex":2,"data":{"TextFileName":"%s","Keywords":"%s"},"text":"%s"}' \
      "$1" "$2" "$3" "$4"
  }
  expect_refused "$head"'[' "in.json: kein gültiges JSON: Zeile 1, Spalte 56: unerwartetes Ende des Dokuments"
  # Bytes that make no character: named so, not shown as one.
  expect_refused "$(printf '\266\266\266{')" "in.json: kein gültiges JSON: Zeile 1, Spalte 1: ungültiges UTF-8"
  expect_refused '{"format":"quenlia:FENU Bausteine","version":1,"entries":[]}' 'format: muss "quenlia:FENU Archiv" sein'
  expect_refused "$(doc "$(txt a 1.txt "$(printf 'x%.0s' $(seq 129))" "")")" \
    "entries[0].children[0].data.Keywords: höchstens 128 Zeichen erlaubt"
  expect_refused "$(doc '{"caption":"a","imageIndex":1,"selectedIndex":2,"data":{"TextFileName":"1.txt","Show":"ja"}}')" \
    "entries[0].children[0].data.Show: unbekannter Schlüssel"
  expect_refused "$(doc "$(txt a "0912261453042.txt.zu.lang.txt" "" "")")" \
    "entries[0].children[0].data.TextFileName: höchstens 25 Zeichen erlaubt"
  expect_refused "$(doc "$(txt a '..\\\\x.txt' "" böse)")" "entries[0].children[0].data.TextFileName: unzulässiger Dateiname"
  expect_refused "$(doc "$(txt a 1.txt "" eins),$(txt b 1.TXT "" zwei)")" \
    'entries[0].children[1].text: die Textdatei "1.TXT" kommt schon mit anderem Text vor'
  expect_refused "$(doc "$(txt '☃' 1.txt "" "")")" \
    "entries[0].children[0].caption: enthält Zeichen, die es in Codepage 1252 nicht gibt"
  expect_refused "$(doc '{"caption":"a","imageIndex":1,"selectedIndex":2,"data":{},"text":"t"}')" \
    "entries[0].children[0].text: ein Text braucht data.TextFileName"
  # What the document may leave out: stateIndex, data (null) and children; keywords of 128.
  doc "$(txt a 1.txt "$(printf 'x%.0s' $(seq 128))" eins),$(txt b 1.txt "" eins)" > "$work/ok.json"
  "$cli" archive import "$work/ok.json" "$work/a/Archiv.adb" || fail "refused a whole document"
  [ "$(cat "$work/a/Archiv/1.txt")" = eins ] || fail "text"
  ;;
*)
  fail "unknown case $case_name"
  ;;
esac
echo "ok"
