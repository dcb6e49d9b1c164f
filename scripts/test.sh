#!/usr/bin/env bash
# The test command: installs what is missing, builds both presets and runs every test:
# core and window-logic tests natively (AddressSanitizer, UBSan), a one-minute fuzz run of the
# tree-file reader, the Win32 cross build, and
# the end-to-end tests of the real Fenu.exe under Wine on a virtual display.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
scripts/build.sh linux win

echo "== core and window-logic tests"
ctest --preset linux -j2

echo "== fuzzing the tree-file reader (libFuzzer, one minute)"
scripts/fuzz.sh 60

echo "== end-to-end tests under Wine"
python3 tests/e2e/run.py --build build/win
