"""The password gate in front of the management window, end to end: a password file beside the
database that the settings point to, "Baustein Verwaltung" from the tray menu, and TPasswordDlg
asking until the right password or Abbrechen.

What opens behind the gate is not asserted here, only that the gate lets the user through or
not."""

import struct

import fenu_e2e as e2e
from test_shell import CMD_HOTKEYS, shell_window

MENU_VERWALTUNG = 0  # "Baustein Verwaltung", the first command of the tray menu
CMD_VERWALTUNG = 1001
# TPasswordDlg
OK_BTN, CANCEL_BTN, PASSWORD, LABEL1 = 1, 2, 101, 102
ES_PASSWORD = 0x0020


def password_record(password: str) -> bytes:
    """The 28-byte password file: marker "abcde", length, text (15 bytes), tail."""
    text = password.encode("cp1252")[:15]
    return bytes([5]) + b"abcde" + bytes([len(text)]) + text.ljust(15, b"\0") + bytes(6)


def base_only(caption: str) -> bytes:
    """A database tree file with nothing but its base entry."""
    name = caption.encode("cp1252")
    return struct.pack("<ii", 1, len(name)) + name + struct.pack("<iiiiii", 0, 0, -1, 0, -1, 0)


def quiet_ini(*main_lines: str) -> str:
    return "[Main]\nTaskbar=-1\n" + "".join(f"{line}\n" for line in main_lines) + \
        "[ShowMessage]\nRightClick=0\n"


def wait_dialog(t, fenu, other_than: int | None = None) -> dict:
    """The visible password dialog of fenu (a new one, if other_than is given)."""
    pid = t.winpid(fenu)
    return t.driver.wait_window(cls="TPasswordDlg", pid=pid,
                                where=lambda w: w["hwnd"] != other_than)


def program_windows(t, fenu) -> list[dict]:
    """The visible top-level windows of fenu, without Wine's own tray window."""
    return t.driver.find_windows(pid=t.winpid(fenu),
                                 where=lambda w: not w["class"].startswith("__winex11"))


def wait_past_the_gate(t, fenu) -> dict:
    """The first visible window of fenu that opens behind the gate, whatever it is."""
    return e2e.wait_for(lambda: next((w for w in program_windows(t, fenu)
                                      if w["class"] != "TPasswordDlg"), None),
                        what="a window behind the password gate")


def test_wrong_password_asks_again_and_the_right_one_passes(t):
    # Portable mode: the database is AppDir\Daten\Standard.adb, its password file Standard.zug.
    app = t.make_appdir(ini=quiet_ini("Stick=1"))
    (app / "Daten").mkdir()
    (app / "Daten" / "Standard.adb").write_bytes(base_only("Standard"))
    (app / "Daten" / "Standard.zug").write_bytes(password_record("Geheim"))
    fenu = t.start_fenu(app)
    d = t.driver

    t.click_tray_icon(0, button=1)
    t.choose_from_menu(MENU_VERWALTUNG)
    dlg = wait_dialog(t, fenu)
    assert dlg["title"] == "Paßwort-Dialog"
    assert d.child(dlg["hwnd"], id=LABEL1)["text"] == "Paßwort eingeben:"
    edit = d.child(dlg["hwnd"], id=PASSWORD)
    assert edit["class"].lower() == "edit" and edit["style"] & ES_PASSWORD
    assert d.child(dlg["hwnd"], id=OK_BTN)["text"] == "OK"
    assert d.child(dlg["hwnd"], id=CANCEL_BTN)["text"] == "Abbrechen"
    t.capture(dlg["hwnd"], "TPasswordDlg")

    # A wrong password (only the letter case differs), typed and confirmed with Enter: no
    # message, the dialog comes again with an empty field.
    t.focus_window(edit["hwnd"])
    t.type_text("geheim")
    e2e.wait_for(lambda: d.info(edit["hwnd"])["text"] == "geheim", what="the typed password")
    t.capture(dlg["hwnd"], "TPasswordDlg-typed")
    t.key("Return")
    again = wait_dialog(t, fenu, other_than=dlg["hwnd"])
    assert d.message_boxes(pid=t.winpid(fenu)) == []
    edit = d.child(again["hwnd"], id=PASSWORD)
    assert edit["text"] == ""

    # The right one passes: the dialog goes and something else of the program opens.
    t.focus_window(edit["hwnd"])
    t.type_text("Geheim")
    d.click_child(again["hwnd"], id=OK_BTN)
    behind = wait_past_the_gate(t, fenu)
    assert [w for w in program_windows(t, fenu) if w["class"] == "TPasswordDlg"] == [], behind


def test_cancel_opens_nothing_even_with_the_right_password_typed(t):
    # The settings name the database by its full path; the password file lies beside it.
    app = t.make_appdir()
    (app / "Kunden").mkdir()
    (app / "Kunden" / "Kunden.bdb").write_bytes(base_only("Kunden"))
    (app / "Kunden" / "Kunden.zug").write_bytes(password_record("Geheim"))
    (app / "fenu.ini").write_bytes(
        quiet_ini(f"CurrentDB={e2e.winpath(app / 'Kunden' / 'Kunden.bdb')}")
        .replace("\n", "\r\n").encode("cp1252"))
    fenu = t.start_fenu(app)
    d = t.driver
    shell = shell_window(t, fenu)["hwnd"]

    d.post(shell, e2e.WM_COMMAND, CMD_VERWALTUNG, 0)
    dlg = wait_dialog(t, fenu)
    d.settext(d.child(dlg["hwnd"], id=PASSWORD)["hwnd"], "Geheim")
    d.click_child(dlg["hwnd"], id=CANCEL_BTN)
    d.wait_gone(dlg["hwnd"])

    # The shell handles its commands in order: once the hotkey window is up, whatever the gate
    # would have opened would be open too; the guard would even refuse the hotkey window.
    d.post(shell, e2e.WM_COMMAND, CMD_HOTKEYS, 0)
    hk = d.wait_window(cls="TfrmHotkey", pid=t.winpid(fenu))
    assert [w["hwnd"] for w in program_windows(t, fenu)] == [hk["hwnd"]]
    d.click_child(hk["hwnd"], id=2)
    d.wait_gone(hk["hwnd"])

    # Escape is Abbrechen too.
    d.post(shell, e2e.WM_COMMAND, CMD_VERWALTUNG, 0)
    dlg = wait_dialog(t, fenu)
    t.focus_window(d.child(dlg["hwnd"], id=PASSWORD)["hwnd"])
    t.key("Escape")
    d.wait_gone(dlg["hwnd"])
    d.post(shell, e2e.WM_COMMAND, CMD_HOTKEYS, 0)
    hk = d.wait_window(cls="TfrmHotkey", pid=t.winpid(fenu))
    assert [w["hwnd"] for w in program_windows(t, fenu)] == [hk["hwnd"]]


def test_an_empty_password_asks_nothing(t):
    app = t.make_appdir(ini=quiet_ini("Stick=1"))
    (app / "Daten").mkdir()
    (app / "Daten" / "Standard.adb").write_bytes(base_only("Standard"))
    (app / "Daten" / "Standard.zug").write_bytes(password_record(""))
    fenu = t.start_fenu(app)
    t.driver.post(shell_window(t, fenu)["hwnd"], e2e.WM_COMMAND, CMD_VERWALTUNG, 0)
    # A dialog would hold up everything behind the gate; what opens first is past it.
    behind = wait_past_the_gate(t, fenu)
    assert behind["class"] != "TPasswordDlg"
