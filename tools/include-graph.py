#!/usr/bin/env python3
"""Prints which source folders include headers of which others, and fails
when the folders include each other in a cycle.

    tools/include-graph.py [SOURCE_DIR]

Every #include "folder/file.h" of a .cpp or .h file under the program's
folders is an edge from the file's folder to the header's folder. The
output lists each edge once, with how many includes make it."""

import pathlib
import re
import sys

PROGRAM_FOLDERS = ["app", "log", "draw", "input", "ui", "screen", "sim", "web"]
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)


def folder_edges(root):
    edges = {}
    for top in PROGRAM_FOLDERS:
        for path in sorted((root / top).rglob("*")):
            if path.suffix not in (".cpp", ".h"):
                continue
            source = path.parent.relative_to(root).as_posix()
            for header in INCLUDE.findall(path.read_text(encoding="utf-8")):
                if not (root / header).is_file():
                    continue
                target = pathlib.PurePosixPath(header).parent.as_posix()
                if target != source:
                    edges.setdefault(source, {}).setdefault(target, 0)
                    edges[source][target] += 1
    return edges


def find_cycle(edges):
    """A list of folders that include each other in a ring, or None."""
    state = {}  # absent: not seen; 1: on the current path; 2: done
    path = []

    def visit(folder):
        state[folder] = 1
        path.append(folder)
        for target in sorted(edges.get(folder, {})):
            if state.get(target) == 1:
                return path[path.index(target):] + [target]
            if target not in state:
                found = visit(target)
                if found:
                    return found
        path.pop()
        state[folder] = 2
        return None

    for folder in sorted(edges):
        if folder not in state:
            found = visit(folder)
            if found:
                return found
    return None


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).resolve().parent.parent)
    edges = folder_edges(root)
    for source in sorted(edges):
        for target in sorted(edges[source]):
            print(f"{source} -> {target} ({edges[source][target]})")
    cycle = find_cycle(edges)
    if cycle:
        print("cycle: " + " -> ".join(cycle), file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
