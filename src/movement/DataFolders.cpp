// SPDX-License-Identifier: GPL-3.0-or-later
#include "DataFolders.h"

#include "FileNames.h"

#include <filesystem>
#include <string_view>

namespace movement {

std::vector<std::string> DataFolders(const std::string& executablePath) {
    std::vector<std::string> folders;
    if (!executablePath.empty()) {
        std::filesystem::path own = PathOf(executablePath).parent_path();
        // Empty where the files lie beside the program itself (Windows).
        constexpr std::string_view FromProgram = DATA_FOLDER_FROM_PROGRAM;
        if (!FromProgram.empty()) own /= FromProgram;
        folders.push_back(NameOf(own.lexically_normal()));
    }
    // None where the program carries its files with it, wherever it is installed (Windows).
    constexpr std::string_view InstalledFolder = INSTALLED_DATA_FOLDER;
    if (InstalledFolder.empty()) return folders;
    const std::string installed = std::filesystem::path(InstalledFolder).lexically_normal().string();
    if (folders.empty() || folders.front() != installed) folders.push_back(installed);
    return folders;
}

}  // namespace movement
