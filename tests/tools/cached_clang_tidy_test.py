#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The lint's cache of clean verdicts (tools/cached-clang-tidy.py): a file is spared only while
its command and the text of every input the build recorded for it are unchanged, and is
checked as it is written, without its target's precompiled header."""
import importlib.util
import os
import tempfile
import time
import unittest

here = os.path.dirname(os.path.abspath(__file__))
spec = importlib.util.spec_from_file_location(
    "cached_clang_tidy", os.path.join(here, "..", "..", "tools", "cached-clang-tidy.py"))
tidy = importlib.util.module_from_spec(spec)
spec.loader.exec_module(tidy)


class Tree:
    """A source, a header and the object file built from them, in a folder of their own."""

    def __init__(self):
        self.folder = tempfile.TemporaryDirectory()
        self.root = os.path.realpath(self.folder.name)
        self.source = self.write("src/Card.cpp", '#include "Card.h"\n')
        self.header = self.write("src/Card.h", "int Card();\n")
        self.target = self.write("build/Card.cpp.o", "")
        self.inputs = {self.target: [self.source, self.header]}
        self.arguments = ["/usr/bin/c++", f"-I{self.root}/src", "-c", self.source]

    def write(self, name, text):
        path = os.path.join(self.root, name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "w") as file:
            file.write(text)
        return path

    def digest(self):
        tidy.text_digest.cache_clear()
        return tidy.inputs_digest(self.arguments, self.target, self.inputs, self.root)


class InputsDigest(unittest.TestCase):
    def tree(self):
        made = Tree()
        self.addCleanup(made.folder.cleanup)
        return made

    def test_follows_every_inputs_text_but_not_the_trees_folder(self):
        first, second = self.tree(), self.tree()
        self.assertIsNotNone(first.digest())
        self.assertEqual(first.digest(), second.digest())  # a clone in another folder
        before = first.digest()
        first.write("src/Card.h", "int Card();  // NOLINT\n")
        os.utime(first.target)  # built again after the change
        self.assertNotEqual(first.digest(), before)
        first.arguments.append("-DNDEBUG")
        self.assertNotEqual(first.digest(), before)

    def test_gives_none_where_the_build_has_not_seen_the_inputs_as_they_are(self):
        tree = self.tree()
        later = time.time() + 10
        os.utime(tree.header, (later, later))  # changed since the object was built
        self.assertIsNone(tree.digest())
        tree.inputs = {}
        self.assertIsNone(tree.digest())
        os.remove(tree.header)
        self.assertIsNone(tree.digest())


class AsWritten(unittest.TestCase):
    def test_leaves_out_only_the_targets_precompiled_header(self):
        entry = {"directory": "/b", "file": "/s/a.cpp",
                 "command": "c++ -DX -Winvalid-pch -include /b/t.dir/cmake_pch.hxx -include own.h -c /s/a.cpp"}
        self.assertEqual(tidy.as_written(entry)["arguments"], ["c++", "-DX", "-include", "own.h", "-c", "/s/a.cpp"])


if __name__ == "__main__":
    unittest.main()
