"""The favourite folders of Fenu.exe end to end: hotkey 4 and the tray menu, the list file and
its settings, editing in the grid, a column dragged wider, adding through the folder dialog and
the explorer started with the right arguments (read from the shell service's debug line)."""

import re

import fenu_e2e as e2e
from test_shell import QUIET_INI, read_ini, start_quiet, wait_ini

MENU_FAVOURITES = 3

# TfrmFavFolder's controls; Label4 sits on the heading strip.
GRID, BTN_ADD, BTN_DELETE, CHECKBOX, STATUS, LABEL4 = 101, 102, 103, 104, 105, 109
BTN_FOLDER, BTN_SCHLIESSEN = 1, 2
LVM_GETCOLUMNWIDTH = 0x101D
BM_GETCHECK = 0x00F0

HEADER = b"Bezeichnung\tPfad\t\r\n"
PREPARED = HEADER + b"Dokumente\tC:\\Users\\Anna\\Dokumente\t\r\nProjekte\tD:\\Projekte\t\r\n"


def favourites_file(app):
    return app / "Daten" / "Fafo.fdb"


def wait_file(path, expected):
    e2e.wait_for(lambda: path.is_file() and path.read_bytes() == expected,
                 what=f"{path.name} to hold {expected!r}")


def open_window(t, fenu):
    return t.driver.wait_window(cls="TfrmFavFolder", title="Ordner-Favoriten", pid=t.winpid(fenu))


def rows(t, fav):
    return [item["texts"] for item in t.driver.listview(t.driver.child(fav["hwnd"], id=GRID)["hwnd"])]


def column_width(t, grid, column):
    return t.driver.send(grid, LVM_GETCOLUMNWIDTH, column, 0)["result"]


def shell_requests(program, since=0):
    """(target, arguments, window state) of every shell request the program reported."""
    out = []
    for line in program.debug_lines()[since:]:
        m = re.fullmatch(r'fenu: shell "(.*)" "(.*)" (\w+)', line, re.S)
        if m:
            out.append(m.groups())
    return out


def prepared_appdir(t, ini=QUIET_INI, content=PREPARED):
    app = t.make_appdir(ini=ini)
    favourites_file(app).parent.mkdir()
    favourites_file(app).write_bytes(content)
    return app


def test_hotkey_4_opens_a_fresh_list_and_closing_writes_it(t):
    app, fenu = start_quiet(t)
    d = t.driver
    target = t.start_target()
    target.focus()
    mark = fenu.debug_mark()
    t.key("ctrl+KP_0")
    fenu.wait_debug(r"^fenu: hotkey slot=4 ", since=mark)
    fav = open_window(t, fenu)
    assert rows(t, fav) == [["", ""]]
    assert d.child(fav["hwnd"], id=LABEL4)["text"].strip() == "HotKey: Strg + N0"
    assert d.send(d.child(fav["hwnd"], id=CHECKBOX)["hwnd"], BM_GETCHECK, 0, 0)["result"] == 0
    # The grid has the keyboard, so Escape closes ("Schliessen" is the cancel button).
    grid = d.child(fav["hwnd"], id=GRID)["hwnd"]
    t.focus_window(grid)
    t.capture(fav["hwnd"], "TfrmFavFolder-fresh")
    t.key("Escape")
    d.wait_gone(fav["hwnd"])

    wait_file(favourites_file(app), HEADER + b"\t\t\r\n")
    wait_ini(app, "Main", "Col1", "300")
    ini = read_ini(app / "fenu.ini")
    assert (ini["Main"]["ExpoTree"], ini["Main"]["Col0"]) == ("0", "100")
    assert fenu.running


