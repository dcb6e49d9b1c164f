"""The building-block management window end to end: opened from the tray, a folder and a block
created and edited as a user would, saved, closed, and the files on disk checked."""

import json

import fenu_e2e as e2e
from test_shell import QUIET_INI, read_ini, shell_window, start_quiet

CMD_MANAGEMENT = 1001
# TForm1's controls and menu commands.
TV, ADD_FOLDER, ADD_FILE, REMOVE = 210, 211, 212, 213
TXT_FNAME, TXT_FSHORT, BTN_FOK = 232, 234, 235
TXT_PNAME, TXT_PSHORT, TXT_PLONG, CBX_PSHOW, BTN_POK, MEMO = 242, 244, 246, 248, 249, 251
MNU_SAVE, MNU_FONT = 303, 334
# The font dialog's lists of faces and sizes.
FONT_FACES, FONT_SIZES = 0x470, 0x472


def open_management(t, fenu):
    t.driver.post(shell_window(t, fenu)["hwnd"], e2e.WM_COMMAND, CMD_MANAGEMENT, 0)


def answer_input(t, fenu, text):
    """Answers the "Neuer Eintrag" input dialog."""
    box = t.driver.wait_window(cls="TInputQuery", pid=t.winpid(fenu))
    t.driver.settext(t.driver.child(box["hwnd"], id=102)["hwnd"], text)
    t.driver.click_child(box["hwnd"], id=1)
    t.driver.wait_gone(box["hwnd"])


def type_into(t, hwnd, text):
    t.focus_window(hwnd)
    t.type_text(text)


def test_management_window_creates_edits_and_saves_a_database(t):
    app, fenu = start_quiet(t)
    d = t.driver
    open_management(t, fenu)

    # No database yet: the message, then the dummy database in Daten\.
    box = d.wait_message_box(title="Fehler", pid=t.winpid(fenu))
    assert box["text"] == 'Die Datenbank "Standard.adb" konnte nicht gefunden werden!'
    d.press(box, "OK")
    form = d.wait_window(cls="TForm1", title="Text-Baustein-Verwaltung")
    t.capture(form["hwnd"], "TForm1-root")
    assert (app / "Daten" / "DBDummy.bdb").exists()

    # A folder with a quick key.
    d.click_child(form["hwnd"], id=ADD_FOLDER)
    answer_input(t, fenu, "Briefe")
    fshort = d.wait_child(form["hwnd"], id=TXT_FSHORT)
    e2e.wait_for(lambda: d.info(fshort["hwnd"])["visible"], what="folder page")
    assert d.child(form["hwnd"], id=TXT_FNAME)["text"] == "Briefe"
    type_into(t, fshort["hwnd"], "b")
    e2e.wait_for(lambda: d.info(d.child(form["hwnd"], id=BTN_FOK)["hwnd"])["enabled"], what="apply enabled")
    d.click_child(form["hwnd"], id=BTN_FOK)
    e2e.wait_for(lambda: not d.info(d.child(form["hwnd"], id=BTN_FOK)["hwnd"])["enabled"], what="folder applied")
    t.capture(form["hwnd"], "TForm1-folder")

    # A block in it, with an abbreviation and a text.
    d.click_child(form["hwnd"], id=ADD_FILE)
    answer_input(t, fenu, "Gruß")
    memo = d.wait_child(form["hwnd"], id=MEMO)
    e2e.wait_for(lambda: d.info(memo["hwnd"])["visible"], what="block page")
    type_into(t, d.child(form["hwnd"], id=TXT_PLONG)["hwnd"], "gr")
    type_into(t, memo["hwnd"], "Hallo Welt")
    t.key("Return")
    t.type_text("Zweite Zeile")
    e2e.wait_for(lambda: d.info(d.child(form["hwnd"], id=BTN_POK)["hwnd"])["enabled"], what="apply enabled")
    d.click_child(form["hwnd"], id=BTN_POK)
    e2e.wait_for(lambda: not d.info(d.child(form["hwnd"], id=BTN_POK)["hwnd"])["enabled"], what="block applied")
    t.capture(form["hwnd"], "TForm1-block")

    # Save through the menu command, close, and look at the files.
    d.post(form["hwnd"], e2e.WM_COMMAND, MNU_SAVE, 0)
    d.post(form["hwnd"], e2e.WM_CLOSE)
    d.wait_gone(form["hwnd"])

    texts = list((app / "Daten" / "Bausteine").glob("*.txt"))
    assert len(texts) == 1
    assert texts[0].read_bytes() == b"Hallo Welt\r\nZweite Zeile"
    kdb = (app / "Daten" / "DBDummy.kdb").read_bytes().decode("cp1252")
    assert f"gr={texts[0].name}" in kdb
    ini = (app / "fenu.ini").read_bytes().decode("cp1252")
    assert "CurrentDB=" + str(e2e.winpath(app)) + "\\Daten\\DBDummy.bdb" in ini or "DBDummy.bdb" in ini
    assert "[TForm1]" in ini

    dump = t.start(t.session.build_dir / "fenu-cli.exe", "db", "dump",
                   e2e.winpath(app / "Daten" / "DBDummy.bdb"), cwd=t.dir, debug="-all", name="dump")
    assert dump.wait_exit(30) == 0
    tree = json.loads((t.dir / "dump.stdout").read_bytes().decode("utf-8"))
    [root] = tree
    assert root["caption"] == "DBDummy"
    [folder] = root["children"]
    assert (folder["caption"], folder["data"]["QuickKey"]) == ("Briefe", "B")
    [block] = folder["children"]
    assert block["caption"] == "Gruß"
    assert block["data"]["Abbreviation"] == "gr"
    assert block["data"]["TextFileName"] == texts[0].name
    assert block["data"]["Preview"] == "Hallo Welt Zweite Zeile"


