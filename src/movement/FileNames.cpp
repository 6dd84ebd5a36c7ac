// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileNames.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

#ifdef _WIN32
#include <io.h>
#endif

namespace movement {

#ifdef _WIN32

std::filesystem::path PathOf(const std::string& name) {
    // With the folders parted by "\", as every message shows them.
    return std::filesystem::path(std::u8string(name.begin(), name.end())).make_preferred();
}

std::string NameOf(const std::filesystem::path& path) {
    const std::u8string name = path.u8string();
    return std::string(name.begin(), name.end());
}

bool HoldsFolder(const std::string& name) { return name.find_first_of("/\\:") != std::string::npos; }

bool IsThere(const std::string& name) {
    struct _stat64 status {};
    return ::_wstat64(PathOf(name).c_str(), &status) == 0 || (errno != ENOENT && errno != ENOTDIR);
}

int OpenForReading(const std::string& name) { return ::_wopen(PathOf(name).c_str(), _O_RDONLY | _O_BINARY); }

#else

std::filesystem::path PathOf(const std::string& name) { return name; }

std::string NameOf(const std::filesystem::path& path) { return path.string(); }

bool HoldsFolder(const std::string& name) { return name.find('/') != std::string::npos; }

bool IsThere(const std::string& name) {
    struct stat status {};
    return ::stat(name.c_str(), &status) == 0 || (errno != ENOENT && errno != ENOTDIR);
}

int OpenForReading(const std::string& name) { return ::open(name.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK); }

#endif

}  // namespace movement
