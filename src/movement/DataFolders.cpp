// SPDX-License-Identifier: GPL-3.0-or-later
#include "DataFolders.h"

#include <filesystem>

namespace movement {

std::vector<std::string> DataFolders(const std::string& executablePath) {
    std::vector<std::string> folders;
    if (!executablePath.empty()) {
        const std::filesystem::path own = std::filesystem::path(executablePath).parent_path() / DATA_FOLDER_FROM_PROGRAM;
        folders.push_back(own.lexically_normal().string());
    }
    const std::string installed = std::filesystem::path(INSTALLED_DATA_FOLDER).lexically_normal().string();
    if (folders.empty() || folders.front() != installed) folders.push_back(installed);
    return folders;
}

}  // namespace movement
