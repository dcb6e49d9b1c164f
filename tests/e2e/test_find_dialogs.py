"""The find and replace service on the platform's own dialogs (FindTextW, ReplaceTextW), through
findhost.exe: the dialogs come up modeless beside their owner, their keys work through the
program's message loop, and each button reaches the listener with the dialog's texts and flags."""

import fenu_e2e as e2e

# The common dialog's controls.
FIND_NEXT, CANCEL = 1, 2
FIND_TEXT, REPLACE_TEXT, REPLACE, REPLACE_ALL = 0x480, 0x481, 0x400, 0x401
WHOLE_WORD, MATCH_CASE, UP = 0x410, 0x411, 0x420


def start_host(t, *args):
    """findhost.exe with its dialog open: (program, host window, dialog)."""
    host = t.start(t.session.build_dir / "e2e" / "findhost.exe", *args, cwd=t.dir)
    pid = t.winpid(host)
    window = t.driver.wait_window(cls="FindHost", pid=pid)
    dialog = t.driver.wait_window(cls="#32770", owner=window["hwnd"], pid=pid)
    host.wait_debug(r"^findhost: open$")
    return host, window, dialog


def test_find_dialog_by_keyboard_reports_its_text_and_options(t):
    host, _, dialog = start_host(t, "find", "Haus")
    edit = t.driver.child(dialog["hwnd"], id=FIND_TEXT)
    assert edit["text"] == "Haus"
    t.capture(dialog["hwnd"], "FindDialog")
    t.focus_window(edit["hwnd"])
    t.key("Return")  # the default button, "Weitersuchen", by the dialog manager
    host.wait_debug(r'^findhost: FindNext "Haus" down$')
    # Tab leaves the text for the next control.
    t.key("Tab")
    e2e.wait_for(lambda: t.driver.focus(dialog["hwnd"])["focus"] not in (edit["hwnd"], 0),
                 what="the focus past the search text")
    t.driver.click_child(dialog["hwnd"], id=MATCH_CASE)
    t.driver.click_child(dialog["hwnd"], id=WHOLE_WORD)
    t.driver.click_child(dialog["hwnd"], id=UP)
    t.driver.settext(edit["hwnd"], "Hof")
    mark = host.debug_mark()
    t.focus_window(edit["hwnd"])
    t.key("Return")
    host.wait_debug(r'^findhost: FindNext "Hof" up matchcase wholeword$', since=mark)
    t.key("Escape")
    host.wait_debug(r'^findhost: Closed "Hof" up matchcase wholeword$', since=mark)
    t.driver.wait_gone(dialog["hwnd"])


def test_replace_dialog_reports_each_button_and_closes_when_the_program_asks(t):
    host, _, dialog = start_host(t, "replace", "alt", "neu")
    assert t.driver.child(dialog["hwnd"], id=REPLACE_TEXT)["text"] == "neu"
    t.capture(dialog["hwnd"], "ReplaceDialog")
    t.driver.click_child(dialog["hwnd"], id=REPLACE)
    host.wait_debug(r'^findhost: Replace "alt" "neu" down$')
    t.driver.settext(t.driver.child(dialog["hwnd"], id=REPLACE_TEXT)["hwnd"], "ganz neu")
    t.driver.click_child(dialog["hwnd"], id=REPLACE_ALL)
    host.wait_debug(r'^findhost: ReplaceAll "alt" "ganz neu" down$')
    # The host closes the dialog itself after a search for "zu"; its listener still hears it.
    mark = host.debug_mark()
    t.driver.settext(t.driver.child(dialog["hwnd"], id=FIND_TEXT)["hwnd"], "zu")
    t.driver.click_child(dialog["hwnd"], id=FIND_NEXT)
    host.wait_debug(r'^findhost: FindNext "zu" "ganz neu" down$', since=mark)
    host.wait_debug(r'^findhost: Closed "zu" "ganz neu" down$', since=mark)
    t.driver.wait_gone(dialog["hwnd"])
