"""The variable editor end to end: opened from a block's text in the management window, a choice
variable created with its value list, a date marker inserted at the caret, and the block's preview
with the expanded date."""

import datetime

import fenu_e2e as e2e
from test_management import ADD_FILE, MEMO, answer_input, open_management, type_into
from test_shell import start_quiet

BTN_VARIABLE, BTN_PREVIEW = 252, 253
# TfrmVariables' controls.
OK, CANCEL = 1, 2
LISTBOX, EDIT1, LABEL7 = 102, 116, 119
CBX_VARIABLE, LB_WERTE, SB_NEWVAR, SB_EDITITEM = 131, 133, 135, 136
# TfrmStringListe's controls.
MM_LISTE, BTN_ADD = 101, 103
ITEM_DATUM_NORMAL, ITEM_AUSWAHL = 1, 17


def test_variable_editor_inserts_a_date_marker_and_the_preview_expands_it(t):
    app, fenu = start_quiet(t)
    d = t.driver
    open_management(t, fenu)
    d.press(d.wait_message_box(title="Fehler", pid=t.winpid(fenu)), "OK")
    form = d.wait_window(cls="TForm1")

    # A block with a line of text; the caret stays at its end.
    d.click_child(form["hwnd"], id=ADD_FILE)
    answer_input(t, fenu, "Termin")
    memo = d.wait_child(form["hwnd"], id=MEMO)
    e2e.wait_for(lambda: d.info(memo["hwnd"])["visible"], what="block page")
    type_into(t, memo["hwnd"], "Termin am ")

    d.click_child(form["hwnd"], id=BTN_VARIABLE)
    editor = d.wait_window(cls="TfrmVariables", title="Variablen", pid=t.winpid(fenu))
    h = editor["hwnd"]
    items = d.child(h, id=LISTBOX)
    t.capture(h, "TfrmVariables-start")

    # The choice panel: a new variable and its values through the list editor.
    d.lbselect(items["hwnd"], ITEM_AUSWAHL)
    e2e.wait_for(lambda: d.info(d.child(h, id=CBX_VARIABLE)["hwnd"])["visible"], what="choice panel")
    d.click_child(h, id=SB_NEWVAR)
    answer_input(t, fenu, "Anrede")
    e2e.wait_for(lambda: d.child(h, id=CBX_VARIABLE)["text"] == "Anrede", what="new variable selected")
    d.click_child(h, id=SB_EDITITEM)
    liste = d.wait_window(cls="TfrmStringListe", title="Einträge bearbeiten", pid=t.winpid(fenu))
    for value in ("Herr", "Frau"):
        d.click_child(liste["hwnd"], id=BTN_ADD)
        box = d.wait_window(cls="TInputQuery", title="Eintrag hinzufügen:", pid=t.winpid(fenu))
        d.settext(d.child(box["hwnd"], id=102)["hwnd"], value)
        d.click_child(box["hwnd"], id=1)
        d.wait_gone(box["hwnd"])
    values = d.child(liste["hwnd"], id=MM_LISTE)["hwnd"]
    e2e.wait_for(lambda: d.send(values, 0x018B)["result"] == 2, what="two entries")  # LB_GETCOUNT
    t.capture(liste["hwnd"], "TfrmStringListe")
    d.click_child(liste["hwnd"], id=OK)
    d.wait_gone(liste["hwnd"])
    werte = d.child(h, id=LB_WERTE)["hwnd"]
    e2e.wait_for(lambda: d.send(werte, 0x018B)["result"] == 2, what="values shown")
    store = app / "Daten" / "Auswahl.vdb"
    e2e.wait_for(lambda: store.exists(), what="selection variables written")
    assert "[Anrede]" in store.read_bytes().decode("cp1252")
    t.capture(h, "TfrmVariables-choice")

    # The date panel: seven days ahead, previewed, then inserted.
    d.lbselect(items["hwnd"], ITEM_DATUM_NORMAL)
    edit = d.wait_child(h, id=EDIT1)
    e2e.wait_for(lambda: d.info(edit["hwnd"])["visible"] and d.info(edit["hwnd"])["enabled"], what="date panel")
    t.focus_window(edit["hwnd"])
    t.key("End", "BackSpace")
    t.type_text("7")
    expected = (datetime.date.today() + datetime.timedelta(days=7)).strftime("%d.%m.%y")
    e2e.wait_for(lambda: d.child(h, id=LABEL7)["text"] == expected, what="preview of the date")
    t.capture(h, "TfrmVariables-date")
    d.click_child(h, id=OK)
    d.wait_gone(h)
    e2e.wait_for(lambda: d.child(form["hwnd"], id=MEMO)["text"] == "Termin am <<DatumNormal|7>>",
                 what="marker in the block text")

    # The preview shows the expanded text.
    d.click_child(form["hwnd"], id=BTN_PREVIEW)
    shown = d.wait_window(cls="TfrmMemo", title="Text anzeigen", pid=t.winpid(fenu))
    text = d.wait_child(shown["hwnd"], id=101)
    e2e.wait_for(lambda: d.child(shown["hwnd"], id=101)["text"] == "Termin am " + expected, what="expanded text")
    assert d.info(text["hwnd"])["enabled"]
    t.capture(shown["hwnd"], "TfrmMemo")
    d.click_child(shown["hwnd"], id=CANCEL)
    d.wait_gone(shown["hwnd"])
