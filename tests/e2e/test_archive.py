"""The text archive window end to end: opened by hotkey 3 from a fresh folder, a folder and a
text made, saved and closed as a user would, the files on disk checked byte for byte; a move by
drag and drop and a rename in place saved and found again after reopening; find and replace in
the text through the platform's dialogs, and the keyword search selecting a text; a large archive
shows only what is open, and a folder shows its texts when it opens or the program selects one;
opening "Extras" with an edit pending asks to keep it first."""

import json
import shutil
import struct
import sys
from pathlib import Path

import fenu_e2e as e2e
from test_shell import read_ini, shell_window, start_quiet

CMD_ARCHIVE = 1002
MNU_KEYWORDS = 430
EM_GETSEL = 0x00B0
# The platform's find and replace dialogs.
FIND_NEXT, FIND_TEXT, REPLACE_TEXT, REPLACE_ALL = 1, 0x480, 0x481, 0x401
# TfrmKeywords.
KEYWORD_TEXT = 105
# TfrmVerwaltung's controls.
LABEL1, LABEL10 = 200, 201
TV, NEW_FOLDER, NEW_FILE, DELETE = 210, 211, 212, 213
TXT_NAME, TXT_KEYWORDS, BTN_SAVE, MEMO = 231, 233, 234, 236

FIXTURES = Path(__file__).resolve().parents[1] / "fixtures" / "archive"
sys.path.insert(0, str(FIXTURES.parent))
from tree_bytes import node, short_strings, tree  # noqa: E402


def i32(value):
    return struct.pack("<i", value)


def root_only_archive():
    """The archive that a fresh folder gets: one Root "Archiv", no record, no children."""
    return i32(1) + i32(6) + b"Archiv" + i32(0) + i32(0) + i32(-1) + i32(0) + i32(-1) + i32(0)


def open_by_hotkey(t, fenu, target):
    target.focus()
    mark = fenu.debug_mark()
    t.key("ctrl+KP_1")
    fenu.wait_debug(r"^fenu: hotkey slot=3 ", since=mark)


def wait_archive(t):
    return t.driver.wait_window(cls="TfrmVerwaltung", title="Text-Archiv-Verwaltung")


def answer_input(t, fenu, text):
    box = t.driver.wait_window(cls="TInputQuery", pid=t.winpid(fenu))
    t.driver.settext(t.driver.child(box["hwnd"], id=102)["hwnd"], text)
    t.driver.click_child(box["hwnd"], id=1)
    t.driver.wait_gone(box["hwnd"])


def tree_items(t, form):
    tv = t.driver.child(form["hwnd"], id=TV)["hwnd"]
    return {item["text"]: item for item in t.driver.tree(tv)}


