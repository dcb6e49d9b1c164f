"""Fenu.exe's shell end to end: start-up windows, single instance, tray menu, global hotkeys
and the hotkey window, driven like a user would (real clicks and keys where they matter)."""

import configparser
import re

import fenu_e2e as e2e

# Both start-up windows switched off.
QUIET_INI = "[Main]\nTaskbar=-1\n[ShowMessage]\nRightClick=0\n"

# Tray menu commands, by WM_COMMAND id and by position in the menu (separators not counted).
CMD_HOTKEYS = 1006
MENU_HOTKEYS, MENU_BEENDEN = 4, 5

# TfrmHotkey: cbx1..cbx8 have the ids 101..108; the full second-part list by index.
FULL_KEYS = ([chr(c) for c in range(ord("A"), ord("Z") + 1)]
             + [str(n) for n in range(1, 10)] + ["0"]
             + [f"F{n}" for n in range(1, 13)]
             + [f"N{n}" for n in range(1, 10)] + ["N0", ""])
FIRST_PARTS = ["[Druck]", "[Pause]", "[Strg]", "[Strg-Alt]", "[Gross-Alt]", "[Gross-Strg]",
               "[Gross-Strg-Alt]", "Funktionstaste"]


def read_ini(path):
    ini = configparser.ConfigParser(interpolation=None, strict=False)
    ini.optionxform = str
    if path.exists():
        ini.read_string(path.read_bytes().decode("cp1252"))
    return ini


def wait_ini(app, section, key, value):
    """Waits for fenu.ini to hold the value (a window writes as it closes, a moment after it
    has disappeared)."""
    def has():
        ini = read_ini(app / "fenu.ini")
        return ini.has_option(section, key) and ini[section][key] == value
    e2e.wait_for(has, what=f"[{section}] {key}={value} in fenu.ini")


def hotkey_lines(program, since):
    """(slot, target) of every hotkey the shell reported after `since`."""
    out = []
    for line in program.debug_lines()[since:]:
        m = re.match(r"fenu: hotkey slot=(\d+) target=0x([0-9a-fA-F]+)", line)
        if m:
            out.append((int(m.group(1)), int(m.group(2), 16)))
    return out


def assert_print_captures(t, fenu, target):
    """Print, pressed in the target, is hotkey 1 and captures the target's edit control."""
    target.focus()
    mark = fenu.debug_mark()
    t.key("Print")
    fenu.wait_debug(r"^fenu: hotkey slot=", since=mark)
    assert hotkey_lines(fenu, mark) == [(1, target.edit)]


def start_quiet(t):
    app = t.make_appdir(ini=QUIET_INI)
    fenu = t.start_fenu(app)
    t.wait_tray_icon()
    return app, fenu


def shell_window(t, fenu):
    return t.driver.wait_window(cls="TfrmFenu", title="quenlia:FENU", visible=False,
                                pid=t.winpid(fenu))


def combos(t, hwnd):
    return {c["id"]: c for c in t.driver.children(hwnd) if c["class"] == "ComboBox"}


# ---- start-up -----------------------------------------------------------------------------


def test_first_start_windows_until_switched_off(t):
    app = t.make_appdir()
    fenu = t.start_fenu(app)
    d = t.driver

    # First the first-start window, alone, with the tray icon already there.
    tb = d.wait_window(cls="TfrmTaskbar", title="quenlia:Fenu")
    assert d.find_windows(cls="TfrmIniMessage") == []
    assert len(t.wait_tray_icon()) == 1
    assert d.child(tb["hwnd"], text="Wichtige Info")
    assert d.child(tb["hwnd"], id=2)["text"] == "Schliessen"
    box = d.child(tb["hwnd"], id=101)
    assert (box["text"], box["check"]) == ("Diesen Hinweis nicht mehr anzeigen", 0)
    t.capture(tb["hwnd"], "TfrmTaskbar")

    d.click(box["hwnd"])
    e2e.wait_for(lambda: d.info(box["hwnd"])["check"] == 1, what="ticked box")
    d.click_child(tb["hwnd"], id=2)
    d.wait_gone(tb["hwnd"])
    wait_ini(app, "Main", "Taskbar", "-1")

    # Then the one-time hint.
    hint = d.wait_window(cls="TfrmIniMessage", title="Zur Erinnerung")
    t.capture(hint["hwnd"], "TfrmIniMessage")
    assert d.child(hint["hwnd"], text="Zu den Programmoptionen = Rechter Mausklick auf das "
                                      "Fenu-Symbol in der Taskleiste neben der Uhr!")
    assert d.child(hint["hwnd"], id=1)["text"] == "&OK"
    d.click_child(hint["hwnd"], id=101)
    e2e.wait_for(lambda: d.child(hint["hwnd"], id=101)["check"] == 1, what="ticked box")
    d.click_child(hint["hwnd"], id=1)
    d.wait_gone(hint["hwnd"])
    wait_ini(app, "ShowMessage", "RightClick", "0")

    # Post "Beenden" and start again: neither window comes back. A command posted to the shell
    # is handled only by a message loop, i.e. after both start-up windows would have opened.
    d.post(shell_window(t, fenu)["hwnd"], e2e.WM_COMMAND, 1007, 0)
    assert fenu.wait_exit(10) == 0
    again = t.start_fenu(app, name="fenu-again")
    d.post(shell_window(t, again)["hwnd"], e2e.WM_COMMAND, CMD_HOTKEYS, 0)
    d.wait_window(cls="TfrmHotkey")
    assert d.find_windows(cls="TfrmTaskbar") == [] and d.find_windows(cls="TfrmIniMessage") == []


