"""End-to-end harness: runs Fenu.exe and helper programs under Wine on a private Xvfb display.

Standard library only. The pieces:

- Session: one Xvfb display (-noreset) and one cached Wine prefix for a whole run. Each test
  gets a fresh wineserver (started with ``wineserver -p``, ended with ``wineserver -k``), so
  nothing a test leaves behind (processes, hotkeys, atoms, tray icons, the single-instance
  mutex) reaches the next one.
- TestContext (the ``t`` argument of every test): the test's artefact folder
  ``build/e2e-artifacts/<test>/``, program starts, the driver, keys, mouse and screenshots.
- Program: one Windows program started with ``wine``; its stderr goes to a file, from which
  the lines the program wrote with OutputDebugString are read back (see DEBUG_CHANNELS).
- Driver: the persistent ``driver.exe`` that reads and drives other programs' windows.
- Target: ``target.exe``, one multi-line edit control whose text appears in a file.

Keyboard input comes from xdotool; there is no window manager. The prefix is set up so that
Wine manages its windows itself (see PREFIX_SETTINGS): a window that a program brings to the
front also gets the X input focus, so keys typed with xdotool reach Windows' foreground window
as on Windows. Keys reach Wine only through the X focus, though: before pressing keys (global
hotkeys included) make sure a Wine window is in front, e.g. ``target.focus()`` or
``t.focus_window(hwnd)``; an open popup menu needs ``t.choose_from_menu(n)``. Input that a
program synthesises itself (SendInput, keybd_event) needs none of this.

Tray icons: with no system tray on the display Wine shows them in its own small window "Wine
System Tray" at the top left; ``t.click_tray_icon()`` clicks one there with the real mouse.
"""

from __future__ import annotations

import fcntl
import json
import os
import queue
import re
import select
import shutil
import subprocess
import threading
import time
from pathlib import Path
from typing import Any, Callable

REPO = Path(__file__).resolve().parents[3]
DEFAULT_BUILD = REPO / "build" / "win"
DEFAULT_PREFIX = REPO / "build" / "wine-prefix"
DEFAULT_ARTIFACTS = REPO / "build" / "e2e-artifacts"
LOCALE_DIR = REPO / "build" / "e2e-locale"

# OutputDebugStringW text reaches stderr on Wine's "seh" channel, OutputDebugStringA text on
# "debugstr"; both as a line  0123:warn:seh:OutputDebugStringA "text\n"  (C escapes, non-ASCII
# as \xNN in code page 1252, cut off after about 290 characters with "..." behind the quote).
DEBUG_CHANNELS = "-all,warn+seh,warn+debugstr"
DLL_OVERRIDES = "mscoree,mshtml="

WM_COMMAND = 0x0111
WM_CLOSE = 0x0010
BM_CLICK = 0x00F5
MSGBOX_TEXT_ID = 0xFFFF
# Two clicks closer than this in time and space make a double click (Windows' defaults, with room).
DOUBLE_CLICK_GUARD_S = 1.0
DOUBLE_CLICK_PX = 4
PREFIX_READY_MARK = ".fenu-e2e-ready"
PREFIX_VERSION = "2"  # raise when PREFIX_SETTINGS change: existing prefixes are re-configured
# Settings of the test prefix:
# - no crash dialog: a crashing program ends (winedbg writes its backtrace to stderr);
# - Managed=N: Wine itself places and decorates the windows and moves the X focus to the
#   foreground window, as Windows would; with "managed" windows and no window manager the
#   X focus stays put (keys are lost) and hiding or closing a window waits 2 s for a window
#   manager that never answers.
PREFIX_SETTINGS = """REGEDIT4

[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]
"Managed"="N"
"""


class Timeout(AssertionError):
    """A bounded wait ran out."""


class DriverError(RuntimeError):
    """driver.exe answered a command with ok=false."""


# ---- waiting ------------------------------------------------------------------------------


def wait_for(predicate: Callable[[], Any], timeout: float = 10.0, interval: float = 0.1,
             what: str | None = None, ignore: tuple = (DriverError,)) -> Any:
    """Polls predicate until it returns a truthy value, which is returned.

    Exceptions of the kinds in ``ignore`` count as "not yet" (a window may vanish between two
    calls); the last one is named in the Timeout message.
    """
    deadline = time.monotonic() + timeout
    last_error: BaseException | None = None
    while True:
        try:
            value = predicate()
            if value:
                return value
        except ignore as e:
            last_error = e
        if time.monotonic() >= deadline:
            msg = f"timed out after {timeout:g} s waiting for {what or predicate}"
            if last_error is not None:
                msg += f" (last error: {last_error})"
            raise Timeout(msg)
        time.sleep(interval)


def winpath(path: os.PathLike | str) -> str:
    """The Windows name of a host path (the prefix maps drive Z: to /)."""
    return "Z:" + str(Path(path).resolve()).replace("/", "\\")


def strip_amp(text: str) -> str:
    """Caption text without its mnemonic marks: "&OK" -> "OK", "&&" -> "&"."""
    return re.sub(r"&(.)", r"\1", text)