def click_item(t, form, caption):
    """Selects an entry with a click (a click on the selected one would start a rename)."""
    if tree_items(t, form)[caption]["selected"]:
        return
    r = tree_items(t, form)[caption]["rect"]
    t.click_at(r["left"] + 12, (r["top"] + r["bottom"]) // 2)
    e2e.wait_for(lambda: tree_items(t, form)[caption]["selected"], what=f"{caption} selected")


def click_into(t, control):
    """A click into a control, where the keys go next."""
    r = t.driver.info(control["hwnd"])["rect"]
    t.click_at((r["left"] + r["right"]) // 2, (r["top"] + r["bottom"]) // 2)
    e2e.wait_for(lambda: t.driver.foreground().get("focus") == control["hwnd"], what="focus in the control")


def enabled(t, form, id):
    return t.driver.info(t.driver.child(form["hwnd"], id=id)["hwnd"])["enabled"]


def close_saving(t, fenu, form):
    t.driver.post(form["hwnd"], e2e.WM_CLOSE)
    ask = t.driver.wait_message_box(title="Bestätigung", pid=t.winpid(fenu))
    assert ask["text"] == "Die Datenbank wurde geändert! Änderungen speichern?"
    t.driver.press(ask, "Ja")
    t.driver.wait_gone(form["hwnd"])


def dump(t, app, name="dump"):
    program = t.start(t.session.build_dir / "fenu-cli.exe", "archive", "dump",
                      e2e.winpath(app / "Daten" / "Archiv.adb"), cwd=t.dir, debug="-all", name=name)
    assert program.wait_exit(30) == 0
    return json.loads((t.dir / f"{name}.stdout").read_bytes().decode("utf-8"))


def test_hotkey_3_opens_a_fresh_archive_and_a_new_text_reaches_the_disk(t):
    app, fenu = start_quiet(t)
    d = t.driver
    # Text on the clipboard, which the new text offers to take.
    target = t.start_target()
    target.focus()
    t.type_text("Aus der Ablage")
    t.key("shift+Home", "ctrl+c")
    e2e.wait_for(lambda: d.clipboard() == "Aus der Ablage", what="clipboard text")
    open_by_hotkey(t, fenu, target)

    # No archive yet: the message with the full path, then a new one at exactly that path.
    box = d.wait_message_box(title="Fehler", pid=t.winpid(fenu))
    assert box["text"] == f'Die Datenbank "{e2e.winpath(app)}\\Daten\\Archiv.adb" konnte nicht gefunden werden!'
    d.press(box, "OK")
    form = wait_archive(t)
    assert (app / "Daten" / "Archiv.adb").read_bytes() == root_only_archive()
    assert d.child(d.child(form["hwnd"], id=LABEL1)["hwnd"], id=LABEL10)["text"].strip() == "HotKey: Strg + N1"
    assert not enabled(t, form, TXT_NAME) and not enabled(t, form, DELETE)
    t.capture(form["hwnd"], "TfrmVerwaltung-fresh")

    # A folder, and a text in it that takes the clipboard's text.
    d.click_child(form["hwnd"], id=NEW_FOLDER)
    answer_input(t, fenu, "Briefe")
    e2e.wait_for(lambda: "Briefe" in tree_items(t, form), what="folder")
    click_item(t, form, "Briefe")
    d.click_child(form["hwnd"], id=NEW_FILE)
    answer_input(t, fenu, "Angebot")
    ask = d.wait_message_box(title="Bestätigung", pid=t.winpid(fenu))
    assert ask["text"] == "In der Zwischenablage befindet sich Text. Soll der übernommen werden?"
    d.press(ask, "Ja")
    memo = d.child(form["hwnd"], id=MEMO)
    e2e.wait_for(lambda: d.info(memo["hwnd"])["text"] == "Aus der Ablage", what="clipboard text in the body")
    assert enabled(t, form, BTN_SAVE)
    keywords = d.child(form["hwnd"], id=TXT_KEYWORDS)
    click_into(t, keywords)
    t.type_text("Kunde Angebot")
    e2e.wait_for(lambda: d.info(keywords["hwnd"])["text"] == "Kunde Angebot", what="typed keywords")
    click_into(t, memo)
    t.key("ctrl+End", "Return")
    t.type_text("Zweite Zeile")
    e2e.wait_for(lambda: d.info(memo["hwnd"])["text"] == "Aus der Ablage\r\nZweite Zeile", what="typed body")
    t.capture(form["hwnd"], "TfrmVerwaltung-text")
    d.click_child(form["hwnd"], id=BTN_SAVE)
    e2e.wait_for(lambda: not enabled(t, form, BTN_SAVE), what="text saved")
    [text_file] = list((app / "Daten" / "Archiv").glob("*.txt"))
    assert text_file.read_bytes() == b"Aus der Ablage\r\nZweite Zeile"

    close_saving(t, fenu, form)
    assert (app / "Daten" / "Archiv.bup").read_bytes() == root_only_archive()
    [root] = dump(t, app)
    assert (root["caption"], root["dataSize"], root["data"]) == ("Archiv", -1, None)
    [folder] = root["children"]
    assert (folder["caption"], folder["imageIndex"], folder["dataSize"]) == ("Briefe", 3, 187)
    assert folder["data"] == {"TextFileName": "", "Keywords": ""}
    [text] = folder["children"]
    assert (text["caption"], text["imageIndex"], text["selectedIndex"]) == ("Angebot", 1, 2)
    assert text["data"] == {"TextFileName": text_file.name, "Keywords": "Kunde Angebot"}
    assert len(text_file.stem) == 13 and text_file.stem.isdigit()
    e2e.wait_for(lambda: read_ini(app / "fenu.ini").has_section("TfrmVerwaltung"), what="[TfrmVerwaltung]")
    ini = read_ini(app / "fenu.ini")
    assert ini["Main"]["ASplitter"] == "269"
    assert ini["Main"]["AFont"]
    assert fenu.running


def kanzlei_appdir(t):
    app = t.make_appdir(ini="[Main]\nTaskbar=-1\n[ShowMessage]\nRightClick=0\n")
    shutil.copytree(FIXTURES / "Kanzlei", app / "Daten")
    return app


def memo_selection(t, memo):
    packed = t.driver.send(memo["hwnd"], EM_GETSEL)["result"]
    return packed & 0xFFFF, (packed >> 16) & 0xFFFF


def test_find_and_replace_in_the_text_and_the_keyword_search(t):
    app = kanzlei_appdir(t)
    fenu = t.start_fenu(app)
    t.wait_tray_icon()
    d = t.driver
    target = t.start_target()
    open_by_hotkey(t, fenu, target)
    form = wait_archive(t)
    e2e.wait_for(lambda: "Angebot Müller" in tree_items(t, form), what="the archive's tree")
    click_item(t, form, "Angebot Müller")
    memo = d.child(form["hwnd"], id=MEMO)
    e2e.wait_for(lambda: d.info(memo["hwnd"])["text"].startswith("Sehr geehrter"), what="the body")

    # Ctrl+F in the text: the find dialog; the first search starts at the text's start.
    click_into(t, memo)
    t.key("ctrl+End", "ctrl+f")
    find = d.wait_window(cls="#32770", owner=form["hwnd"], pid=t.winpid(fenu))
    d.settext(d.child(find["hwnd"], id=FIND_TEXT)["hwnd"], "angebot")
    t.capture(find["hwnd"], "TfrmVerwaltung-find")
    d.click_child(find["hwnd"], id=FIND_NEXT)
    body = "Sehr geehrter Herr Müller,\r\n\r\nanbei unser Angebot."
    at = body.index("Angebot")
    e2e.wait_for(lambda: memo_selection(t, memo) == (at, at + 7), what="the word found")
    d.post(find["hwnd"], e2e.WM_CLOSE)
    d.wait_gone(find["hwnd"])

    # Ctrl+H: the replace dialog; "Alle ersetzen" changes every place as an edit of the user.
    click_into(t, memo)
    t.key("ctrl+h")
    replace = d.wait_window(cls="#32770", owner=form["hwnd"], pid=t.winpid(fenu))
    d.settext(d.child(replace["hwnd"], id=FIND_TEXT)["hwnd"], "e")
    d.settext(d.child(replace["hwnd"], id=REPLACE_TEXT)["hwnd"], "E")
    d.click_child(replace["hwnd"], id=REPLACE_ALL)
    replaced = body.replace("e", "E")
    e2e.wait_for(lambda: d.info(memo["hwnd"])["text"] == replaced, what="every e replaced")
    e2e.wait_for(lambda: enabled(t, form, BTN_SAVE), what="the replacement marked as an edit")
    d.post(replace["hwnd"], e2e.WM_CLOSE)
    d.wait_gone(replace["hwnd"])
    d.click_child(form["hwnd"], id=BTN_SAVE)
    e2e.wait_for(lambda: not enabled(t, form, BTN_SAVE), what="text saved")
    assert (app / "Daten" / "Archiv" / "0912261453042.txt").read_bytes() == replaced.encode("cp1252")

    # "Schlagwortsuche": a window at the tree's corner whose hit is selected as a click would.
    d.post(form["hwnd"], e2e.WM_COMMAND, MNU_KEYWORDS, 0)
    keywords = d.wait_window(cls="TfrmKeywords", pid=t.winpid(fenu))
    tree_rect = d.info(d.child(form["hwnd"], id=TV)["hwnd"])["client"]
    assert (keywords["rect"]["left"], keywords["rect"]["top"]) == (tree_rect["left"], tree_rect["top"])
    d.settext(d.child(keywords["hwnd"], id=KEYWORD_TEXT)["hwnd"], "rechnung")
    t.capture(keywords["hwnd"], "TfrmKeywords")
    # Saving the text sorted the Root's entries by name alone: "Briefe" with "Kanzlei"
    # ("Sammelrechnung") now comes before "Rechnung März"; the next search goes on from the hit.
    for hit in ("Kanzlei", "Rechnung März"):
        d.click_child(keywords["hwnd"], id=1)
        e2e.wait_for(lambda: tree_items(t, form)[hit]["selected"], what=f"{hit} selected")
        e2e.wait_for(lambda: d.child(form["hwnd"], id=TXT_NAME)["text"] == hit, what=f"{hit} shown")
    d.post(form["hwnd"], e2e.WM_CLOSE)
    ask = d.wait_message_box(title="Bestätigung", pid=t.winpid(fenu))
    d.press(ask, "Nein")
    d.wait_gone(form["hwnd"])
    assert d.find_windows(cls="TfrmKeywords", pid=t.winpid(fenu)) == []
    assert fenu.running


def test_a_move_by_drag_and_drop_and_a_rename_in_place_are_saved_and_found_again(t):
    app = kanzlei_appdir(t)
    fenu = t.start_fenu(app)
    t.wait_tray_icon()
    d = t.driver
    body = (app / "Daten" / "Archiv" / "0912261453042.txt").read_bytes()

    # Opened from the tray menu this time.
    d.post(shell_window(t, fenu)["hwnd"], e2e.WM_COMMAND, CMD_ARCHIVE, 0)
    form = wait_archive(t)
    e2e.wait_for(lambda: "Briefe" in tree_items(t, form), what="the archive's tree")

    source = tree_items(t, form)["Angebot Müller"]["rect"]
    target = tree_items(t, form)["Briefe"]["rect"]
    t.move_to(source["left"] + 12, (source["top"] + source["bottom"]) // 2)
    t.xdotool("mousedown", "1")
    for step in range(1, 6):
        t.move_to(source["left"] + 12, source["top"] + (target["top"] - source["top"]) * step // 5 + 4)
    t.move_to(target["left"] + 12, (target["top"] + target["bottom"]) // 2)
    t.xdotool("mouseup", "1")
    e2e.wait_for(lambda: tree_items(t, form)["Angebot Müller"]["level"] == 2, what="text moved into Briefe")
    t.capture(form["hwnd"], "TfrmVerwaltung-moved")

    # F2 on a folder edits its name in place; Enter ends the edit.
    click_item(t, form, "Leer")
    t.focus_window(d.child(form["hwnd"], id=TV)["hwnd"])
    t.key("F2")
    edit = e2e.wait_for(lambda: next((c for c in d.children(d.child(form["hwnd"], id=TV)["hwnd"])
                                       if c["class"].lower() == "edit"), None), what="the in-place edit")
    d.settext(edit["hwnd"], "Vorlagen")
    t.key("Return")
    e2e.wait_for(lambda: "Vorlagen" in tree_items(t, form), what="renamed folder")
    assert "Leer" not in tree_items(t, form)

    # Neither sets anything but the ChangedFlag: closing asks, and "Ja" writes them.
    close_saving(t, fenu, form)
    assert (app / "Daten" / "Archiv" / "0912261453042.txt").read_bytes() == body

    target_program = t.start_target()
    open_by_hotkey(t, fenu, target_program)
    form = wait_archive(t)
    e2e.wait_for(lambda: "Briefe" in tree_items(t, form), what="the archive's tree")
    [root] = dump(t, app)
    briefe = next(c for c in root["children"] if c["caption"] == "Briefe")
    # The rename sorted the folder's entries by name alone.
    assert [c["caption"] for c in briefe["children"]] == ["Angebot Müller", "Kanzlei", "Vorlagen"]
    moved = briefe["children"][0]
    assert moved["data"]["TextFileName"] == "0912261453042.txt"
    d.post(form["hwnd"], e2e.WM_CLOSE)
    d.wait_gone(form["hwnd"])
    assert fenu.running


def archive_record(file="", keywords=""):
    return short_strings([(file, 25), (keywords, 128)]) + b"\0" * 32


def test_a_large_archive_shows_only_what_is_open_and_fills_a_folder_as_it_opens(t):
    # 20 folders of 20 texts under the Root; folders 7 and 13 hold a subfolder with one text, the
    # one in 13 the only text whose keywords say "Zielwort".
    folders = []
    for f in range(20):
        texts = [node(f"Brief {f}-{n}", 2, 1, 2, archive_record(f"{f:06d}{n:07d}.txt", f"Kunde {f}, Rechnung"), [])
                 for n in range(20)]
        if f in (7, 13):
            caption, keywords = ("Gesuchter Brief", "Kunde, Zielwort") if f == 13 else ("Tiefer Brief", "Kunde")
            deep = node(caption, 3, 1, 2, archive_record(f"{f}{f}000000001.txt", keywords), [])
            texts.append(node(f"Unterordner {f}", 2, 3, 4, archive_record(), [deep]))
        folders.append(node(f"Ordner {f:02d}", 1, 3, 4, archive_record(), texts))
    app = t.make_appdir(ini="[Main]\nTaskbar=-1\n[ShowMessage]\nRightClick=0\n")
    (app / "Daten" / "Archiv").mkdir(parents=True)
    (app / "Daten" / "Archiv.adb").write_bytes(tree(node("Archiv", 0, 0, 0, None, folders)))
    (app / "Daten" / "Archiv" / "1313000000001.txt").write_bytes(b"Gefunden")
    fenu = t.start_fenu(app)
    t.wait_tray_icon()
    d = t.driver
    d.post(shell_window(t, fenu)["hwnd"], e2e.WM_COMMAND, CMD_ARCHIVE, 0)
    form = wait_archive(t)
    e2e.wait_for(lambda: "Ordner 19" in tree_items(t, form), what="the archive's tree")

    # The Root is open, every folder closed: only their items exist, each with its button.
    tv = d.child(form["hwnd"], id=TV)["hwnd"]
    items = d.tree(tv)
    assert [i["text"] for i in items] == ["Archiv"] + [f"Ordner {f:02d}" for f in range(20)]
    assert all(i["haschildren"] and not i["expanded"] for i in items[1:])

    # Right, + and * on a closed folder open it with all its texts; * opens its subfolder too.
    for caption, key, first in (("Ordner 03", "Right", 3), ("Ordner 05", "KP_Add", 5), ("Ordner 07", "KP_Multiply", 7)):
        d.tvselect(tv, tree_items(t, form)[caption]["item"])
        e2e.wait_for(lambda: tree_items(t, form)[caption]["selected"], what=f"{caption} selected")
        t.focus_window(tv)
        t.key(key)
        e2e.wait_for(lambda: tree_items(t, form)[caption]["expanded"], what=f"{caption} opened by {key}")
        items = d.tree(tv)
        at = [i["text"] for i in items].index(caption)
        assert [i["text"] for i in items[at + 1:at + 21]] == [f"Brief {first}-{n}" for n in range(20)]
        assert all(i["level"] == 2 and i["rect"]["bottom"] > i["rect"]["top"] for i in items[at + 1:at + 21])
    shown = tree_items(t, form)
    assert shown["Unterordner 7"]["expanded"] and shown["Tiefer Brief"]["level"] == 3
    assert "Brief 13-0" not in shown

    # The keyword search selects a text two closed folders deep: its folders open to show it.
    d.post(form["hwnd"], e2e.WM_COMMAND, MNU_KEYWORDS, 0)
    keywords = d.wait_window(cls="TfrmKeywords", pid=t.winpid(fenu))
    d.settext(d.child(keywords["hwnd"], id=KEYWORD_TEXT)["hwnd"], "zielwort")
    d.click_child(keywords["hwnd"], id=1)
    e2e.wait_for(lambda: tree_items(t, form).get("Gesuchter Brief", {}).get("selected"), what="the hit selected")
    e2e.wait_for(lambda: d.child(form["hwnd"], id=TXT_NAME)["text"] == "Gesuchter Brief", what="the hit shown")
    e2e.wait_for(lambda: d.info(d.child(form["hwnd"], id=MEMO)["hwnd"])["text"] == "Gefunden", what="its text")
    shown = tree_items(t, form)
    assert shown["Ordner 13"]["expanded"] and shown["Unterordner 13"]["expanded"]
    assert shown["Gesuchter Brief"]["level"] == 3
    r = shown["Gesuchter Brief"]["rect"]
    client = d.info(tv)["client"]
    assert client["top"] <= r["top"] < r["bottom"] <= client["bottom"]
    # The folder it opened holds all its entries, not just the way to the hit.
    assert all(f"Brief 13-{n}" in shown for n in range(20))
    d.post(keywords["hwnd"], e2e.WM_CLOSE)
    d.post(form["hwnd"], e2e.WM_CLOSE)
    d.wait_gone(form["hwnd"])
    assert fenu.running


def test_opening_extras_with_a_pending_edit_asks_to_keep_it(t):
    app = kanzlei_appdir(t)
    fenu = t.start_fenu(app)
    t.wait_tray_icon()
    d = t.driver
    d.post(shell_window(t, fenu)["hwnd"], e2e.WM_COMMAND, CMD_ARCHIVE, 0)
    form = wait_archive(t)
    e2e.wait_for(lambda: "Angebot Müller" in tree_items(t, form), what="the archive's tree")
    click_item(t, form, "Angebot Müller")
    keywords = d.child(form["hwnd"], id=TXT_KEYWORDS)
    click_into(t, keywords)
    t.key("End", "space", "x")
    e2e.wait_for(lambda: enabled(t, form, BTN_SAVE), what="the edit marked")

    # The menu asks before it opens; "Ja" keeps the edit, and the menu then offers the text's commands.
    t.key("alt+x")
    ask = d.wait_message_box(title="Bestätigung", pid=t.winpid(fenu))
    assert ask["text"] == "Die Eintragung wurde geändert! Änderung übernehmen?"
    d.press(ask, "Ja")
    e2e.wait_for(lambda: not enabled(t, form, BTN_SAVE), what="the edit kept")
    t.key("Escape", "Escape")
    close_saving(t, fenu, form)
    entry = next(e for e in dump(t, app)[0]["children"] if e["caption"] == "Angebot Müller")
    assert entry["data"]["Keywords"] == "Müller Angebot 2026 x"
