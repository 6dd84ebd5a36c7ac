// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>

namespace movement {

// File names are kept as std::string throughout: bytes as given on Unix, UTF-8 on Windows, whose
// file system takes them as UTF-16. These are the one place that knows the difference.

// The path a name stands for.
std::filesystem::path PathOf(const std::string& name);

// A path's name as the program keeps it.
std::string NameOf(const std::filesystem::path& path);

// Whether a name holds a folder ("/", and on Windows also "\" and a drive such as "C:").
bool HoldsFolder(const std::string& name);

// Whether a name names something: only "no such file" says no, so that a file that is there but
// cannot be read is reported where it lies rather than looked for elsewhere.
bool IsThere(const std::string& name);

// A file opened for reading, as a descriptor; -1 with errno set when it cannot be opened.
int OpenForReading(const std::string& name);

}  // namespace movement
