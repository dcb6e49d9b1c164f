"""The options window and the about window, opened from the management window's menu, end to
end: the password they write is the one the gate asks for, Sendkeys lands in fenu.ini, and the
about window shows the executable's version."""

import datetime
import shutil

import fenu_e2e as e2e
from test_password import CMD_VERWALTUNG, password_record, program_windows, quiet_ini, wait_dialog
from test_shell import read_ini, shell_window, wait_ini

FIXTURES = e2e.REPO / "tests" / "fixtures" / "store"
# TForm1's menu commands.
MNU_OPTIONS, MNU_ABOUT = 340, 351
# TfrmOptions
BUTTON1, LABEL3, GROUPBOX1, CKB_SENDKEYS, LABEL1, GROUPBOX2 = 2, 101, 102, 103, 104, 105
LABEL2, EDIT1, LABEL4, EDIT2, LABEL5, LABEL6 = 106, 107, 108, 109, 110, 111
# TfrmInfo
BTN_OK, LABEL1_INFO, LABEL2_INFO, LBUILD, LABEL3_INFO, LABEL5_INFO, LBURL, LABEL4_INFO = \
    1, 103, 104, 105, 107, 108, 109, 110
ES_PASSWORD = 0x0020
MISMATCH = "Passwort und Wiederholung stimmen nicht überein."
REMOVE = "Das Datenbank-Passwort wird entfernt. Fortfahren?"


def start_with_database(t, portable=True):
    """Fenu on a copy of the Kunden database in AppDir\\Daten, named in portable mode by its
    file name, otherwise by its full path."""
    app = t.make_appdir()
    shutil.copytree(FIXTURES / "Kunden", app / "Daten")
    if portable:
        lines = ("Stick=1", "CurrentDB=Kunden.bdb", "CurDirectDB=Kunden.kdb")
    else:
        lines = (f"CurrentDB={e2e.winpath(app / 'Daten' / 'Kunden.bdb')}",
                 f"CurDirectDB={e2e.winpath(app / 'Daten' / 'Kunden.kdb')}")
    (app / "fenu.ini").write_bytes(quiet_ini(*lines).replace("\n", "\r\n").encode("cp1252"))
    fenu = t.start_fenu(app)
    return app, fenu


def open_management(t, fenu):
    t.driver.post(shell_window(t, fenu)["hwnd"], e2e.WM_COMMAND, CMD_VERWALTUNG, 0)
    return t.driver.wait_window(cls="TForm1", pid=t.winpid(fenu))


def open_options(t, fenu, form):
    t.driver.post(form["hwnd"], e2e.WM_COMMAND, MNU_OPTIONS, 0)
    return t.driver.wait_window(cls="TfrmOptions", pid=t.winpid(fenu))