def tree_items(t, form):
    tv = t.driver.child(form["hwnd"], id=TV)["hwnd"]
    return {item["text"]: item for item in t.driver.tree(tv)}


def click_item(t, form, caption):
    r = tree_items(t, form)[caption]["rect"]
    t.click_at((r["left"] + r["right"]) // 2, (r["top"] + r["bottom"]) // 2)
    e2e.wait_for(lambda: tree_items(t, form)[caption]["selected"], what=f"{caption} selected")


def dump(t, app, name="dump"):
    program = t.start(t.session.build_dir / "fenu-cli.exe", "db", "dump",
                      e2e.winpath(app / "Daten" / "DBDummy.bdb"), cwd=t.dir, debug="-all", name=name)
    assert program.wait_exit(30) == 0
    return json.loads((t.dir / f"{name}.stdout").read_bytes().decode("utf-8"))


def test_moves_and_deletions_are_asked_about_and_kept_apart_from_disk_until_saved(t):
    app, fenu = start_quiet(t)
    d = t.driver
    open_management(t, fenu)
    d.press(d.wait_message_box(title="Fehler", pid=t.winpid(fenu)), "OK")
    form = d.wait_window(cls="TForm1")

    # Two folders beside each other and a block in the second; saved.
    for caption in ("Briefe", "Vorlagen"):
        click_item(t, form, "DBDummy")
        d.click_child(form["hwnd"], id=ADD_FOLDER)
        answer_input(t, fenu, caption)
        e2e.wait_for(lambda: caption in tree_items(t, form), what=caption)
    click_item(t, form, "Vorlagen")
    d.click_child(form["hwnd"], id=ADD_FILE)
    answer_input(t, fenu, "Absage")
    e2e.wait_for(lambda: "Absage" in tree_items(t, form), what="block")
    d.post(form["hwnd"], e2e.WM_COMMAND, MNU_SAVE, 0)
    block_file = e2e.wait_for(lambda: next((app / "Daten" / "Bausteine").glob("*.txt"), None), what="text file")

    # Drag the block onto the other folder with the mouse.
    source = tree_items(t, form)["Absage"]["rect"]
    target = tree_items(t, form)["Briefe"]["rect"]
    t.move_to(source["left"] + 8, (source["top"] + source["bottom"]) // 2)
    t.xdotool("mousedown", "1")
    for step in range(1, 6):
        x = source["left"] + 8
        y = source["top"] + (target["top"] - source["top"]) * step // 5 + 4
        t.move_to(x, y)
    t.move_to(target["left"] + 8, (target["top"] + target["bottom"]) // 2)
    t.xdotool("mouseup", "1")
    e2e.wait_for(lambda: tree_items(t, form)["Absage"]["level"] == 2
                 and tree_items(t, form)["Absage"]["rect"]["top"] < tree_items(t, form)["Vorlagen"]["rect"]["top"],
                 what="block moved under Briefe")
    t.capture(form["hwnd"], "TForm1-moved")

    # Then delete it: the confirmation, and the text stays on disk for now.
    click_item(t, form, "Absage")
    d.click_child(form["hwnd"], id=REMOVE)
    ask = d.wait_message_box(title="Bestätigung", pid=t.winpid(fenu))
    assert ask["text"] == ('Der Baustein "Absage" wurde zum Löschen ausgewählt! Der Vorgang ist unwideruflich! '
                           'Fortfahren?')
    t.capture(ask["hwnd"], "delete-confirmation")
    d.press(ask, "Ja")
    e2e.wait_for(lambda: "Absage" not in tree_items(t, form), what="block deleted")
    assert block_file.exists()

    # Closing asks about the unsaved move and deletion; "Nein" keeps the saved state whole.
    d.post(form["hwnd"], e2e.WM_CLOSE)
    ask = d.wait_message_box(title="Bestätigung", pid=t.winpid(fenu))
    assert ask["text"] == "Die Datenbank wurde geändert! Änderungen speichern?"
    assert sorted(e2e.strip_amp(b) for b in ask["buttons"]) == ["Abbrechen", "Ja", "Nein"]
    t.capture(ask["hwnd"], "save-question")
    d.press(ask, "Nein")
    d.wait_gone(form["hwnd"])
    [root] = dump(t, app)
    vorlagen = next(c for c in root["children"] if c["caption"] == "Vorlagen")
    assert [c["caption"] for c in vorlagen["children"]] == ["Absage"]
    assert block_file.exists()


def test_font_dialog_sets_the_block_editor_font(t):
    # "Schriftart" opens the platform's font dialog through the font service; the face chosen
    # there is the editor's and is written as [Main] BFont when the window closes.
    app, fenu = start_quiet(t)
    d = t.driver
    open_management(t, fenu)
    d.press(d.wait_message_box(title="Fehler", pid=t.winpid(fenu)), "OK")
    form = d.wait_window(cls="TForm1", title="Text-Baustein-Verwaltung")
    d.post(form["hwnd"], e2e.WM_COMMAND, MNU_FONT, 0)
    dialog = d.wait_window(cls="#32770", owner=form["hwnd"], pid=t.winpid(fenu))
    faces = d.child(dialog["hwnd"], id=FONT_FACES)
    face = "DejaVu Sans Mono"  # installed here and keeps its size (see the Wine notes)
    assert face in faces["items"], faces["items"]
    d.cbselect(faces["hwnd"], faces["items"].index(face))
    sizes = d.child(dialog["hwnd"], id=FONT_SIZES)  # filled anew for the face
    e2e.wait_for(lambda: "12" in d.info(sizes["hwnd"])["items"], what="the sizes of the face")
    d.cbselect(sizes["hwnd"], d.info(sizes["hwnd"])["items"].index("12"))
    t.capture(dialog["hwnd"], "ChooseFont")
    d.click_child(dialog["hwnd"], id=1)
    d.wait_gone(dialog["hwnd"])
    d.post(form["hwnd"], e2e.WM_CLOSE)
    d.wait_gone(form["hwnd"])
    e2e.wait_for(lambda: read_ini(app / "fenu.ini").get("Main", "BFont", fallback="").startswith(face + ",12,"),
                 what=f"[Main] BFont with {face} at 12 points")
