// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// File systems of other kinds mounted for a test, and a wait for the runs that write into a
// folder. Linux, and root for the mounts.
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/file.h>
#include <sys/mount.h>
#include <unistd.h>
#include <utility>

namespace movement::testing {

// A file system mounted on a folder by a command (root only); unmounted at the end.
class Mounted {
public:
    Mounted(const std::string& command, std::string where) : where_(std::move(where)) {
        std::filesystem::create_directories(where_);
        mounted_ = ::geteuid() == 0 && std::system((command + " >/dev/null 2>&1").c_str()) == 0;
    }
    ~Mounted() {
        if (mounted_ && ::umount2(where_.c_str(), 0) != 0) ::umount2(where_.c_str(), MNT_DETACH);
    }
    Mounted(const Mounted&) = delete;
    Mounted& operator=(const Mounted&) = delete;
    explicit operator bool() const { return mounted_; }

private:
    std::string where_;
    bool mounted_ = false;
};

inline std::string ShellQuoted(const std::string& text) { return "'" + text + "'"; }

// A small ext2 file system, which can neither swap two names nor reserve room in a file.
inline Mounted Ext2(const std::string& image, const std::string& where) {
    return Mounted("truncate -s 4M " + ShellQuoted(image) + " && mkfs.ext2 -q " + ShellQuoted(image) +
                       " && mount -o loop " + ShellQuoted(image) + " " + ShellQuoted(where),
                   where);
}

// A view of a folder through FUSE (bindfs), which has no files without a name, cannot swap two
// names and reserves no room.
inline Mounted Fuse(const std::string& folder, const std::string& where) {
    std::filesystem::create_directories(folder);
    return Mounted("bindfs " + ShellQuoted(folder) + " " + ShellQuoted(where), where);
}

// Returns once no run of the program, and no guardian of a run that ended, holds the folder.
inline void WaitForTheFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::flock(fd, LOCK_EX);
    ::close(fd);
}

}  // namespace movement::testing
