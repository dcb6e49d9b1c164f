"""fenu-cli.exe under Wine: UTF-8 on the command line, a clear error and its exit code."""

import filecmp
import shutil

import fenu_e2e as e2e

ARCHIVE = e2e.REPO / "tests" / "fixtures" / "archive"


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


def test_cli_archive_finds_by_keyword_and_travels_through_json_byte_for_byte(t):
    shutil.copytree(ARCHIVE / "Kanzlei", t.dir / "Kanzlei")
    code, out, _ = run_cli(t, "archive", "find", "Kanzlei\\Archiv.adb", "Müller")
    assert (code, out.decode("utf-8")) == (0, "0912261453042.txt\tAngebot Müller\n"), out
    code, out, err = run_cli(t, "archive", "find", "Kanzlei\\Archiv.adb", "MÜLLER")
    assert (code, out) == (1, b"")
    assert '"MÜLLER" konnte nicht gefunden werden.' in err, err

    # Into a folder that does not exist yet: the archive, its backup rule and its text folder.
    assert run_cli(t, "archive", "export", "Kanzlei\\Archiv.adb", "archiv.json")[0] == 0
    assert run_cli(t, "archive", "import", "archiv.json", "Neu\\Daten\\Archiv.adb")[0] == 0
    compared = filecmp.dircmp(t.dir / "Kanzlei", t.dir / "Neu" / "Daten")
    assert not compared.left_only and not compared.right_only, (compared.left_only, compared.right_only)
    for name in ["Archiv.adb"] + [f"Archiv/{f.name}" for f in (ARCHIVE / "Kanzlei" / "Archiv").iterdir()]:
        assert (t.dir / "Kanzlei" / name).read_bytes() == (t.dir / "Neu" / "Daten" / name).read_bytes(), name
    code, out, _ = run_cli(t, "archive", "check", "Neu\\Daten\\Archiv.adb")
    assert (code, out.decode("utf-8")) == (0, "Keine Probleme gefunden.\n"), out
