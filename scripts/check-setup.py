#!/usr/bin/env python3
"""Checks that scripts/setup.sh installs every command the project calls.

    scripts/check-setup.py [--setup FILE] [-v]

A green test run on a machine where someone once installed a package by hand says nothing about
a fresh machine. So this finds the external commands that the scripts, the build files and the
end-to-end harness call, asks dpkg which package brings each of them on this machine, and fails
unless that package is on set-up's list or is pulled in by one that is (apt's dependencies,
recommendations excluded, as set-up installs without them), and unless set-up's own command
check names the command. Commands of Debian's essential packages are on every machine.

Exit status: 0 when all is well, 1 naming each command and its package otherwise.
"""

from __future__ import annotations

import argparse
import os
import re
import shutil
import subprocess
import sys
from pathlib import Path

REPO = Path(__file__).resolve().parent.parent

SHELL_FILES = ["scripts/*.sh", ".ci/run", "tests/**/*.sh"]
PYTHON_FILES = ["scripts/*.py", "tests/e2e/**/*.py"]
CMAKE_FILES = ["CMakeLists.txt", "**/CMakeLists.txt", "cmake/*.cmake", "CMakePresets.json"]

SHELL_WORDS = {  # keywords and builtins: never a package's command
    "if", "then", "else", "elif", "fi", "for", "while", "until", "do", "done", "case", "esac",
    "in", "function", "select", "time", "!", "[[", "]]", "{", "}", "exec", "command", "builtin",
    "echo", "printf", "cd", "set", "unset", "exit", "return", "local", "export", "readonly",
    "declare", "trap", "read", "test", "[", "true", "false", "shift", "wait", "kill", "source",
    ".", "eval", "type", "pwd", "mapfile", "break", "continue", ":", "sudo", "$sudo", "env",
}


def files(patterns: list[str]) -> list[Path]:
    found: set[Path] = set()
    for pattern in patterns:
        found.update(p for p in REPO.glob(pattern) if p.is_file() and "build" not in p.parts)
    return sorted(found)


def shell_commands(path: Path) -> list[tuple[str, int]]:
    """The first word of every simple command, heredoc bodies and function names left out."""
    text = path.read_text(errors="replace")
    functions = set(re.findall(r"^\s*([\w-]+)\s*\(\)\s*\{", text, re.M))
    found = []
    heredoc_end = None
    in_array = False
    for number, line in enumerate(text.splitlines(), 1):
        if heredoc_end is not None:
            if line.strip() == heredoc_end:
                heredoc_end = None
            continue
        if in_array:  # the words of a multi-line array are data
            in_array = ")" not in line
            continue
        if re.match(r"^\s*\w+=\([^)]*$", line):
            in_array = True
            continue
        marker = re.search(r"<<-?\s*['\"]?(\w+)['\"]?", line)
        if marker and "<<<" not in line:
            heredoc_end = marker.group(1)
        line = re.sub(r"(^|\s)#.*", "", line)
        line = re.sub(r"'[^']*'", "''", line)  # quoted text is data
        line = re.sub(r"\$\{[^}]*\}|\$\(\([^)]*\)\)", "x", line)
        for segment in re.split(r"\|\|?|&&|;|\$\(|[()`{}]", line):
            words = segment.split()
            while words and (words[0] in SHELL_WORDS or re.match(r"^\w+=", words[0])):
                if words[0] in ("for", "case", "select"):
                    words = []
                    break
                words = words[1:]
            if not words:
                continue
            word = words[0].strip("\"'")
            if re.fullmatch(r"[A-Za-z][\w.+-]*", word) and word not in functions:
                found.append((word, number))
        for compiler in re.findall(r"CMAKE_\w*_COMPILER=([\w.+-]+)", line):
            found.append((compiler, number))
    return found


def python_commands(path: Path) -> list[tuple[str, int]]:
    """String literals that open an argument list: ["wine", exe], host_run(["xdotool", ...])."""
    text = path.read_text(errors="replace")
    return [(m.group(1), text.count("\n", 0, m.start()) + 1)
            for m in re.finditer(r"(?<![\w\])])\[\s*[\"']([A-Za-z][\w.+-]*)[\"']\s*[,\]]", text)]


def cmake_commands(path: Path) -> list[tuple[str, int]]:
    text = path.read_text(errors="replace")
    patterns = [r"find_program\(\s*\w+\s+(?:NAMES\s+)?([A-Za-z][\w.+-]*)",
                r"CMAKE_\w*_COMPILER[\"':=\s]+([A-Za-z][\w.+-]*)",
                r"COMMAND\s+([A-Za-z][\w.+-]*)"]
    return [(m.group(1), text.count("\n", 0, m.start()) + 1)
            for pattern in patterns for m in re.finditer(pattern, text)]