def test_options_window_sets_the_password_and_sendkeys(t):
    app, fenu = start_with_database(t)
    d = t.driver
    zug = app / "Daten" / "Kunden.zug"
    form = open_management(t, fenu)

    opt = open_options(t, fenu, form)
    assert opt["title"] == "Optionen" and opt["owner"] == form["hwnd"]
    texts = {c["id"]: c["text"] for c in d.children(opt["hwnd"])}
    assert texts[LABEL3] == "Optionen zur Programmsteuerung"
    assert texts[GROUPBOX1] == "Alternative Datenübergabe"
    assert texts[CKB_SENDKEYS] == "Alternative Datenübergabe aktivieren"
    assert texts[GROUPBOX2] == "Datenbank-Passwort"
    assert (texts[LABEL2], texts[LABEL4]) == ("Passwort", "Passwort - Wiederholung")
    assert texts[BUTTON1] == "Schliessen"
    assert texts[LABEL1].startswith("Schalten Sie diese Option ein")
    assert texts[LABEL5].startswith("Durch Vergabe eines Passwortes")
    assert texts[LABEL6] == ("Um ein gesetztes Passwort zu behalten, geben Sie es in beide Felder ein. "
                             "Leere Felder entfernen es.")
    edits = [d.child(opt["hwnd"], id=i) for i in (EDIT1, EDIT2)]
    assert all(e["style"] & ES_PASSWORD and e["text"] == "" for e in edits)
    assert d.child(opt["hwnd"], id=CKB_SENDKEYS)["check"] == 0
    # Centred on the management window.
    fr, orr = d.info(form["hwnd"])["rect"], d.info(opt["hwnd"])["rect"]
    assert abs((fr["left"] + fr["right"]) - (orr["left"] + orr["right"])) <= 2
    t.capture(opt["hwnd"], "TfrmOptions")

    # The repetition differs in the letter case: the error, the window stays, nothing written.
    t.focus_window(edits[0]["hwnd"])
    t.type_text("Geheim")
    t.focus_window(edits[1]["hwnd"])
    t.type_text("geheim")
    d.click(d.child(opt["hwnd"], id=CKB_SENDKEYS)["hwnd"])
    e2e.wait_for(lambda: d.child(opt["hwnd"], id=CKB_SENDKEYS)["check"] == 1, what="ticked box")
    d.click_child(opt["hwnd"], id=BUTTON1)
    box = d.wait_message_box(title="Fehler", text=MISMATCH, pid=t.winpid(fenu))
    t.capture(box["hwnd"], "TfrmOptions-mismatch")
    d.press(box, "OK")
    d.wait_gone(box["hwnd"])
    assert d.info(opt["hwnd"])["visible"]
    assert not zug.exists() and "Options" not in read_ini(app / "fenu.ini")

    # Matching now: Schliessen writes both.
    d.settext(edits[1]["hwnd"], "Geheim")
    d.click_child(opt["hwnd"], id=BUTTON1)
    d.wait_gone(opt["hwnd"])
    wait_ini(app, "Options", "Sendkeys", "-1")
    e2e.wait_for(lambda: zug.exists() and zug.read_bytes() == password_record("Geheim"),
                 what="the password file")

    # Back in the options window the box shows the shell's new value, the fields are empty.
    opt = open_options(t, fenu, form)
    assert d.child(opt["hwnd"], id=CKB_SENDKEYS)["check"] == 1
    assert d.child(opt["hwnd"], id=EDIT1)["text"] == ""
    # Only the delivery mode switched off, closed with Escape: removing the password is asked,
    # and "Nein" leaves the file as it was.
    d.click(d.child(opt["hwnd"], id=CKB_SENDKEYS)["hwnd"])
    e2e.wait_for(lambda: d.child(opt["hwnd"], id=CKB_SENDKEYS)["check"] == 0, what="cleared box")
    t.focus_window(d.child(opt["hwnd"], id=EDIT1)["hwnd"])
    t.key("Escape")
    ask = d.wait_message_box(title="Bestätigung", text=REMOVE, pid=t.winpid(fenu))
    assert ask["owner"] == opt["hwnd"]
    t.capture(ask["hwnd"], "TfrmOptions-remove-password")
    d.press(ask, "Nein")
    d.wait_gone(opt["hwnd"])
    wait_ini(app, "Options", "Sendkeys", "0")
    assert zug.read_bytes() == password_record("Geheim")
    assert d.message_boxes(pid=t.winpid(fenu)) == []

    # Asked again and answered "Ja": the password is removed.
    opt = open_options(t, fenu, form)
    t.focus_window(d.child(opt["hwnd"], id=EDIT1)["hwnd"])
    t.key("Escape")
    ask = d.wait_message_box(title="Bestätigung", text=REMOVE, pid=t.winpid(fenu))
    d.press(ask, "Ja")
    d.wait_gone(opt["hwnd"])
    e2e.wait_for(lambda: zug.read_bytes() == password_record(""), what="the password removed")
    assert d.message_boxes(pid=t.winpid(fenu)) == []


