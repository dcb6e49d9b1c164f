"""Inserting blocks end to end: a hotkey pressed in another program, a block chosen, and its
expanded text arriving in that program's edit control, pasted or typed."""

import datetime
import shutil

import fenu_e2e as e2e
from test_shell import QUIET_INI

FIXTURE = e2e.REPO / "tests" / "fixtures" / "store" / "Kunden"
NOTIZ = "2001260800001.txt"     # Kunden > Briefe (B) > Intern (I) > Notiz (N)
ANREDE = "0912261405123.txt"    # Kunden > Anrede (A), abbreviation "anr"
MFG = "0102270703045.txt"       # Kunden > Grüße > MFG, abbreviation "mfg"

# The formats that keep a text out of Windows' clipboard history and cloud clipboard.
HISTORY_MARKS = ("ExcludeClipboardContentFromMonitorProcessing=0", "CanIncludeInClipboardHistory=0",
                 "CanUploadToCloudClipboard=0")
HISTORY_MARKS_NAMES = tuple(mark.split("=")[0] for mark in HISTORY_MARKS)


def prepared(t, sendkeys=False, texts=None, options=""):
    """A program folder with the Kunden database in Daten\\ and its settings."""
    app = t.make_appdir()
    shutil.copytree(FIXTURE, app / "Daten")
    for name, text in (texts or {}).items():
        data = text if isinstance(text, bytes) else text.encode("cp1252")
        (app / "Daten" / "Bausteine" / name).write_bytes(data)
    daten = e2e.winpath(app / "Daten")
    ini = QUIET_INI + f"CurrentDB={daten}\\Kunden.bdb\nCurDirectDB={daten}\\Kunden.kdb\n"
    ini = ini.replace("[ShowMessage]\nRightClick=0\n", "") + "[ShowMessage]\nRightClick=0\n"
    if sendkeys or options:
        ini += "[Options]\n" + ("Sendkeys=1\n" if sendkeys else "") + options
    (app / "fenu.ini").write_bytes(ini.replace("\n", "\r\n").encode("cp1252"))
    fenu = t.start_fenu(app)
    t.wait_tray_icon()
    target = t.start_target()
    target.focus()
    return app, fenu, target


def type_block_by_abbreviation(t, fenu, abbreviation):
    t.key("Pause")
    mini = t.driver.wait_window(cls="TfrmMiniAuswahl", pid=t.winpid(fenu))
    t.focus_window(t.driver.child(mini["hwnd"], id=103)["hwnd"])
    t.type_text(abbreviation)
    t.key("Return")
    return mini


def test_abbreviation_window_pastes_the_block(t):
    _, fenu, target = prepared(t)
    t.key("Pause")
    mini = t.driver.wait_window(cls="TfrmMiniAuswahl", title="Kürzel Auswahl", pid=t.winpid(fenu))
    t.focus_window(t.driver.child(mini["hwnd"], id=103)["hwnd"])
    t.type_text("MFG")
    t.capture(mini["hwnd"], "TfrmMiniAuswahl")
    t.key("Return")
    assert target.wait_text("Mit freundlichen Grüßen\r\nIhr Team\r\n")
    t.driver.wait_gone(mini["hwnd"])
    # Pasted through the clipboard, which keeps the text afterwards, marked to stay out of the
    # clipboard history and the cloud clipboard; programs still get it as text.
    assert t.driver.clipboard() == "Mit freundlichen Grüßen\r\nIhr Team\r\n"
    formats = t.driver.clipboard_formats()
    for mark in HISTORY_MARKS:
        assert mark in formats, formats
    assert "1" in formats and "13" in formats, formats  # CF_TEXT and CF_UNICODETEXT


def test_clipboard_history_setting_leaves_the_marks_away(t):
    _, fenu, target = prepared(t, options="ClipboardHistory=1\n")
    mini = type_block_by_abbreviation(t, fenu, "mfg")
    assert target.wait_text("Mit freundlichen Grüßen\r\nIhr Team\r\n")
    t.driver.wait_gone(mini["hwnd"])
    formats = t.driver.clipboard_formats()
    assert "13" in formats and not any(f.startswith(HISTORY_MARKS_NAMES) for f in formats), formats


