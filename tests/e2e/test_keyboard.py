"""The windows by keyboard alone, end to end: a walk through the management window without the
mouse (a folder and a block created, applied, deleted, saved, the window closed), and F1 opening
each window's help page."""

import json

import fenu_e2e as e2e
from test_management import open_management
from test_shell import CMD_HOTKEYS, start_quiet, shell_window

# TForm1's controls.
TV, TXT_FNAME, TXT_FSHORT, BTN_FOK = 210, 232, 234, 235
TXT_PNAME, TXT_PSHORT, TXT_PLONG, CBX_PSHOW, BTN_POK, MEMO = 242, 244, 246, 248, 249, 251
HELP_DEBUG = e2e.DEBUG_CHANNELS + ",+htmlhelp"


def focus(t):
    """What has the keyboard focus in the foreground window: (window class, control id)."""
    fg = t.driver.foreground()
    return fg.get("class"), fg.get("focusid")


def wait_focus(t, cls, control_id, what):
    e2e.wait_for(lambda: focus(t) == (cls, control_id), what=f"{what} (focus is {focus(t)})")


def enabled(t, form, control_id):
    return t.driver.info(t.driver.child(form["hwnd"], id=control_id)["hwnd"])["enabled"]


def answer_by_keys(t, fenu, text):
    """The "Neuer Eintrag" input box: its field has the focus; the name typed, then Enter."""
    box = t.driver.wait_window(cls="TInputQuery", title="Neuer Eintrag", pid=t.winpid(fenu))
    wait_focus(t, "TInputQuery", 102, "the input box's field")
    t.type_text(text)
    t.key("Return")
    t.driver.wait_gone(box["hwnd"])


def dump(t, app):
    program = t.start(t.session.build_dir / "fenu-cli.exe", "db", "dump",
                      e2e.winpath(app / "Daten" / "DBDummy.bdb"), cwd=t.dir, debug="-all", name="dump")
    assert program.wait_exit(30) == 0
    return json.loads((t.dir / "dump.stdout").read_bytes().decode("utf-8"))


def test_management_window_by_keyboard_alone(t):
    app, fenu = start_quiet(t)
    d = t.driver
    open_management(t, fenu)
    box = d.wait_message_box(title="Fehler", pid=t.winpid(fenu))
    t.focus_window(box["hwnd"])
    t.key("Return")
    form = d.wait_window(cls="TForm1")
    tree = d.child(form["hwnd"], id=TV)["hwnd"]
    t.focus_window(tree)

    # Alt+R: "Neuer Ordner"; the new folder's name field takes the focus.
    t.key("alt+r")
    answer_by_keys(t, fenu, "Briefe")
    wait_focus(t, "TForm1", TXT_FNAME, "the new folder's name")
    # Tab to its quick key; Enter in the field applies.
    t.key("Tab")
    wait_focus(t, "TForm1", TXT_FSHORT, "the folder's quick key")
    t.type_text("b")
    e2e.wait_for(lambda: enabled(t, form, BTN_FOK), what="folder edit pending")
    t.key("Return")
    e2e.wait_for(lambda: not enabled(t, form, BTN_FOK), what="folder applied by Enter")
    assert focus(t) == ("TForm1", TXT_FSHORT)

    # Alt+S: "Neuer Baustein", beside nothing but in the folder.
    t.key("alt+s")
    answer_by_keys(t, fenu, "Gruss")
    wait_focus(t, "TForm1", TXT_PNAME, "the new block's name")
    t.key("alt+z")  # "Kürzel"
    wait_focus(t, "TForm1", TXT_PLONG, "the abbreviation")
    t.type_text("gr")
    t.key("alt+x")  # "Baustein-Text"
    wait_focus(t, "TForm1", MEMO, "the block text")
    t.type_text("Hallo Welt")
    # Tab by Tab from the name to "Übernehmen", pressed with Enter: it disables itself and the
    # tree takes the focus.
    t.key("alt+n")
    wait_focus(t, "TForm1", TXT_PNAME, "the block's name")
    for control in (TXT_PSHORT, TXT_PLONG, CBX_PSHOW, BTN_POK):
        t.key("Tab")
        wait_focus(t, "TForm1", control, f"control {control} by Tab")
    t.key("Return")
    e2e.wait_for(lambda: not enabled(t, form, BTN_POK), what="block applied by Enter on the button")
    wait_focus(t, "TForm1", TV, "the tree after applying")
    texts = list((app / "Daten" / "Bausteine").glob("*.txt"))
    assert [p.read_bytes() for p in texts] == [b"Hallo Welt"]

    # F10 and Alt open the menu bar while the tree has the focus; Escape leaves it.
    for key in ("F10", "alt"):
        t.key(key)
        e2e.wait_for(lambda: d.foreground().get("inmenu"), what=f"menu bar by {key}")
        t.key("Escape")
        e2e.wait_for(lambda: not d.foreground().get("inmenu"), what="menu bar left")
        wait_focus(t, "TForm1", TV, "the tree again")

    # Del in the tree asks as "Löschen" does; Enter answers "Ja".
    t.key("Delete")
    ask = d.wait_message_box(title="Bestätigung", pid=t.winpid(fenu))
    assert ask["text"] == 'Der Baustein "Gruss" wurde zum Löschen ausgewählt! Der Vorgang ist unwideruflich! Fortfahren?'
    t.key("Return")
    d.wait_gone(ask["hwnd"])
    e2e.wait_for(lambda: [i["text"] for i in d.tree(tree)] == ["DBDummy", "Briefe"], what="block deleted")
    wait_focus(t, "TForm1", TV, "the tree after deleting")

    # Enter presses a button that has the focus, however it got there; Escape cancels the box.
    t.focus_window(d.child(form["hwnd"], id=211)["hwnd"])  # "Neuer Ordner"
    t.key("Return")
    box = d.wait_window(cls="TInputQuery", title="Neuer Eintrag", pid=t.winpid(fenu))
    t.key("Escape")
    d.wait_gone(box["hwnd"])
    t.focus_window(tree)

    # Alt+D, S: "Datei", "Datenbank speichern"; the deleted block's text goes with the save.
    t.key("alt+d")
    e2e.wait_for(lambda: d.foreground().get("inmenu"), what="Datei opened")
    t.key("s")
    e2e.wait_for(lambda: not any(p.exists() for p in texts), what="deletion saved")
    [root] = dump(t, app)
    [folder] = root["children"]
    assert (folder["caption"], folder["data"]["QuickKey"], folder["children"]) == ("Briefe", "B", [])

    # Alt+F4 with the tree focused closes the window; nothing is left to ask about.
    wait_focus(t, "TForm1", TV, "the tree after saving")
    t.key("alt+F4")
    d.wait_gone(form["hwnd"])
    assert d.message_boxes(pid=t.winpid(fenu)) == []
    assert fenu.running


