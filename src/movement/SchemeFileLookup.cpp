// SPDX-License-Identifier: GPL-3.0-or-later
#include "SchemeFileLookup.h"

#include "FileNames.h"

#include <algorithm>
#include <filesystem>

namespace movement {

namespace {

// One whole sentence for each number of data folders looked in up to three; beyond, the rest
// of the folders are listed by name.
Text NotFoundText(const std::string& name, const std::vector<std::string>& lookedIn) {
    std::vector<std::string> arguments = {name};
    arguments.insert(arguments.end(), lookedIn.begin(), lookedIn.end());
    switch (lookedIn.size()) {
        case 1:
            return Text{RZ_TEXT("refusals", "Nie znaleziono pliku „%1” w folderze „%2”."), arguments};
        case 2:
            return Text{RZ_TEXT("refusals",
                                "Nie znaleziono pliku „%1” ani w folderze bieżącym „%2”, ani w folderze "
                                "danych programu „%3”."),
                        arguments};
        case 3:
            return Text{RZ_TEXT("refusals",
                                "Nie znaleziono pliku „%1” ani w folderze bieżącym „%2”, ani w folderze "
                                "danych programu „%3”, ani w folderze danych programu „%4”."),
                        arguments};
        default:
            break;
    }
    std::string others;
    for (std::size_t k = 1; k < lookedIn.size(); ++k) others += (k > 1 ? "”, „" : "") + lookedIn[k];
    return Text{RZ_TEXT("refusals",
                        "Nie znaleziono pliku „%1” ani w folderze bieżącym „%2”, ani w folderach danych "
                        "programu: „%3”."),
                {name, lookedIn.front(), others}};
}

}  // namespace

std::pair<std::string, std::string> NameAndFolder(const std::string& fileName) {
    std::error_code failed;
    std::filesystem::path path = std::filesystem::absolute(PathOf(fileName), failed);
    if (failed) path = PathOf(fileName);
    path = path.lexically_normal();
    if (!path.has_filename()) return {fileName, NameOf(path)};
    return {NameOf(path.filename()), NameOf(path.parent_path())};
}

Result<std::string> LocateSchemeFile(const std::string& fileName, const std::vector<std::string>& dataFolders) {
    if (fileName.empty() || HoldsFolder(fileName) || IsThere(fileName)) return Result<std::string>::Accepted(fileName);
    const auto [name, workingFolder] = NameAndFolder(fileName);
    std::vector<std::string> lookedIn = {workingFolder};
    for (const std::string& folder : dataFolders) {
        const std::filesystem::path path = PathOf(folder).lexically_normal() / PathOf(fileName);
        if (IsThere(NameOf(path))) return Result<std::string>::Accepted(NameOf(path));
        // A folder that is not there is no place to tell the director about.
        std::error_code failed;
        const std::string shown = NameOf(path.parent_path());
        if (std::filesystem::is_directory(path.parent_path(), failed) &&
            std::find(lookedIn.begin(), lookedIn.end(), shown) == lookedIn.end())
            lookedIn.push_back(shown);
    }
    return Result<std::string>::Refused(NotFoundText(name, lookedIn));
}

}  // namespace movement
