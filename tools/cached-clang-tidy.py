#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""clang-tidy over the files of a compile database, sparing the files it found clean before.

A file's verdict depends only on what the compiler sees of it (its command and the text of it and
of every header it reads, comments kept, since NOLINT lives in them), on the .clang-tidy files
and on clang-tidy itself; a clean verdict is kept under that key (paths inside the tree taken
from its root) in a cache folder outside the tree, so a second run, or a fresh clone in any
folder of a machine that ran before, checks only the files whose text, or whose headers' text,
changed. The headers a file reads are those the build recorded when it last compiled the file
(ninja's deps log); a file the build has not compiled since it or a header changed is
preprocessed instead, which takes longer.
Findings are never cached: a file with findings is checked again every time.

usage: cached-clang-tidy.py BUILD_FOLDER FILE_REGEX
The cache: $ROZSTAWIKI_TIDY_CACHE, else ~/.cache/rozstawiki-clang-tidy.

clang-tidy 22 (Debian's clang-tidy-22): unlike 14, it leaves the declarations of system headers
(Qt's, gtest's, the standard library's) out of its matching, about a third of the time per file.
"""
import concurrent.futures
import functools
import glob
import hashlib
import json
import os
import re
import shlex
import subprocess
import sys
import tempfile

CLANG_TIDY = "clang-tidy-22"


def as_written(entry):
    """The entry's command without the header CMake precompiled for its target, which it makes
    every file include first: clang cannot read gcc's precompiled headers, and each file is to be
    checked as it stands, with what it includes itself."""
    arguments = entry.get("arguments") or shlex.split(entry["command"])
    kept = []
    at = 0
    while at < len(arguments):
        if arguments[at] == "-include" and arguments[at + 1].endswith("cmake_pch.hxx"):
            at += 2
            continue
        if arguments[at] != "-Winvalid-pch":
            kept.append(arguments[at])
        at += 1
    return {"directory": entry["directory"], "file": entry["file"], "arguments": kept}


def recorded_inputs(build):
    """Each object file's inputs as the build last recorded them: the source and every header."""
    build = os.path.abspath(build)
    listing = subprocess.run(["ninja", "-C", build, "-t", "deps"], capture_output=True, text=True)
    inputs = {}
    current = None
    for line in listing.stdout.splitlines():
        if line and not line[0].isspace():
            target, _, state = line.partition(": #deps")
            current = [] if state.rstrip().endswith("(VALID)") else None
            if current is not None:
                inputs[os.path.normpath(os.path.join(build, target))] = current
        elif line.strip() and current is not None:
            current.append(os.path.normpath(os.path.join(build, line.strip())))
    return inputs


@functools.lru_cache(maxsize=None)
def text_digest(path):
    with open(path, "rb") as text:
        return hashlib.sha256(text.read()).hexdigest()


def inputs_digest(arguments, target, inputs, root):
    """The digest of the command and of the text of every input of an up-to-date object file;
    None where the build has not recorded them since they changed."""
    recorded = inputs.get(target)
    if not recorded or not os.path.exists(target):
        return None
    built = os.stat(target).st_mtime_ns
    digest = hashlib.sha256(" ".join(arguments).replace(root, "<root>").encode())
    try:
        for path in recorded:
            if os.stat(path).st_mtime_ns > built:
                return None
            named = os.path.relpath(path, root) if path.startswith(root + os.sep) else path
            digest.update(f"{named} {text_digest(path)}\n".encode())
    except OSError:
        return None
    return digest.hexdigest()


def main():
    build, pattern = sys.argv[1], re.compile(sys.argv[2])
    root = os.getcwd()
    cache = os.environ.get("ROZSTAWIKI_TIDY_CACHE", os.path.expanduser("~/.cache/rozstawiki-clang-tidy"))
    os.makedirs(cache, exist_ok=True)
    with open(os.path.join(build, "compile_commands.json")) as database:
        entries = [as_written(entry) for entry in json.load(database) if pattern.search(entry["file"])]
    # clang-tidy reads the commands from a database of its own, without the precompiled headers.
    written = tempfile.TemporaryDirectory()
    with open(os.path.join(written.name, "compile_commands.json"), "w") as database:
        json.dump(entries, database)

    common = hashlib.sha256()
    common.update(subprocess.run([CLANG_TIDY, "--version"], capture_output=True, check=True).stdout)
    # The tree's .clang-tidy and those of its folders, which add to it.
    configs = [os.path.join(root, ".clang-tidy")] + sorted(
        config for top in ("src", "tests", "tools")
        for config in glob.glob(os.path.join(root, top, "**", ".clang-tidy"), recursive=True))
    for config in configs:
        common.update(os.path.relpath(config, root).encode())
        with open(config, "rb") as text:
            common.update(text.read())

    inputs = recorded_inputs(build)

    def check(entry):
        arguments = entry["arguments"]
        # The compiler itself, after any launcher such as ccache, preprocesses the file.
        while os.path.basename(arguments[0]) in ("ccache", "env"):
            arguments = arguments[1:]
        target = None
        if "-o" in arguments:
            at = arguments.index("-o")
            target = os.path.normpath(os.path.join(entry["directory"], arguments[at + 1]))
            arguments = arguments[:at] + arguments[at + 2:]
        # Named from the tree's root, so that a clone in another folder finds the same keys.
        digest = common.copy()
        digest.update(os.path.relpath(entry["file"], root).encode())
        recorded = inputs_digest(arguments, target, inputs, root) if target else None
        if recorded:
            digest.update(recorded.encode())
        else:
            seen = subprocess.run(arguments + ["-E", "-C", "-o", "-"], cwd=entry["directory"], capture_output=True)
            digest.update(seen.stdout.replace(root.encode(), b"<root>"))
            digest = digest if seen.returncode == 0 else None
        key = os.path.join(cache, digest.hexdigest()) if digest else None
        if key and os.path.exists(key):
            return True, True, ""
        tidy = subprocess.run([CLANG_TIDY, "-p", written.name, "-quiet", entry["file"]], capture_output=True, text=True)
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
