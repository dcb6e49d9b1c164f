#!/usr/bin/env bash
# Fuzzes the tree-file reader for a bounded time: scripts/fuzz.sh [SECONDS] (default 60).
# Builds fuzz/ with clang's libFuzzer into build/fuzz, seeds it with the tree files among the
# test fixtures and keeps what it learns in build/fuzz/corpus for the next run. A finding is
# written to build/fuzz/crash-* and fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

cmake -S fuzz -B build/fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/fuzz

mkdir -p build/fuzz/corpus build/fuzz/seeds
find tests/fixtures -name '*.bdb' -exec cp {} build/fuzz/seeds/ \;

echo "fuzz: tree-file reader for ${seconds}s (log: build/fuzz/fuzz.log)"
if ! build/fuzz/tree_fuzz -max_total_time="$seconds" -max_len=65536 -rss_limit_mb=2048 -timeout=10 \
    -print_final_stats=1 -artifact_prefix=build/fuzz/ build/fuzz/corpus build/fuzz/seeds \
    >build/fuzz/fuzz.log 2>&1; then
  tail -n 60 build/fuzz/fuzz.log
  echo "fuzz: FAILED, the input is in build/fuzz/ (crash-*, leak-*, timeout-* or oom-*)"
  exit 1
fi
grep -E "^stat::(number_of_executed_units|peak_rss_mb)|^Done" build/fuzz/fuzz.log || true
echo "fuzz: ok"
