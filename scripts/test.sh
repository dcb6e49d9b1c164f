#!/usr/bin/env bash
# The test command: installs what is missing, builds both presets and runs every test:
# core and window-logic tests natively (AddressSanitizer, UBSan), a bounded fuzz run of the
# tree-file reader, the key-string interpreter and the expansion, the Win32 cross build, and
# the end-to-end tests of the real Fenu.exe under Wine on a virtual display.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
scripts/build.sh linux win

echo "== core and window-logic tests"
ctest --preset linux -j2

echo "== fuzzing the tree-file reader, the key strings and the expansion (libFuzzer, a minute each)"
scripts/fuzz.sh 60

echo "== end-to-end tests under Wine"
python3 tests/e2e/run.py --build build/win
