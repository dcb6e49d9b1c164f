#!/usr/bin/env python3
"""Runs the end-to-end tests: the real programs under Wine on a private Xvfb display.

    tests/e2e/run.py [--build DIR] [NAME-PART ...]

Every ``test_*`` function of every ``tests/e2e/test_*.py`` runs with a fresh TestContext
``t`` (own artefact folder, own wineserver, own program processes); the run goes on after a
failure. One line per test, then ``e2e: N passed, N failed``; the exit status is 1 if any
test failed (or a NAME-PART selected nothing), 0 otherwise. Artefacts (stderr of every
program, screenshots, on failure the traceback and a window list) are kept in
build/e2e-artifacts/<module>.<test>/.
"""

from __future__ import annotations

import argparse
import importlib.util
import inspect
import signal
import sys
import time
import traceback
from pathlib import Path

HERE = Path(__file__).resolve().parent
sys.dont_write_bytecode = True  # nothing written into the source tree
sys.path.insert(0, str(HERE / "harness"))

import fenu_e2e as e2e  # noqa: E402


class TestTimeout(AssertionError):
    pass


def discover(selectors: list[str]) -> list[tuple[str, callable]]:
    tests = []
    for path in sorted(HERE.glob("test_*.py")):
        spec = importlib.util.spec_from_file_location(path.stem, path)
        module = importlib.util.module_from_spec(spec)
        spec.loader.exec_module(module)
        for name, func in inspect.getmembers(module, inspect.isfunction):
            if name.startswith("test_") and func.__module__ == module.__name__:
                line = func.__code__.co_firstlineno
                tests.append((line, f"{path.stem}.{name}", func))
    tests.sort(key=lambda t: (t[1].split(".")[0], t[0]))  # modules by name, tests in file order
    return [(full, func) for _, full, func in tests
            if not selectors or any(s in full for s in selectors)]


def _on_alarm(signum, frame):
    raise TestTimeout("test ran out of time")


def _on_term(signum, frame):
    raise KeyboardInterrupt


def run_one(session: e2e.Session, name: str, func, default_timeout: float,
            verbose: bool) -> bool:
    lang = getattr(func, "e2e_lang", "C")
    limit = getattr(func, "e2e_timeout", default_timeout)
    t = e2e.TestContext(session, name, lang)
    started = time.monotonic()
    failure = None
    try:
        signal.signal(signal.SIGALRM, _on_alarm)
        signal.setitimer(signal.ITIMER_REAL, limit)
        try:
            t.begin()
            func(t)
        finally:
            signal.setitimer(signal.ITIMER_REAL, 0)
    except Exception as exc:  # a failing test; KeyboardInterrupt ends the run
        failure = exc
        (t.dir / "failure.txt").write_text("".join(traceback.format_exception(exc)), "utf-8")
    finally:
        try:
            t.end(failed=failure is not None)
        except Exception as exc:
            if failure is None:
                failure = exc
                (t.dir / "failure.txt").write_text(
                    "during clean-up:\n" + "".join(traceback.format_exception(exc)), "utf-8")
    took = time.monotonic() - started
    if failure is None:
        print(f"PASS {name} ({took:.1f} s)", flush=True)
        return True
    reason = f"{type(failure).__name__}: {failure}".splitlines()[0][:200]
    if isinstance(failure, TestTimeout):
        reason = f"timed out after {limit:g} s"
    print(f"FAIL {name} ({took:.1f} s): {reason} [{t.dir / 'failure.txt'}]", flush=True)
    if verbose:
        print((t.dir / "failure.txt").read_text("utf-8"), flush=True)
    return False


def main() -> int:
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("selectors", nargs="*", metavar="NAME-PART",
                    help="run only tests whose module.name contains one of these")
    ap.add_argument("--build", default=str(e2e.DEFAULT_BUILD),
                    help="the Windows build folder (Fenu.exe, e2e/driver.exe, e2e/target.exe)")
    ap.add_argument("--prefix", default=str(e2e.DEFAULT_PREFIX),
                    help="the Wine prefix, created on first use and then reused")
    ap.add_argument("--artifacts", default=str(e2e.DEFAULT_ARTIFACTS))
    ap.add_argument("--timeout", type=float, default=120.0, help="seconds per test")
    ap.add_argument("--list", action="store_true", help="list the selected tests and stop")
    ap.add_argument("-v", "--verbose", action="store_true",
                    help="print the traceback of each failure")
    args = ap.parse_args()

    tests = discover(args.selectors)
    if args.list:
        for name, _ in tests:
            print(name)
        return 0

    passed = failed = 0
    # SIGTERM ends the run like Ctrl+C: everything started is stopped on the way out.
    signal.signal(signal.SIGTERM, _on_term)
    try:
        if tests:
            with e2e.Session(args.build, args.prefix, args.artifacts) as session:
                for name, func in tests:
                    if run_one(session, name, func, args.timeout, args.verbose):
                        passed += 1
                    else:
                        failed += 1
    except KeyboardInterrupt:
        print("e2e: interrupted", flush=True)
        print(f"e2e: {passed} passed, {failed + 1} failed", flush=True)
        return 130
    except Exception as exc:  # the session itself could not start
        print(f"e2e: cannot run: {exc}", flush=True)
        print(f"e2e: {passed} passed, {max(failed, 1)} failed", flush=True)
        return 1
    print(f"e2e: {passed} passed, {failed} failed", flush=True)
    if args.selectors and not tests:
        print("e2e: no test matches " + " ".join(args.selectors), file=sys.stderr)
        return 1
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
