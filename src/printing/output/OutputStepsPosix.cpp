// SPDX-License-Identifier: GPL-3.0-or-later
// The steps of writing an output file on Unix: links followed by the kernel's rule, the kernel's
// own files told apart, the folder locked with flock, the pending file without a name (O_TMPFILE)
// or hidden beside the target, and its replacement of the old file by swapping names
// (RENAME_EXCHANGE), checked before and after; where names cannot be swapped, the old file taken
// aside first; another user's file or one with other names written over in place. While a name
// holds a pending file or a file that is not ours, signals wait (HeldSignals) and a guardian
// process stands by (PendingNames.h).
#include "printing/output/OutputSteps.h"
#include "printing/output/PendingNames.h"

#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <linux/falloc.h>
#include <linux/fs.h>
#include <linux/magic.h>
#include <optional>
#include <sstream>
#include <string_view>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/sysmacros.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace printing {

namespace {

constexpr int MaxLinkSteps = 40;
constexpr std::size_t MaxNameLength = NAME_MAX;
constexpr std::string_view PdfSignature = "%PDF-";
constexpr std::string_view PendingSuffix = ".rozstawiki-";
// A file system with no step that puts a file under a name without replacing what is there.
constexpr int NoSafeStep = -1;

FileIdentity IdentityIn(const struct stat& status) {
    return {static_cast<std::uint64_t>(status.st_dev), static_cast<std::uint64_t>(status.st_ino)};
}

int FolderFd(const PendingFile& file) { return static_cast<int>(file.folder.handle); }

// The kernel's rule for links in a sticky folder that anyone may write in (as /tmp), kept by the
// program whoever runs it: such a link is followed only when it belongs to the one who follows
// it or to the folder's owner, so that nobody leads another user's cards into another's file.
bool MayFollow(const std::string& link, const struct stat& linkStatus) {
    struct stat folder {};
    if (::stat(FolderOf(link).c_str(), &folder) != 0) return true;
    const bool stickyForAll = (folder.st_mode & S_ISVTX) != 0 && (folder.st_mode & S_IWOTH) != 0;
    return !stickyForAll || linkStatus.st_uid == ::geteuid() || linkStatus.st_uid == folder.st_uid;
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

Found::Kind KindOf(mode_t mode) {
    if (S_ISREG(mode)) return Found::Kind::File;
    return S_ISDIR(mode) ? Found::Kind::Folder : Found::Kind::Other;
}

// Whether an open file holds a PDF (or nothing yet), judged by its first bytes.
bool HoldsPdfOrNothing(int fd) {
    std::array<char, PdfSignature.size()> head{};
    const ssize_t got = ::pread(fd, head.data(), head.size(), 0);
    return got == 0 ||
           (got == static_cast<ssize_t>(head.size()) && std::string_view(head.data(), head.size()) == PdfSignature);
}

std::string NameOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A name for a file in a folder that no file has yet: the target's name where it fits.
std::string TemporaryName(const std::string& targetName, bool beside) {
    static constexpr std::string_view Letters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::array<unsigned char, 6> random{};
    if (::getrandom(random.data(), random.size(), 0) != static_cast<ssize_t>(random.size()))
        for (auto& byte : random) byte = static_cast<unsigned char>(std::rand());
    std::string name = ".";
    if (beside && 1 + targetName.size() + PendingSuffix.size() + random.size() <= MaxNameLength) name += targetName;
    name += PendingSuffix;
    for (const unsigned char byte : random) name += Letters[byte % Letters.size()];
    return name;
}

ino_t FileIn(int folder, const char* name) {
    struct stat status {};
    return ::fstatat(folder, name, &status, AT_SYMLINK_NOFOLLOW) == 0 ? status.st_ino : 0;
}

// How many names (hard links) the file a name holds has, asked of the file system itself: FUSE
// may still remember a count from before the last change.
nlink_t NamesOf(int folder, const char* name) {
    struct statx status {};
    if (::statx(folder, name, AT_SYMLINK_NOFOLLOW | AT_STATX_FORCE_SYNC, STATX_NLINK, &status) != 0) return 1;
    return status.stx_nlink;
}

ino_t FileOf(int fd) {
    struct stat status {};
    return ::fstat(fd, &status) == 0 ? status.st_ino : 0;
}

bool IsTheFileChecked(const struct stat& status, const OutputTarget& target) {
    return IdentityIn(status) == target.identity;
}

// Whether a name in the folder holds the file checked, and that still a PDF (judged from `oldFd`,
// the file opened before; -1 where it may not be read, which is its owner's business).
bool HoldsTheFileChecked(int folder, const char* name, const OutputTarget& target, int oldFd) {
    struct stat there {};
    if (::fstatat(folder, name, &there, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(there.st_mode) ||
        !IsTheFileChecked(there, target))
        return false;
    return oldFd < 0 || HoldsPdfOrNothing(oldFd);
}

// The old file opened for its first bytes while the name holds the file checked: -1 where it may
// not be read; nothing when it is no longer the file checked or no longer a PDF.
std::optional<int> OpenTheFileChecked(int folder, const char* name, const OutputTarget& target) {
    const int fd = ::openat(folder, name, O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW);
    if (fd < 0 && errno != EACCES) return std::nullopt;
    if (HoldsTheFileChecked(folder, name, target, fd)) return fd;
    if (fd >= 0) ::close(fd);
    return std::nullopt;
}

// Gives the file without a name (open as `fd`) a name in the folder, refusing to replace anything.
int LinkUnnamed(int fd, int folder, const std::string& name) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    if (::linkat(AT_FDCWD, self.c_str(), folder, name.c_str(), AT_SYMLINK_FOLLOW) == 0) return 0;
    if (errno != ENOENT) return errno;
    // No /proc: the same with the descriptor itself, which needs a privilege.
    const int error = errno;
    if (FileIn(folder, name.c_str()) != 0) return EEXIST;
    if (::linkat(fd, "", folder, name.c_str(), AT_EMPTY_PATH) == 0) return 0;
    return errno == EEXIST ? EEXIST : error;
}

bool Unsupported(int error) { return error == EINVAL || error == EPERM || error == EOPNOTSUPP || error == ENOSYS; }

// Moves the named pending file to `to` where nothing is: by a rename that refuses to replace, or
// where the file system has none, by a hard link and the removal of the first name.
int MoveWithoutReplacing(int folder, const std::string& from, const std::string& to) {
    if (::renameat2(folder, from.c_str(), folder, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
    if (errno != EINVAL) return errno;
    if (::linkat(folder, from.c_str(), folder, to.c_str(), 0) != 0) return Unsupported(errno) ? NoSafeStep : errno;
    ::unlinkat(folder, from.c_str(), 0);
    return 0;
}

// What a move that refuses to replace met.
Hitch MoveHitch(int moved) {
    if (moved == EEXIST) return {Reason::AppearedMeanwhile};
    return moved == NoSafeStep ? Hitch{Reason::NoSafeStep} : ErrorHitch(moved);
}

PendingNames NamesIn(int folder, const std::string& name) {
    PendingNames names;
    names.folder = folder;
    names.SetName(names.name, name);
    struct stat status {};
    if (::fstat(folder, &status) == 0) names.device = status.st_dev;
    return names;
}

class ClosedAtEnd {
public:
    explicit ClosedAtEnd(int fd) : fd_(fd) {}
    ~ClosedAtEnd() {
        if (fd_ >= 0) ::close(fd_);
    }
    ClosedAtEnd(const ClosedAtEnd&) = delete;
    ClosedAtEnd& operator=(const ClosedAtEnd&) = delete;

private:
    int fd_;
};

// The owner first: a change of owner clears the set-ID bits and some attributes, which come after.
int KeepWhatTheOldFileHad(const PendingFile& file, const OutputTarget& target) {
    if (::fchown(file.fd, target.owner, target.group) != 0) return errno;
    const char* old = target.path.c_str();
    std::string names;
    for (;;) {
        const ssize_t size = ::llistxattr(old, nullptr, 0);
        if (size < 0) return errno == ENOTSUP ? 0 : errno;
        names.assign(static_cast<std::size_t>(size), '\0');
        const ssize_t got = ::llistxattr(old, names.data(), names.size());
        if (got >= 0) {
            names.resize(static_cast<std::size_t>(got));
            break;
        }
        if (errno != ERANGE) return errno;
    }
    for (std::size_t at = 0; at < names.size(); at += std::strlen(names.c_str() + at) + 1) {
        const char* name = names.c_str() + at;
        std::string value;
        ssize_t got = -1;
        for (;;) {
            const ssize_t size = ::lgetxattr(old, name, nullptr, 0);
            if (size < 0) break;
            value.assign(static_cast<std::size_t>(size), '\0');
            got = ::lgetxattr(old, name, value.data(), value.size());
            if (got >= 0 || errno != ERANGE) break;
        }
        if (got < 0) {
            if (errno == ENODATA) continue;  // removed meanwhile
            return errno;
        }
        if (::fsetxattr(file.fd, name, value.data(), static_cast<std::size_t>(got), 0) != 0) return errno;
    }
    if (::fchmod(file.fd, target.mode) != 0) return errno;
    return 0;
}

// For a file system that cannot swap two names. First, with nothing moved yet, a step is found
// that puts the pending file under a name without replacing anything there. Then the old file is
// taken aside (whatever the name holds at that instant), checked there, and the pending file takes
// the name by that step; a file that is not the one checked goes back to its name.
Hitch ReplaceWithoutSwapping(PendingFile& file, const OutputTarget& target, int oldFd) {
    const int folder = FolderFd(file);
    HeldSignals held;
    PendingNames names = NamesIn(folder, file.name);
    names.pending = FileOf(file.fd);
    names.old = static_cast<ino_t>(target.identity.file);
    names.SetName(names.temporary, file.temporary);
    const std::string tried = TemporaryName(file.name, false);
    names.SetName(names.aside, tried);
    KeepPendingNames(names);
    if (const int moved = MoveWithoutReplacing(folder, file.temporary, tried); moved != 0)
        return moved == NoSafeStep ? Hitch{Reason::NoSafeStep} : ErrorHitch(moved);
    file.temporary = tried;
    names.SetName(names.temporary, file.temporary);

    const std::string aside = TemporaryName(file.name, true);
    names.SetName(names.aside, aside);
    KeepPendingNames(names);
    if (::renameat2(folder, file.name.c_str(), folder, aside.c_str(), RENAME_NOREPLACE) != 0 &&
        (errno != EINVAL || ::renameat(folder, file.name.c_str(), folder, aside.c_str()) != 0)) {
        const int error = errno;
        return error == ENOENT ? Hitch{Reason::ChangedMeanwhile} : ErrorHitch(error);
    }
    if (!HoldsTheFileChecked(folder, aside.c_str(), target, oldFd)) {
        RecoverPendingNames(names);  // what was taken aside goes back
        return {Reason::ChangedMeanwhile};
    }
    if (const int moved = MoveWithoutReplacing(folder, file.temporary, file.name); moved != 0) {
        RecoverPendingNames(names);
        return moved == EEXIST ? Hitch{Reason::AppearedMeanwhile} : ErrorHitch(moved);
    }
    file.temporary.clear();
    ::unlinkat(folder, aside.c_str(), 0);  // the old file
    DropPendingFile(file);
    return {};
}

// An old file: only while the name still holds the file checked, and that still holds a PDF. The
// name is checked just before the two change places at once, and what went out is checked again
// after: a file that is not the one checked changes back.
Hitch SwapWithTheOldFile(PendingFile& file, const OutputTarget& target) {
    const int folder = FolderFd(file);
    const std::optional<int> old = OpenTheFileChecked(folder, file.name.c_str(), target);
    if (!old) return {Reason::ChangedMeanwhile};
    const ClosedAtEnd closedAtEnd(*old);

    HeldSignals held;
    PendingNames names = NamesIn(folder, file.name);
    names.pending = FileOf(file.fd);
    names.old = static_cast<ino_t>(target.identity.file);
    if (file.temporary.empty()) {
        // The file without a name gets one beside the target, for as short a time as can be.
        int linked = EEXIST;
        for (int attempt = 0; linked == EEXIST && attempt < 100; ++attempt) {
            const std::string temporary = TemporaryName(file.name, false);
            names.SetName(names.temporary, temporary);
            KeepPendingNames(names);
            linked = LinkUnnamed(file.fd, folder, temporary);
            if (linked == 0) file.temporary = temporary;
        }
        if (linked != 0) return ErrorHitch(linked);
    } else {
        names.SetName(names.temporary, file.temporary);
        KeepPendingNames(names);
    }
    if (::renameat2(folder, file.temporary.c_str(), folder, file.name.c_str(), RENAME_EXCHANGE) == 0) {
        if (HoldsTheFileChecked(folder, file.temporary.c_str(), target, *old)) {
            ::unlinkat(folder, file.temporary.c_str(), 0);  // the old file
            file.temporary.clear();
            DropPendingFile(file);
            return {};
        }
        ::renameat2(folder, file.temporary.c_str(), folder, file.name.c_str(), RENAME_EXCHANGE);
        return {Reason::ChangedMeanwhile};
    }
    if (errno == EINVAL) return ReplaceWithoutSwapping(file, target, *old);
    const int error = errno;
    return FileIn(folder, file.name.c_str()) == 0 ? Hitch{Reason::ChangedMeanwhile} : ErrorHitch(error);
}

// Another user's file keeps its owner, group, permissions and attributes, and a file with other
// names keeps them, only as itself: the finished PDF goes over it, once the room for all of it is
// reserved (so that a full disk leaves it as it was), with signals held until it is whole.
Hitch WriteOverTheOldFile(PendingFile& file, const OutputTarget& target) {
    const int folder = FolderFd(file);
    int old = ::openat(folder, file.name.c_str(), O_RDWR | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    const bool readable = old >= 0;
    if (old < 0 && errno == EACCES)
        old = ::openat(folder, file.name.c_str(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (old < 0) {
        if ((errno == EACCES || errno == EPERM) && target.owner != ::geteuid()) return {Reason::AnotherUsersFile};
        return errno == ENOENT ? Hitch{Reason::ChangedMeanwhile} : ErrorHitch(errno);
    }
    const ClosedAtEnd closedAtEnd(old);
    struct stat there {};
    struct stat written {};
    if (::fstat(old, &there) != 0 || ::fstat(file.fd, &written) != 0) return ErrorHitch(errno);
    if (!IsTheFileChecked(there, target) || (readable && !HoldsPdfOrNothing(old))) return {Reason::ChangedMeanwhile};
    const off_t size = written.st_size;
    if (size > 0 && ::fallocate(old, FALLOC_FL_KEEP_SIZE, 0, size) != 0)
        return errno == EOPNOTSUPP || errno == ENOSYS ? Hitch{Reason::CannotReserve} : ErrorHitch(errno);

    HeldSignals held;
    std::array<char, 1 << 16> buffer{};
    for (off_t at = 0; at < size;) {
        const ssize_t got = ::pread(file.fd, buffer.data(), buffer.size(), at);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return ErrorHitch(got < 0 ? errno : EIO);
        for (ssize_t put = 0; put < got;) {
            const ssize_t now = ::pwrite(old, buffer.data() + put, static_cast<std::size_t>(got - put), at + put);
            if (now < 0 && errno == EINTR) continue;
            if (now <= 0) return ErrorHitch(now < 0 ? errno : EIO);
            put += now;
        }
        at += got;
    }
    if (::ftruncate(old, size) != 0 || ::fsync(old) != 0) return ErrorHitch(errno);
    DropPendingFile(file);
    return {};
}

}  // namespace

Hitch ErrorHitch(int error) {
    if (error == EDQUOT) return {Reason::QuotaSpent};
    return StandardErrorHitch(error);
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::optional<FileIdentity> IdentityOf(const std::string& name) {
    struct stat status {};
    if (::stat(name.c_str(), &status) != 0) return std::nullopt;
    return IdentityIn(status);
}

Found LookAt(const std::string& output) {
    Found found;
    // What the name leads to, through every link: also the kernel's links, such as /dev/stdout
    // on a pipe, which lead to no name.
    struct stat reached {};
    if (::stat(output.c_str(), &reached) == 0 && !S_ISREG(reached.st_mode)) {
        found.kind = KindOf(reached.st_mode);
        return found;
    }

    // A symbolic link stays a link: the file it leads to is written.
    found.path = output;
    struct stat status {};
    for (int step = 0;; ++step) {
        if (step == MaxLinkSteps) {
            found.hitch = ErrorHitch(ELOOP);
            return found;
        }
        if (::lstat(found.path.c_str(), &status) != 0) {
            if (errno != ENOENT) found.hitch = ErrorHitch(errno);
            return found;  // missing
        }
        if (!S_ISLNK(status.st_mode)) break;
        if (!MayFollow(found.path, status)) {
            found.hitch = {Reason::ForeignLink, 0, found.path};
            return found;
        }
        std::array<char, 8192> link{};
        const ssize_t length = ::readlink(found.path.c_str(), link.data(), link.size());
        if (length < 0 || length == static_cast<ssize_t>(link.size())) {
            found.hitch = ErrorHitch(errno);
            return found;
        }
        const std::string leadsTo(link.data(), static_cast<std::size_t>(length));
        const std::string next = leadsTo.front() == '/' ? leadsTo : FolderOf(found.path) + "/" + leadsTo;
        // The kernel's links (/proc/self/fd/N) may name a file that is no longer there, or lead
        // nowhere a name can: only one that names the very file it leads to is followed.
        const std::optional<FileIdentity> linked = IdentityOf(found.path);
        if (OnKernelFileSystem(FolderOf(found.path)) && (!linked || linked != IdentityOf(next))) {
            found.hitch = {Reason::KernelFile};
            return found;
        }
        found.path = next;
    }
    found.kind = KindOf(status.st_mode);
    if (found.kind != Found::Kind::File) return found;
    found.kernels = OnKernelFileSystem(found.path);
    found.identity = IdentityIn(status);
    found.size = static_cast<std::uint64_t>(status.st_size);
    found.mode = status.st_mode & 07777;
    found.owner = status.st_uid;
    found.group = status.st_gid;
    return found;
}

Hitch FolderTakesNewFile(const std::string& path) {
    const std::string folder = FolderOf(path);
    struct stat status {};
    if (::stat(folder.c_str(), &status) != 0) return ErrorHitch(errno);
    if (!S_ISDIR(status.st_mode)) return ErrorHitch(ENOTDIR);
    if (OnKernelFileSystem(folder)) return {Reason::KernelFile};
    return {};
}

Hitch HoldsPdfOrNothing(const Found& found) {
    if (found.size == 0) return {};
    const int fd = ::open(found.path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return ErrorHitch(errno);
    const bool pdf = HoldsPdfOrNothing(fd);
    ::close(fd);
    return pdf ? Hitch{} : Hitch{Reason::NotPdf};
}

Hitch OpenFolder(const std::string& path, HeldFolder& folder) {
    int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    // A folder one may write into but not read: it is written without the lock.
    if (fd < 0 && errno == EACCES) fd = ::open(path.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return ErrorHitch(errno);
    struct stat status {};
    if (::fstat(fd, &status) != 0) {
        const int error = errno;
        ::close(fd);
        return ErrorHitch(error);
    }
    folder = {true, fd, IdentityIn(status)};
    return {};
}

Lock TryToLock(const HeldFolder& folder) {
    while (::flock(static_cast<int>(folder.handle), LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR) continue;
        return errno == EWOULDBLOCK ? Lock::Busy : Lock::NotHere;
    }
    return Lock::Taken;
}

void LetGoOfFolder(HeldFolder& folder) {
    if (folder.handle >= 0) ::close(static_cast<int>(folder.handle));  // and the lock with it
    folder = {};
}

bool TakesOnlyNewFiles(const HeldFolder& folder) {
    int flags = 0;
    return ::ioctl(static_cast<int>(folder.handle), FS_IOC_GETFLAGS, &flags) == 0 && (flags & FS_APPEND_FL) != 0;
}

Hitch BeginPendingFile(PendingFile& file, const OutputTarget& target, bool onlyNewFiles) {
    const int folder = FolderFd(file);
    file.name = NameOf(target.path);
    // A file without a name vanishes by itself, whatever ends the program.
    file.fd = ::openat(folder, ".", O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (file.fd >= 0) return {};
    if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) return ErrorHitch(errno);
    // A pending file with a name could not be removed from such a folder.
    if (onlyNewFiles) return {Reason::OnlyNewFiles};

    HeldSignals held;
    PendingNames names = NamesIn(folder, file.name);
    for (int attempt = 0; file.fd < 0 && attempt < 100; ++attempt) {
        file.temporary = TemporaryName(file.name, true);
        names.SetName(names.temporary, file.temporary);
        KeepPendingNames(names);
        file.fd = ::openat(folder, file.temporary.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (file.fd < 0 && errno != EEXIST) break;
    }
    if (file.fd < 0) {
        const int error = errno;
        file.temporary.clear();
        LetGoOfPendingNames(folder);
        return ErrorHitch(error);
    }
    names.pending = FileOf(file.fd);
    KeepPendingNames(names);
    return {};
}

Hitch FinishPendingFile(PendingFile& file) { return ::fsync(file.fd) == 0 ? Hitch{} : ErrorHitch(errno); }

Hitch PlaceNewFile(PendingFile& file) {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    if (::fchmod(file.fd, 0666 & ~mask) != 0) return ErrorHitch(errno);
    const int folder = FolderFd(file);
    if (file.temporary.empty()) {
        if (const int linked = LinkUnnamed(file.fd, folder, file.name); linked != 0)
            return linked == EEXIST ? Hitch{Reason::AppearedMeanwhile} : ErrorHitch(linked);
        DropPendingFile(file);
        return {};
    }
    HeldSignals held;
    if (const int moved = MoveWithoutReplacing(folder, file.temporary, file.name); moved != 0) return MoveHitch(moved);
    file.temporary.clear();
    DropPendingFile(file);
    return {};
}

Hitch ReplaceTheFileChecked(PendingFile& file, const OutputTarget& target) {
    // A file with other names keeps them: every name shows the new cards.
    if (NamesOf(FolderFd(file), file.name.c_str()) > 1) return WriteOverTheOldFile(file, target);
    const int kept = KeepWhatTheOldFileHad(file, target);
    if (kept == EPERM || kept == EACCES || kept == ENOTSUP) return WriteOverTheOldFile(file, target);
    if (kept == ENOENT) return {Reason::ChangedMeanwhile};
    if (kept != 0) return ErrorHitch(kept);
    return SwapWithTheOldFile(file, target);
}

void DropPendingFile(PendingFile& file) {
    const int folder = FolderFd(file);
    {
        HeldSignals held;
        if (!file.temporary.empty() && file.fd >= 0 && FileIn(folder, file.temporary.c_str()) == FileOf(file.fd))
            ::unlinkat(folder, file.temporary.c_str(), 0);
        file.temporary.clear();
        if (file.fd >= 0) ::close(file.fd);
        file.fd = -1;
    }
    LetGoOfPendingNames(folder);
}

}  // namespace printing
