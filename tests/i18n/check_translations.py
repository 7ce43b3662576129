#!/usr/bin/env python3
"""Fails when a text of the programs has no finished German translation.

Runs lupdate over each catalogue's sources into a temporary copy of its .ts file, so a
text added to the code but not to the catalogue shows up as unfinished.
Usage: check_translations.py LUPDATE SOURCE_DIR NAME=dir[,dir...] ...
"""
import os
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET


def missing_texts(lupdate, source_dir, name, folders):
    ts = os.path.join(source_dir, "resources", "translations", name + "_de.ts")
    with tempfile.TemporaryDirectory() as work:
        copy = os.path.join(work, os.path.basename(ts))
        shutil.copyfile(ts, copy)
        subprocess.run([lupdate, "-silent", "-no-obsolete", "-locations", "none", "-I", source_dir,
                        *[os.path.join(source_dir, f) for f in folders], "-ts", copy], check=True)
        root = ET.parse(copy).getroot()
    missing = []
    for context in root.iter("context"):
        context_name = context.findtext("name")
        for message in context.iter("message"):
            translation = message.find("translation")
            unfinished = translation is None or translation.get("type") == "unfinished" or not (
                (translation.text or "").strip() or translation.find("numerusform") is not None)
            if unfinished:
                missing.append(f"{name}: {context_name}: {message.findtext('source')!r}")
    return missing


def main():
    lupdate, source_dir = sys.argv[1], sys.argv[2]
    missing = []
    for argument in sys.argv[3:]:
        name, folders = argument.split("=", 1)
        missing += missing_texts(lupdate, source_dir, name, folders.split(","))
    for line in missing:
        print("no German text:", line)
    print(f"{len(missing)} texts without German")
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main())
