"""The memo search on a real edit control and the keyword search window, through memohost.exe:
the shortcut keys inside the memo open the platform's find and replace dialogs, hits are selected
in the memo, a replace-all run is one undoable edit, and the keyword window selects its hits in
the host's tree."""

import fenu_e2e as e2e

# The common dialog's controls.
FIND_NEXT = 1
FIND_TEXT, REPLACE_TEXT, REPLACE_ALL = 0x480, 0x481, 0x401
# memohost.exe
MEMO, KEYWORD_BUTTON = 100, 102
TEXT = "Haus Maus\r\nHaus Maus\r\nDer Rat im Rathaus"
# TfrmKeywords
BTN_OK, RB_BEGIN, RB_POSITION, TXT_KEYWORD = 1, 102, 103, 105
EM_GETSEL, BM_GETCHECK = 0xB0, 0xF0


def start_host(t, *args):
    """memohost.exe with its memo focused: (program, host window, memo)."""
    host = t.start(t.session.build_dir / "e2e" / "memohost.exe", *args, cwd=t.dir)
    window = t.driver.wait_window(cls="MemoHost", pid=t.winpid(host))
    host.wait_debug(r"^memohost: ready$")
    memo = t.driver.child(window["hwnd"], id=MEMO)
    t.focus_window(memo["hwnd"])
    return host, window, memo


def selection(t, memo):
    result = t.driver.send(memo["hwnd"], EM_GETSEL)["result"]
    start, end = result & 0xFFFF, (result >> 16) & 0xFFFF
    return start, end - start


def memo_text(t, memo):
    return t.driver.info(memo["hwnd"])["text"]


def capture_together(t, windows, name):
    """A picture of the screen where the windows stand, all of them in it."""
    rects = [t.driver.info(w["hwnd"])["rect"] for w in windows]
    left, top = min(r["left"] for r in rects), min(r["top"] for r in rects)
    right, bottom = max(r["right"] for r in rects), max(r["bottom"] for r in rects)
    shot = t.screenshot(name + "-screen")
    e2e.host_run(["convert", str(shot), "-crop", f"{right - left}x{bottom - top}+{left}+{top}", "+repage",
                  str(t.dir / f"{name}.png")], timeout=30)
    shot.unlink()


def open_dialog(t, window, keys):
    t.key(keys)
    return t.driver.wait_window(cls="#32770", owner=window["hwnd"])


@e2e.german
def test_find_selects_hits_and_search_again_goes_on_until_none_follows(t):
    host, window, memo = start_host(t)
    t.key("ctrl+End")
    dialog = open_dialog(t, window, "ctrl+f")
    assert memo_text(t, memo) == TEXT  # Ctrl+F made no character
    t.driver.settext(t.driver.child(dialog["hwnd"], id=FIND_TEXT)["hwnd"], "maus")
    capture_together(t, [window, dialog], "TMemoSearch-find")
    # A new text is searched from the start, not from the caret at the end.
    t.driver.click_child(dialog["hwnd"], id=FIND_NEXT)
    e2e.wait_for(lambda: selection(t, memo) == (5, 4), what="the first Maus selected")
    # The memo has the focus after a hit: F3 goes on from the selection, CR LF counting two.
    t.focus_window(memo["hwnd"])
    t.key("F3")
    e2e.wait_for(lambda: selection(t, memo) == (16, 4), what="the second Maus selected")
    t.key("F3")
    box = t.driver.wait_message_box(title="Ergebnisse Suchen",
                                    text='Kein weiteres Vorkommen von "maus" gefunden.')
    assert set(box["buttons"]) == {"OK"}
    assert box["owner"] == window["hwnd"]
    t.driver.press(box, "OK")
    t.driver.wait_gone(box["hwnd"])
    assert selection(t, memo) == (16, 4)
    assert memo_text(t, memo) == TEXT  # F3 reached the memo as no key
    t.driver.settext(t.driver.child(dialog["hwnd"], id=FIND_TEXT)["hwnd"], "Katze")
    t.driver.click_child(dialog["hwnd"], id=FIND_NEXT)
    box = t.driver.wait_message_box(title="Ergebnisse Suchen", text='"Katze" kann nicht gefunden werden.')
    t.driver.press(box, "OK")


@e2e.german
def test_replace_all_is_one_edit_that_ctrl_z_takes_back(t):
    host, window, memo = start_host(t)
    t.key("ctrl+End")
    dialog = open_dialog(t, window, "ctrl+h")
    assert memo_text(t, memo) == TEXT  # Ctrl+H's backspace never reached the memo
    t.driver.settext(t.driver.child(dialog["hwnd"], id=FIND_TEXT)["hwnd"], "haus")
    t.driver.settext(t.driver.child(dialog["hwnd"], id=REPLACE_TEXT)["hwnd"], "Hof")
    capture_together(t, [window, dialog], "TMemoSearch-replace")
    t.driver.click_child(dialog["hwnd"], id=REPLACE_ALL)
    replaced = "Hof Maus\r\nHof Maus\r\nDer Rat im RatHof"
    e2e.wait_for(lambda: memo_text(t, memo) == replaced, what="every Haus replaced")
    assert not t.driver.message_boxes(title="Ergebnisse Ersetzen")  # no count in the archive
    t.focus_window(memo["hwnd"])
    t.key("ctrl+z")
    e2e.wait_for(lambda: memo_text(t, memo) == TEXT, what="the run undone in one step")


