"""Windows that move to a screen of another DPI. The driver sends WM_DPICHANGED as the system does
(the new DPI and a suggested window rectangle that keeps the client area in proportion); each
window must then be laid out as if it had opened at that DPI (every control's place within a
pixel, the same fonts, list columns in proportion), cut no text that it showed whole at 96 DPI,
and be as before once it is moved back. Pictures of each step are kept among the artefacts."""

import re

import fenu_e2e as e2e
from test_favourites import GRID, column_width, prepared_appdir
from test_password import CMD_VERWALTUNG
from test_screenshots import FIXTURE, Album, kunden_appdir, visible_child
from test_shell import QUIET_INI, shell_window

CMD_CALENDAR, CMD_FAVOURITES, CMD_BEENDEN = 1003, 1004, 1007
TV, MEMO = 210, 251  # TForm1
KALENDER = 107  # TfrmCalendar's month grid


def scaled(value, from_dpi, to_dpi):
    """As MulDiv rounds (the values here are never negative)."""
    return (value * to_dpi + from_dpi // 2) // from_dpi


def layout(d, hwnd):
    """The client size and each control's rectangle in the window's client area, by the ids of
    its parent and itself and its class (labels on a heading strip are the strip's children)."""
    client = d.info(hwnd)["client"]
    ids = {hwnd: 0}
    controls = {}
    for c in d.children(hwnd):
        ids[c["hwnd"]] = c["id"]
        if c["parent"] not in ids:  # the parts of the system's controls: a list's header, ...
            continue
        r = c["rect"]
        controls[(ids[c["parent"]], c["id"], c["class"])] = (
            r["left"] - client["left"], r["top"] - client["top"],
            r["right"] - client["left"], r["bottom"] - client["top"])
    return {"client": (client["right"] - client["left"], client["bottom"] - client["top"]),
            "controls": controls}


# Wine's up-down control takes the width of a scroll bar's arrow when it is created, whatever
# width it was created with; later it keeps the width it is given.
SIZED_BY_WINE_AT_CREATION = {"msctls_updown32"}


def assert_laid_out_as(got, expected, what):
    problems = []
    if got["client"] != expected["client"]:
        problems.append(f"client area {got['client']}, expected {expected['client']}")
    if got["controls"].keys() != expected["controls"].keys():
        problems.append(f"controls {sorted(got['controls'])}, expected {sorted(expected['controls'])}")
    for key, rect in got["controls"].items():
        want = expected["controls"].get(key)
        edges = (0, 1, 3) if key[2] in SIZED_BY_WINE_AT_CREATION else (0, 1, 2, 3)
        if want and any(abs(rect[i] - want[i]) > 1 for i in edges):
            problems.append(f"{key}: {rect}, expected {want}")
    assert not problems, f"{what}:\n" + "\n".join(problems)


def move_to(t, hwnd, from_dpi, to_dpi):
    """WM_DPICHANGED with the window's rectangle grown or shrunk around its client area, moved
    up and left where it would leave the screen (its picture is taken from the screen)."""
    w = t.driver.info(hwnd)
    r, c = w["rect"], w["client"]
    width = (r["right"] - r["left"]) - (c["right"] - c["left"]) + scaled(c["right"] - c["left"], from_dpi, to_dpi)
    height = (r["bottom"] - r["top"]) - (c["bottom"] - c["top"]) + scaled(c["bottom"] - c["top"], from_dpi, to_dpi)
    screen_width, screen_height = (int(n) for n in t.session.screen.split("x")[:2])
    left = max(0, min(r["left"], screen_width - width))
    top = max(0, min(r["top"], screen_height - height))
    answer = t.driver.dpichanged(hwnd, to_dpi, (left, top, left + width, top + height))
    assert not answer["timeout"]


def cut_control(line):
    """The control and text of a line of Album.cut, without the window and the sizes."""
    line = re.sub(r"^\S+: fenu: cut \S+ ", "", line)
    return re.sub(r" needs \d+x\d+, has \d+x\d+$", "", line)


def differing_pixels(a, b):
    """How many pixels two pictures differ in; None when their sizes differ."""
    result = e2e.host_run(["compare", "-metric", "AE", str(a), str(b), "null:"], check=False)
    words = result.stderr.split()
    return int(float(words[0])) if result.returncode in (0, 1) and words else None


def quit_fenu(t, fenu, window):
    t.driver.post(window["hwnd"], e2e.WM_CLOSE)
    t.driver.wait_gone(window["hwnd"])
    t.driver.post(shell_window(t, fenu)["hwnd"], e2e.WM_COMMAND, CMD_BEENDEN, 0)
    assert fenu.wait_exit(10) == 0


def check_moves(t, name, make_app, open_window, same_picture=None):
    """The window as it opens at 144 DPI; then opened at 96, moved to 144 and back. The control
    same_picture (an id) must then look as it does in the window opened at 144 DPI."""
    fenu = t.start_fenu(make_app(), dpi=144)
    window = open_window(t, fenu)
    at_144 = layout(t.driver, window["hwnd"])
    if same_picture:
        opened = t.capture(t.driver.child(window["hwnd"], id=same_picture)["hwnd"],
                           f"{name}-{same_picture}-opened-at-144-dpi")
    quit_fenu(t, fenu, window)

    fenu = t.start_fenu(make_app())
    album = Album(t, fenu)
    window = open_window(t, fenu)
    hwnd = window["hwnd"]
    at_96 = layout(t.driver, hwnd)
    album.take(hwnd, f"{name}-at-96-dpi")
    cut_at_96 = {cut_control(line) for line in album.cut}
    move_to(t, hwnd, 96, 144)
    assert_laid_out_as(layout(t.driver, hwnd), at_144, f"{name} moved to 144 DPI")
    album.take(hwnd, f"{name}-moved-to-144-dpi")
    if same_picture:
        moved = t.capture(t.driver.child(hwnd, id=same_picture)["hwnd"], f"{name}-{same_picture}-moved-to-144-dpi")
        assert differing_pixels(moved, opened) == 0, f"{moved.name} differs from {opened.name}"
    move_to(t, hwnd, 144, 96)
    assert_laid_out_as(layout(t.driver, hwnd), at_96, f"{name} moved back to 96 DPI")
    album.take(hwnd, f"{name}-back-at-96-dpi")
    newly_cut = [line for line in album.cut if cut_control(line) not in cut_at_96]
    assert not newly_cut, "texts cut that were whole at 96 DPI:\n" + "\n".join(newly_cut)
    return fenu, window


def from_shell(command, cls):
    def open_window(t, fenu):
        t.wait_tray_icon()
        t.driver.post(shell_window(t, fenu)["hwnd"], e2e.WM_COMMAND, command, 0)
        return t.driver.wait_window(cls=cls, pid=t.winpid(fenu))
    return open_window


def test_the_calendar_moved_to_144_dpi_is_laid_out_as_opened_there(t):
    # A window laid out at fixed places, with spin buttons, a status bar and the month grid,
    # which paints its frames for the DPI it is told.
    check_moves(t, "TfrmCalendar", lambda: t.make_appdir(ini=QUIET_INI),
                from_shell(CMD_CALENDAR, "TfrmCalendar"), same_picture=KALENDER)


def test_the_management_window_moved_to_144_dpi_is_laid_out_as_opened_there(t):
    # A resizable window with a menu bar, a tree with pictures and the block's text in its font.
    def open_on_a_block(t, fenu):
        window = from_shell(CMD_VERWALTUNG, "TForm1")(t, fenu)
        d = t.driver
        tv = d.child(window["hwnd"], id=TV)["hwnd"]
        item = next(i for i in d.tree(tv) if i["text"] == "Anrede")
        d.tvselect(tv, item["item"])
        visible_child(t, window["hwnd"], id=MEMO)
        return window

    assert FIXTURE.is_dir()
    check_moves(t, "TForm1", lambda: kunden_appdir(t), open_on_a_block)


def test_the_favourites_grid_moved_to_144_dpi_keeps_its_columns_in_proportion(t):
    _, window = check_moves(t, "TfrmFavFolder", lambda: prepared_appdir(t),
                               from_shell(CMD_FAVOURITES, "TfrmFavFolder"))
    grid = t.driver.child(window["hwnd"], id=GRID)["hwnd"]
    at_96 = [column_width(t, grid, column) for column in (0, 1)]
    move_to(t, window["hwnd"], 96, 144)
    assert [column_width(t, grid, column) for column in (0, 1)] == [scaled(w, 96, 144) for w in at_96]
    move_to(t, window["hwnd"], 144, 96)
    assert [column_width(t, grid, column) for column in (0, 1)] == at_96