def test_selection_window_quick_keys_insert_a_block_with_todays_date(t):
    _, fenu, target = prepared(t, texts={NOTIZ: "Grüße, heute ist <<DatumNormal|0>>.\r\nÄnderungen folgen"})
    t.key("Print")
    liste = t.driver.wait_window(cls="TfrmListe", title="Textbaustein-Auswahl", pid=t.winpid(fenu))
    lv = t.driver.wait_child(liste["hwnd"], id=110)
    rows = e2e.wait_for(lambda: t.driver.listview(lv["hwnd"]) if len(t.driver.listview(lv["hwnd"])) == 4 else None,
                        what="the base entry's children in the list")
    assert [row["texts"][2] for row in rows] == ["Anrede", "Grüße", "Briefe", "Leer"]
    t.capture(liste["hwnd"], "TfrmListe")
    t.key("b")
    t.key("i")
    t.key("n")
    today = datetime.date.today().strftime("%d.%m.%y")
    assert target.wait_text(f"Grüße, heute ist {today}.\r\nÄnderungen folgen\r\n")
    t.driver.wait_gone(liste["hwnd"])


def test_tree_view_block_chosen_with_enter(t):
    _, fenu, target = prepared(t)
    t.key("Print")
    liste = t.driver.wait_window(cls="TfrmListe", pid=t.winpid(fenu))
    t.driver.click_child(liste["hwnd"], id=103)  # "&Baum"
    tree = t.driver.wait_child(liste["hwnd"], id=111)
    e2e.wait_for(lambda: t.driver.info(tree["hwnd"])["visible"], what="tree shown")
    # The base entry is selected and closed; Right opens it as a user would.
    [base] = t.driver.tree(tree["hwnd"])
    assert base["selected"] and not base["expanded"]
    t.focus_window(tree["hwnd"])
    t.key("Right")
    item = e2e.wait_for(lambda: next((i for i in t.driver.tree(tree["hwnd"]) if i["text"] == "Anrede"), None),
                        what="the base entry's children")
    t.driver.tvselect(tree["hwnd"], item["item"])
    t.capture(liste["hwnd"], "TfrmListe-tree")
    t.focus_window(tree["hwnd"])
    t.key("Return")
    assert target.wait_text(lambda text: text.startswith("Sehr geehrte Damen und Herren,"))
    t.driver.wait_gone(liste["hwnd"])


def test_sendkeys_types_the_block_and_asks_for_the_user_text(t):
    _, fenu, target = prepared(t, sendkeys=True, texts={ANREDE: "Hallo <<AnwenderText|Name?|Meier>>!"})
    t.key("Pause")
    mini = t.driver.wait_window(cls="TfrmMiniAuswahl", pid=t.winpid(fenu))
    t.focus_window(t.driver.child(mini["hwnd"], id=103)["hwnd"])
    t.type_text("anr")
    t.key("Return")
    ask = t.driver.wait_window(cls="TInputQuery", title="Anwender-Text", pid=t.winpid(fenu))
    edit = t.driver.child(ask["hwnd"], id=102)
    assert edit["text"] == "Meier"
    t.capture(ask["hwnd"], "Anwender-Text")
    t.driver.settext(edit["hwnd"], "Anna")
    t.driver.click_child(ask["hwnd"], id=1)
    assert target.wait_text("Hallo Anna!\r\n")


def test_sendkeys_types_characters_without_a_key_as_unicode(t):
    # Letters and signs of the text that no key of the layout types arrive all the same, with
    # the command characters around them still commands and no box in between.
    text = "Caf\xe9 f\xfcr 5 \u20ac: \u201eso\u2026\u201c {{}x{}}"
    _, fenu, target = prepared(t, sendkeys=True, texts={MFG: text})
    mini = type_block_by_abbreviation(t, fenu, "mfg")
    assert target.wait_text("Caf\xe9 f\xfcr 5 \u20ac: \u201eso\u2026\u201c {x}\r\n")
    t.driver.wait_gone(mini["hwnd"])
    assert t.driver.message_boxes(pid=t.winpid(fenu)) == []


