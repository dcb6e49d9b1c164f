#!/usr/bin/env python3
"""Replace all in the real memo under Wine: about 1 MB of text with 1,000 and with 10,000 hits,
replaced through the memo search on a real edit control (memohost.exe bench HITS), each run
timed inside the program. The cost should grow with the hits no faster than linearly (the
ratio at most 12). Run on purpose, not by the tests:

    bench/archive/memo_replace_wine.py [--build build/win] [--runs 3]
"""

from __future__ import annotations

import argparse
import re
import sys
from pathlib import Path

REPO = Path(__file__).resolve().parents[2]
sys.dont_write_bytecode = True
sys.path.insert(0, str(REPO / "tests" / "e2e" / "harness"))
import fenu_e2e as e2e  # noqa: E402

HITS = (1000, 10000)


def run(t: e2e.TestContext, hits: int) -> int:
    host = t.start(t.session.build_dir / "e2e" / "memohost.exe", "bench", str(hits), cwd=t.dir,
                   name=f"memohost-{hits}")
    line = host.wait_debug(r"^memohost: bench hits=(\d+) replaced=(\d+) ms=(\d+)$", timeout=300)
    host.wait_exit(30)
    if int(line.group(2)) != hits:
        raise AssertionError(f"{line.group(2)} of {hits} replaced")
    return int(line.group(3))


def main() -> int:
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("--build", default=str(e2e.DEFAULT_BUILD))
    ap.add_argument("--runs", type=int, default=3)
    args = ap.parse_args()
    with e2e.Session(args.build, e2e.DEFAULT_PREFIX, e2e.DEFAULT_ARTIFACTS) as session:
        t = e2e.TestContext(session, "bench_memo_replace")
        t.begin()
        try:
            best = {hits: min(run(t, hits) for _ in range(args.runs)) for hits in HITS}
        finally:
            t.end(failed=False)
    for hits, ms in best.items():
        print(f"replace all, 1 MB, {hits:>6} hits: {ms} ms (best of {args.runs})")
    ratio = best[HITS[1]] / max(best[HITS[0]], 1)
    print(f"ratio {HITS[1]} / {HITS[0]} hits: {ratio:.2f} (at most 12)")
    return 0 if ratio <= 12 else 1


if __name__ == "__main__":
    sys.exit(main())