def help_topics(program, since):
    """The help pages the viewer was asked to show (from Wine's htmlhelp trace) after since."""
    out = []
    for line in program.stderr().splitlines()[since:]:
        if ":htmlhelp:" in line and "Fenu.chm::/" in line:
            out.append(line.split("Fenu.chm::/", 1)[1].split(".htm", 1)[0] + ".htm")
    return out


def press_f1(t, fenu, control_hwnd, topic):
    """F1 with the focus on a control opens the help viewer at topic."""
    t.focus_window(control_hwnd)
    since = len(fenu.stderr().splitlines())
    t.key("F1")
    e2e.wait_for(lambda: topic in help_topics(fenu, since), what=f"help page {topic}")
    viewer = t.driver.wait_window(title="quenlia:FENU Hilfe", pid=t.winpid(fenu))
    t.driver.post(viewer["hwnd"], e2e.WM_CLOSE)
    t.driver.wait_gone(viewer["hwnd"])


def test_f1_opens_the_help_page_of_each_window(t):
    app = t.make_appdir(ini="[Main]\nTaskbar=-1\n[ShowMessage]\nRightClick=0\n")
    fenu = t.start(app / "Fenu.exe", cwd=app, name="fenu", debug=HELP_DEBUG)
    t.wait_tray_icon()
    d = t.driver

    d.post(shell_window(t, fenu)["hwnd"], e2e.WM_COMMAND, CMD_HOTKEYS, 0)
    hk = d.wait_window(cls="TfrmHotkey")
    press_f1(t, fenu, d.child(hk["hwnd"], id=101)["hwnd"], "hotkey.htm")
    d.click_child(hk["hwnd"], id=2)
    d.wait_gone(hk["hwnd"])

    open_management(t, fenu)
    d.press(d.wait_message_box(title="Fehler", pid=t.winpid(fenu)), "OK")
    form = d.wait_window(cls="TForm1")
    press_f1(t, fenu, d.child(form["hwnd"], id=TV)["hwnd"], "verwaltung.htm")
    # A dialog without a page of its own shows its owner's; the options have their own.
    d.post(form["hwnd"], e2e.WM_COMMAND, 351, 0)  # "Über quenlia:Fenu"
    info = d.wait_window(cls="TfrmInfo")
    press_f1(t, fenu, d.child(info["hwnd"], id=1)["hwnd"], "verwaltung.htm")
    d.click_child(info["hwnd"], id=1)
    d.wait_gone(info["hwnd"])
    d.post(form["hwnd"], e2e.WM_COMMAND, 340, 0)  # "Optionen"
    options = d.wait_window(cls="TfrmOptions")
    press_f1(t, fenu, d.child(options["hwnd"], id=103)["hwnd"], "optionen.htm")
    d.click_child(options["hwnd"], id=2)
    d.wait_gone(options["hwnd"])

