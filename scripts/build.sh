#!/usr/bin/env bash
# Builds both presets: build/linux (core, fenu-cli, tests) and build/win (Fenu.exe,
# fenu-cli.exe, Hilfe/Fenu.chm, the test tools). Usage: scripts/build.sh [linux|win]...
set -euo pipefail
cd "$(dirname "$0")/.."
presets=("$@")
[ ${#presets[@]} -gt 0 ] || presets=(linux win)
for preset in "${presets[@]}"; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done
