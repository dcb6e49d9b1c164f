"""The window guard, the placeholder of windows still to come, the help button and the
application-wide error handler, end to end."""

import fenu_e2e as e2e
from test_shell import (CMD_HOTKEYS, MENU_HOTKEYS, QUIET_INI, hotkey_lines, shell_window,
                        start_quiet)

GUARD_TEXT = "Es können nicht mehrere Fenster von quenlia:FENU gleichzeitig geöffnet werden!"
FATAL_TEXT = "Ein schwerer Fehler ist aufgetreten! Das Programm wird beendet."


def test_guard_refuses_a_hotkey_while_the_hotkey_window_is_open(t):
    _, fenu = start_quiet(t)
    d = t.driver

    t.click_tray_icon(0, button=1)
    menu = t.wait_popup_menu()
    t.capture(menu["hwnd"], "tray-menu")
    t.choose_from_menu(MENU_HOTKEYS)
    hk = d.wait_window(cls="TfrmHotkey", title="Hotkey")
    t.focus_window(hk["hwnd"])

    # The hotkey still captures the focus in front and brings the shell forward; then the
    # guard speaks, and nothing else opens.
    mark = fenu.debug_mark()
    t.key("Print")
    box = d.wait_message_box(title="Information", text=GUARD_TEXT, pid=t.winpid(fenu))
    t.capture(box["hwnd"], "guard")
    [(slot, captured)] = hotkey_lines(fenu, mark)
    assert slot == 1 and captured != 0
    assert d.info(captured)["root"] == hk["hwnd"]
    d.press(box, "OK")
    d.wait_gone(box["hwnd"])
    assert [w["hwnd"] for w in d.find_windows(cls="TfrmHotkey")] == [hk["hwnd"]]
    assert d.message_boxes(pid=t.winpid(fenu)) == []

    # Once the window is closed the same hotkey opens its window again. Without a database the
    # selection window says so and closes, and the program stays, ready for the next press.
    d.click_child(hk["hwnd"], id=2)
    d.wait_gone(hk["hwnd"])
    target = t.start_target()
    for attempt in range(2):
        target.focus()
        t.key("Print")
        box = d.wait_message_box(title="Fehler", pid=t.winpid(fenu))
        assert box["text"] == 'Die Datenbank "Standard.adb" konnte nicht gefunden werden!'
        if attempt == 0:
            t.capture(box["hwnd"], "selection-without-database")
        d.press(box, "OK")
        d.wait_gone(box["hwnd"])
        assert fenu.running and d.find_windows(cls="TfrmListe") == []


def test_help_button_opens_the_help_file_at_its_topic(t):
    _, fenu = start_quiet(t)
    d = t.driver
    d.post(shell_window(t, fenu)["hwnd"], e2e.WM_COMMAND, CMD_HOTKEYS, 0)
    hk = d.wait_window(cls="TfrmHotkey")
    d.click_child(hk["hwnd"], id=110)
    viewer = d.wait_window(title="quenlia:FENU Hilfe", pid=t.winpid(fenu))
    d.post(viewer["hwnd"], e2e.WM_CLOSE)
    d.wait_gone(viewer["hwnd"])
    assert d.find_windows(cls="TfrmHotkey")


def test_broken_hotkey_in_the_settings_ends_the_program(t):
    app = t.make_appdir(ini=QUIET_INI + "[HotKeys]\nHotkeyB2=Fx\n")
    fenu = t.start_fenu(app)
    box = t.driver.wait_message_box(title="Fehler", text=FATAL_TEXT, pid=t.winpid(fenu))
    assert list(box["buttons"]) == ["OK"]
    t.capture(box["hwnd"], "fatal-error")
    t.driver.press(box, "OK")
    assert fenu.wait_exit(10) != 0
    e2e.wait_for(lambda: t.tray_icons() == [], what="tray icon removed")