def host_run(cmd: list[str], env: dict | None = None, timeout: float = 30.0,
             check: bool = True, capture: bool = True) -> subprocess.CompletedProcess:
    """Runs a host command with a bound. capture=False for commands that leave daemons behind
    (wineserver -p, wineboot), which would otherwise hold the output pipes open."""
    out = subprocess.PIPE if capture else subprocess.DEVNULL
    return subprocess.run(cmd, env=env, timeout=timeout, check=check, stdin=subprocess.DEVNULL,
                          stdout=out, stderr=out, text=True)


# ---- AppDir -------------------------------------------------------------------------------


def make_appdir(folder: os.PathLike | str, build_dir: os.PathLike | str = DEFAULT_BUILD,
                ini: str | None = None) -> Path:
    """A fresh folder holding only Fenu.exe and Hilfe/ (if built) from build_dir, and
    fenu.ini with the text ini if given (written in code page 1252 with CRLF line ends)."""
    folder = Path(folder)
    build_dir = Path(build_dir)
    exe = build_dir / "Fenu.exe"
    if not exe.is_file():
        raise FileNotFoundError(f"{exe} is missing: build it first (cmake --build {build_dir})")
    if folder.exists():
        shutil.rmtree(folder)
    folder.mkdir(parents=True)
    shutil.copy2(exe, folder / "Fenu.exe")
    help_dir = build_dir / "Hilfe"
    if help_dir.is_dir():
        shutil.copytree(help_dir, folder / "Hilfe")
    if ini is not None:
        text = ini.replace("\r\n", "\n").replace("\n", "\r\n")
        (folder / "fenu.ini").write_bytes(text.encode("cp1252"))
    return folder


# ---- OutputDebugString lines --------------------------------------------------------------

_DEBUG_LINE = re.compile(r'^[0-9a-f]+:warn:(?:seh|debugstr):OutputDebugStringA "(.*)"(?:\.\.\.)?$')
_ESCAPE = re.compile(r'\\(x[0-9a-fA-F]{2}|.)')


def _unescape(body: str) -> str:
    out = bytearray()
    pos = 0
    for m in _ESCAPE.finditer(body):
        out += body[pos:m.start()].encode("latin-1", "replace")
        e = m.group(1)
        if e[0] == "x":
            out.append(int(e[1:], 16))
        else:
            out += {"n": b"\n", "r": b"\r", "t": b"\t"}.get(e, e.encode("latin-1", "replace"))
        pos = m.end()
    out += body[pos:].encode("latin-1", "replace")
    return out.decode("cp1252", "replace")


def parse_debug_output(stderr_text: str) -> list[str]:
    """The OutputDebugString texts in a Wine stderr log, in order, without trailing newlines."""
    lines = []
    for raw in stderr_text.splitlines():
        m = _DEBUG_LINE.match(raw)
        if m:
            lines.append(_unescape(m.group(1)).rstrip("\r\n"))
    return lines


# ---- programs -----------------------------------------------------------------------------


class Program:
    """A Windows program started with ``wine``; the unix process is the Windows process."""

    def __init__(self, name: str, popen: subprocess.Popen, stderr_path: Path, exe: str):
        self.name = name
        self.popen = popen
        self.stderr_path = stderr_path
        self.exe = exe
        self.winpid: int | None = None  # filled in by TestContext.winpid()

    def __repr__(self) -> str:
        return f"<Program {self.name} pid={self.popen.pid}>"

    @property
    def running(self) -> bool:
        return self.popen.poll() is None

    def wait_exit(self, timeout: float = 10.0) -> int:
        """Waits for the program to end and returns its exit code."""
        try:
            return self.popen.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise Timeout(f"{self.name} still running after {timeout:g} s") from None

    def kill(self) -> None:
        if self.running:
            self.popen.kill()
            try:
                self.popen.wait(timeout=5)
            except subprocess.TimeoutExpired:
                pass

    def stderr(self) -> str:
        try:
            return self.stderr_path.read_text(encoding="utf-8", errors="replace")
        except FileNotFoundError:
            return ""

    def debug_lines(self) -> list[str]:
        """Everything the program has written with OutputDebugString so far."""
        return parse_debug_output(self.stderr())

    def debug_mark(self) -> int:
        """A position for wait_debug(since=...): only lines written after now count."""
        return len(self.debug_lines())

    def wait_debug(self, pattern: str, timeout: float = 10.0, since: int = 0) -> re.Match:
        """Waits for an OutputDebugString line (index >= since) that re.search()es pattern."""
        rx = re.compile(pattern)

        def find():
            for line in self.debug_lines()[since:]:
                m = rx.search(line)
                if m:
                    return m
            return None

        try:
            return wait_for(find, timeout, what=f"debug output /{pattern}/ from {self.name}")
        except Timeout as e:
            tail = "\n  ".join(self.debug_lines()[-10:]) or "(none)"
            raise Timeout(f"{e}\n  last debug lines:\n  {tail}") from None


# ---- driver.exe ---------------------------------------------------------------------------


