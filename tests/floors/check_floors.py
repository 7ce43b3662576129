#!/usr/bin/env python3
"""Fails when a folder of the project includes a header of a floor above it.

Reads every `#include "..."` line of the project's own folders, finds the folder of the
included file and checks it against the table of floors below. An include is resolved
beside the including file first, then from the source folder, as the compilers' include
paths do; one that names none of our folders (Qt's generated files, say) is not ours.
A top-level folder of sources that the table does not name fails too, so that every new
folder takes its floor. Build folders (those holding a CMakeCache.txt) are not read.
Usage: check_floors.py SOURCE_DIR
"""
import os
import re
import sys

# Each folder and the floors right under it; a folder may use every floor below those too.
FLOORS = {
    "platform": [],
    "engine": ["platform"],
    "storage": ["engine"],
    "placedb": ["engine"],
    "render": ["engine"],
    "session": ["storage", "placedb"],
    "gui": ["render", "storage", "placedb"],
    "handheld": ["gui", "session"],
    "desktop": ["gui", "listctrl"],
    "tools": ["session", "render"],
    "listctrl": [],
}
# Tests, benchmarks and fuzz targets reach into any floor.
ANYWHERE = ["tests", "bench", "fuzz"]

SOURCE_SUFFIXES = (".h", ".hpp", ".cpp", ".cc")
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')


def reachable(floors):
    """Every folder a folder may include: itself and all floors below it."""
    below = {}

    def walk(folder):
        if folder not in below:
            seen = {folder}
            for lower in floors[folder]:
                seen |= walk(lower)
            below[folder] = seen
        return below[folder]

    for folder in floors:
        walk(folder)
    return below


def top_folder(source_dir, path):
    relative = os.path.relpath(path, source_dir)
    return None if relative.startswith("..") else relative.split(os.sep)[0]


def included_folder(source_dir, including_file, include):
    beside = os.path.normpath(os.path.join(os.path.dirname(including_file), include))
    if os.path.exists(beside):
        return top_folder(source_dir, beside)
    return top_folder(source_dir, os.path.normpath(os.path.join(source_dir, include)))


def unlisted_folders(source_dir):
    """Top-level folders holding sources that have no floor in the table."""
    unlisted = []
    for name in sorted(os.listdir(source_dir)):
        folder = os.path.join(source_dir, name)
        if (name.startswith(".") or name in FLOORS or name in ANYWHERE or not os.path.isdir(folder)
                or os.path.exists(os.path.join(folder, "CMakeCache.txt"))):
            continue
        if any(f.endswith(SOURCE_SUFFIXES) for _, _, files in os.walk(folder) for f in files):
            unlisted.append(name)
    return unlisted


def upward_includes(source_dir):
    """(file, line number, include, its folder) of every include that runs up a floor."""
    allowed = reachable(FLOORS)
    ours = set(FLOORS) | set(ANYWHERE)
    found = []
    for folder in sorted(FLOORS):
        for root, _, files in os.walk(os.path.join(source_dir, folder)):
            for name in sorted(files):
                if not name.endswith(SOURCE_SUFFIXES):
                    continue
                path = os.path.join(root, name)
                with open(path, encoding="utf-8", errors="replace") as source:
                    for number, line in enumerate(source, 1):
                        match = INCLUDE.match(line)
                        if not match:
                            continue
                        target = included_folder(source_dir, path, match.group(1))
                        if target in ours and target not in allowed[folder]:
                            found.append((os.path.relpath(path, source_dir), number, match.group(1), target))
    return found


def main():
    source_dir = os.path.abspath(sys.argv[1])
    unlisted = unlisted_folders(source_dir)
    for name in unlisted:
        print(f"{name}/ holds sources but has no floor in the table")
    found = upward_includes(source_dir)
    for path, number, include, target in found:
        print(f"{path}:{number}: includes \"{include}\", but {target}/ is no floor below {path.split('/')[0]}/")
    print(f"{len(found)} includes run up a floor")
    return 1 if found or unlisted else 0


if __name__ == "__main__":
    sys.exit(main())
