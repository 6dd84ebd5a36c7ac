// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace movement {

// The data folders of the program at `executablePath` (absolute), where the shipped scheme files
// lie when it is installed: first the one beside its own folder (share/rozstawiki next to bin;
// on Windows its own folder), so that a copy unpacked under any root reads its own files, then
// the one this build installs to (none on Windows). Each once, lexically normal; whether they
// exist is asked only when a file is looked for.
std::vector<std::string> DataFolders(const std::string& executablePath);

}  // namespace movement