class Driver:
    """A persistent driver.exe; every method is one command, see tools/driver.cpp."""

    def __init__(self, exe: Path, env: dict, stderr_path: Path, timeout: float = 30.0):
        self._stderr = open(stderr_path, "wb")
        self.popen = subprocess.Popen(["wine", str(exe)], env=env, stdin=subprocess.PIPE,
                                      stdout=subprocess.PIPE, stderr=self._stderr)
        self._lines: queue.Queue = queue.Queue()
        self._reader = threading.Thread(target=self._read, daemon=True)
        self._reader.start()
        self._lock = threading.Lock()
        try:
            self.pid = self._answer(timeout, "start")["pid"]
        except BaseException:
            self.popen.kill()
            self._stderr.close()
            raise

    def _read(self) -> None:
        for raw in self.popen.stdout:
            self._lines.put(raw)
        self._lines.put(None)

    def _answer(self, timeout: float, what: str) -> dict:
        try:
            raw = self._lines.get(timeout=timeout)
        except queue.Empty:
            raise Timeout(f"driver gave no answer to {what!r} within {timeout:g} s") from None
        if raw is None:
            raise DriverError(f"driver ended (exit {self.popen.poll()}) during {what!r}")
        return json.loads(raw.decode("utf-8"))

    def cmd(self, line: str, timeout: float = 20.0, check: bool = True) -> dict:
        """Sends one command line and returns the answer; DriverError if ok is false."""
        if "\n" in line or "\r" in line:
            raise ValueError("one line per command; pass texts through json_text()")
        with self._lock:
            self.popen.stdin.write(line.encode("utf-8") + b"\n")
            self.popen.stdin.flush()
            try:
                answer = self._answer(timeout, line[:80])
            except Timeout:
                # A late answer would be taken for the next command's: end this driver;
                # TestContext.driver starts a new one on next use.
                self.popen.kill()
                raise
        if check and not answer.get("ok"):
            raise DriverError(f"{line[:80]!r}: {answer.get('error')}")
        return answer

    def close(self) -> None:
        if self.popen.poll() is None:
            try:
                self.cmd("quit", timeout=5)
                self.popen.wait(timeout=5)
            except (Timeout, DriverError, OSError, subprocess.TimeoutExpired):
                self.popen.kill()
        self._stderr.close()

    # -- commands --

    def windows(self) -> list[dict]:
        return self.cmd("windows")["windows"]

    def info(self, hwnd: int) -> dict:
        return self.cmd(f"info {hwnd}")["window"]

    def children(self, hwnd: int) -> list[dict]:
        return self.cmd(f"children {hwnd}")["children"]

    def tree(self, hwnd: int) -> list[dict]:
        return self.cmd(f"tree {hwnd}")["items"]

    def listview(self, hwnd: int) -> list[dict]:
        return self.cmd(f"listview {hwnd}")["items"]

    def click(self, hwnd: int) -> None:
        self.cmd(f"click {hwnd}")

    def settext(self, hwnd: int, text: str) -> None:
        self.cmd(f"settext {hwnd} {json_text(text)}")

    def cbselect(self, hwnd: int, index: int) -> None:
        self.cmd(f"cbselect {hwnd} {index}")

    def cbdropdown(self, hwnd: int, how: str = "both") -> None:
        self.cmd(f"cbdropdown {hwnd} {how}")

    def lbselect(self, hwnd: int, index: int) -> None:
        self.cmd(f"lbselect {hwnd} {index}")

    def tvselect(self, hwnd: int, item: int) -> None:
        self.cmd(f"tvselect {hwnd} {item}")

    def post(self, hwnd: int, msg: int, wparam: int = 0, lparam: int = 0) -> None:
        self.cmd(f"post {hwnd} {msg} {wparam} {lparam}")

    def send(self, hwnd: int, msg: int, wparam: int = 0, lparam: int = 0) -> dict:
        """SendMessageTimeout: {"result": ..., "timeout": bool}."""
        return self.cmd(f"send {hwnd} {msg} {wparam} {lparam}")

    def dpichanged(self, hwnd: int, dpi: int, rect: tuple[int, int, int, int]) -> dict:
        """WM_DPICHANGED with the suggested window rectangle (left, top, right, bottom), as the
        system sends it when the window moves to a screen of another DPI; answers as send."""
        left, top, right, bottom = rect
        return self.cmd(f"dpichanged {hwnd} {dpi} {left} {top} {right} {bottom}")

    def foreground(self) -> dict:
        return self.cmd("foreground")

    def clipboard(self) -> str | None:
        """The clipboard's text, or None when it holds none."""
        return self.cmd("clipboard")["text"]

    def clipboard_formats(self) -> list[str]:
        """The clipboard's formats in order: registered ones by name, with "=N" for the first
        DWORD of their data, predefined ones by number ("13" is CF_UNICODETEXT)."""
        return self.cmd("clipboard_formats")["formats"]

    def keytime(self, vk: int) -> int:
        """Presses and releases a virtual key in the window with the keyboard focus; answers the
        moment before (microseconds of the performance counter, as Target.changed_us)."""
        return self.cmd(f"keytime {vk}")["time_us"]

    def deliver(self, how: str, text: str) -> int:
        """Delivers text to the window in front without Fenu ("paste" or "type"); answers the
        moment it began."""
        return self.cmd(f"deliver {how} {json_text(text)}")["time_us"]

    def focus(self, hwnd: int) -> dict:
        return self.cmd(f"focus {hwnd}")

    def capture_bmp(self, hwnd: int, bmp_path: Path) -> dict:
        return self.cmd(f"capture {hwnd} {json_text(winpath(bmp_path))}")

    def processes(self) -> list[dict]:
        return self.cmd("processes")["processes"]

    def kill(self, winpid: int) -> None:
        self.cmd(f"kill {winpid}")

    # -- finding windows --

    def find_windows(self, cls: str | None = None, title: str | None = None,
                     pid: int | None = None, visible: bool | None = True,
                     owner: int | None = None,
                     where: Callable[[dict], bool] | None = None) -> list[dict]:
        """Top-level windows matching every given criterion (title: exact text)."""
        out = []
        for w in self.windows():
            if cls is not None and w["class"] != cls:
                continue
            if title is not None and w["title"] != title:
                continue
            if pid is not None and w["pid"] != pid:
                continue
            if visible is not None and w["visible"] != visible:
                continue
            if owner is not None and w["owner"] != owner:
                continue
            if where is not None and not where(w):
                continue
            out.append(w)
        return out

    def wait_window(self, timeout: float = 10.0, **criteria) -> dict:
        """The first top-level window matching find_windows(**criteria), waited for."""
        return wait_for(lambda: next(iter(self.find_windows(**criteria)), None), timeout,
                        what=f"window {criteria}")

    def wait_gone(self, hwnd: int, timeout: float = 10.0) -> None:
        """Waits until the window no longer exists or is hidden."""
        def gone():
            return not any(w["hwnd"] == hwnd and w["visible"] for w in self.windows())
        wait_for(gone, timeout, what=f"window {hwnd} to close")

    def find_child(self, hwnd: int, id: int | None = None, text: str | None = None,
                   cls: str | None = None, visible: bool | None = None) -> dict | None:
        """The first descendant matching all given criteria, or None.

        id compares the low 16 bits (a dialog's id 0xFFFF may read as -1); text matches the
        exact text or the text without its "&" marks.
        """
        for c in self.children(hwnd):
            if id is not None and (c["id"] & 0xFFFF) != (id & 0xFFFF):
                continue
            if text is not None and c["text"] != text and strip_amp(c["text"]) != strip_amp(text):
                continue
            if cls is not None and c["class"].lower() != cls.lower():
                continue
            if visible is not None and c["visible"] != visible:
                continue
            return c
        return None

    def child(self, hwnd: int, **criteria) -> dict:
        """Like find_child, but a missing control is an AssertionError."""
        c = self.find_child(hwnd, **criteria)
        if c is None:
            raise AssertionError(f"no control {criteria} in window {hwnd}")
        return c

    def wait_child(self, hwnd: int, timeout: float = 10.0, **criteria) -> dict:
        return wait_for(lambda: self.find_child(hwnd, **criteria), timeout,
                        what=f"control {criteria} in window {hwnd}")

    def click_child(self, hwnd: int, **criteria) -> dict:
        """Presses the button of a window found by id and/or text (BM_CLICK, posted)."""
        c = self.child(hwnd, **criteria)
        self.click(c["hwnd"])
        return c

    # -- message boxes --

    def message_boxes(self, title: str | None = None, pid: int | None = None) -> list[dict]:
        """Visible message boxes: {"hwnd", "title", "text", "pid", "buttons": {text: hwnd}}."""
        boxes = []
        for w in self.find_windows(cls="#32770", title=title, pid=pid):
            try:
                kids = self.children(w["hwnd"])
            except DriverError:
                continue  # closed meanwhile
            text = next((c["text"] for c in kids if (c["id"] & 0xFFFF) == MSGBOX_TEXT_ID
                         and c["class"].lower() == "static"), None)
            if text is None:
                continue  # a common dialog, not a message box
            buttons = {c["text"]: c["hwnd"] for c in kids
                       if c["class"].lower() == "button" and c["visible"]}
            boxes.append({"hwnd": w["hwnd"], "title": w["title"], "text": text,
                          "pid": w["pid"], "owner": w["owner"], "buttons": buttons})
        return boxes

    def wait_message_box(self, title: str | None = None, text: str | None = None,
                         timeout: float = 10.0, pid: int | None = None) -> dict:
        """The first visible message box with this title (and exactly this text)."""
        def find():
            for box in self.message_boxes(title=title, pid=pid):
                if text is None or box["text"] == text:
                    return box
            return None
        return wait_for(find, timeout, what=f"message box title={title!r} text={text!r}")

    def press(self, box: dict, button: str) -> None:
        """Presses a message-box button by caption ("OK", "&Ja" and "Ja" are the same)."""
        for caption, hwnd in box["buttons"].items():
            if strip_amp(caption) == strip_amp(button):
                self.click(hwnd)
                return
        raise AssertionError(f"no button {button!r} in {box['title']!r}: {list(box['buttons'])}")


