// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Result.h"
#include "SchemeFileLookup.h"
#include "SchemeLineSplitter.h"

#include <cstdint>
#include <string>
#include <vector>

namespace movement {

// The most a scheme file is read, in bytes. The biggest movement files are a few kilobytes and
// 300 MB list in well under a second; anything past this (a sparse file of exabytes, a file
// that keeps growing) is no scheme file, and reading it would never end.
constexpr int64_t MaxSchemeFileSize = int64_t{1} << 30;

// Reads the scheme lines of a file found by LocateSchemeFile. Refused with the Polish text to
// show, which names the file and the folder it was looked for in: not found, access denied (also
// for a directory, a device or a pipe), larger than MaxSchemeFileSize (also when it grows past it
// while read), or an input/output error with its number.
Result<SchemeLines> ReadSchemeFile(const std::string& fileName, const std::vector<std::string>& dataFolders = {});

}  // namespace movement