def test_close_box_stores_the_first_field_and_the_gate_asks_for_it(t):
    app, fenu = start_with_database(t)
    d = t.driver
    zug = app / "Daten" / "Kunden.zug"
    form = open_management(t, fenu)
    opt = open_options(t, fenu, form)
    d.settext(d.child(opt["hwnd"], id=EDIT1)["hwnd"], "Erster")
    d.settext(d.child(opt["hwnd"], id=EDIT2)["hwnd"], "Zweiter")
    d.post(opt["hwnd"], e2e.WM_CLOSE)
    d.wait_gone(opt["hwnd"])
    e2e.wait_for(lambda: zug.exists() and zug.read_bytes() == password_record("Erster"),
                 what="the first field stored")
    assert d.message_boxes(pid=t.winpid(fenu)) == []

    d.post(form["hwnd"], e2e.WM_CLOSE)
    d.wait_gone(form["hwnd"])
    d.post(shell_window(t, fenu)["hwnd"], e2e.WM_COMMAND, CMD_VERWALTUNG, 0)
    dlg = wait_dialog(t, fenu)
    d.settext(d.child(dlg["hwnd"], id=101)["hwnd"], "Erster")
    d.click_child(dlg["hwnd"], id=1)
    d.wait_window(cls="TForm1", pid=t.winpid(fenu))
    assert [w for w in program_windows(t, fenu) if w["class"] == "TPasswordDlg"] == []


def test_unwritable_password_file_is_reported_and_the_program_goes_on(t):
    app, fenu = start_with_database(t)
    d = t.driver
    zug = app / "Daten" / "Kunden.zug"
    zug.write_bytes(password_record(""))
    zug.chmod(0o444)  # read-only for Windows
    form = open_management(t, fenu)
    opt = open_options(t, fenu, form)
    d.settext(d.child(opt["hwnd"], id=EDIT1)["hwnd"], "neu")
    d.settext(d.child(opt["hwnd"], id=EDIT2)["hwnd"], "neu")
    d.click_child(opt["hwnd"], id=BUTTON1)
    box = d.wait_message_box(title="Fehler", pid=t.winpid(fenu))
    assert box["text"].startswith("nach ") and box["text"].endswith(
        "Kunden.zug kann nicht geschrieben werden"), box["text"]
    t.capture(box["hwnd"], "TfrmOptions-write-error")
    d.press(box, "OK")
    d.wait_gone(opt["hwnd"])
    # The management window is still there and the program runs on.
    assert d.info(form["hwnd"])["visible"] and fenu.running
    assert zug.read_bytes() == password_record("")
    wait_ini(app, "Options", "Sendkeys", "0")


def test_about_window_shows_version_notice_and_web_page(t):
    # Not in portable mode: the version is Fenu.exe's (portable mode asks the starter program's).
    _, fenu = start_with_database(t, portable=False)
    d = t.driver
    form = open_management(t, fenu)
    d.post(form["hwnd"], e2e.WM_COMMAND, MNU_ABOUT, 0)
    info = d.wait_window(cls="TfrmInfo", pid=t.winpid(fenu))
    assert info["title"] == "quenlia:FENU Info" and info["owner"] == form["hwnd"]
    texts = {c["id"]: c["text"] for c in d.children(info["hwnd"])}
    assert texts[LABEL1_INFO] == "quenlia:FENU"
    assert texts[LABEL2_INFO] == "Version 2.4"
    assert texts[LBUILD] == "Ausgabe: 2.4.0.0"
    lines = texts[LABEL3_INFO].split("\r\n")
    assert len(lines) == 4 and lines[0].startswith(f"© 2001-{datetime.date.today().year} ")
    assert texts[LABEL5_INFO] == "Homepage:"
    assert texts[LBURL] == "https://www.quenlia.de"
    assert texts[LABEL4_INFO] == "Dort finden Sie weitere interessante Angebote!"
    assert texts[BTN_OK] == "&OK"
    t.capture(info["hwnd"], "TfrmInfo")
    d.click_child(info["hwnd"], id=BTN_OK)
    d.wait_gone(info["hwnd"])
    assert d.info(form["hwnd"])["visible"]
