#!/usr/bin/env python3
"""Checks that includes in src/ run one way, from the top layer down, and that only Win32 views
include the Windows headers.

    scripts/check-layers.py [--src DIR]

Each folder of src/ sits on one layer (LAYERS below, bottom first). A file may include files of
its own folder and of folders on lower layers, never of a higher one, and never of another
folder on its own layer. <windows.h> and the other Win32 headers belong in *_win.* files only.
Exit status 0 when all holds, 1 naming each offending file, line and include.
"""

from __future__ import annotations

import argparse
import re
import sys
from pathlib import Path

REPO = Path(__file__).resolve().parent.parent

# Bottom first. Folders on one line share a layer and may not include each other.
LAYERS = [
    ["core"],             # text, profile files, numbers, files, safe writing
    ["platform"],         # the platform service interfaces
    ["common"],           # settings and placement, help, shell commands, hotkey specs
    ["model"],            # the generic tree model, font text, path label
    ["ui/win32"],         # humble Win32 controls, forms and text conversion
    ["platform/win32", "platform/fake"],  # the services for real and for tests
    ["data"],             # the stores: building blocks, selection variables, archive
    ["expansion"],        # variable catalogue, date formats, prompts, the expansion engine
    ["calendar"],         # calendar computations, sun and moon, the month grid
    ["tools"],            # hotkey configuration, about window, desktop tools
    ["variables"],        # variable editor and value lists
    ["options"],          # options window, password file and gate
    ["insert"],           # key strings, delivery, selection and abbreviation windows, prompts
    ["store"],            # the management window
    ["archive"],          # the archive window, keywords, find and replace
    ["cli"],              # fenu-cli
    ["app"],              # start-up, tray shell, guard, hotkeys, the wiring of windows
]

WIN32_HEADERS = {"windows.h", "windowsx.h", "commctrl.h", "commdlg.h", "shellapi.h", "shlobj.h",
                 "shlwapi.h", "htmlhelp.h", "mmsystem.h", "winver.h", "winuser.h", "wingdi.h",
                 "objbase.h", "uxtheme.h", "dwmapi.h", "shellscalingapi.h", "lm.h", "winnetwk.h"}


def rank_of(folder_path: str) -> tuple[int, str] | None:
    """The layer and folder of a path relative to src/, by the longest folder that holds it."""
    best = None
    for rank, folders in enumerate(LAYERS):
        for folder in folders:
            if folder_path == folder or folder_path.startswith(folder + "/"):
                if best is None or len(folder) > len(best[1]):
                    best = (rank, folder)
    return best


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--src", default=str(REPO / "src"))
    args = parser.parse_args()
    src = Path(args.src)

    problems = []
    files = sorted(p for p in src.rglob("*") if p.suffix in (".h", ".cpp"))
    for path in files:
        relative = path.relative_to(src).as_posix()
        own = rank_of(relative)
        if own is None:
            problems.append(f"{relative}: its folder is on no layer (scripts/check-layers.py)")
            continue
        is_view = re.search(r"_win\.(h|cpp)$", relative) is not None
        for number, line in enumerate(path.read_text(errors="replace").splitlines(), 1):
            m = re.match(r'\s*#\s*include\s*([<"])([^>"]+)[>"]', line)
            if not m:
                continue
            bracket, target = m.groups()
            if bracket == "<":
                if target.lower() in WIN32_HEADERS and not is_view:
                    problems.append(f"{relative}:{number}: includes <{target}>, which only "
                                    f"*_win.* files may")
                continue
            theirs = rank_of(target)
            if theirs is None:
                problems.append(f"{relative}:{number}: includes \"{target}\" from a folder on "
                                f"no layer")
            elif theirs[0] > own[0]:
                problems.append(f"{relative}:{number}: includes \"{target}\": {theirs[1]}/ is "
                                f"above {own[1]}/")
            elif theirs[0] == own[0] and theirs[1] != own[1]:
                problems.append(f"{relative}:{number}: includes \"{target}\": {theirs[1]}/ and "
                                f"{own[1]}/ share a layer and stay apart")
    for problem in problems:
        print(f"check-layers: {problem}", file=sys.stderr)
    if problems:
        return 1
    print(f"check-layers: ok, {len(files)} files, every include runs down the layers")
    return 0


if __name__ == "__main__":
    sys.exit(main())
