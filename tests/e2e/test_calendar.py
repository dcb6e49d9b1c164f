"""The calendar window end to end: opened from the tray menu through the window guard, the
state list, the month stepped by the spin button and by the arrow keys, "Übernehmen" and
"Schliessen" with the clipboard and [Calendar] BL, F1, and pictures of each draw style."""

import fenu_e2e as e2e
from test_shell import QUIET_INI, shell_window, wait_ini

MENU_CALENDAR = 2
CMD_CALENDAR = 1003
GUARD_TEXT = "Es können nicht mehrere Fenster von quenlia:FENU gleichzeitig geöffnet werden!"

# The month grid's messages (calendar/CalendarGrid_win.h); a date travels as yyyymmdd.
WM_USER = 0x0400
CGM_GETDATE = WM_USER + 0x100
CGM_SETDATE = WM_USER + 0x101
CGM_GETDRAWSTYLE = WM_USER + 0x102
CGM_SETDRAWSTYLE = WM_USER + 0x103
DRAW_STYLES = {0: "cdsColorGrid", 1: "cdsMonoGrid", 2: "cdsButtons"}

# Control ids of TfrmCalendar (calendar/TfrmCalendar_win.h).
LBL_MONAT, SPIN_MONAT, LBL_JAHR, SPIN_JAHR, KALENDER = 102, 103, 105, 106, 107
COMBO_STATE, COMBO_ASTRO = 109, 111
LBL_DATUM, LBL_TAG, LBL_WOCHE, LBL_FEIERTAG, LBL_SEASON, LBL_ZODIAC = 112, 113, 114, 115, 116, 117
STATUS_BAR = 118
BTN_OK, BTN_SCHLIESSEN = 1, 2
SACHSEN, HESSEN = 12, 6


def open_from_tray(t):
    """A real click on the tray icon, then "Kalender aufrufen" by keyboard."""
    t.click_tray_icon(0, button=1)
    t.choose_from_menu(MENU_CALENDAR)
    return t.driver.wait_window(cls="TfrmCalendar", title="Kalender")


