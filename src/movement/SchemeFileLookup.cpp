// SPDX-License-Identifier: GPL-3.0-or-later
#include "SchemeFileLookup.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <sys/stat.h>

namespace movement {

namespace {

// Whether a path names something: only "no such file" says no, so that a file that is there but
// cannot be read is reported where it lies rather than looked for elsewhere.
bool IsThere(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 || (errno != ENOENT && errno != ENOTDIR);
}

std::string NotFoundText(const std::string& name, const std::vector<std::string>& lookedIn) {
    if (lookedIn.size() == 1) return "Nie znaleziono pliku „" + name + "” w folderze „" + lookedIn.front() + "”.";
    std::string text = "Nie znaleziono pliku „" + name + "” ani w folderze bieżącym „" + lookedIn.front() + "”";
    for (std::size_t k = 1; k < lookedIn.size(); ++k) text += ", ani w folderze danych programu „" + lookedIn[k] + "”";
    return text + ".";
}

}  // namespace

std::pair<std::string, std::string> NameAndFolder(const std::string& fileName) {
    std::error_code failed;
    std::filesystem::path path = std::filesystem::absolute(fileName, failed);
    if (failed) path = fileName;
    path = path.lexically_normal();
    if (!path.has_filename()) return {fileName, path.string()};
    return {path.filename().string(), path.parent_path().string()};
}

Result<std::string> LocateSchemeFile(const std::string& fileName, const std::vector<std::string>& dataFolders) {
    if (fileName.empty() || fileName.find('/') != std::string::npos || IsThere(fileName))
        return Result<std::string>::Accepted(fileName);
    const auto [name, workingFolder] = NameAndFolder(fileName);
    std::vector<std::string> lookedIn = {workingFolder};
    for (const std::string& folder : dataFolders) {
        const std::filesystem::path path = std::filesystem::path(folder).lexically_normal() / fileName;
        if (IsThere(path.string())) return Result<std::string>::Accepted(path.string());
        // A folder that is not there is no place to tell the director about.
        std::error_code failed;
        const std::string shown = path.parent_path().string();
        if (std::filesystem::is_directory(shown, failed) &&
            std::find(lookedIn.begin(), lookedIn.end(), shown) == lookedIn.end())
            lookedIn.push_back(shown);
    }
    return Result<std::string>::Refused(NotFoundText(name, lookedIn));
}

}  // namespace movement
