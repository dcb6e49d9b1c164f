"""The harness itself, with target.exe: the driver, real typing, debug output, pictures."""

import struct

import fenu_e2e as e2e


def test_typed_keys_arrive_in_focused_target(t):
    target = t.start_target()

    # The driver sees the window, owned by the process we started, with the edit focused.
    win = t.driver.wait_window(cls="FenuTarget", title="Zielprogramm")
    assert win["hwnd"] == target.hwnd
    assert win["pid"] == t.winpid(target.program)
    assert win["enabled"] and win["xid"] != 0
    edit = t.driver.child(target.hwnd, id=100)
    assert edit["hwnd"] == target.edit and edit["class"] == "Edit" and edit["text"] == ""

    target.focus()
    t.type_text("Hallo Welt 42")
    t.key("Return")
    t.type_text("zweite <Zeile> & Ende!")
    assert target.wait_text("Hallo Welt 42\r\nzweite <Zeile> & Ende!") \
        == t.driver.info(target.edit)["text"]

    fg = t.driver.foreground()
    assert (fg["hwnd"], fg["focus"], fg["focusclass"]) == (target.hwnd, target.edit, "Edit")


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

    client = t.driver.info(target.hwnd)["client"]
    png = t.capture(target.hwnd, "target")
    assert _png_size(png) == (client["right"] - client["left"], client["bottom"] - client["top"])
    assert _colours(png) > 2, "the capture is blank"

    shot = t.screenshot("screen")
    assert _png_size(shot) == (1280, 1024)


def _png_size(path):
    data = path.read_bytes()
    assert data[:8] == b"\x89PNG\r\n\x1a\n", f"{path} is no PNG"
    return struct.unpack(">II", data[16:24])


def _colours(path):
    return int(e2e._run(["identify", "-format", "%k", str(path)]).stdout.strip())
