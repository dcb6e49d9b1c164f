#!/usr/bin/env bash
# The test command: installs what is missing, checks that set-up covers every command the
# project calls, builds both presets and runs every test:
# core and window-logic tests natively (AddressSanitizer, UBSan), a bounded fuzz run of the
# tree-file reader, the key-string interpreter, the expansion, the favourites file, the archive
# and the archive import's reader, the Win32 cross build, and
# the end-to-end tests of the real Fenu.exe under Wine on a virtual display.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh

echo "== set-up installs every command the project calls"
scripts/check-setup.py
# The check has to bite: with the package wine taken off set-up's list it must fail.
mkdir -p build
sed 's/^\( *\)wine wine64 /\1wine64 /' scripts/setup.sh >build/setup-without-wine.sh
if cmp -s scripts/setup.sh build/setup-without-wine.sh; then
  echo "test: could not take wine off set-up's package list for the check of the check" >&2
  exit 1
fi
if scripts/check-setup.py --setup build/setup-without-wine.sh >/dev/null 2>&1; then
  echo "test: scripts/check-setup.py passes a set-up without the package wine" >&2
  exit 1
fi

echo "== includes run down the layers; only Win32 views include <windows.h>"
scripts/check-layers.py
# That check has to bite too: a core file that includes the tray shell must fail it.
rm -rf build/layers-probe && mkdir -p build/layers-probe && cp -r src build/layers-probe/
echo '#include "app/TfrmFenu.h"' >>build/layers-probe/src/core/Cp1252.cpp
if scripts/check-layers.py --src build/layers-probe/src >/dev/null 2>&1; then
  echo "test: scripts/check-layers.py passes an include that runs up the layers" >&2
  exit 1
fi

scripts/build.sh linux win

echo "== core and window-logic tests"
ctest --preset linux -j2

echo "== fuzzing the readers, the key strings and the expansion (libFuzzer, a minute each)"
scripts/fuzz.sh 60

echo "== end-to-end tests under Wine"
python3 tests/e2e/run.py --build build/win
