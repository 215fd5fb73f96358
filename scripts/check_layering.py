#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Z408 configurator developers
# SPDX-License-Identifier: GPL-2.0-or-later

"""Checks that every folder under src/ includes only folders below it in the README's layering.

    scripts/check_layering.py [ROOT]

ROOT (the repository by default) holds README.md, src/ and scripts/layering_exceptions.txt. The
README's drawing is the fenced block after the line `<!-- layering -->`: one line a layer, the
top layer first; a line starts with its folders (`app/  cli/`), the rest is their description.
A folder may include its own headers and those of folders on lower lines, not those of a folder
on its own line or above it.

The exceptions file names known breaks, one a line: `FILE INCLUDE REASON...` (FILE relative to
ROOT, INCLUDE as written between the quotes). An exception that no longer occurs is an error too,
so that the list shrinks as the code is mended.

Exit 0 when the layering holds, 1 with one line a fault on stderr, 2 when the inputs are unusable.
"""
import os
import re
import sys

MARKER = "<!-- layering -->"
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')
SOURCE_SUFFIXES = (".h", ".hpp", ".cpp", ".cc")


class Unusable(Exception):
    pass


def read_layers(readme_path):
    """Maps each folder of the drawing to its layer number (0 at the bottom)."""
    with open(readme_path, encoding="utf-8") as f:
        lines = f.read().split("\n")
    try:
        start = lines.index(MARKER) + 1
    except ValueError:
        raise Unusable(f"{readme_path}: no line '{MARKER}' before the layering drawing")
    if start >= len(lines) or not lines[start].startswith("```"):
        raise Unusable(f"{readme_path}: the line after '{MARKER}' must open a fenced block")
    rows = []
    for line in lines[start + 1:]:
        if line.startswith("```"):
            break
        folders = []
        for word in line.split():
            if not word.endswith("/"):
                break
            folders.append(word.rstrip("/"))
        if folders:
            rows.append(folders)
    else:
        raise Unusable(f"{readme_path}: the layering drawing is not closed")
    layers = {}
    for depth, folders in enumerate(reversed(rows)):
        for folder in folders:
            if folder in layers:
                raise Unusable(f"{readme_path}: {folder}/ is drawn twice")
            layers[folder] = depth
    if not layers:
        raise Unusable(f"{readme_path}: the layering drawing names no folder")
    return layers


def read_exceptions(path):
    """The allowed (file, include) pairs with the line they stand on."""
    allowed = {}
    if not os.path.exists(path):
        return allowed
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.strip()
            if not line or line.startswith("#"):
                continue
            parts = line.split(None, 2)
            if len(parts) < 3:
                raise Unusable(f"{path}:{number}: want FILE INCLUDE REASON")
            allowed[(parts[0], parts[1])] = number
    return allowed


def includes_of(path):
    with open(path, encoding="utf-8", errors="replace") as f:
        for number, line in enumerate(f, 1):
            m = INCLUDE.match(line)
            if m:
                yield number, m.group(1)


def check(root):
    layers = read_layers(os.path.join(root, "README.md"))
    exceptions_path = os.path.join(root, "scripts", "layering_exceptions.txt")
    allowed = read_exceptions(exceptions_path)
    src = os.path.join(root, "src")
    faults = []
    used = set()
    folders = sorted(d for d in os.listdir(src) if os.path.isdir(os.path.join(src, d)))
    for folder in folders:
        if folder not in layers:
            faults.append(f"src/{folder}/ is not in the README's layering drawing")
            continue
        for dirpath, _, files in os.walk(os.path.join(src, folder)):
            for name in sorted(files):
                if not name.endswith(SOURCE_SUFFIXES):
                    continue
                path = os.path.join(dirpath, name)
                rel = os.path.relpath(path, root)
                for number, target in includes_of(path):
                    other = target.split("/", 1)[0] if "/" in target else None
                    # Includes without a folder, or of a folder outside src/, are the file's own
                    # neighbours or a system header.
                    if other is None or other == folder or other not in layers:
                        continue
                    if layers[other] < layers[folder]:
                        continue
                    if (rel, target) in allowed:
                        used.add((rel, target))
                        continue
                    where = "on the same line as" if layers[other] == layers[folder] else "above"
                    faults.append(f'{rel}:{number}: includes "{target}": {other}/ is {where} '
                                  f"{folder}/ in the README's layering")
    for (rel, target), number in sorted(allowed.items(), key=lambda item: item[1]):
        if (rel, target) not in used:
            faults.append(f"{exceptions_path}:{number}: {rel} no longer includes {target} "
                          "across the layering: remove the exception")
    return faults


def main(argv):
    root = argv[1] if len(argv) > 1 else os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    try:
        faults = check(root)
    except (Unusable, OSError) as e:
        print(f"check_layering: {e}", file=sys.stderr)
        return 2
    for fault in faults:
        print(fault, file=sys.stderr)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