def called_commands() -> dict[str, str]:
    """Command name -> the first place that calls it (file:line)."""
    places: dict[str, str] = {}
    for reader, patterns in ((shell_commands, SHELL_FILES), (python_commands, PYTHON_FILES),
                             (cmake_commands, CMAKE_FILES)):
        for path in files(patterns):
            for name, line in reader(path):
                places.setdefault(name, f"{path.relative_to(REPO)}:{line}")
    return places


def dpkg_owner(path: str) -> str | None:
    r = subprocess.run(["dpkg", "-S", path], capture_output=True, text=True)
    owners = [line.split(":", 1)[0].split(",")[0].strip() for line in r.stdout.splitlines()
              if ":" in line and not line.startswith("diversion by")]
    return owners[0] if r.returncode == 0 and owners else None


def owning_package(command: str) -> tuple[str | None, str | None]:
    """(package, path) of the first copy on PATH that a package owns; the path itself, then each
    link it leads through (Debian's alternatives), then its real path."""
    first = None
    for folder in os.environ.get("PATH", "").split(os.pathsep):
        candidate = os.path.join(folder, command)
        if not (os.path.isfile(candidate) and os.access(candidate, os.X_OK)):
            continue
        first = first or candidate
        step, seen = candidate, set()
        while step not in seen:
            seen.add(step)
            package = dpkg_owner(step)
            if package:
                return package, candidate
            if not os.path.islink(step):
                break
            step = os.path.join(os.path.dirname(step), os.readlink(step))
        package = dpkg_owner(os.path.realpath(candidate))
        if package:
            return package, candidate
    return None, first


def closure(packages: list[str]) -> set[str]:
    r = subprocess.run(["apt-cache", "depends", "--recurse", "--no-recommends", "--no-suggests",
                        "--no-conflicts", "--no-breaks", "--no-replaces", "--no-enhances",
                        *packages], capture_output=True, text=True, check=True)
    names = set(packages)
    for line in r.stdout.splitlines():
        if line and not line[0].isspace():
            names.add(line.strip().strip("<>"))
        elif "Depends:" in line:
            names.add(line.split(":", 1)[1].strip().strip("<>"))
    return names


def essential(package: str) -> bool:
    r = subprocess.run(["dpkg-query", "-W", "-f=${Essential} ${Priority}", package],
                       capture_output=True, text=True)
    return r.returncode == 0 and (r.stdout.startswith("yes") or r.stdout.endswith("required"))


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--setup", default=str(REPO / "scripts" / "setup.sh"),
                        help="the set-up script whose lists are checked")
    parser.add_argument("-v", "--verbose", action="store_true")
    args = parser.parse_args()

    def setup_list(flag: str) -> list[str]:
        r = subprocess.run(["bash", args.setup, flag], capture_output=True, text=True, check=True)
        return r.stdout.split("\n")[:-1]

    packages = setup_list("--print-packages")
    checked = dict(line.split(" ", 1) for line in setup_list("--print-commands"))
    installed = closure(packages)

    problems = []
    for name, package in sorted(checked.items()):
        if package not in packages:
            problems.append(f"set-up checks '{name}' as coming from '{package}', "
                            f"which is not on its package list")
    called = called_commands()
    for name in checked:
        called.setdefault(name, "scripts/setup.sh (command check)")
    counted = 0
    for name, place in sorted(called.items()):
        if name in SHELL_WORDS or shutil.which(name) is None:
            if args.verbose:
                print(f"check-setup: skipped '{name}' ({place}): not a command here")
            continue
        package, path = owning_package(name)
        if package is None:
            problems.append(f"'{name}' ({place}) is {path}, which no Debian package provides")
            continue
        if essential(package):
            continue
        counted += 1
        if package not in installed:
            problems.append(f"'{name}' ({place}) comes from the package '{package}', which "
                            f"scripts/setup.sh neither installs nor pulls in")
        elif name not in checked:
            problems.append(f"'{name}' ({place}) comes from the package '{package}', but "
                            f"scripts/setup.sh does not check the command after installing")
        elif args.verbose:
            print(f"check-setup: '{name}' ({place}) <- {package}")
    for problem in problems:
        print(f"check-setup: {problem}", file=sys.stderr)
    if problems:
        return 1
    print(f"check-setup: ok, {counted} commands, each from a package that scripts/setup.sh installs")
    return 0


if __name__ == "__main__":
    sys.exit(main())
