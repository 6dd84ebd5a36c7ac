// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Result.h"

#include <string>
#include <utility>
#include <vector>

namespace movement {

// Where a scheme file is read from. A name with a folder in it is taken as it is; a bare name is
// looked for in the working folder first, then in each of `dataFolders` in turn. Refused with the
// Polish text to show when no folder holds it, naming every folder looked in that exists.
Result<std::string> LocateSchemeFile(const std::string& fileName, const std::vector<std::string>& dataFolders);

// A file's name and the folder it was looked for in, absolute, so that a message tells the
// director where to find it.
std::pair<std::string, std::string> NameAndFolder(const std::string& fileName);

}  // namespace movement