def json_text(text: str) -> str:
    """A text argument for a driver command, as a JSON string literal."""
    return json.dumps(text, ensure_ascii=False)


# ---- the typing target --------------------------------------------------------------------


class Target:
    """target.exe: window "Zielprogramm" (class FenuTarget) with one multi-line edit."""

    def __init__(self, t: "TestContext", program: Program, text_file: Path):
        self.t = t
        self.program = program
        self.text_file = text_file
        hwnd_file = Path(str(text_file) + ".hwnd")
        self.edit = int(wait_for(lambda: hwnd_file.is_file() and hwnd_file.read_text().strip(),
                                 20.0, what="target.exe to start"))
        self.hwnd = t.driver.info(self.edit)["root"]

    def text(self) -> str:
        """What the edit control held at its last save (at most 200 ms ago)."""
        try:
            return self.text_file.read_bytes().decode("utf-8")
        except FileNotFoundError:
            return ""

    def wait_text(self, expected: str | Callable[[str], bool], timeout: float = 10.0) -> str:
        """Waits until the saved text equals expected (or expected(text) is true)."""
        check = expected if callable(expected) else (lambda s: s == expected)
        last = [""]

        def probe():
            last[0] = self.text()
            return check(last[0])
        try:
            wait_for(probe, timeout, what="target text")
        except Timeout as e:
            raise Timeout(f"{e}: wanted {expected!r}, have {last[0]!r}") from None
        return last[0]

    def changed_us(self) -> int:
        """When the edit's text last changed, as of the last save (microseconds of the
        performance counter, as Driver.keytime; 0 before any change)."""
        try:
            return int(Path(str(self.text_file) + ".changed").read_text() or 0)
        except FileNotFoundError:
            return 0

    def focus(self) -> None:
        """Brings the target to the front with the keyboard focus in its edit control."""
        self.t.focus_window(self.edit)


