#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The lint's cache of clean verdicts (tools/cached-clang-tidy.py): a file is spared only while
its command and the text of every input the build recorded for it are unchanged, and is
checked as it is written, without its target's precompiled header."""
import os
import runpy
import tempfile
import time
import unittest

tidy = runpy.run_path(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools",
                                   "cached-clang-tidy.py"))


class LintCache(unittest.TestCase):
    def tree(self):
        """A source, its header and the object built from them; the digest of the three."""
        folder = tempfile.TemporaryDirectory()
        self.addCleanup(folder.cleanup)
        root = os.path.realpath(folder.name)
        paths = {}
        for name, text in (("Card.cpp", '#include "Card.h"\n'), ("Card.h", "int Card();\n"), ("Card.cpp.o", "")):
            paths[name] = os.path.join(root, name)
            with open(paths[name], "w") as file:
                file.write(text)
        arguments = ["c++", f"-I{root}", "-c", paths["Card.cpp"]]

        def digest(inputs=None, extra=()):
            tidy["text_digest"].cache_clear()
            recorded = {paths["Card.cpp.o"]: [paths["Card.cpp"], paths["Card.h"]]} if inputs is None else inputs
            return tidy["inputs_digest"](arguments + list(extra), paths["Card.cpp.o"], recorded, root)

        return paths, digest

    def test_the_key_follows_every_inputs_text_and_the_command_but_not_the_trees_folder(self):
        (paths, digest), (_, elsewhere) = self.tree(), self.tree()
        before = digest()
        self.assertIsNotNone(before)
        self.assertEqual(before, elsewhere())
        self.assertNotEqual(digest(extra=["-DNDEBUG"]), before)
        with open(paths["Card.h"], "w") as file:
            file.write("int Card();  // NOLINT\n")
        os.utime(paths["Card.cpp.o"])  # built again after the change
        self.assertNotEqual(digest(), before)
        # No key where the build has not seen the inputs as they are: a header changed since,
        # an object not recorded.
        later = time.time() + 10
        os.utime(paths["Card.h"], (later, later))
        self.assertIsNone(digest())
        self.assertIsNone(digest(inputs={}))

    def test_a_file_is_checked_without_its_targets_precompiled_header(self):
        entry = {"directory": "/b", "file": "/s/a.cpp",
                 "command": "c++ -DX -Winvalid-pch -include /b/t.dir/cmake_pch.hxx -include own.h -c /s/a.cpp"}
        self.assertEqual(tidy["as_written"](entry)["arguments"], ["c++", "-DX", "-include", "own.h", "-c", "/s/a.cpp"])


if __name__ == "__main__":
    unittest.main()
