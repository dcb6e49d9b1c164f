"""The network message window of Fenu.exe end to end, opened through its (hidden) tray menu
command. Wine has no network: the enumeration's error is shown, and the window still opens
with the computer's own name."""

import re

import fenu_e2e as e2e
from test_shell import shell_window, start_quiet

CMD_NETSEND = 1005  # mnuNNS, hidden in the tray menu

# TfrmNetSend's controls.
CBX_DOMAINS, LB_COMPUTERS, BTN_ALIASE, EDIT1, LABEL3 = 102, 104, 106, 108, 109
LB_RECIPIENTS, MM_MESSAGE, BTN_SEND = 110, 114, 115
BTN_CLOSE = 2
# TfrmAliase's.
STR_GRID, BTN_SPEICHERN = 102, 1


def test_network_window_reports_the_missing_network_and_shows_the_own_name(t):
    app, fenu = start_quiet(t)
    d = t.driver
    d.post(shell_window(t, fenu)["hwnd"], e2e.WM_COMMAND, CMD_NETSEND, 0)
    box = d.wait_message_box(title="Fehler", pid=t.winpid(fenu))
    assert re.fullmatch(r"Das Netzwerk kann nicht durchsucht werden: .+ \(Fehler 1222\)", box["text"]), box["text"]
    d.press(box, "OK")

    net = d.wait_window(cls="TfrmNetSend", title="Netzwerknachricht senden", pid=t.winpid(fenu))
    kids = {c["id"] & 0xFFFF: c for c in d.children(net["hwnd"])}
    assert kids[EDIT1]["text"] != ""
    assert kids[CBX_DOMAINS]["count"] == 0 and kids[LB_COMPUTERS]["count"] == 0
    assert e2e.strip_amp(kids[LABEL3]["text"]) == "Empfänger (0)"
    d.settext(kids[MM_MESSAGE]["hwnd"], "Hallo\r\nTest")
    t.focus_window(kids[MM_MESSAGE]["hwnd"])
    t.capture(net["hwnd"], "TfrmNetSend")

    # Without recipients nothing is sent.
    mark = fenu.debug_mark()
    d.click_child(net["hwnd"], id=BTN_SEND)
    assert d.find_windows(cls="TfrmNetSend")
    assert not any(line.startswith("fenu: shell ") for line in fenu.debug_lines()[mark:])

    # The alias window of a workgroup without computers: "Speichern" writes the alias file.
    d.click_child(net["hwnd"], id=BTN_ALIASE)
    aliase = d.wait_window(cls="TfrmAliase", title="Aliase bearbeiten", owner=net["hwnd"])
    assert d.listview(d.child(aliase["hwnd"], id=STR_GRID)["hwnd"]) == []
    t.capture(aliase["hwnd"], "TfrmAliase")
    d.click_child(aliase["hwnd"], id=BTN_SPEICHERN)
    d.wait_gone(aliase["hwnd"])
    e2e.wait_for(lambda: (app / "Netsend.dat").is_file(), what="Netsend.dat")
    assert d.child(net["hwnd"], id=LB_COMPUTERS)["count"] == 0

    # Escape closes the window (Schliessen is its cancel button); the program goes on.
    t.focus_window(d.child(net["hwnd"], id=LB_COMPUTERS)["hwnd"])
    t.key("Escape")
    d.wait_gone(net["hwnd"])
    assert fenu.running and d.message_boxes(pid=t.winpid(fenu)) == []
