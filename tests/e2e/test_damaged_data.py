"""Missing and damaged databases end to end, from the tray and the hotkeys: an existing dummy
database is opened as it is, a damaged tree file, abbreviation index or selection-variable store
is named in an error box, nothing on disk changes, and the program stays in the tray."""

import shutil
import struct

import fenu_e2e as e2e
from test_management import tree_items
from test_shell import QUIET_INI

FIXTURES = e2e.REPO / "tests" / "fixtures" / "store"
MENU_VERWALTUNG = 0
MNU_OPEN_DATABASE = 302
BTN_VARIABLE = 252


def files(folder):
    """Every file below folder with its bytes."""
    return {p.relative_to(folder).as_posix(): p.read_bytes() for p in sorted(folder.rglob("*")) if p.is_file()}


def start(t, app, settings):
    """Starts Fenu.exe quietly with settings (lines of section [Main]) and waits for its icon."""
    ini = QUIET_INI.replace("[Main]\n", "[Main]\n" + settings)
    (app / "fenu.ini").write_bytes(ini.replace("\n", "\r\n").encode("cp1252"))
    fenu = t.start_fenu(app)
    t.wait_tray_icon()
    return fenu


def filled_dummy(daten):
    """Daten\\DBDummy.* as a user fills them: the Kunden database under the dummy's name."""
    shutil.copytree(FIXTURES / "Kunden" / "Bausteine", daten / "Bausteine")
    for ext in ("bdb", "kdb"):
        shutil.copy(FIXTURES / "Kunden" / f"Kunden.{ext}", daten / f"DBDummy.{ext}")
    shutil.copy(FIXTURES / "Kunden" / "Kunden.bdb", daten / "DBDummy.bup")


def management_from_tray(t):
    t.click_tray_icon(0, button=1)
    t.choose_from_menu(MENU_VERWALTUNG)


def error_box(t, fenu):
    box = t.driver.wait_message_box(title="Fehler", pid=t.winpid(fenu))
    assert list(box["buttons"]) == ["OK"]
    return box


def still_in_the_tray(t, fenu):
    assert fenu.running
    assert t.tray_icons()
    assert t.driver.message_boxes(pid=t.winpid(fenu)) == []


def dummy_opens_as_it_is(t, settings, named):
    app = t.make_appdir()
    daten = app / "Daten"
    filled_dummy(daten)
    before = files(daten)
    fenu = start(t, app, settings)
    d = t.driver

    management_from_tray(t)
    box = error_box(t, fenu)
    assert box["text"] == f'Die Datenbank "{named}" konnte nicht gefunden werden!'
    d.press(box, "OK")
    form = d.wait_window(cls="TForm1", title="Text-Baustein-Verwaltung", pid=t.winpid(fenu))
    items = e2e.wait_for(lambda: tree_items(t, form) if "Anrede" in tree_items(t, form) else None,
                         what="the dummy database's blocks")
    assert {"Kunden", "Anrede", "Grüße", "Briefe", "Leer"} <= set(items)
    t.capture(form["hwnd"], "TForm1-dummy")

    # Nothing was changed, so closing asks nothing and writes no database file.
    d.post(form["hwnd"], e2e.WM_CLOSE)
    d.wait_gone(form["hwnd"])
    still_in_the_tray(t, fenu)
    assert files(daten) == before


def test_an_existing_dummy_database_opens_when_no_database_is_configured(t):
    dummy_opens_as_it_is(t, "", "Standard.adb")


def test_an_existing_dummy_database_opens_when_the_folder_has_moved(t):
    moved = "Q:\\Fenu\\Daten\\Kunden.bdb"
    dummy_opens_as_it_is(t, f"CurrentDB={moved}\nCurDirectDB=Q:\\Fenu\\Daten\\Kunden.kdb\n", moved)


