#!/usr/bin/env bash
# Fuzzes each target for a bounded time: scripts/fuzz.sh [SECONDS] (default 60 per target).
#   tree_fuzz       the tree-file reader, seeded with the tree files among the test fixtures
#   keystring_fuzz  the key-string interpreter, seeded with a few key strings
#   expansion_fuzz  the expansion engine, seeded with block texts and answers
#   favourites_fuzz the favourites-file reader, seeded with a few lists
#   archive_fuzz    the archive as the archive window opens it, seeded with the archive fixtures
#   archive_import_fuzz  fenu-cli archive import's reader, seeded with a few documents
# Builds fuzz/ with clang's libFuzzer into build/fuzz and keeps what each target learns in its
# corpus folder (build/fuzz/corpus, build/fuzz/corpus-keystring, build/fuzz/corpus-expansion,
# build/fuzz/corpus-favourites, build/fuzz/corpus-archive, build/fuzz/corpus-archive-import) for
# the next run. A finding is written to
# build/fuzz/<target>-crash-* (or leak-, timeout-, oom-) and fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

cmake -S fuzz -B build/fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/fuzz

mkdir -p build/fuzz/corpus build/fuzz/seeds build/fuzz/corpus-keystring build/fuzz/seeds-keystring
mkdir -p build/fuzz/corpus-expansion build/fuzz/seeds-expansion
mkdir -p build/fuzz/corpus-favourites build/fuzz/seeds-favourites
mkdir -p build/fuzz/corpus-archive build/fuzz/seeds-archive build/fuzz/corpus-archive-import build/fuzz/seeds-archive-import
find tests/fixtures -name '*.bdb' -exec cp {} build/fuzz/seeds/ \;
i=0
for seed in '+(ab)c' '^c%f' '{LEFT 3}{left 3}' '{{}{}}' '~{TAB}{a}{0}' '{ABC' '{LEFT x}' '{NUMLOCK 2}' \
    '+(Ab{END 2})' '50% (netto)' $'Zeile\r\n' '{BKSP 65537}' '%(^{DEL})'; do
  printf '%s' "$seed" >"build/fuzz/seeds-keystring/seed-$i"
  i=$((i + 1))
done

# Block texts for the expansion engine; after a NUL, the answers to its questions, one per NUL
# (written as printf formats: \0 is the NUL, \x7f cancels a question).
i=0
for seed in '<<DatumNormal|0>> <<DatumLang|-1>> <<ZeitLang|0>> <<datumnormal|3>>' \
    '<<MehrfachText|P>> und <<MehrfachTextA|Wer?|>> und <<MehrfachText|P>>\0Anna' \
    '<<AnwenderText|Name?|Meier>> <<Auswahl|Anrede>> <<Optional|Gruß\r\nTeam>>\0\x7f\0Herr\0Gruß' \
    '<<BausteinText|0000000000004>> <<BausteinText|0000000000001>>' '<<BausteinText|0000000000003>>' \
    'a >> b <<Jahr|1>>' '<<ohne Strich>>' '<<BausteinText|..\\x>>' '<<Jahr|3000000>>'; do
  printf "$seed" >"build/fuzz/seeds-expansion/seed-$i"
  i=$((i + 1))
done

# Favourites files: the header, folders, empty rows, a line with more cells, other line ends.
i=0
for seed in 'Bezeichnung\tPfad\t\r\n\t\t\r\n' 'Bezeichnung\tPfad\t\r\nDokumente\tC:\\Users\\Anna\\Dokumente\t\r\n' \
    'A\tB\r\nD:\\\tD:\\' 'A\tB\t\r\na\tb\tc\t\r\n\r\n' 'x\ty\t\nz\rw\t\t\t\t'; do
  printf "$seed" >"build/fuzz/seeds-favourites/seed-$i"
  i=$((i + 1))
done

# Archives: the fixtures' tree files.
find tests/fixtures/archive -name '*.adb' -exec sh -c 'cp "$1" "build/fuzz/seeds-archive/$(echo "$1" | tr / _)"' _ {} \;

# Archive export documents: a whole one, texts, a record cut short, what the reader refuses.
i=0
head='{"format":"quenlia:FENU Archiv","version":1,"entries":'
for seed in "$head"'[{"caption":"Archiv","imageIndex":0,"stateIndex":-1,"selectedIndex":0,"data":null,"children":[{"caption":"Brief","imageIndex":1,"selectedIndex":2,"data":{"TextFileName":"0912261453042.txt","Keywords":"M\u00fcller"},"text":"a\r\nb","children":[]},{"caption":"Ordner","imageIndex":3,"selectedIndex":4,"data":{},"children":[{"caption":"x","imageIndex":7,"selectedIndex":7}]}]}],"unreferencedTexts":{"1.txt":"eins"}}' \
    "$head"'[{"caption":"A","imageIndex":0,"selectedIndex":0},{"caption":"B","imageIndex":1,"selectedIndex":2,"data":{"TextFileName":"1.txt"},"text":"x"},{"caption":"C","imageIndex":1,"selectedIndex":2,"data":{"TextFileName":"1.TXT"},"text":"y"}]}' \
    "$head"'[{"caption":"A","imageIndex":4294967296,"selectedIndex":0,"data":{"Keywords":"'"$(printf 'k%.0s' $(seq 129))"'"}}]}' \
    '{"format":"quenlia:FENU Bausteine","version":1,"entries":[]}' '[1,2' '{"a":"\ud800"}'; do
  printf '%s' "$seed" >"build/fuzz/seeds-archive-import/seed-$i"
  i=$((i + 1))
done

# run TARGET MAX_LEN CORPUS SEEDS DESCRIPTION
run() {
  local target=$1 max_len=$2 corpus=$3 seeds=$4 what=$5
  echo "fuzz: $what for ${seconds}s (log: build/fuzz/$target.log)"
  if ! "build/fuzz/$target" -max_total_time="$seconds" -max_len="$max_len" -rss_limit_mb=2048 -timeout=10 \
      -print_final_stats=1 -artifact_prefix="build/fuzz/$target-" "$corpus" "$seeds" \
      >"build/fuzz/$target.log" 2>&1; then
    tail -n 60 "build/fuzz/$target.log"
    echo "fuzz: $target FAILED, the input is in build/fuzz/ ($target-crash-*, -leak-*, -timeout-* or -oom-*)"
    exit 1
  fi
  grep -E "^stat::(number_of_executed_units|peak_rss_mb)|^Done" "build/fuzz/$target.log" || true
}

run tree_fuzz 65536 build/fuzz/corpus build/fuzz/seeds "tree-file reader"
# Key strings stay short: a repeat count alone makes up to 65535 key presses per group.
run keystring_fuzz 1024 build/fuzz/corpus-keystring build/fuzz/seeds-keystring "key-string interpreter"
run expansion_fuzz 4096 build/fuzz/corpus-expansion build/fuzz/seeds-expansion "expansion engine"
# Long enough for a line of many cells against many lines, which the cell limit refuses.
run favourites_fuzz 65536 build/fuzz/corpus-favourites build/fuzz/seeds-favourites "favourites-file reader"
run archive_fuzz 65536 build/fuzz/corpus-archive build/fuzz/seeds-archive "archive"
run archive_import_fuzz 65536 build/fuzz/corpus-archive-import build/fuzz/seeds-archive-import "archive import reader"
echo "fuzz: ok"
