#!/usr/bin/env bash
# Installs what building, running and testing need from Debian's packages (Debian 12 "bookworm"),
# when it is missing, and then checks that every command the project calls is there.
# Safe to run again: it installs nothing that is already there.
#
#   scripts/setup.sh                    install what is missing, then check the commands
#   scripts/setup.sh --print-packages   the package list, one a line (for scripts/check-setup.py)
#   scripts/setup.sh --print-commands   "COMMAND PACKAGE", one pair a line
set -euo pipefail

packages=(
  cmake ninja-build ccache g++ pkg-config python3
  libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev
  clang libclang-rt-14-dev
  g++-mingw-w64-x86-64-posix mingw-w64-tools
  wine wine64 xvfb xdotool x11-utils imagemagick
  fp-utils
)

# Every command that the scripts, the builds and the end-to-end harness call, with the package of
# the list above that brings it. Commands of Debian's essential packages (sh, grep, sed, the
# coreutils, localedef) are on every machine and not listed.
commands=(
  "cmake cmake" "ctest cmake" "ninja ninja-build" "ccache ccache" "g++ g++" "python3 python3"
  "clang clang" "clang++ clang"
  "x86_64-w64-mingw32-gcc-posix g++-mingw-w64-x86-64-posix"
  "x86_64-w64-mingw32-g++-posix g++-mingw-w64-x86-64-posix"
  "x86_64-w64-mingw32-windres g++-mingw-w64-x86-64-posix"
  "wine wine" "wineboot wine" "wineserver wine"
  "Xvfb xvfb" "xdotool xdotool" "xdpyinfo x11-utils"
  "import imagemagick" "convert imagemagick" "identify imagemagick" "compare imagemagick"
  "chmcmd fp-utils"
)

case "${1:-}" in
  --print-packages) printf '%s\n' "${packages[@]}"; exit 0 ;;
  --print-commands) printf '%s\n' "${commands[@]}"; exit 0 ;;
  "") ;;
  *) echo "usage: scripts/setup.sh [--print-packages | --print-commands]" >&2; exit 2 ;;
esac

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]} (the first time on a fresh machine: several minutes)"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# A package can be installed and still not bring the command (Debian's wine64 holds only the
# loader; the commands come with wine), so the commands themselves are what is checked.
failed=0
for pair in "${commands[@]}"; do
  read -r command package <<<"$pair"
  if ! command -v "$command" >/dev/null 2>&1; then
    echo "setup: the command '$command' is missing; it comes with the Debian package '$package'" >&2
    failed=1
  fi
done

# libFuzzer is a runtime library of clang's, not a command: link a tiny fuzz target to see it.
if command -v clang++ >/dev/null 2>&1; then
  probe=$(mktemp -d)
  echo 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }' >"$probe/probe.cpp"
  if ! clang++ -fsanitize=fuzzer "$probe/probe.cpp" -o "$probe/probe" >"$probe/log" 2>&1; then
    echo "setup: clang++ cannot link libFuzzer; it comes with the Debian package 'libclang-rt-14-dev'" >&2
    sed 's/^/setup:   /' "$probe/log" >&2
    failed=1
  fi
  rm -rf "$probe"
fi

if ((failed)); then
  echo "setup: set-up is incomplete; install the packages named above (apt-get install ...) and run it again" >&2
  exit 1
fi