def test_a_damaged_database_and_index_are_named_and_the_program_stays(t):
    app = t.make_appdir()
    daten = app / "Daten"
    shutil.copytree(FIXTURES / "Kunden" / "Bausteine", daten / "Bausteine")
    shutil.copy(FIXTURES / "truncated.bdb", daten / "Kunden.bdb")           # head -c 200
    shutil.copy(FIXTURES / "Kunden" / "Kunden.bdb", daten / "Kunden.bup")   # the last good save
    (daten / "Kunden.kdb").write_bytes(bytes(64))                            # zeroed
    before = files(daten)
    db, bup, kdb = (e2e.winpath(daten / name) for name in ("Kunden.bdb", "Kunden.bup", "Kunden.kdb"))
    fenu = start(t, app, f"CurrentDB={db}\nCurDirectDB={kdb}\n")
    d = t.driver
    damaged = f'Die Datenbank "{db}" konnte nicht gelesen werden: unerwartetes Ende der Daten bei Byte 199.'

    # "Baustein Verwaltung" from the tray.
    management_from_tray(t)
    box = error_box(t, fenu)
    assert box["text"].startswith(damaged + "\r\nDie Datei wurde nicht verändert."), box["text"]
    assert f'Eine lesbare Sicherung (der Stand vor dem letzten Speichern) liegt in "{bup}".' in box["text"]
    t.capture(box["hwnd"], "damaged-database")
    d.press(box, "OK")
    d.wait_gone(box["hwnd"])
    assert d.find_windows(cls="TForm1") == []
    still_in_the_tray(t, fenu)

    # Print in another program: the selection window does not open either.
    target = t.start_target()
    target.focus()
    t.key("Print")
    box = error_box(t, fenu)
    assert box["text"].startswith(damaged)
    d.press(box, "OK")
    d.wait_gone(box["hwnd"])
    assert d.find_windows(cls="TfrmListe") == []
    still_in_the_tray(t, fenu)

    # Pause: the abbreviation window needs the index, which is zeroed.
    target.focus()
    t.key("Pause")
    box = error_box(t, fenu)
    assert box["text"].startswith(f'Der Kürzel-Index "{kdb}" konnte nicht gelesen werden: Nullbyte bei Byte 0'), box["text"]
    d.press(box, "OK")
    d.wait_gone(box["hwnd"])
    assert d.find_windows(cls="TfrmMiniAuswahl") == []
    still_in_the_tray(t, fenu)
    assert target.text() == ""
    assert files(daten) == before


def open_through_datei(t, fenu, form, path):
    """Datei > Datenbank öffnen, the path typed into the open dialog."""
    d = t.driver
    d.post(form["hwnd"], e2e.WM_COMMAND, MNU_OPEN_DATABASE, 0)
    dialog = d.wait_window(cls="#32770", title="Textbausteindatei öffnen", pid=t.winpid(fenu))
    name = next(c for c in d.children(dialog["hwnd"]) if c["class"].lower() == "edit" and c["visible"])
    d.settext(name["hwnd"], path)
    # Enter in the name field, as a user confirms it.
    t.focus_window(name["hwnd"])
    t.key("Return")
    d.wait_gone(dialog["hwnd"])


