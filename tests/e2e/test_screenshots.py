"""Every window of the program at 96 and at 144 DPI: a picture of each, kept among the artefacts
(the 96-DPI ones are the README's screenshots, see tests/e2e/README.md), and no control whose
text is cut. The program checks its own controls when asked (REPORT_LAYOUT): each text measured
in the control's font against the room the control gives it."""

import base64
import shutil

import fenu_e2e as e2e
from test_password import CMD_VERWALTUNG, base_only, password_record
from test_shell import CMD_HOTKEYS, QUIET_INI, shell_window

REPORT_LAYOUT = 0x8000 + 0x3F00
FIXTURE = e2e.REPO / "tests" / "fixtures" / "store" / "Kunden"
ANREDE = "0912261405123.txt"  # Kunden > Anrede, abbreviation "anr"
PROMPTING_TEXT = ("Hallo <<AnwenderText|Wie heißt der Kunde?|Meier>>, <<Auswahl|Anrede>>\r\n"
                  "<<Optional|PS: Danke für Ihre Geduld.>>")
# TForm1
TV, ADD_FOLDER, BTN_VARIABLE, BTN_PREVIEW = 210, 211, 252, 253
MNU_OPTIONS, MNU_ABOUT = 340, 351
# TfrmVariables: list entries and controls
ITEM_DATUM_NORMAL, ITEM_ANWENDERTEXT, ITEM_BAUSTEINTEXT, ITEM_AUSWAHL, ITEM_OPTIONAL = 1, 13, 14, 17, 18
VAR_LISTBOX, CBX_VARIABLE, SB_EDITITEM = 102, 131, 136
# TfrmListe and TfrmMiniAuswahl
BTN_TREE, BTN_PREVIEW_ON, BTN_SUCHEN, LV_LINK = 103, 105, 107, 110
TXT_KURZ, SPEED_BUTTON = 103, 104
OK, CANCEL = 1, 2
CMD_CALENDAR, CMD_FAVOURITES = 1003, 1004
# TfrmVerwaltung, opened from the tray menu
ARCHIVE_FIXTURE = e2e.REPO / "tests" / "fixtures" / "archive" / "Kanzlei"
CMD_ARCHIVE, MNU_KEYWORDS, ARCHIVE_NAME = 1002, 430, 231


class Album:
    """Pictures of the windows of one program, and what its layout checks found cut."""

    def __init__(self, t, fenu):
        self.t = t
        self.fenu = fenu
        self.cut: list[str] = []

    def take(self, hwnd: int, name: str) -> None:
        mark = self.fenu.debug_mark()
        self.t.driver.post(hwnd, REPORT_LAYOUT)
        self.fenu.wait_debug(r"^fenu: layout \S+ checked, \d+ cut$", since=mark)
        self.cut += [f"{name}: {line}" for line in self.fenu.debug_lines()[mark:]
                     if line.startswith("fenu: cut ")]
        self.t.capture(hwnd, name)

    def window(self, name: str, **criteria) -> dict:
        """Waits for a window of the program, takes its picture and answers it."""
        w = self.t.driver.wait_window(pid=self.t.winpid(self.fenu), **criteria)
        self.take(w["hwnd"], name)
        return w

    def assert_nothing_cut(self) -> None:
        assert not self.cut, "texts cut:\n" + "\n".join(self.cut)


def visible_child(t, hwnd, **criteria):
    c = t.driver.wait_child(hwnd, **criteria)
    e2e.wait_for(lambda: t.driver.info(c["hwnd"])["visible"], what=f"{criteria} shown")
    return c


def close_with(t, w, button_id):
    t.driver.click_child(w["hwnd"], id=button_id)
    t.driver.wait_gone(w["hwnd"])


def kunden_appdir(t):
    """A program folder with the Kunden database in Daten\\ (found in portable mode), a block that
    prompts, and a choice variable "Anrede"; no windows at start."""
    app = t.make_appdir(ini=QUIET_INI.replace("[Main]\n", "[Main]\nStick=1\nCurrentDB=Kunden.bdb\n"
                                              "CurDirectDB=Kunden.kdb\n"))
    shutil.copytree(FIXTURE, app / "Daten")
    (app / "Daten" / "Bausteine" / ANREDE).write_bytes(PROMPTING_TEXT.encode("cp1252"))
    values = base64.b64encode(b"Herr,Frau").decode("ascii")
    (app / "Daten" / "Auswahl.vdb").write_bytes(f"[Anrede]\r\nVal={values}\r\nRestrict=1\r\n".encode("cp1252"))
    return app