# ---- session ------------------------------------------------------------------------------


class Session:
    """Xvfb and the Wine prefix for one run; use as a context manager."""

    def __init__(self, build_dir: os.PathLike | str = DEFAULT_BUILD,
                 prefix: os.PathLike | str = DEFAULT_PREFIX,
                 artifacts: os.PathLike | str = DEFAULT_ARTIFACTS,
                 screen: str = "1280x1024x24", log: Callable[[str], None] = print):
        self.build_dir = Path(build_dir).resolve()
        self.prefix = Path(prefix).resolve()
        self.artifacts = Path(artifacts).resolve()
        self.screen = screen
        self.log = log
        self.display: str | None = None
        self._xvfb: subprocess.Popen | None = None
        self._lock_file = None
        self._server_env: dict | None = None

    def __enter__(self) -> "Session":
        try:
            self.start()
        except BaseException:
            self.stop()
            raise
        return self

    def __exit__(self, *exc) -> None:
        self.stop()

    # -- paths of the helpers --

    @property
    def driver_exe(self) -> Path:
        return self.build_dir / "e2e" / "driver.exe"

    @property
    def target_exe(self) -> Path:
        return self.build_dir / "e2e" / "target.exe"

    # -- start and stop --

    def start(self) -> None:
        for exe in (self.driver_exe, self.target_exe):
            if not exe.is_file():
                raise FileNotFoundError(
                    f"{exe} is missing: cmake --build {self.build_dir} --target driver target")
        self.artifacts.mkdir(parents=True, exist_ok=True)
        self._lock_prefix()
        self._start_xvfb()
        self._ensure_prefix()

    def stop(self) -> None:
        if self._server_env is not None:
            self.stop_wineserver()
        if self._xvfb is not None:
            if self._xvfb.poll() is None:
                self._xvfb.terminate()
                try:
                    self._xvfb.wait(timeout=5)
                except subprocess.TimeoutExpired:
                    self._xvfb.kill()
                    self._xvfb.wait(timeout=5)
            self._xvfb = None
        if self._lock_file is not None:
            self._lock_file.close()  # releases the flock
            self._lock_file = None

    def _lock_prefix(self) -> None:
        """One run at a time per prefix: Wine's desktop process keeps the first display."""
        self.prefix.parent.mkdir(parents=True, exist_ok=True)
        self._lock_file = open(str(self.prefix) + ".lock", "w")
        deadline = time.monotonic() + 1800
        said = False
        while True:
            try:
                fcntl.flock(self._lock_file, fcntl.LOCK_EX | fcntl.LOCK_NB)
                return
            except BlockingIOError:
                if not said:
                    self.log(f"e2e: waiting for {self.prefix} (another run uses it)")
                    said = True
                if time.monotonic() > deadline:
                    raise Timeout(f"{self.prefix} stayed locked") from None
                time.sleep(0.5)

    def _start_xvfb(self) -> None:
        read_fd, write_fd = os.pipe()
        log = open(self.artifacts / "xvfb.log", "wb")
        try:
            self._xvfb = subprocess.Popen(
                ["Xvfb", "-displayfd", str(write_fd), "-noreset", "-nolisten", "tcp",
                 "-screen", "0", self.screen],
                pass_fds=(write_fd,), stdin=subprocess.DEVNULL, stdout=log, stderr=log,
                start_new_session=True)
        finally:
            os.close(write_fd)
            log.close()
        # Xvfb writes the number and then "\n" in a second write, and dies if the pipe is
        # closed in between: read up to the newline.
        answer = b""
        deadline = time.monotonic() + 15
        try:
            while not answer.endswith(b"\n") and time.monotonic() < deadline:
                ready, _, _ = select.select([read_fd], [], [], max(0.0, deadline - time.monotonic()))
                chunk = os.read(read_fd, 64) if ready else b""
                if not chunk:
                    break
                answer += chunk
        finally:
            os.close(read_fd)
        number = answer.decode().strip() if answer.endswith(b"\n") else ""
        if not number:
            raise RuntimeError("Xvfb did not start; see " + str(self.artifacts / "xvfb.log"))
        self.display = ":" + number
        env = dict(os.environ, DISPLAY=self.display)
        wait_for(lambda: host_run(["xdpyinfo"], env=env, check=False).returncode == 0, 10,
                 what="Xvfb to answer")

    def check_display(self) -> None:
        if self._xvfb is None or self._xvfb.poll() is not None:
            raise RuntimeError(f"Xvfb has ended; see {self.artifacts / 'xvfb.log'}")

    def env(self, lang: str = "C", debug: str = DEBUG_CHANNELS) -> dict:
        """The environment of every Wine process; lang "de" for a German Windows."""
        env = {k: v for k, v in os.environ.items()
               if not k.startswith(("LC_", "WINE")) and k not in ("LANG", "LANGUAGE", "LOCPATH")}
        env.update(DISPLAY=self.display or "", WINEPREFIX=str(self.prefix), WINEDEBUG=debug,
                   WINEDLLOVERRIDES=DLL_OVERRIDES)
        if lang == "de":
            env["LANG"] = "de_DE.UTF-8"
            locpath = german_locale_path()
            if locpath:
                env["LOCPATH"] = locpath
        elif lang == "C":
            env["LANG"] = "C.UTF-8"
        else:
            raise ValueError(f"unknown lang {lang!r}")
        return env

    def _ensure_prefix(self) -> None:
        """Creates (10-15 s) and configures the prefix once; later runs reuse it."""
        mark = self.prefix / PREFIX_READY_MARK
        if mark.is_file() and mark.read_text().strip() == PREFIX_VERSION:
            return
        env = self.env(debug="-all")
        if not (self.prefix / "system.reg").is_file():
            self.log(f"e2e: creating Wine prefix {self.prefix} (once, about 15 s)")
            if self.prefix.exists():
                host_run(["wineserver", "-k"], env=env, check=False, capture=False)
                shutil.rmtree(self.prefix)
            host_run(["wineboot", "-i"], env=env, timeout=300, capture=False)
        reg = self.prefix / "fenu-e2e.reg"
        reg.write_text(PREFIX_SETTINGS.replace("\n", "\r\n"), encoding="ascii")
        host_run(["wine", "regedit", "/S", winpath(reg)], env=env, timeout=120, capture=False)
        host_run(["wineserver", "-w"], env=env, timeout=120, capture=False)
        mark.write_text(PREFIX_VERSION + "\n")

    def start_wineserver(self, env: dict) -> None:
        """A fresh persistent wineserver: stops any old one of this prefix first."""
        self.stop_wineserver(env)
        host_run(["wineserver", "-p"], env=env, timeout=30, capture=False)
        self._server_env = env

    def stop_wineserver(self, env: dict | None = None) -> None:
        """Ends the wineserver of this prefix and every Wine process in it."""
        env = env or self._server_env or self.env()
        host_run(["wineserver", "-k"], env=env, check=False, timeout=30, capture=False)
        try:
            host_run(["wineserver", "-w"], env=env, check=False, timeout=30, capture=False)
        except subprocess.TimeoutExpired:
            self.log("e2e: wineserver did not end within 30 s")
        self._server_env = None