def test_prepared_list_edited_by_typing_and_a_wider_column_are_kept(t):
    app = prepared_appdir(t)
    fenu = t.start_fenu(app)
    t.wait_tray_icon()
    d = t.driver
    t.click_tray_icon(0, button=1)
    t.choose_from_menu(MENU_FAVOURITES)
    fav = open_window(t, fenu)
    assert rows(t, fav) == [["Dokumente", "C:\\Users\\Anna\\Dokumente"], ["Projekte", "D:\\Projekte"]]

    # Down to the second folder, type a new name over it, Enter ends the editing.
    grid = d.child(fav["hwnd"], id=GRID)["hwnd"]
    t.focus_window(grid)
    t.key("Down")
    t.type_text("Archiv")
    t.key("Return")
    e2e.wait_for(lambda: rows(t, fav)[1] == ["Archiv", "D:\\Projekte"], what="the edited name")
    assert d.find_windows(cls="TfrmFavFolder")  # Enter while editing does not open anything

    # F2 edits the path in place; Escape gives the old text back.
    t.key("Right", "F2")
    t.type_text("X")
    t.key("Escape")
    e2e.wait_for(lambda: rows(t, fav)[1] == ["Archiv", "D:\\Projekte"], what="the path unchanged")
    assert d.find_windows(cls="TfrmFavFolder")

    # The first column's divider in the header, dragged 60 pixels to the right.
    header = d.child(grid, cls="SysHeader32")
    width = column_width(t, grid, 0)
    x = header["rect"]["left"] + width - 1
    y = (header["rect"]["top"] + header["rect"]["bottom"]) // 2
    t.move_to(x, y)
    t.xdotool("mousedown", "1")
    for step in (20, 40, 60):
        t.move_to(x + step, y)
    t.xdotool("mouseup", "1")
    e2e.wait_for(lambda: column_width(t, grid, 0) >= width + 50, what="a wider first column")
    dragged = column_width(t, grid, 0)

    # The status line shows the hint of the control under the pointer.
    button = d.child(fav["hwnd"], id=BTN_FOLDER)["rect"]
    t.move_to((button["left"] + button["right"]) // 2, (button["top"] + button["bottom"]) // 2)
    e2e.wait_for(lambda: d.child(fav["hwnd"], id=STATUS)["text"] ==
                 "Ausgewählten Ordner im Explorer öffnen", what="the button's hint")
    t.capture(fav["hwnd"], "TfrmFavFolder")

    d.click_child(fav["hwnd"], id=BTN_SCHLIESSEN)
    d.wait_gone(fav["hwnd"])
    wait_file(favourites_file(app),
              HEADER + b"Dokumente\tC:\\Users\\Anna\\Dokumente\t\r\nArchiv\tD:\\Projekte\t\r\n")
    wait_ini(app, "Main", "Col0", str(dragged))
    assert read_ini(app / "fenu.ini")["Main"]["Col1"] == "300"

    # The next opening shows the list and the width as they were left.
    t.click_tray_icon(0, button=1)
    t.choose_from_menu(MENU_FAVOURITES)
    fav = open_window(t, fenu)
    assert rows(t, fav)[1] == ["Archiv", "D:\\Projekte"]
    assert column_width(t, d.child(fav["hwnd"], id=GRID)["hwnd"], 0) == dragged
    d.click_child(fav["hwnd"], id=BTN_SCHLIESSEN)
    d.wait_gone(fav["hwnd"])


def test_explorer_starts_with_the_path_and_with_the_tree_when_checked(t):
    # Folders that do not exist: Wine's explorer then ends without a window, or shows its desktop
    # when asked for the tree (the test's end closes it).
    app = prepared_appdir(t)
    fenu = t.start_fenu(app)
    t.wait_tray_icon()
    d = t.driver

    # The first folder through the "Explorer" button, without the tree.
    t.click_tray_icon(0, button=1)
    t.choose_from_menu(MENU_FAVOURITES)
    fav = open_window(t, fenu)
    d.click_child(fav["hwnd"], id=BTN_FOLDER)
    d.wait_gone(fav["hwnd"])
    e2e.wait_for(lambda: shell_requests(fenu) ==
                 [("explorer.exe", "C:\\Users\\Anna\\Dokumente", "maximized")],
                 what="the explorer's arguments")

    # The second one with Enter in the grid, the tree switched on with its mnemonic.
    t.click_tray_icon(0, button=1)
    t.choose_from_menu(MENU_FAVOURITES)
    fav = open_window(t, fenu)
    grid = d.child(fav["hwnd"], id=GRID)["hwnd"]
    t.focus_window(grid)
    t.key("alt+b")
    e2e.wait_for(lambda: d.send(d.child(fav["hwnd"], id=CHECKBOX)["hwnd"], BM_GETCHECK, 0, 0)
                 ["result"] == 1, what="the tree checked")
    t.focus_window(grid)
    t.key("Down", "Return")
    d.wait_gone(fav["hwnd"])
    e2e.wait_for(lambda: shell_requests(fenu)[1:] ==
                 [("explorer.exe", "/n,/e,D:\\Projekte", "maximized")], what="the second request")
    wait_ini(app, "Main", "ExpoTree", "1")
    assert favourites_file(app).read_bytes() == PREPARED
    assert d.find_windows(cls="TfrmFavFolder") == [] and fenu.running


def test_adding_through_the_folder_dialog_removing_and_help(t):
    app = prepared_appdir(t, content=HEADER + b"Dokumente\tC:\\Dokumente\t\r\n")
    fenu = t.start_fenu(app)
    t.wait_tray_icon()
    d = t.driver
    t.click_tray_icon(0, button=1)
    t.choose_from_menu(MENU_FAVOURITES)
    fav = open_window(t, fenu)

    # The platform's dialog opens on the desktop, which is a folder of the file system.
    d.click_child(fav["hwnd"], id=BTN_ADD)
    browse = d.wait_window(cls="#32770", owner=fav["hwnd"])
    assert d.find_child(browse["hwnd"], text="Ordner auswählen") is not None
    t.capture(browse["hwnd"], "browse-for-folder")
    d.click_child(browse["hwnd"], id=1)
    d.wait_gone(browse["hwnd"])
    e2e.wait_for(lambda: len(rows(t, fav)) == 2, what="the added folder")
    name, path = rows(t, fav)[1]
    assert path.lower().endswith("\\" + name.lower()) and ":\\" in path

    # "Entfernen" takes the current row, but never the last one.
    d.click_child(fav["hwnd"], id=BTN_DELETE)
    e2e.wait_for(lambda: rows(t, fav) == [[name, path]], what="the first row removed")
    d.click_child(fav["hwnd"], id=BTN_DELETE)
    assert rows(t, fav) == [[name, path]]

    # F1 opens the favourites' page of the help file.
    t.focus_window(d.child(fav["hwnd"], id=GRID)["hwnd"])
    t.key("F1")
    viewer = d.wait_window(title="quenlia:FENU Hilfe", pid=t.winpid(fenu))
    d.post(viewer["hwnd"], e2e.WM_CLOSE)
    d.wait_gone(viewer["hwnd"])

    d.click_child(fav["hwnd"], id=BTN_SCHLIESSEN)
    d.wait_gone(fav["hwnd"])
    expected = HEADER + f"{name}\t{path}\t\r\n".encode("cp1252")
    wait_file(favourites_file(app), expected)


def test_an_unreadable_list_is_reported_and_left_alone(t):
    app = t.make_appdir(ini=QUIET_INI)
    # A folder where the file should be.
    (favourites_file(app) / "inhalt").mkdir(parents=True)
    fenu = t.start_fenu(app)
    t.wait_tray_icon()
    d = t.driver
    t.click_tray_icon(0, button=1)
    t.choose_from_menu(MENU_FAVOURITES)
    box = d.wait_message_box(title="Fehler", pid=t.winpid(fenu))
    assert box["text"].startswith('Die Favoritenliste "') and "kann nicht gelesen werden" in box["text"]
    d.press(box, "OK")
    fav = open_window(t, fenu)
    assert rows(t, fav) == [["", ""]]
    d.click_child(fav["hwnd"], id=BTN_SCHLIESSEN)
    d.wait_gone(fav["hwnd"])
    wait_ini(app, "Main", "Col0", "100")
    assert (favourites_file(app) / "inhalt").is_dir()
    assert d.message_boxes(pid=t.winpid(fenu)) == []
    assert fenu.running