def archive_windows(t, dpi):
    # The Kanzlei archive: the window on a text, and a keyword search window at the tree.
    app = t.make_appdir(ini=QUIET_INI)
    shutil.copytree(ARCHIVE_FIXTURE, app / "Daten")
    fenu = t.start_fenu(app, dpi=dpi)
    t.wait_tray_icon()
    d = t.driver
    album = Album(t, fenu)
    d.post(shell_window(t, fenu)["hwnd"], e2e.WM_COMMAND, CMD_ARCHIVE, 0)
    form = album.window("TfrmVerwaltung-root", cls="TfrmVerwaltung")
    h = form["hwnd"]
    tv = d.child(h, id=TV)["hwnd"]
    item = next(i for i in d.tree(tv) if i["text"] == "Angebot Müller")
    d.tvselect(tv, item["item"])
    e2e.wait_for(lambda: d.child(h, id=ARCHIVE_NAME)["text"] == "Angebot Müller", what="the text shown")
    album.take(h, "TfrmVerwaltung")
    d.post(h, e2e.WM_COMMAND, MNU_KEYWORDS, 0)
    close_with(t, album.window("TfrmKeywords", cls="TfrmKeywords"), CANCEL)
    d.post(h, e2e.WM_CLOSE)
    d.wait_gone(h)
    album.assert_nothing_cut()


def shell_windows(t, dpi):
    # The first start: the introduction, then the reminder. A password guards the management.
    app = t.make_appdir(ini="[Main]\nStick=1\n")
    (app / "Daten").mkdir()
    (app / "Daten" / "Standard.adb").write_bytes(base_only("Standard"))
    (app / "Daten" / "Standard.zug").write_bytes(password_record("Geheim"))
    fenu = t.start_fenu(app, dpi=dpi)
    album = Album(t, fenu)
    close_with(t, album.window("TfrmTaskbar", cls="TfrmTaskbar"), CANCEL)
    close_with(t, album.window("TfrmIniMessage", cls="TfrmIniMessage"), OK)

    t.driver.post(shell_window(t, fenu)["hwnd"], e2e.WM_COMMAND, CMD_HOTKEYS, 0)
    close_with(t, album.window("TfrmHotkey", cls="TfrmHotkey"), CANCEL)

    t.driver.post(shell_window(t, fenu)["hwnd"], e2e.WM_COMMAND, CMD_VERWALTUNG, 0)
    close_with(t, album.window("TPasswordDlg", cls="TPasswordDlg"), CANCEL)
    album.assert_nothing_cut()


def management_windows(t, dpi):
    app = kunden_appdir(t)
    fenu = t.start_fenu(app, dpi=dpi)
    t.wait_tray_icon()
    d = t.driver
    album = Album(t, fenu)
    d.post(shell_window(t, fenu)["hwnd"], e2e.WM_COMMAND, CMD_VERWALTUNG, 0)
    form = album.window("TForm1-root", cls="TForm1")
    h = form["hwnd"]
    tv = d.child(h, id=TV)["hwnd"]

    def select(caption):
        item = next(i for i in d.tree(tv) if i["text"] == caption)
        d.tvselect(tv, item["item"])
        e2e.wait_for(lambda: next(i for i in d.tree(tv) if i["text"] == caption)["selected"],
                     what=f"{caption} selected")

    select("Briefe")
    visible_child(t, h, id=234)  # txtFShort
    album.take(h, "TForm1-folder")
    select("Anrede")
    visible_child(t, h, id=251)  # Memo1
    album.take(h, "TForm1-block")

    d.click_child(h, id=ADD_FOLDER)
    close_with(t, album.window("TInputQuery", cls="TInputQuery"), CANCEL)

    # The variable editor on each of its pages, and the value list of a choice.
    d.click_child(h, id=BTN_VARIABLE)
    editor = album.window("TfrmVariables-start", cls="TfrmVariables")
    items = d.child(editor["hwnd"], id=VAR_LISTBOX)["hwnd"]
    for index, name, shown in ((ITEM_DATUM_NORMAL, "date", 116), (ITEM_ANWENDERTEXT, "prompt", 111),
                               (ITEM_BAUSTEINTEXT, "block", 120), (ITEM_AUSWAHL, "choice", CBX_VARIABLE),
                               (ITEM_OPTIONAL, "optional", 142)):
        d.lbselect(items, index)
        visible_child(t, editor["hwnd"], id=shown)
        album.take(editor["hwnd"], f"TfrmVariables-{name}")
        if index == ITEM_AUSWAHL:
            e2e.wait_for(lambda: d.child(editor["hwnd"], id=CBX_VARIABLE)["text"] == "Anrede",
                         what="the choice variable")
            d.click_child(editor["hwnd"], id=SB_EDITITEM)
            close_with(t, album.window("TfrmStringListe", cls="TfrmStringListe"), CANCEL)
    close_with(t, editor, CANCEL)

    d.click_child(h, id=BTN_PREVIEW)
    # The block's prompts come first, as they would when it is inserted.
    close_with(t, album.window("TInputQuery-prompt", cls="TInputQuery", title="Anwender-Text"), OK)
    close_with(t, album.window("TfrmVarAuswahl", cls="TfrmVarAuswahl"), OK)
    close_with(t, album.window("TfrmOptText", cls="TfrmOptText"), OK)
    close_with(t, album.window("TfrmMemo", cls="TfrmMemo"), CANCEL)

    d.post(h, e2e.WM_COMMAND, MNU_OPTIONS, 0)
    close_with(t, album.window("TfrmOptions", cls="TfrmOptions"), CANCEL)
    d.post(h, e2e.WM_COMMAND, MNU_ABOUT, 0)
    close_with(t, album.window("TfrmInfo", cls="TfrmInfo"), OK)
    album.assert_nothing_cut()


