#!/usr/bin/env python3
"""The floors guard on small made-up trees: it passes a tree whose includes run down or
sideways within a folder, and fails, naming file and line, on each include that runs up."""
import os
import subprocess
import sys
import tempfile
import unittest

GUARD = os.path.join(os.path.dirname(os.path.abspath(__file__)), "check_floors.py")


class FloorsGuardTest(unittest.TestCase):
    def setUp(self):
        self.work = tempfile.TemporaryDirectory()
        self.root = self.work.name
        # A sound tree: each folder uses itself and floors below it.
        self.write("platform/Clock.h", "#pragma once\n")
        self.write("engine/Chart.h", '#include "platform/Clock.h"\n')
        self.write("render/Wheel.h", '#include "engine/Chart.h"\n#include "Wheel.moc"\n#include <QPainter>\n')
        self.write("gui/Dialog.h", '#include "render/Wheel.h"\n')
        self.write("listctrl/List.h", '#include "Item.h"\n')
        self.write("listctrl/Item.h", "#pragma once\n")
        self.write("tests/gui/DialogTest.cpp", '#include "gui/Dialog.h"\n#include "../support/Fixture.h"\n')
        self.write("build/CMakeCache.txt", "")
        self.write("build/gui/moc_Dialog.cpp", '#include "../../desktop/Main.h"\n')

    def tearDown(self):
        self.work.cleanup()

    def write(self, path, text):
        full = os.path.join(self.root, path)
        os.makedirs(os.path.dirname(full), exist_ok=True)
        with open(full, "w", encoding="utf-8") as f:
            f.write(text)

    def guard(self):
        return subprocess.run([sys.executable, GUARD, self.root], capture_output=True, text=True)

    def test_sound_tree_passes(self):
        result = self.guard()
        self.assertEqual(result.returncode, 0, result.stdout)
        self.assertIn("0 includes run up a floor", result.stdout)

    def test_include_of_a_floor_above_fails(self):
        self.write("engine/Slot.h", '#pragma once\n\n#include "gui/Dialog.h"\n')
        result = self.guard()
        self.assertEqual(result.returncode, 1)
        self.assertIn('engine/Slot.h:3: includes "gui/Dialog.h"', result.stdout)
        self.assertIn("1 includes run up a floor", result.stdout)

    def test_include_through_a_relative_path_is_resolved(self):
        self.write("platform/Folder.cpp", '#include "../engine/Chart.h"\n')
        result = self.guard()
        self.assertEqual(result.returncode, 1)
        self.assertIn('platform/Folder.cpp:1: includes "../engine/Chart.h"', result.stdout)

    def test_a_floor_beside_is_no_floor_below(self):
        self.write("render/Table.cpp", '#include "storage/File.h"\n')
        self.write("storage/File.h", "#pragma once\n")
        self.write("listctrl/Cell.cpp", '#include "engine/Chart.h"\n')
        result = self.guard()
        self.assertEqual(result.returncode, 1)
        self.assertIn("render/Table.cpp:1", result.stdout)
        self.assertIn("listctrl/Cell.cpp:1", result.stdout)
        self.assertIn("2 includes run up a floor", result.stdout)

    def test_a_missing_file_still_counts_by_its_folder(self):
        self.write("storage/Reader.cpp", '#include "desktop/NotYetWritten.h"\n')
        self.assertEqual(self.guard().returncode, 1)

    def test_folder_without_a_floor_fails(self):
        self.write("newpart/Thing.cpp", '#include "engine/Chart.h"\n')
        result = self.guard()
        self.assertEqual(result.returncode, 1)
        self.assertIn("newpart/ holds sources but has no floor in the table", result.stdout)


if __name__ == "__main__":
    unittest.main()
