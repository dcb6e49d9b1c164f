"""The harness itself, with target.exe: the driver, real typing, debug output, pictures."""

import struct

import fenu_e2e as e2e


def test_typed_keys_arrive_in_focused_target(t):
    first = t.start_target("first")
    second = t.start_target("second")  # in front now, over the first

    # The driver sees both windows, each owned by the process we started, edits empty.
    for target in (first, second):
        win = t.driver.wait_window(cls="FenuTarget", title="Zielprogramm",
                                   where=lambda w, h=target.hwnd: w["hwnd"] == h)
        assert win["pid"] == t.winpid(target.program)
        assert win["enabled"] and win["xid"] != 0
        edit = t.driver.child(target.hwnd, id=100)
        assert (edit["hwnd"], edit["class"], edit["text"]) == (target.edit, "Edit", "")
    assert t.winpid(first.program) != t.winpid(second.program)

    first.focus()
    fg = t.driver.foreground()
    assert (fg["hwnd"], fg["focus"], fg["focusclass"]) == (first.hwnd, first.edit, "Edit")
    t.type_text("Hallo Welt 42")
    t.key("Return")
    t.type_text("zweite <Zeile> & Ende!")
    assert first.wait_text("Hallo Welt 42\r\nzweite <Zeile> & Ende!") \
        == t.driver.info(first.edit)["text"]

    second.focus()
    t.key("shift+a", "b")
    second.wait_text("Ab")
    assert first.text() == "Hallo Welt 42\r\nzweite <Zeile> & Ende!"


def test_driver_text_round_trip_and_exit(t):
    target = t.start_target()
    # Text set through the driver travels as UTF-8 JSON, UTF-16 in Windows, UTF-8 in the file.
    text = "Grüße aus Köln: 5 € für \"Bausteine\"\r\nZeile 2\t<<Datum>>"
    t.driver.settext(target.edit, text)
    assert target.wait_text(text) == text
    assert t.driver.info(target.edit)["text"] == text

    # OutputDebugStringW reaches the harness, escapes and code page 1252 decoded.
    m = target.program.wait_debug(r"^target: ready edit=(\d+) (.*)$")
    assert int(m.group(1)) == target.edit
    assert m.group(2) == '"Äöüß\\€"'

    mark = target.program.debug_mark()
    t.driver.post(target.hwnd, e2e.WM_CLOSE)
    assert target.program.wait_exit(10) == 0
    target.program.wait_debug(r"^target: closing$", since=mark)
    t.driver.wait_gone(target.hwnd)
    assert target.text() == text  # saved once more on the way out


def test_window_capture_and_screenshot(t):
    target = t.start_target()
    t.driver.settext(target.edit, "Bildschirmfoto")
    target.wait_text("Bildschirmfoto")

    rect = t.driver.info(target.hwnd)["rect"]
    png = t.capture(target.hwnd, "target")
    assert _png_size(png) == (rect["right"] - rect["left"], rect["bottom"] - rect["top"])
    assert _colours(png) > 2, "the capture is blank"

    shot = t.screenshot("screen")
    assert _png_size(shot) == (1280, 1024)


def _png_size(path):
    data = path.read_bytes()
    assert data[:8] == b"\x89PNG\r\n\x1a\n", f"{path} is no PNG"
    return struct.unpack(">II", data[16:24])


def _colours(path):
    return int(e2e.host_run(["identify", "-format", "%k", str(path)]).stdout.strip())
