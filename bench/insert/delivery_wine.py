#!/usr/bin/env python3
"""The latency of one insertion under Wine. Run on purpose, not by the tests:

    bench/insert/delivery_wine.py [--build build/win] [--runs 20]

With the real Fenu.exe and target.exe: the time from the key that chooses a block (Enter in the
abbreviation window) to the moment the block's whole text has arrived in the target's edit
control, for a block of 200 characters, delivered through the clipboard and typed. For
comparison the same text delivered straight into the target while it is already in front
(driver.exe pastes or types it, no Fenu, no window change): the floor of the road. Both moments
come from the performance counter that all processes share (the driver stamps the key, the
target its last text change). Prints the median and the worst of each and the machine's load;
the exit status is 0 when the goals hold: a clipboard median of at most 60 ms, and typed
delivery within 3 times the clipboard's median.
"""

from __future__ import annotations

import argparse
import os
import statistics
import sys
from pathlib import Path

REPO = Path(__file__).resolve().parents[2]
sys.dont_write_bytecode = True
sys.path[:0] = [str(REPO / "tests" / "e2e" / "harness"), str(REPO / "tests" / "e2e")]

import fenu_e2e as e2e  # noqa: E402
from test_insertion import MFG, prepared, type_block_by_abbreviation  # noqa: E402

VK_RETURN = 13
CLIPBOARD_GOAL_MS = 60
TYPED_GOAL_FACTOR = 3

# 200 characters that every layout types with plain keys and Shift, and nothing the key-string
# interpreter reads as a command.
SENTENCE = ("Sehr geehrte Damen und Herren, vielen Dank fuer Ihre Anfrage vom 12.03.2026. Die "
            "Unterlagen senden wir Ihnen bis Freitag zu; bei Fragen erreichen Sie uns unter "
            "030 1234567. Beste Gruesse, Ihr Team ")
BLOCK = (SENTENCE * 2)[:200]


def wait_empty(t: e2e.TestContext, target: e2e.Target) -> None:
    """The target in front with an empty edit control, saved as such."""
    target.focus()
    t.driver.settext(target.edit, "")
    e2e.wait_for(lambda: target.text() == "", 5, what="the target emptied")


def arrival_ms(target: e2e.Target, start_us: int, expected: str) -> float:
    target.wait_text(expected, timeout=20)
    return (target.changed_us() - start_us) / 1000.0


def through_fenu(t: e2e.TestContext, sendkeys: bool, runs: int) -> tuple[list[float], int]:
    """Latencies of runs insertions chosen in the abbreviation window, and how often the program
    had to press a modifier again."""
    _, fenu, target = prepared(t, sendkeys=sendkeys, texts={MFG: BLOCK})
    times = []
    for _ in range(runs):
        wait_empty(t, target)
        # The abbreviation typed, the choosing key pressed by the driver with its moment.
        t.key("Pause")
        mini = t.driver.wait_window(cls="TfrmMiniAuswahl", pid=t.winpid(fenu))
        t.focus_window(t.driver.child(mini["hwnd"], id=103)["hwnd"])
        t.type_text("mfg")
        start = t.driver.keytime(VK_RETURN)
        times.append(arrival_ms(target, start, BLOCK + "\r\n"))
        t.driver.wait_gone(mini["hwnd"])
    repressed = sum(1 for line in fenu.debug_lines() if line.startswith("fenu: modifier "))
    return times, repressed


def in_front(t: e2e.TestContext, how: str, runs: int) -> list[float]:
    target = t.start_target()
    times = []
    for _ in range(runs):
        wait_empty(t, target)
        start = t.driver.deliver(how, BLOCK + "\r\n")
        times.append(arrival_ms(target, start, BLOCK + "\r\n"))
    return times


def line(name: str, times: list[float]) -> str:
    return f"{name:<28} median {statistics.median(times):7.1f} ms   worst {max(times):7.1f} ms   (n={len(times)})"


def main() -> int:
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("--build", default=str(e2e.DEFAULT_BUILD))
    ap.add_argument("--prefix", default=str(e2e.DEFAULT_PREFIX))
    ap.add_argument("--artifacts", default=str(e2e.DEFAULT_ARTIFACTS))
    ap.add_argument("--runs", type=int, default=20)
    args = ap.parse_args()

    load_before = os.getloadavg()
    results: dict[str, list[float]] = {}
    repressed = {}
    with e2e.Session(args.build, args.prefix, args.artifacts) as session:
        cases = [("clipboard, via Fenu", lambda t: through_fenu(t, False, args.runs)),
                 ("clipboard, target in front", lambda t: in_front(t, "paste", args.runs)),
                 ("typed, via Fenu", lambda t: through_fenu(t, True, args.runs)),
                 ("typed, target in front", lambda t: in_front(t, "type", args.runs))]
        for name, measure in cases:
            t = e2e.TestContext(session, "bench_delivery." + name.replace(", ", "-").replace(" ", "_"))
            failed = True
            try:
                t.begin()
                result = measure(t)
                if isinstance(result, tuple):
                    result, repressed[name] = result
                results[name] = result
                failed = False
            finally:
                t.end(failed=failed)
    load_after = os.getloadavg()

    print(f"delivery of a {len(BLOCK)}-character block, from the choosing key to the whole text in the target")
    for name, times in results.items():
        extra = f"   modifiers pressed again: {repressed[name]}" if name in repressed else ""
        print(line(name, times) + extra)
    clip = statistics.median(results["clipboard, via Fenu"])
    typed = statistics.median(results["typed, via Fenu"])
    print(f"typed / clipboard (medians via Fenu): {typed / clip:.1f}x")
    print(f"machine: {os.cpu_count()} cores, load average {load_before[0]:.2f} before, "
          f"{load_after[0]:.2f} after")
    goals = [(f"clipboard median at most {CLIPBOARD_GOAL_MS} ms", clip <= CLIPBOARD_GOAL_MS),
             (f"typed within {TYPED_GOAL_FACTOR}x the clipboard", typed <= TYPED_GOAL_FACTOR * clip)]
    for goal, held in goals:
        print(f"goal {'held' if held else 'MISSED'}: {goal}")
    return 0 if all(held for _, held in goals) else 1


if __name__ == "__main__":
    sys.exit(main())