def test_second_copy_is_refused_and_first_keeps_running(t):
    app, first = start_quiet(t)
    ini_before = (app / "fenu.ini").read_bytes()
    second = t.start_fenu(app, name="second")

    box = t.driver.wait_message_box(text="Anwendung läuft bereits!!!!!",
                                    pid=t.winpid(second))
    assert list(box["buttons"]) == ["OK"]
    t.capture(box["hwnd"], "already-running")
    t.driver.press(box, "OK")
    assert second.wait_exit(10) == 0

    assert first.running and len(t.tray_icons()) == 1
    assert (app / "fenu.ini").read_bytes() == ini_before
    # The first copy still answers its menu.
    t.driver.post(shell_window(t, first)["hwnd"], e2e.WM_COMMAND, CMD_HOTKEYS, 0)
    t.driver.wait_window(cls="TfrmHotkey", pid=t.winpid(first))


# ---- hotkeys ------------------------------------------------------------------------------


def test_print_hotkey_captures_the_focused_control(t):
    _, fenu = start_quiet(t)
    assert_print_captures(t, fenu, t.start_target())


def test_hotkey_window_cancel_writes_nothing(t):
    app, fenu = start_quiet(t)
    d = t.driver

    # A real click on the tray icon, then the menu by keyboard.
    t.click_tray_icon(0, button=1)
    t.choose_from_menu(MENU_HOTKEYS)
    hk = d.wait_window(cls="TfrmHotkey", title="Hotkey")
    t.capture(hk["hwnd"], "TfrmHotkey")

    # No [HotKeys] section: the window's own defaults, second boxes enabled only when needed.
    boxes = combos(t, hk["hwnd"])
    shown = [(boxes[i]["text"], boxes[i]["enabled"]) for i in range(101, 109)]
    assert shown == [("[Druck]", True), ("", False), ("[Pause]", True), ("", False),
                     ("[Strg-Alt]", True), ("N0", True), ("[Strg-Alt]", True), ("1", True)]
    assert boxes[101]["items"] == FIRST_PARTS and boxes[102]["items"] == FULL_KEYS

    d.cbselect(boxes[101]["hwnd"], FIRST_PARTS.index("[Strg]"))
    d.click_child(hk["hwnd"], id=2)  # Abbrechen
    d.wait_gone(hk["hwnd"])
    assert "HotKeys" not in read_ini(app / "fenu.ini")

    # The registered hotkeys are as before.
    assert_print_captures(t, fenu, t.start_target())


def test_beenden_ends_the_program_and_removes_the_icon(t):
    _, fenu = start_quiet(t)
    t.click_tray_icon(0, button=3)
    t.choose_from_menu(MENU_BEENDEN)
    assert fenu.wait_exit(10) == 0
    e2e.wait_for(lambda: t.tray_icons() == [], what="tray icon removed")


def test_hotkey_window_ok_checks_then_writes_and_reregisters(t):
    app, fenu = start_quiet(t)
    d = t.driver
    d.post(shell_window(t, fenu)["hwnd"], e2e.WM_COMMAND, CMD_HOTKEYS, 0)
    hk = d.wait_window(cls="TfrmHotkey")
    boxes = combos(t, hk["hwnd"])

    # "[Gross-Strg]" needs a second part: OK refuses, focuses the box, writes nothing.
    d.cbselect(boxes[101]["hwnd"], FIRST_PARTS.index("[Gross-Strg]"))
    e2e.wait_for(lambda: d.info(boxes[102]["hwnd"])["enabled"], what="second box enabled")
    d.click_child(hk["hwnd"], id=1)
    err = d.wait_message_box(title="Fehler", text="Geben Sie noch den 2. Teil des HotKeys an!")
    t.capture(err["hwnd"], "missing-second-part")
    d.press(err, "OK")
    d.wait_gone(err["hwnd"])
    e2e.wait_for(lambda: d.foreground().get("focus") == boxes[102]["hwnd"],
                 what="focus on the empty second box")
    assert "HotKeys" not in read_ini(app / "fenu.ini")

    d.cbdropdown(boxes[102]["hwnd"])
    d.cbselect(boxes[102]["hwnd"], FULL_KEYS.index("F5"))
    d.click_child(hk["hwnd"], id=1)
    d.wait_gone(hk["hwnd"])
    wait_ini(app, "HotKeys", "HotkeyFF2", "1")  # the last one written
    written = dict(read_ini(app / "fenu.ini")["HotKeys"])
    assert written == {"HotkeyB1": "[Gross-Strg]", "HotkeyB2": "F5",
                       "HotkeyP1": "[Pause]", "HotkeyP2": "",
                       "HotkeyL1": "[Strg-Alt]", "HotkeyL2": "N0",
                       "HotkeyFF1": "[Strg-Alt]", "HotkeyFF2": "1"}

    # Re-registered at once: Print is free now, Shift+Ctrl+F5 is hotkey 1. Keys are handled
    # in order; Pause (hotkey 2) last marks the point by which all lines are there.
    target = t.start_target()
    target.focus()
    mark = fenu.debug_mark()
    t.key("Print")
    t.key("shift+ctrl+F5")
    t.key("Pause")
    fenu.wait_debug(r"^fenu: hotkey slot=2 ", since=mark)
    lines = hotkey_lines(fenu, mark)
    assert [slot for slot, _ in lines] == [1, 2]
    assert lines[0][1] == target.edit