def german_locale_path() -> str | None:
    """LOCPATH for de_DE.UTF-8: None if the system has it, else a generated copy."""
    have = host_run(["locale", "-a"], check=False).stdout.split()
    if any(name.lower().replace("-", "") in ("de_de.utf8",) for name in have):
        return None
    target = LOCALE_DIR / "de_DE.UTF-8"
    if not (target / "LC_CTYPE").exists():
        LOCALE_DIR.mkdir(parents=True, exist_ok=True)
        r = host_run(["localedef", "-i", "de_DE", "-f", "UTF-8", str(target)], check=False,
                 timeout=120)
        if not (target / "LC_CTYPE").exists():
            raise RuntimeError(f"localedef failed: {r.stderr.strip()}")
    return str(LOCALE_DIR)


# ---- one test -----------------------------------------------------------------------------


class TestContext:
    """Everything a test uses; passed to each test function as ``t``."""

    def __init__(self, session: Session, name: str, lang: str = "C"):
        self.session = session
        self.name = name
        self.lang = lang
        self.dir = session.artifacts / name
        if self.dir.exists():
            shutil.rmtree(self.dir)
        self.dir.mkdir(parents=True)
        self.env = session.env(lang)
        self.programs: list[Program] = []
        self._driver: Driver | None = None
        self._claimed: set[int] = set()
        self._last_click: tuple[float, int, int, int] | None = None  # time, x, y, button

    # -- life cycle (called by the runner) --

    def begin(self) -> None:
        self.session.check_display()
        self.session.start_wineserver(self.env)

    def end(self, failed: bool) -> None:
        """Keeps evidence of a failure, then stops every process of the test."""
        if failed:
            for what, action in (("screenshot", lambda: self.screenshot("failure")),
                                 ("window list", self._dump_windows)):
                try:
                    action()
                except Exception as e:  # evidence is best effort
                    (self.dir / f"failure-{what.replace(' ', '-')}.err").write_text(f"{e}\n")
        if self._driver is not None:
            self._driver.close()
            self._driver = None
        for p in self.programs:
            p.kill()
        self.session.stop_wineserver(self.env)

    def _dump_windows(self) -> None:
        if self._driver is None:
            return
        lines = [json.dumps(w, ensure_ascii=False) for w in self._driver.windows()]
        (self.dir / "failure-windows.jsonl").write_text("\n".join(lines) + "\n", "utf-8")

    # -- programs --

    @property
    def driver(self) -> Driver:
        """The driver.exe of this test, started on first use."""
        if self._driver is None or self._driver.popen.poll() is not None:
            self._driver = Driver(self.session.driver_exe, self.session.env("C"),
                                  self.dir / "driver.stderr")
        return self._driver

    def start(self, exe: os.PathLike | str, *args: str, cwd: os.PathLike | str | None = None,
              name: str | None = None, debug: str = DEBUG_CHANNELS,
              extra_env: dict | None = None) -> Program:
        """Starts a Windows program; stderr (with its debug output) goes to <name>.stderr."""
        exe = Path(exe)
        name = name or exe.stem
        base, n = name, 1
        while any(p.name == name for p in self.programs):
            n += 1
            name = f"{base}-{n}"
        env = dict(self.env, WINEDEBUG=debug, **(extra_env or {}))
        err = self.dir / f"{name}.stderr"
        with open(err, "wb") as err_file, open(self.dir / f"{name}.stdout", "wb") as out_file:
            popen = subprocess.Popen(["wine", str(exe), *args], cwd=str(cwd or exe.parent),
                                     env=env, stdin=subprocess.DEVNULL, stdout=out_file,
                                     stderr=err_file)
        program = Program(name, popen, err, exe.name)
        self.programs.append(program)
        return program

    def make_appdir(self, name: str = "app", ini: str | None = None) -> Path:
        """A fresh AppDir in the test's folder: Fenu.exe, Hilfe/ and fenu.ini if ini is given."""
        return make_appdir(self.dir / name, self.session.build_dir, ini)

    def start_fenu(self, appdir: os.PathLike | str | None = None, name: str = "fenu",
                   dpi: int | None = None) -> Program:
        """Starts Fenu.exe from appdir (a fresh one if not given), with appdir as working dir.

        dpi: lay out and draw its windows for this many dots per inch (FENU_DPI) instead of the
        display's 96; the caption and menu bar stay the system's."""
        appdir = Path(appdir) if appdir else self.make_appdir()
        extra = {"FENU_DPI": str(dpi)} if dpi else None
        return self.start(appdir / "Fenu.exe", cwd=appdir, name=name, extra_env=extra)

    def start_target(self, name: str = "target") -> Target:
        """Starts target.exe and waits for its window."""
        text_file = self.dir / f"{name}.txt"
        program = self.start(self.session.target_exe, winpath(text_file), cwd=self.dir,
                             name=name)
        return Target(self, program, text_file)

    def winpid(self, program: Program, timeout: float = 10.0) -> int:
        """The Windows process id of a program (programs of one exe are matched in start order)."""
        if program.winpid is not None:
            return program.winpid
        for earlier in self.programs:
            if earlier is program:
                break
            if earlier.exe.lower() == program.exe.lower() and earlier.winpid is None \
                    and earlier.running:
                self.winpid(earlier, timeout)

        def find():
            for proc in self.driver.processes():
                if proc["exe"].lower() == program.exe.lower() and proc["pid"] not in self._claimed:
                    return proc["pid"]
            return None
        program.winpid = wait_for(find, timeout, what=f"process of {program.name}")
        self._claimed.add(program.winpid)
        return program.winpid

    # -- X input --

    def xdotool(self, *args: str, timeout: float = 15.0) -> str:
        env = dict(self.env, LANG="C.UTF-8")  # a UTF-8 locale for non-ASCII text
        r = host_run(["xdotool", *args], env=env, timeout=timeout, check=False)
        if r.returncode != 0:
            raise RuntimeError(f"xdotool {' '.join(args)}: {r.stderr.strip()}")
        return r.stdout

    def key(self, *keys: str) -> None:
        """Presses keys by X name: key("Print"), key("ctrl+alt+a"), key("Down", "Return")."""
        self.xdotool("key", "--delay", "30", *keys)

    def type_text(self, text: str, delay_ms: int = 20) -> None:
        """Types text key by key (keep to ASCII: Wine loses some non-ASCII characters)."""
        self.xdotool("type", "--delay", str(delay_ms), "--", text)

    def mouse_position(self) -> tuple[int, int]:
        out = self.xdotool("getmouselocation", "--shell")
        values = dict(line.split("=", 1) for line in out.split())
        return int(values["X"]), int(values["Y"])

    def move_to(self, x: int, y: int) -> None:
        """Moves the pointer and waits until it is there (``mousemove --sync`` would wait
        forever when the pointer is there already)."""
        self.xdotool("mousemove", str(x), str(y))
        wait_for(lambda: self.mouse_position() == (x, y), 5, what=f"pointer at {x},{y}")

    def click_at(self, x: int, y: int, button: int = 1) -> None:
        """A real mouse click at screen coordinates.

        Windows takes a second click within the double-click time (500 ms) and a few pixels of
        the first as a double click; a click that would fall there lands a few pixels aside."""
        if self._last_click is not None:
            when, last_x, last_y, last_button = self._last_click
            if (button == last_button and time.monotonic() - when < DOUBLE_CLICK_GUARD_S
                    and abs(x - last_x) <= DOUBLE_CLICK_PX and abs(y - last_y) <= DOUBLE_CLICK_PX):
                x = last_x + DOUBLE_CLICK_PX + 1 if x >= last_x else last_x - DOUBLE_CLICK_PX - 1
        self.move_to(x, y)
        self.xdotool("click", str(button))
        self._last_click = (time.monotonic(), x, y, button)

    def xid(self, hwnd: int) -> int:
        """The X window of a top-level window."""
        w = next((w for w in self.driver.windows() if w["hwnd"] == hwnd), None)
        if w is None or not w["xid"]:
            raise AssertionError(f"window {hwnd} has no X window")
        return w["xid"]

    def x_focus(self) -> int:
        """The X window that has the X input focus (keys go there)."""
        return int(self.xdotool("getwindowfocus").strip())

    def focus_window(self, hwnd: int, timeout: float = 5.0) -> None:
        """Makes a window (or control) the foreground and keyboard focus, and waits until the
        X focus has followed, so that keys from xdotool arrive there."""
        top = self.driver.info(hwnd)["root"]
        xid = self.xid(top)
        last_try = [0.0]

        def focused():
            fg = self.driver.foreground()
            on_window = fg["hwnd"] == top and (hwnd == top or fg.get("focus") == hwnd)
            x_ok = self.x_focus() == xid
            if on_window and x_ok:
                return True
            if time.monotonic() - last_try[0] > 0.5:  # again, if a window came up meanwhile
                last_try[0] = time.monotonic()
                if fg["hwnd"] == top and not x_ok:
                    # Windows has activated it, but the X focus was left elsewhere (another
                    # window took the foreground in between): move the X focus by hand.
                    self.xdotool("windowfocus", str(xid))
                else:
                    self.driver.focus(hwnd)
            return False
        wait_for(focused, timeout, what=f"window {hwnd} to have the keyboard focus")

    def wait_popup_menu(self, timeout: float = 5.0) -> dict:
        """The open popup menu (a top-level window of class #32768)."""
        return self.driver.wait_window(cls="#32768", timeout=timeout)

    def choose_from_menu(self, position: int) -> None:
        """Chooses a command of the open popup menu with the keyboard, as a user would.

        position counts the commands from 0 at the top, without separators and hidden items.
        (The menu's items can't be read from another process under Wine.)
        """
        menu = self.wait_popup_menu()
        # The menu's owner is the hidden shell window, which can't hold the X focus.
        self.xdotool("windowfocus", "--sync", str(menu["xid"]), timeout=10)
        self.key(*(["Down"] * (position + 1)), "Return")

    # -- tray --

    def tray_icons(self) -> list[dict]:
        """Notification-area icons, left to right.

        Without a window manager's system tray, Wine shows the icons in its own small window
        "Wine System Tray" (class __winex11_standalone_tray) at the top left of the screen,
        one child window of class __winex11_tray_icon per icon.
        """
        icons = []
        for tray in self.driver.find_windows(cls="__winex11_standalone_tray"):
            icons += [c for c in self.driver.children(tray["hwnd"])
                      if c["class"] == "__winex11_tray_icon" and c["visible"]]
        return sorted(icons, key=lambda c: (c["rect"]["top"], c["rect"]["left"]))

    def wait_tray_icon(self, count: int = 1, timeout: float = 10.0) -> list[dict]:
        return wait_for(lambda: len(self.tray_icons()) >= count and self.tray_icons(), timeout,
                        what=f"{count} tray icon(s)")

    def click_tray_icon(self, index: int = 0, button: int = 1) -> None:
        """A real click on a tray icon (button 1 left, 3 right)."""
        icons = self.wait_tray_icon(index + 1)
        r = icons[index]["rect"]
        self.click_at((r["left"] + r["right"]) // 2, (r["top"] + r["bottom"]) // 2, button)

    # -- pictures --

    def screenshot(self, name: str) -> Path:
        """The whole virtual screen as <test dir>/<name>.png."""
        path = self.dir / f"{name}.png"
        host_run(["import", "-window", "root", str(path)], env=self.env, timeout=30)
        return path

    def capture(self, hwnd: int, name: str) -> Path:
        """One window as <test dir>/<name>.png.

        A window of another process can't paint into the driver under Wine, so this is a copy
        of the screen at the window's place: keep the window uncovered.
        """
        bmp = self.dir / f"{name}.bmp"
        png = self.dir / f"{name}.png"
        self.driver.capture_bmp(hwnd, bmp)
        host_run(["convert", str(bmp), str(png)], timeout=30)
        bmp.unlink()
        return png


# ---- test attributes ----------------------------------------------------------------------


def german(func: Callable) -> Callable:
    """Runs the test with LANG=de_DE.UTF-8: Wine then reports a German system (0x0407)."""
    func.e2e_lang = "de"
    return func


def timeout(seconds: float) -> Callable[[Callable], Callable]:
    """A longer (or shorter) bound for one test than the runner's default."""
    def mark(func: Callable) -> Callable:
        func.e2e_timeout = seconds
        return func
    return mark