def insertion_windows(t, dpi):
    app = kunden_appdir(t)
    fenu = t.start_fenu(app, dpi=dpi)
    t.wait_tray_icon()
    d = t.driver
    album = Album(t, fenu)
    target = t.start_target()

    target.focus()
    t.key("Print")
    liste = album.window("TfrmListe", cls="TfrmListe")
    e2e.wait_for(lambda: len(d.listview(d.child(liste["hwnd"], id=LV_LINK)["hwnd"])) == 4, what="the list")
    d.click_child(liste["hwnd"], id=BTN_PREVIEW_ON)
    d.click_child(liste["hwnd"], id=BTN_TREE)
    visible_child(t, liste["hwnd"], id=111)
    album.take(liste["hwnd"], "TfrmListe-tree")
    d.click_child(liste["hwnd"], id=BTN_SUCHEN)
    close_with(t, album.window("TfrmSearch", cls="TfrmSearch"), CANCEL)
    close_with(t, liste, CANCEL)

    target.focus()
    t.key("Pause")
    mini = album.window("TfrmMiniAuswahl", cls="TfrmMiniAuswahl")
    d.click_child(mini["hwnd"], id=SPEED_BUTTON)
    close_with(t, album.window("TfrmKurzListe", cls="TfrmKurzListe"), CANCEL)
    close_with(t, mini, CANCEL)
    album.assert_nothing_cut()


def tool_windows(t, dpi):
    fenu = t.start_fenu(t.make_appdir(ini=QUIET_INI), dpi=dpi)
    t.wait_tray_icon()
    album = Album(t, fenu)
    shell = shell_window(t, fenu)["hwnd"]
    t.driver.post(shell, e2e.WM_COMMAND, CMD_CALENDAR, 0)
    close_with(t, album.window("TfrmCalendar", cls="TfrmCalendar"), CANCEL)
    t.driver.post(shell, e2e.WM_COMMAND, CMD_FAVOURITES, 0)
    close_with(t, album.window("TfrmFavFolder", cls="TfrmFavFolder"), CANCEL)
    album.assert_nothing_cut()


def memo_windows(t, dpi):
    """The keyword search window and the replace question of the memo search, in memohost.exe
    (the archive's memo and tree without the archive window)."""
    host = t.start(t.session.build_dir / "e2e" / "memohost.exe", "keywords", "prompt", cwd=t.dir,
                   extra_env={"FENU_DPI": str(dpi)})
    d = t.driver
    album = Album(t, host)
    window = d.wait_window(cls="MemoHost", pid=t.winpid(host))
    host.wait_debug(r"^memohost: ready$")
    d.click_child(window["hwnd"], id=102)  # "Schlagwortsuche"
    close_with(t, album.window("TfrmKeywords-memohost", cls="TfrmKeywords"), CANCEL)

    t.focus_window(d.child(window["hwnd"], id=100)["hwnd"])  # the memo
    t.key("ctrl+h")
    dialog = d.wait_window(cls="#32770", owner=window["hwnd"])
    d.settext(d.child(dialog["hwnd"], id=0x480)["hwnd"], "Rathaus")
    d.click_child(dialog["hwnd"], id=0x401)  # "Alle ersetzen"
    close_with(t, album.window("TMemoSearchQuestion", cls="TMemoSearchQuestion"), 7)  # "&Nein"
    d.press(d.wait_message_box(title="Ergebnisse Ersetzen"), "OK")
    album.assert_nothing_cut()


def test_shell_windows_at_96_dpi(t):
    shell_windows(t, 96)


def test_shell_windows_at_144_dpi(t):
    shell_windows(t, 144)


def test_shell_windows_at_120_dpi(t):
    # At 120 DPI the hotkey window's notice needs a third line: the window makes room for it.
    shell_windows(t, 120)


def test_management_windows_at_96_dpi(t):
    management_windows(t, 96)


def test_management_windows_at_144_dpi(t):
    management_windows(t, 144)


def test_insertion_windows_at_96_dpi(t):
    insertion_windows(t, 96)


def test_insertion_windows_at_144_dpi(t):
    insertion_windows(t, 144)


def test_tool_windows_at_96_dpi(t):
    tool_windows(t, 96)


def test_tool_windows_at_144_dpi(t):
    tool_windows(t, 144)


def test_memo_windows_at_96_dpi(t):
    memo_windows(t, 96)


def test_memo_windows_at_144_dpi(t):
    memo_windows(t, 144)


def test_archive_windows_at_96_dpi(t):
    archive_windows(t, 96)


def test_archive_windows_at_144_dpi(t):
    archive_windows(t, 144)