def test_datei_open_of_a_damaged_or_missing_database_writes_nothing(t):
    app = t.make_appdir()
    daten = app / "Daten"
    filled_dummy(daten)
    shutil.copy(FIXTURES / "truncated.bdb", daten / "Kaputt.bdb")
    (daten / "Auswahl.vdb").write_bytes(b"[Anrede]\r\nVal=SGVycixG\r\nRestrict=1\r\n[Titel]\r\nVal=RHI")  # cut off
    before = files(daten)
    dummy = e2e.winpath(daten / "DBDummy.bdb")
    fenu = start(t, app, f"CurrentDB={dummy}\nCurDirectDB={e2e.winpath(daten / 'DBDummy.kdb')}\n")
    d = t.driver

    management_from_tray(t)
    form = d.wait_window(cls="TForm1", title="Text-Baustein-Verwaltung", pid=t.winpid(fenu))
    e2e.wait_for(lambda: "Anrede" in tree_items(t, form), what="the database's blocks")

    # A damaged file: named, and the database that was open stays open.
    kaputt = e2e.winpath(daten / "Kaputt.bdb")
    open_through_datei(t, fenu, form, kaputt)
    box = error_box(t, fenu)
    assert box["text"].startswith(
        f'Die Datenbank "{kaputt}" konnte nicht gelesen werden: unerwartetes Ende der Daten bei Byte 199.'), box["text"]
    d.press(box, "OK")
    d.wait_gone(box["hwnd"])
    assert "Anrede" in tree_items(t, form)

    # A missing file while the dummy database exists: that one is opened, not written over.
    missing = e2e.winpath(daten / "Weg.bdb")
    open_through_datei(t, fenu, form, missing)
    box = error_box(t, fenu)
    assert box["text"] == f'Die Datenbank "{missing}" konnte nicht gefunden werden!'
    d.press(box, "OK")
    d.wait_gone(box["hwnd"])
    e2e.wait_for(lambda: "Anrede" in tree_items(t, form), what="the dummy database again")

    # The variable editor needs the selection variables, which are cut off.
    items = tree_items(t, form)
    r = items["Anrede"]["rect"]
    t.click_at((r["left"] + r["right"]) // 2, (r["top"] + r["bottom"]) // 2)
    e2e.wait_for(lambda: tree_items(t, form)["Anrede"]["selected"], what="Anrede selected")
    d.click_child(form["hwnd"], id=BTN_VARIABLE)
    box = error_box(t, fenu)
    assert box["text"].startswith(
        f'Die Datei mit den Auswahl-Variablen "{e2e.winpath(daten / "Auswahl.vdb")}" konnte nicht gelesen werden: '
        "Zeile 5 bei Byte 45: die Werteliste ist keine vollständige Base64-Kodierung."), box["text"]
    d.press(box, "OK")
    d.wait_gone(box["hwnd"])
    assert d.find_windows(cls="TfrmVariables") == []

    d.post(form["hwnd"], e2e.WM_CLOSE)
    d.wait_gone(form["hwnd"])
    still_in_the_tray(t, fenu)
    assert files(daten) == before


def chain(levels):
    """A tree file of one folder "x" per level, each inside the one before."""
    out = struct.pack("<i", 1)
    for level in range(levels):
        out += struct.pack("<i", 1) + b"x" + struct.pack("<iiiiii", level, 3, -1, 4, -1, 1 if level + 1 < levels else 0)
    return out


def test_a_thousand_levels_open_and_one_more_is_refused(t):
    app = t.make_appdir()
    daten = app / "Daten"
    daten.mkdir()
    (daten / "Tief.bdb").write_bytes(chain(1000))
    (daten / "Tiefer.bdb").write_bytes(chain(1001))
    tief = e2e.winpath(daten / "Tief.bdb")
    fenu = start(t, app, f"CurrentDB={tief}\n")
    d = t.driver

    management_from_tray(t)
    form = d.wait_window(cls="TForm1", title="Text-Baustein-Verwaltung", pid=t.winpid(fenu))
    e2e.wait_for(lambda: "x" in tree_items(t, form), what="the deep tree")
    tiefer = e2e.winpath(daten / "Tiefer.bdb")
    open_through_datei(t, fenu, form, tiefer)
    box = error_box(t, fenu)
    assert box["text"].startswith(f'Die Datenbank "{tiefer}" konnte nicht gelesen werden: Einträge in mehr als 1000 '
                                  "Ebenen bei Byte 29004."), box["text"]
    d.press(box, "OK")
    d.wait_gone(box["hwnd"])
    d.post(form["hwnd"], e2e.WM_CLOSE)
    d.wait_gone(form["hwnd"])
    still_in_the_tray(t, fenu)