class Calendar:
    def __init__(self, t, window):
        self.t, self.d, self.hwnd = t, t.driver, window["hwnd"]
        self.grid = self.d.child(self.hwnd, id=KALENDER)["hwnd"]

    def text(self, id):
        return self.d.child(self.hwnd, id=id)["text"]

    def date(self):
        return self.d.send(self.grid, CGM_GETDATE)["result"]

    def show(self, yyyymmdd):
        assert self.d.send(self.grid, CGM_SETDATE, yyyymmdd)["result"] == 1
        e2e.wait_for(lambda: self.date() == yyyymmdd, what=f"grid at {yyyymmdd}")

    def wait_date(self, yyyymmdd, label=None):
        e2e.wait_for(lambda: self.date() == yyyymmdd, what=f"grid at {yyyymmdd}")
        if label:
            e2e.wait_for(lambda: self.text(LBL_DATUM) == label, what=f"LblDatum {label!r}")

    def click_cell(self, column, row):
        """A real click into a cell; the grid's cells share its client area in 7 columns and 7
        rows with a line of one pixel between them."""
        c = self.d.info(self.grid)["client"]
        width = (c["right"] - c["left"] - 6) // 7
        height = (c["bottom"] - c["top"] - 6) // 7
        self.t.click_at(c["left"] + column * (width + 1) + width // 2,
                        c["top"] + row * (height + 1) + height // 2)

    def key(self, *keys):
        self.t.key(*keys)


@e2e.german
def test_calendar_from_the_tray_state_spin_arrows_and_uebernehmen(t):
    app = t.make_appdir(ini=QUIET_INI)
    t.start_fenu(app)
    t.wait_tray_icon()
    cal = Calendar(t, open_from_tray(t))
    d = t.driver

    # First start: Bayern, today, the day information and the nine lines of sun and moon.
    states = d.child(cal.hwnd, id=COMBO_STATE)
    assert states["selected"] == 1 and states["text"] == "Bayern" and len(states["items"]) == 16
    astro = d.child(cal.hwnd, id=COMBO_ASTRO)
    assert astro["count"] == 9 and astro["selected"] == 0
    assert astro["items"][0].startswith("Mondaufgang: ") and astro["items"][0].endswith(" h")
    assert astro["items"][8].startswith("Entfernung zur Sonne: ") and astro["items"][8].endswith(" mio km")
    assert cal.text(LBL_WOCHE).endswith(". Woche im Jahr")
    assert cal.text(LBL_JAHR) == str(cal.date() // 10000)

    # Buß- und Bettag is a holiday in Sachsen only.
    cal.show(20251119)
    e2e.wait_for(lambda: cal.text(LBL_DATUM) == "Mittwoch, 19. November 2025", what="LblDatum")
    assert cal.text(LBL_FEIERTAG) == ""
    assert (cal.text(LBL_TAG), cal.text(LBL_SEASON), cal.text(LBL_ZODIAC)) == \
        ("323. Tag im Jahr", "Herbst", "Sternzeichen: Skorpion")
    t.focus_window(cal.hwnd)
    cal.key("alt+b")  # the state list by its label's mnemonic
    e2e.wait_for(lambda: d.foreground().get("focusid") == COMBO_STATE, what="focus on the state list")
    d.cbselect(states["hwnd"], SACHSEN)
    e2e.wait_for(lambda: cal.text(LBL_FEIERTAG) == "Buß- und Bettag", what="Buß- und Bettag")
    t.capture(cal.hwnd, "TfrmCalendar-Sachsen")

    # The month's spin button, clicked with the mouse on its upper arrow: a month on.
    r = d.child(cal.hwnd, id=SPIN_MONAT)["rect"]
    t.click_at((r["left"] + r["right"]) // 2, r["top"] + (r["bottom"] - r["top"]) // 4)
    cal.wait_date(20251219, "Freitag, 19. Dezember 2025")
    assert cal.text(LBL_MONAT) == "Dezember"

    # A click on a day: December 2025 starts on a Monday, so the 10th is in the second week's
    # third column.
    cal.click_cell(2, 2)
    cal.wait_date(20251210, "Mittwoch, 10. Dezember 2025")

    # The arrow keys in the grid: Home, then Up in the first row goes to the previous month's
    # last day, and Right on the last day of a month to the first of the next.
    cal.key("alt+m")  # the month's spin button; Down steps back a month
    e2e.wait_for(lambda: d.foreground().get("focusid") == SPIN_MONAT, what="focus on the spin button")
    cal.key("Down")
    cal.wait_date(20251110)
    cal.key("Tab", "Tab")  # past the year's spin button into the grid
    e2e.wait_for(lambda: d.foreground().get("focusid") == KALENDER, what="focus on the grid")
    cal.key("Page_Down", "Home")
    cal.wait_date(20251201)
    cal.key("Up")
    cal.wait_date(20251130, "Sonntag, 30. November 2025")
    assert cal.text(LBL_MONAT) == "November"
    cal.key("Right")
    cal.wait_date(20251201, "Montag, 01. Dezember 2025")
    cal.key("Left", "Left")
    cal.wait_date(20251129)

    # Enter takes the day: the date on the clipboard, the state in the settings file.
    cal.key("Return")
    d.wait_gone(cal.hwnd)
    assert d.clipboard() == "29.11.2025"
    wait_ini(app, "Calendar", "BL", str(SACHSEN))


@e2e.german
def test_schliessen_and_escape_keep_the_clipboard_and_store_the_state(t):
    app = t.make_appdir(ini=QUIET_INI + "[Calendar]\nBL=abc\n")
    fenu = t.start_fenu(app)
    t.wait_tray_icon()
    d = t.driver
    cal = Calendar(t, open_from_tray(t))
    assert d.child(cal.hwnd, id=COMBO_STATE)["selected"] == 1  # not a number: Bayern

    # While the calendar is open, the guard refuses the calendar from the menu.
    d.post(shell_window(t, fenu)["hwnd"], e2e.WM_COMMAND, CMD_CALENDAR, 0)
    box = d.wait_message_box(title="Information", text=GUARD_TEXT, pid=t.winpid(fenu))
    d.press(box, "OK")
    d.wait_gone(box["hwnd"])
    assert [w["hwnd"] for w in d.find_windows(cls="TfrmCalendar")] == [cal.hwnd]

    # The status bar names what the control under the mouse does.
    r = d.child(cal.hwnd, id=BTN_SCHLIESSEN)["rect"]
    t.move_to((r["left"] + r["right"]) // 2, (r["top"] + r["bottom"]) // 2)
    e2e.wait_for(lambda: cal.text(STATUS_BAR) == "Schliessen, ohne Übernahme", what="hint in the status bar")

    before = d.clipboard()
    cal.show(20251003)
    d.cbselect(d.child(cal.hwnd, id=COMBO_STATE)["hwnd"], HESSEN)
    e2e.wait_for(lambda: cal.text(LBL_FEIERTAG) == "Tag der deutschen Einheit", what="holiday")
    d.click_child(cal.hwnd, id=BTN_SCHLIESSEN)
    d.wait_gone(cal.hwnd)
    wait_ini(app, "Calendar", "BL", str(HESSEN))
    assert d.clipboard() == before

    # The state comes back; Escape closes without taking the date and stores it again.
    cal = Calendar(t, open_from_tray(t))
    assert d.child(cal.hwnd, id=COMBO_STATE)["selected"] == HESSEN
    d.cbselect(d.child(cal.hwnd, id=COMBO_STATE)["hwnd"], 0)
    t.focus_window(cal.hwnd)
    cal.key("Escape")
    d.wait_gone(cal.hwnd)
    wait_ini(app, "Calendar", "BL", "0")
    assert d.clipboard() == before
    assert fenu.running


def test_f1_opens_the_calendar_help(t):
    app = t.make_appdir(ini=QUIET_INI)
    fenu = t.start_fenu(app)
    t.wait_tray_icon()
    d = t.driver
    cal = Calendar(t, open_from_tray(t))
    t.focus_window(cal.hwnd)
    cal.key("F1")
    viewer = d.wait_window(title="quenlia:FENU Hilfe", pid=t.winpid(fenu))
    d.post(viewer["hwnd"], e2e.WM_CLOSE)
    d.wait_gone(viewer["hwnd"])
    assert d.find_windows(cls="TfrmCalendar")


@e2e.german
def test_calendar_pictures_in_each_draw_style(t):
    """The window as it opens (plain grid), and with the grid switched to each draw style; the
    selected day 24 December 2025, a Wednesday before two holidays."""
    app = t.make_appdir(ini=QUIET_INI)
    t.start_fenu(app)
    t.wait_tray_icon()
    d = t.driver
    cal = Calendar(t, open_from_tray(t))
    assert d.send(cal.grid, CGM_GETDRAWSTYLE)["result"] == 1  # the window's plain grid
    cal.show(20251224)
    e2e.wait_for(lambda: cal.text(LBL_FEIERTAG) == "Heiligabend", what="Heiligabend")
    t.focus_window(cal.hwnd)
    d.focus(cal.grid)
    for style, name in DRAW_STYLES.items():
        assert d.send(cal.grid, CGM_SETDRAWSTYLE, style)["result"] == 1
        assert d.send(cal.grid, CGM_GETDRAWSTYLE)["result"] == style
        t.capture(cal.hwnd, f"TfrmCalendar-{name}")
    # The draw style is the grid's alone: the day and its information stay.
    assert cal.date() == 20251224 and cal.text(LBL_DATUM) == "Mittwoch, 24. Dezember 2025"
