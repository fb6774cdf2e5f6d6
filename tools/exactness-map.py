#!/usr/bin/env python3
"""Fails when docs/exactness.md and the code disagree about the plain
references of the fast paths.

    tools/exactness-map.py [SOURCE_DIR]

Every function of the program whose name ends in Plain is a fast path's
reference and must be named in the map's table; every name ending in Plain
that the table gives must be a function of the program. Each fast path's
header comment points at the map, so the header that declares a reference
must mention docs/exactness.md. Every source file the map names must be
there, so a file that moves takes the map with it."""

import pathlib
import re
import sys

PROGRAM_FOLDERS = ["app", "log", "draw", "input", "ui", "screen", "sim"]
# A definition or declaration: the name, then its parameters.
FUNCTION = re.compile(r"\b([A-Z][A-Za-z0-9]*Plain)\s*\(")
NAME = re.compile(r"`([A-Z][A-Za-z0-9]*Plain)`")
FILE = re.compile(r"`((?:" + "|".join(PROGRAM_FOLDERS + ["web"]) + r")/[A-Za-z0-9_/]+\.(?:h|cpp))`")


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".").resolve()
    in_code = {}
    for top in PROGRAM_FOLDERS:
        for path in sorted((root / top).rglob("*")):
            if path.suffix in (".cpp", ".h"):
                text = path.read_text(encoding="utf-8")
                for name in FUNCTION.findall(text):
                    in_code.setdefault(name, set()).add(path)
    map_text = (root / "docs" / "exactness.md").read_text(encoding="utf-8")
    table = set(NAME.findall(map_text))
    problems = []
    for named in sorted(set(FILE.findall(map_text))):
        if not (root / named).is_file():
            problems.append(f"docs/exactness.md names {named}, which is not there")
    for name in sorted(set(in_code) - table):
        problems.append(f"{name} is not in docs/exactness.md")
    for name in sorted(table - set(in_code)):
        problems.append(f"docs/exactness.md names {name}, which the code does not have")
    for name, paths in sorted(in_code.items()):
        headers = [p for p in paths if p.suffix == ".h"]
        for header in headers:
            if "docs/exactness.md" not in header.read_text(encoding="utf-8"):
                problems.append(f"{header.relative_to(root)} declares {name} but does not point at docs/exactness.md")
    for problem in problems:
        print(problem)
    print(f"{len(in_code)} references, {len(problems)} problems")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