def test_sendkeys_after_an_untypable_character_goes_on_in_the_target(t):
    # Nothing types a byte that cp1252 leaves undefined: the interpreter's box comes up in the
    # middle of the run. The rest of the block, line break included, must still arrive in the
    # target and nothing of it in the abbreviation window, where an Enter would look up an
    # abbreviation.
    _, fenu, target = prepared(t, sendkeys=True, texts={MFG: b"Siehe \x81 12\r\nIhr Team"})
    mini = type_block_by_abbreviation(t, fenu, "mfg")
    box = t.driver.wait_message_box(title="SendKeys", text="Invalid KeyName", pid=t.winpid(fenu))
    t.capture(box["hwnd"], "SendKeys-invalid-keyname")
    t.driver.press(box, "OK")
    assert target.wait_text("Siehe  12\r\nIhr Team\r\n")
    t.driver.wait_gone(mini["hwnd"])
    assert t.driver.message_boxes(pid=t.winpid(fenu)) == []


def test_search_window_works_by_keyboard(t):
    # The search window is modeless beside the selection window: Enter presses "Suchen", Tab
    # moves on, Escape closes it, all through the dialog manager of the loop that runs.
    _, fenu, target = prepared(t, texts={NOTIZ: "Bitte um Rueckruf"})
    pid = t.winpid(fenu)
    t.key("Print")
    liste = t.driver.wait_window(cls="TfrmListe", pid=pid)
    lv = t.driver.wait_child(liste["hwnd"], id=110)
    e2e.wait_for(lambda: len(t.driver.listview(lv["hwnd"])) == 4, what="the list")
    t.focus_window(lv["hwnd"])
    t.key("alt+u")  # "S&uchen"
    search = t.driver.wait_window(cls="TfrmSearch", title="Baustein suchen", pid=pid)
    keyword = t.driver.child(search["hwnd"], id=102)
    t.focus_window(keyword["hwnd"])
    t.type_text("rueckruf")
    t.key("Return")
    tree = t.driver.child(liste["hwnd"], id=111)

    def selected_in_tree():
        if not t.driver.info(tree["hwnd"])["visible"]:
            return None
        return next((i["text"] for i in t.driver.tree(tree["hwnd"]) if i["selected"]), None)
    assert e2e.wait_for(lambda: selected_in_tree() == "Notiz", what="the found block in the tree")
    assert t.driver.info(t.driver.child(search["hwnd"], id=105)["hwnd"])["check"] == 1  # "Aktuelle Position"
    t.capture(search["hwnd"], "TfrmSearch-found")

    # Tab leaves the keyword for the options, Shift+Tab comes back.
    t.key("Tab")
    e2e.wait_for(lambda: t.driver.focus(search["hwnd"])["focus"] not in (keyword["hwnd"], 0),
                 what="the focus on the next control")
    moved_to = t.driver.focus(search["hwnd"])["focus"]
    assert t.driver.info(moved_to)["root"] == search["hwnd"]
    t.key("shift+Tab")
    e2e.wait_for(lambda: t.driver.focus(search["hwnd"])["focus"] == keyword["hwnd"], what="the keyword again")

    # Enter again: no further block holds the word.
    t.key("Return")
    box = t.driver.wait_message_box(text='"rueckruf" konnte nicht gefunden werden.', pid=pid)
    t.driver.press(box, "OK")
    e2e.wait_for(lambda: t.driver.info(t.driver.child(search["hwnd"], id=104)["hwnd"])["check"] == 1,
                 what='"Datenbank-Anfang" chosen again')

    # Escape closes the search window as "Schliessen" does: the selection window keeps its tree.
    t.focus_window(keyword["hwnd"])
    t.key("Escape")
    t.driver.wait_gone(search["hwnd"])
    assert selected_in_tree() == "Notiz"
    t.focus_window(tree["hwnd"])
    t.key("Escape")
    t.driver.wait_gone(liste["hwnd"])
    assert target.text() == ""
