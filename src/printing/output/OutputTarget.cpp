// SPDX-License-Identifier: GPL-3.0-or-later
#include "OutputTarget.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <linux/magic.h>
#include <sstream>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace printing {

using movement::Result;

namespace {

constexpr int MaxLinkSteps = 40;
constexpr std::string_view PdfSignature = "%PDF-";

const std::string& KernelFile() {
    static const std::string text = "to plik systemowy jądra (/proc, /sys, /dev), a nie plik na dysku";
    return text;
}

// The kernel's rule for links in a sticky folder that anyone may write in (as /tmp), kept by the
// program whoever runs it: such a link is followed only when it belongs to the one who follows
// it or to the folder's owner, so that nobody leads another user's cards into another's file.
bool MayFollow(const std::string& link, const struct stat& linkStatus) {
    struct stat folder {};
    if (::stat(FolderOf(link).c_str(), &folder) != 0) return true;
    const bool stickyForAll = (folder.st_mode & S_ISVTX) != 0 && (folder.st_mode & S_IWOTH) != 0;
    return !stickyForAll || linkStatus.st_uid == ::geteuid() || linkStatus.st_uid == folder.st_uid;
}

bool SameFile(const struct stat& a, const std::string& other) {
    struct stat b {};
    return ::stat(other.c_str(), &b) == 0 && a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

bool SameFile(const std::string& one, const std::string& other) {
    struct stat a {};
    return ::stat(one.c_str(), &a) == 0 && SameFile(a, other);
}

Result<bool> HoldsPdfOrNothing(const std::string& path, off_t size) {
    if (size == 0) return Result<bool>::Accepted(true);
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return Result<bool>::Refused(WriteErrorText(errno));
    const bool pdf = printing::HoldsPdfOrNothing(fd);
    ::close(fd);
    return Result<bool>::Accepted(pdf);
}

// Whether the file system of a device number is the kernel's device folder (/dev), which
// statfs() tells apart from any other tmpfs only through the mount table.
bool OnDeviceFileSystem(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) return false;
    const std::string device = std::to_string(major(status.st_dev)) + ":" + std::to_string(minor(status.st_dev));
    std::ifstream mounts("/proc/self/mountinfo");
    for (std::string line; std::getline(mounts, line);) {
        // "36 25 0:5 / /dev rw,nosuid shared:2 - devtmpfs udev rw,size=…"
        std::istringstream fields(line);
        std::string id, parent, numbers;
        fields >> id >> parent >> numbers;
        if (numbers != device) continue;
        const auto separator = line.find(" - ");
        if (separator != std::string::npos && line.compare(separator + 3, 9, "devtmpfs ") == 0) return true;
    }
    return false;
}

// Whether a path lies on one of the kernel's own file systems, whose files only look like files.
bool OnKernelFileSystem(const std::string& path) {
    struct statfs system {};
    if (::statfs(path.c_str(), &system) != 0) return false;
    switch (system.f_type) {
        case TMPFS_MAGIC:
            return OnDeviceFileSystem(path);
        case PROC_SUPER_MAGIC:
        case SYSFS_MAGIC:
        case DEBUGFS_MAGIC:
        case TRACEFS_MAGIC:
        case SECURITYFS_MAGIC:
        case CGROUP_SUPER_MAGIC:
        case CGROUP2_SUPER_MAGIC:
        case BPF_FS_MAGIC:
            return true;
        default:
            return false;
    }
}

}  // namespace

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool HoldsPdfOrNothing(int fd) {
    std::array<char, PdfSignature.size()> head{};
    const ssize_t got = ::pread(fd, head.data(), head.size(), 0);
    return got == 0 ||
           (got == static_cast<ssize_t>(head.size()) && std::string_view(head.data(), head.size()) == PdfSignature);
}

Result<OutputTarget> ChooseOutputTarget(const std::string& output, const std::vector<std::string>& inputs) {
    const auto refused = [&](const std::string& reason) {
        return Result<OutputTarget>::Refused(CannotWrite(output, reason));
    };
    if (output.empty()) return refused("pusta nazwa");
    // What the name leads to, through every link: also the kernel's links, such as /dev/stdout
    // on a pipe, which lead to no name.
    struct stat reached {};
    if (::stat(output.c_str(), &reached) == 0 && !S_ISREG(reached.st_mode))
        return refused(S_ISDIR(reached.st_mode) ? "to folder"
                                                : "to nie jest zwykły plik (np. kolejka FIFO albo urządzenie)");

    // A symbolic link stays a link: the file it leads to is written.
    OutputTarget target;
    target.path = output;
    struct stat status {};
    for (int step = 0;; ++step) {
        if (step == MaxLinkSteps) return refused(WriteErrorText(ELOOP));
        if (::lstat(target.path.c_str(), &status) != 0) {
            if (errno != ENOENT) return refused(WriteErrorText(errno));
            break;
        }
        if (!S_ISLNK(status.st_mode)) {
            target.exists = true;
            break;
        }
        if (!MayFollow(target.path, status))
            return refused("dowiązanie symboliczne " + target.path +
                           " należy do innego użytkownika i leży w folderze, do którego każdy może pisać, więc nie "
                           "zostanie użyte");
        std::array<char, 8192> link{};
        const ssize_t length = ::readlink(target.path.c_str(), link.data(), link.size());
        if (length < 0 || length == static_cast<ssize_t>(link.size())) return refused(WriteErrorText(errno));
        const std::string leadsTo(link.data(), static_cast<std::size_t>(length));
        const std::string next = leadsTo.front() == '/' ? leadsTo : FolderOf(target.path) + "/" + leadsTo;
        // The kernel's links (/proc/self/fd/N) may name a file that is no longer there, or lead
        // nowhere a name can: only one that names the very file it leads to is followed.
        if (OnKernelFileSystem(FolderOf(target.path)) && !SameFile(target.path, next)) return refused(KernelFile());
        target.path = next;
    }

    if (!target.exists) {
        struct stat folder {};
        if (::stat(FolderOf(target.path).c_str(), &folder) != 0) return refused(WriteErrorText(errno));
        if (!S_ISDIR(folder.st_mode)) return refused(WriteErrorText(ENOTDIR));
        if (OnKernelFileSystem(FolderOf(target.path))) return refused(KernelFile());
        return Result<OutputTarget>::Accepted(std::move(target));
    }

    if (!S_ISREG(status.st_mode))
        return refused(S_ISDIR(status.st_mode) ? "to folder"
                                               : "to nie jest zwykły plik (np. kolejka FIFO albo urządzenie)");
    if (OnKernelFileSystem(target.path)) return refused(KernelFile());
    for (const std::string& input : inputs)
        if (SameFile(status, input)) return refused("to plik schematów, z którego czytane są rozstawiki");
    const Result<bool> pdf = HoldsPdfOrNothing(target.path, status.st_size);
    if (!pdf.accepted()) return refused(pdf.message());
    if (!pdf.value()) return refused("plik istnieje i nie jest plikiem PDF, więc nie zostanie zastąpiony");

    target.mode = status.st_mode & 07777;
    target.owner = status.st_uid;
    target.group = status.st_gid;
    target.device = status.st_dev;
    target.inode = status.st_ino;
    return Result<OutputTarget>::Accepted(std::move(target));
}

}  // namespace printing