@e2e.german
def test_the_replace_question_stands_near_the_hit(t):
    host, window, memo = start_host(t, "prompt")
    dialog = open_dialog(t, window, "ctrl+h")
    t.driver.settext(t.driver.child(dialog["hwnd"], id=FIND_TEXT)["hwnd"], "Maus")
    t.driver.settext(t.driver.child(dialog["hwnd"], id=REPLACE_TEXT)["hwnd"], "Laus")
    t.driver.click_child(dialog["hwnd"], id=REPLACE_ALL)
    question = t.driver.wait_window(cls="TMemoSearchQuestion", owner=window["hwnd"])
    buttons = [c["text"] for c in t.driver.children(question["hwnd"]) if c["class"].lower() == "button"]
    assert buttons == ["&Ja", "&Nein", "A&lle Ja"]
    assert any(c["text"] == "Text ersetzen?" for c in t.driver.children(question["hwnd"]))
    # Below the first hit's line, at the hit's left edge.
    memo_rect, box_rect = t.driver.info(memo["hwnd"])["rect"], question["rect"]
    assert memo_rect["left"] < box_rect["left"] < memo_rect["left"] + 100
    assert memo_rect["top"] < box_rect["top"] < memo_rect["top"] + 60
    capture_together(t, [window, question], "TMemoSearch-question")
    t.driver.click_child(question["hwnd"], text="&Nein")
    t.driver.wait_gone(question["hwnd"])
    question = t.driver.wait_window(cls="TMemoSearchQuestion", owner=window["hwnd"])
    t.driver.click_child(question["hwnd"], text="A&lle Ja")
    e2e.wait_for(lambda: memo_text(t, memo) == "Haus Maus\r\nHaus Laus\r\nDer Rat im Rathaus",
                 what="the second hit replaced, the first left")


def test_keyword_windows_select_hits_in_the_archive_tree(t):
    host, window, memo = start_host(t, "keywords")
    t.driver.click_child(window["hwnd"], id=KEYWORD_BUTTON)
    first = t.driver.wait_window(cls="TfrmKeywords", owner=window["hwnd"])
    assert first["title"] == "Schlagwortsuche"
    keyword = t.driver.child(first["hwnd"], id=TXT_KEYWORD)
    e2e.wait_for(lambda: t.driver.foreground().get("focus") == keyword["hwnd"], what="the keyword field focused")
    assert not t.driver.child(first["hwnd"], id=BTN_OK)["enabled"]
    assert t.driver.send(t.driver.child(first["hwnd"], id=RB_BEGIN)["hwnd"], BM_GETCHECK)["result"] == 1
    t.capture(first["hwnd"], "TfrmKeywords")

    # Typed and searched by keyboard: Enter is "Suchen".
    t.focus_window(keyword["hwnd"])
    t.type_text("rechnung")
    e2e.wait_for(lambda: t.driver.child(first["hwnd"], id=BTN_OK)["enabled"], what="Suchen enabled")
    mark = host.debug_mark()
    t.key("Return")
    host.wait_debug(r"^memohost: select Mahnung$", since=mark)
    assert t.driver.send(t.driver.child(first["hwnd"], id=RB_POSITION)["hwnd"], BM_GETCHECK)["result"] == 1
    t.driver.click_child(first["hwnd"], id=BTN_OK)
    host.wait_debug(r"^memohost: select Rechnung$", since=mark)

    # A second window searches on its own, from the beginning.
    t.driver.click_child(window["hwnd"], id=KEYWORD_BUTTON)
    second = t.driver.wait_window(cls="TfrmKeywords", owner=window["hwnd"],
                                  where=lambda w: w["hwnd"] != first["hwnd"])
    t.driver.settext(t.driver.child(second["hwnd"], id=TXT_KEYWORD)["hwnd"], "Katze")
    t.driver.click_child(second["hwnd"], id=BTN_OK)
    box = t.driver.wait_message_box(text='"Katze" konnte nicht gefunden werden.')
    t.driver.press(box, "OK")
    t.driver.wait_gone(box["hwnd"])
    # Escape closes one; the other stays.
    t.focus_window(t.driver.child(second["hwnd"], id=TXT_KEYWORD)["hwnd"])
    t.key("Escape")
    t.driver.wait_gone(second["hwnd"])
    assert any(w["hwnd"] == first["hwnd"] for w in t.driver.find_windows(cls="TfrmKeywords"))
