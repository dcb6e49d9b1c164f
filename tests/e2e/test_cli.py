"""fenu-cli.exe under Wine: UTF-8 on the command line, a clear error and its exit code."""

import fenu_e2e as e2e


def run_cli(t, *args):
    """Runs fenu-cli.exe to its end: (exit code, stdout bytes, stderr text)."""
    program = t.start(t.session.build_dir / "fenu-cli.exe", *args, cwd=t.dir, debug="-all")
    code = program.wait_exit(30)
    out = (t.dir / f"{program.name}.stdout").read_bytes()
    return code, out.replace(b"\r\n", b"\n"), program.stderr()


def test_cli_converts_hotkeys_and_reports_a_broken_one(t):
    assert run_cli(t, "hotkey", "[Gross-Strg]", "F5")[:2] == (0, b"modifiers=6 key=116\n")
    assert run_cli(t, "hotkey", "Größe-Strg", "Q")[:2] == (0, b"modifiers=2 key=81\n")

    code, out, err = run_cli(t, "hotkey", "[Strg]", "Fx")
    assert (code, out) == (1, b"")
    assert "Fehler: Ungültiger HotKey \"Fx\": 'x' ist kein gültiger Integerwert" in err, err


def test_cli_calendar_prints_a_day_and_refuses_a_year_beyond_3000(t):
    code, out, _ = run_cli(t, "calendar", "--state", "12", "--date", "2025-11-19", "--tz-offset", "-60")
    assert code == 0
    text = out.decode("utf-8")
    assert '"holidayName": "Buß- und Bettag",' in text, text
    assert '"sunRise": "07:27:' in text, text

    # Without an offset the system's time zone decides the season dates; the day itself is the same.
    code, out, _ = run_cli(t, "calendar", "--state", "9", "--date", "2025-06-21")
    assert code == 0 and '"dayOfYear": 172,' in out.decode("utf-8"), out

    code, out, err = run_cli(t, "calendar", "--state", "1", "--date", "3001-01-01")
    assert (code, out) == (1, b"")
    assert "Out of range of the algorithm" in err, err
