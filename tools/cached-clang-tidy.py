#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""clang-tidy over the files of a compile database, sparing the files it found clean before.

A file's verdict depends only on what the compiler sees of it (its preprocessed text, comments
kept, since NOLINT lives in them), on .clang-tidy and on clang-tidy itself; a clean verdict is
kept under that key (paths inside the tree taken from its root) in a cache folder outside the
tree, so a second run, or a fresh clone in any folder of a machine that ran before, checks only
the files whose text, or whose headers' text, changed.
Findings are never cached: a file with findings is checked again every time.

usage: cached-clang-tidy.py BUILD_FOLDER FILE_REGEX
The cache: $ROZSTAWIKI_TIDY_CACHE, else ~/.cache/rozstawiki-clang-tidy.
"""
import concurrent.futures
import hashlib
import json
import os
import re
import shlex
import subprocess
import sys


def main():
    build, pattern = sys.argv[1], re.compile(sys.argv[2])
    root = os.getcwd()
    cache = os.environ.get("ROZSTAWIKI_TIDY_CACHE", os.path.expanduser("~/.cache/rozstawiki-clang-tidy"))
    os.makedirs(cache, exist_ok=True)
    with open(os.path.join(build, "compile_commands.json")) as database:
        entries = [entry for entry in json.load(database) if pattern.search(entry["file"])]

    common = hashlib.sha256()
    common.update(subprocess.run(["clang-tidy", "--version"], capture_output=True, check=True).stdout)
    with open(os.path.join(root, ".clang-tidy"), "rb") as config:
        common.update(config.read())

    def check(entry):
        arguments = entry.get("arguments") or shlex.split(entry["command"])
        # The compiler itself, after any launcher such as ccache, preprocesses the file.
        while os.path.basename(arguments[0]) in ("ccache", "env"):
            arguments = arguments[1:]
        if "-o" in arguments:
            at = arguments.index("-o")
            arguments = arguments[:at] + arguments[at + 2:]
        seen = subprocess.run(arguments + ["-E", "-C", "-o", "-"], cwd=entry["directory"], capture_output=True)
        key = None
        if seen.returncode == 0:
            # Named from the tree's root, so that a clone in another folder finds the same keys.
            digest = common.copy()
            digest.update(os.path.relpath(entry["file"], root).encode())
            digest.update(seen.stdout.replace(root.encode(), b"<root>"))
            key = os.path.join(cache, digest.hexdigest())
            if os.path.exists(key):
                return True, True, ""
        tidy = subprocess.run(["clang-tidy", "-p", build, "-quiet", entry["file"]], capture_output=True, text=True)
        findings = [line for line in (tidy.stdout + tidy.stderr).splitlines()
                    if re.search(r"(warning|error): ", line)]
        clean = tidy.returncode == 0 and not findings
        if clean and key:
            open(key, "w").close()
        return False, clean, tidy.stdout + tidy.stderr

    failed = 0
    spared = 0
    jobs = os.cpu_count() or 1
    with concurrent.futures.ThreadPoolExecutor(max_workers=jobs) as pool:
        for cached, clean, output in pool.map(check, entries):
            spared += cached
            if not clean:
                failed += 1
                lines = output.splitlines()
                for k, line in enumerate(lines):
                    if re.search(r"(warning|error): ", line):
                        print("\n".join(lines[k:k + 5]))
    print(f"clang-tidy: {len(entries)} files, {spared} clean before and unchanged, {failed} with findings")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
