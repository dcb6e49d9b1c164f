#!/usr/bin/env python3
"""Opening the real archive window under Wine on an archive of 10,000 texts in 100 folders: the
time from the tray's command to the window on screen with its tree filled, against the same for
an archive holding only its base entry. Run on purpose, not by the tests:

    bench/archive/archive_open_wine.py [--build build/win] [--runs 5]
"""

from __future__ import annotations

import argparse
import statistics
import sys
import time
from pathlib import Path

REPO = Path(__file__).resolve().parents[2]
sys.dont_write_bytecode = True
sys.path.insert(0, str(REPO / "tests" / "e2e" / "harness"))
sys.path.insert(0, str(REPO / "tests" / "fixtures"))
import fenu_e2e as e2e  # noqa: E402
from tree_bytes import node, short_strings, tree  # noqa: E402

QUIET_INI = "[Main]\nTaskbar=-1\n[ShowMessage]\nRightClick=0\n"
CMD_ARCHIVE = 1002
FOLDERS, TEXTS = 100, 100


def record(file="", keywords=""):
    return short_strings([(file, 25), (keywords, 128)]) + b"\0" * 32


def archive(folders: int, texts: int) -> bytes:
    children = []
    for f in range(folders):
        entries = [node(f"Schreiben an Kunde {f * texts + t}", 2, 1, 2,
                        record(f"{f:06d}{t:07d}.txt", f"Kunde {f * texts + t}, Rechnung, Mahnung"), [])
                   for t in range(texts)]
        children.append(node(f"Ordner {f}", 1, 3, 4, record(), entries))
    return tree(node("Archiv", 0, 0, 0, None, children))


def open_once(t: e2e.TestContext, fenu: e2e.Program) -> float:
    shell = t.driver.wait_window(cls="TfrmFenu", title="quenlia:FENU", visible=False, pid=t.winpid(fenu))
    started = time.perf_counter()
    t.driver.post(shell["hwnd"], e2e.WM_COMMAND, CMD_ARCHIVE, 0)
    window = e2e.wait_for(lambda: next((w for w in t.driver.find_windows(cls="TfrmVerwaltung", pid=t.winpid(fenu))
                                        if t.driver.info(w["hwnd"])["visible"]), None),
                          timeout=60, interval=0.005, what="the archive window")
    elapsed = time.perf_counter() - started
    t.driver.post(window["hwnd"], e2e.WM_CLOSE, 0, 0)
    t.driver.wait_gone(window["hwnd"])
    return elapsed * 1000


def measure(t: e2e.TestContext, name: str, data: bytes, runs: int) -> list[float]:
    app = t.make_appdir(name, ini=QUIET_INI)
    (app / "Daten").mkdir()
    (app / "Daten" / "Archiv.adb").write_bytes(data)
    fenu = t.start_fenu(app, name=name)
    t.wait_tray_icon()
    try:
        return [open_once(t, fenu) for _ in range(runs)]
    finally:
        fenu.kill()


def main() -> int:
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("--build", default=str(e2e.DEFAULT_BUILD))
    ap.add_argument("--runs", type=int, default=5)
    args = ap.parse_args()
    with e2e.Session(args.build, e2e.DEFAULT_PREFIX, e2e.DEFAULT_ARTIFACTS) as session:
        t = e2e.TestContext(session, "bench_archive_open")
        t.begin()
        try:
            small = measure(t, "base", archive(0, 0), args.runs)
            large = measure(t, "large", archive(FOLDERS, TEXTS), args.runs)
        finally:
            t.end(failed=False)
    for label, times in (("base entry only", small), (f"{FOLDERS * TEXTS} texts", large)):
        print(f"archive window open, {label:>15}: median {statistics.median(times):.0f} ms, "
              f"worst {max(times):.0f} ms ({len(times)} runs)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
