// SPDX-License-Identifier: GPL-3.0-or-later
#include "PendingOutput.h"

#include "printing/output/PendingNames.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <linux/falloc.h>
#include <linux/fs.h>
#include <optional>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <thread>
#include <unistd.h>
#include <utility>

namespace printing {

using movement::Outcome;
using movement::Result;

namespace {

constexpr std::size_t MaxNameLength = NAME_MAX;
constexpr std::string_view PendingSuffix = ".rozstawiki-";
// How long a run waits while other runs of the program write into the same folder.
constexpr auto LockWait = std::chrono::seconds(60);
// A file system with no step that puts a file under a name without replacing what is there.
constexpr int NoSafeStep = -1;

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

const std::string& ChangedMeanwhile() {
    static const std::string text = "w czasie zapisu ktoś zmienił ten plik, więc nie zostanie zastąpiony";
    return text;
}

const std::string& AppearedMeanwhile() {
    static const std::string text = "w czasie zapisu powstał plik o tej nazwie, więc nie zostanie zastąpiony";
    return text;
}

const std::string& NoSafeWay() {
    static const std::string text =
        "ten system plików nie pozwala umieścić pliku pod nazwą bez ryzyka nadpisania innego, który pojawiłby się "
        "w tej samej chwili, więc nic nie zapisano";
    return text;
}

const std::string& OnlyNewFiles() {
    static const std::string text =
        "do tego folderu można tylko dodawać nowe pliki (atrybut „a”), więc plik nie zostanie zastąpiony";
    return text;
}

const std::string& CannotReserve() {
    static const std::string text =
        "plik trzeba nadpisać w miejscu (należy do innego użytkownika albo ma kilka nazw), a ten system plików nie "
        "pozwala najpierw zarezerwować na to miejsca, więc plik nie zostanie zmieniony";
    return text;
}

const std::string& Busy() {
    static const std::string text = "inny zapis Rozstawików do tego folderu trwa ponad 60 s, więc nic nie zapisano";
    return text;
}

// The target's folder, open and, where it can be read and its file system knows locks, locked
// against the program's other runs.
struct LockedFolder {
    int fd = -1;
    int error = 0;
    bool busy = false;
};

LockedFolder LockFolder(const std::string& path) {
    LockedFolder folder;
    folder.fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    // A folder one may write into but not read: it is written without the lock.
    if (folder.fd < 0 && errno == EACCES) folder.fd = ::open(path.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (folder.fd < 0) {
        folder.error = errno;
        return folder;
    }
    const auto giveUp = std::chrono::steady_clock::now() + LockWait;
    auto pause = std::chrono::milliseconds(1);
    while (::flock(folder.fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR) continue;
        if (errno != EWOULDBLOCK) break;  // no locks here: written without
        if (std::chrono::steady_clock::now() >= giveUp) {
            ::close(folder.fd);
            return {-1, 0, true};
        }
        std::this_thread::sleep_for(pause);
        pause = std::min(pause * 2, std::chrono::milliseconds(20));
    }
    return folder;
}

bool IsFolder(int folder, const std::string& path) {
    struct stat open {};
    struct stat named {};
    return ::fstat(folder, &open) == 0 && ::stat(path.c_str(), &named) == 0 && open.st_dev == named.st_dev &&
           open.st_ino == named.st_ino;
}

// A folder with the append-only attribute takes new files but lets none be renamed or removed.
bool TakesOnlyNewFiles(int folder) {
    int flags = 0;
    return ::ioctl(folder, FS_IOC_GETFLAGS, &flags) == 0 && (flags & FS_APPEND_FL) != 0;
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

// Whether a name in the folder holds the file checked, and that still a PDF (judged from `oldFd`,
// the file opened before; -1 where it may not be read, which is its owner's business).
bool HoldsTheFileChecked(int folder, const char* name, const OutputTarget& target, int oldFd) {
    struct stat there {};
    if (::fstatat(folder, name, &there, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(there.st_mode) ||
        there.st_dev != target.device || there.st_ino != target.inode)
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

}  // namespace

Result<PendingOutput> PendingOutput::Begin(const std::string& output, const std::vector<std::string>& inputs) {
    const auto refused = [&](const std::string& reason) {
        return Result<PendingOutput>::Refused(CannotWrite(output, reason));
    };
    // The target is chosen again once its folder is locked: until then another run of the
    // program may be replacing it, or a link may lead elsewhere.
    Result<OutputTarget> chosen = ChooseOutputTarget(output, inputs);
    LockedFolder folder;
    for (int attempt = 0;; ++attempt) {
        if (!chosen.accepted()) {
            if (folder.fd >= 0) ::close(folder.fd);
            return Result<PendingOutput>::Refused(chosen.message());
        }
        if (folder.fd >= 0 && IsFolder(folder.fd, FolderOf(chosen.value().path))) break;
        if (folder.fd >= 0) ::close(folder.fd);
        if (attempt == 10) return refused(ChangedMeanwhile());
        folder = LockFolder(FolderOf(chosen.value().path));
        if (folder.busy) return refused(Busy());
        if (folder.fd < 0) return refused(WriteErrorText(folder.error));
        chosen = ChooseOutputTarget(output, inputs);
    }
    const int dir = folder.fd;
    const OutputTarget target = chosen.value();
    const std::string name = NameOf(target.path);
    const auto closedAndRefused = [&](const std::string& reason) {
        ::close(dir);
        return refused(reason);
    };
    const bool onlyNewFiles = TakesOnlyNewFiles(dir);
    if (onlyNewFiles && target.exists) return closedAndRefused(OnlyNewFiles());

    // A file without a name vanishes by itself, whatever ends the program.
    int fd = ::openat(dir, ".", O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (fd >= 0) return Result<PendingOutput>::Accepted(PendingOutput(dir, name, {}, output, target, fd));
    if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) return closedAndRefused(WriteErrorText(errno));
    // A pending file with a name could not be removed from such a folder.
    if (onlyNewFiles) return closedAndRefused(OnlyNewFiles());

    HeldSignals held;
    PendingNames names = NamesIn(dir, name);
    std::string temporary;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temporary = TemporaryName(name, true);
        names.SetName(names.temporary, temporary);
        KeepPendingNames(names);
        fd = ::openat(dir, temporary.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) {
        const int error = errno;
        LetGoOfPendingNames(dir);
        return closedAndRefused(WriteErrorText(error));
    }
    names.pending = FileOf(fd);
    KeepPendingNames(names);
    return Result<PendingOutput>::Accepted(PendingOutput(dir, name, temporary, output, target, fd));
}

void PendingOutput::Drop() {
    {
        HeldSignals held;
        if (!temporary_.empty() && fd_ >= 0 && FileIn(folder_, temporary_.c_str()) == FileOf(fd_))
            ::unlinkat(folder_, temporary_.c_str(), 0);
        temporary_.clear();
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
    }
    LetGoOfPendingNames(folder_);
    if (folder_ >= 0) ::close(folder_);  // and the lock with it
    folder_ = -1;
}

Outcome PendingOutput::Refused(const std::string& reason) {
    Drop();
    return Outcome::Refused(CannotWrite(shownName_, reason));
}

Outcome PendingOutput::Commit(int writeError) {
    const auto failed = [&](int error) { return Refused(WriteErrorText(error)); };
    if (fd_ < 0) return failed(EBADF);
    if (writeError != 0) return failed(writeError);
    if (::fsync(fd_) != 0) return failed(errno);

    if (!target_.exists) {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        if (::fchmod(fd_, 0666 & ~mask) != 0) return failed(errno);
        return PutInPlace();
    }
    // A file with other names keeps them: every name shows the new cards.
    if (NamesOf(folder_, name_.c_str()) > 1) return WriteOverTheOldFile();
    const int kept = KeepWhatTheOldFileHad();
    if (kept == EPERM || kept == EACCES || kept == ENOTSUP) return WriteOverTheOldFile();
    if (kept == ENOENT) return Refused(ChangedMeanwhile());
    if (kept != 0) return failed(kept);
    return ReplaceTheOldFile();
}

// The owner first: a change of owner clears the set-ID bits and some attributes, which come after.
int PendingOutput::KeepWhatTheOldFileHad() const {
    if (::fchown(fd_, target_.owner, target_.group) != 0) return errno;
    const char* old = target_.path.c_str();
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
        if (::fsetxattr(fd_, name, value.data(), static_cast<std::size_t>(got), 0) != 0) return errno;
    }
    if (::fchmod(fd_, target_.mode) != 0) return errno;
    return 0;
}

// A new file: only where still no file is.
Outcome PendingOutput::PutInPlace() {
    if (temporary_.empty()) {
        if (const int linked = LinkUnnamed(fd_, folder_, name_); linked != 0)
            return Refused(linked == EEXIST ? AppearedMeanwhile() : WriteErrorText(linked));
        Drop();
        return Outcome::Accepted();
    }
    HeldSignals held;
    const int moved = MoveWithoutReplacing(folder_, temporary_, name_);
    if (moved != 0)
        return Refused(moved == EEXIST       ? AppearedMeanwhile()
                       : moved == NoSafeStep ? NoSafeWay()
                                             : WriteErrorText(moved));
    Drop();
    return Outcome::Accepted();
}

// An old file: only while the name still holds the file checked, and that still holds a PDF. The
// name is checked just before the two change places at once, and what went out is checked again
// after: a file that is not the one checked changes back.
Outcome PendingOutput::ReplaceTheOldFile() {
    const std::optional<int> old = OpenTheFileChecked(folder_, name_.c_str(), target_);
    if (!old) return Refused(ChangedMeanwhile());
    const ClosedAtEnd closedAtEnd(*old);

    HeldSignals held;
    PendingNames names = NamesIn(folder_, name_);
    names.pending = FileOf(fd_);
    names.old = target_.inode;
    if (temporary_.empty()) {
        // The file without a name gets one beside the target, for as short a time as can be.
        int linked = EEXIST;
        for (int attempt = 0; linked == EEXIST && attempt < 100; ++attempt) {
            const std::string temporary = TemporaryName(name_, false);
            names.SetName(names.temporary, temporary);
            KeepPendingNames(names);
            linked = LinkUnnamed(fd_, folder_, temporary);
            if (linked == 0) temporary_ = temporary;
        }
        if (linked != 0) return Refused(WriteErrorText(linked));
    } else {
        names.SetName(names.temporary, temporary_);
        KeepPendingNames(names);
    }
    if (::renameat2(folder_, temporary_.c_str(), folder_, name_.c_str(), RENAME_EXCHANGE) == 0) {
        if (HoldsTheFileChecked(folder_, temporary_.c_str(), target_, *old)) {
            ::unlinkat(folder_, temporary_.c_str(), 0);  // the old file
            temporary_.clear();
            Drop();
            return Outcome::Accepted();
        }
        ::renameat2(folder_, temporary_.c_str(), folder_, name_.c_str(), RENAME_EXCHANGE);
        return Refused(ChangedMeanwhile());
    }
    if (errno == EINVAL) return ReplaceWithoutSwapping(*old);
    const int error = errno;
    return Refused(FileIn(folder_, name_.c_str()) == 0 ? ChangedMeanwhile() : WriteErrorText(error));
}

// For a file system that cannot swap two names. First, with nothing moved yet, a step is found
// that puts the pending file under a name without replacing anything there. Then the old file is
// taken aside (whatever the name holds at that instant), checked there, and the pending file takes
// the name by that step; a file that is not the one checked goes back to its name.
Outcome PendingOutput::ReplaceWithoutSwapping(int oldFd) {
    HeldSignals held;
    PendingNames names = NamesIn(folder_, name_);
    names.pending = FileOf(fd_);
    names.old = target_.inode;
    names.SetName(names.temporary, temporary_);
    const std::string tried = TemporaryName(name_, false);
    names.SetName(names.aside, tried);
    KeepPendingNames(names);
    if (const int moved = MoveWithoutReplacing(folder_, temporary_, tried); moved != 0)
        return Refused(moved == NoSafeStep ? NoSafeWay() : WriteErrorText(moved));
    temporary_ = tried;
    names.SetName(names.temporary, temporary_);

    const std::string aside = TemporaryName(name_, true);
    names.SetName(names.aside, aside);
    KeepPendingNames(names);
    if (::renameat2(folder_, name_.c_str(), folder_, aside.c_str(), RENAME_NOREPLACE) != 0 &&
        (errno != EINVAL || ::renameat(folder_, name_.c_str(), folder_, aside.c_str()) != 0)) {
        const int error = errno;
        return Refused(error == ENOENT ? ChangedMeanwhile() : WriteErrorText(error));
    }
    if (!HoldsTheFileChecked(folder_, aside.c_str(), target_, oldFd)) {
        RecoverPendingNames(names);  // what was taken aside goes back
        return Refused(ChangedMeanwhile());
    }
    if (const int moved = MoveWithoutReplacing(folder_, temporary_, name_); moved != 0) {
        RecoverPendingNames(names);
        return Refused(moved == EEXIST ? AppearedMeanwhile() : WriteErrorText(moved));
    }
    temporary_.clear();
    ::unlinkat(folder_, aside.c_str(), 0);  // the old file
    Drop();
    return Outcome::Accepted();
}

// Another user's file keeps its owner, group, permissions and attributes, and a file with other
// names keeps them, only as itself: the finished PDF goes over it, once the room for all of it is
// reserved (so that a full disk leaves it as it was), with signals held until it is whole.
Outcome PendingOutput::WriteOverTheOldFile() {
    int old = ::openat(folder_, name_.c_str(), O_RDWR | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    const bool readable = old >= 0;
    if (old < 0 && errno == EACCES)
        old = ::openat(folder_, name_.c_str(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (old < 0) {
        if ((errno == EACCES || errno == EPERM) && target_.owner != ::geteuid())
            return Refused("plik należy do innego użytkownika, a brak uprawnień do jego nadpisania");
        return Refused(errno == ENOENT ? ChangedMeanwhile() : WriteErrorText(errno));
    }
    const ClosedAtEnd closedAtEnd(old);
    struct stat there {};
    struct stat written {};
    if (::fstat(old, &there) != 0 || ::fstat(fd_, &written) != 0) return Refused(WriteErrorText(errno));
    if (there.st_dev != target_.device || there.st_ino != target_.inode || (readable && !HoldsPdfOrNothing(old)))
        return Refused(ChangedMeanwhile());
    const off_t size = written.st_size;
    if (size > 0 && ::fallocate(old, FALLOC_FL_KEEP_SIZE, 0, size) != 0)
        return Refused(errno == EOPNOTSUPP || errno == ENOSYS ? CannotReserve() : WriteErrorText(errno));

    HeldSignals held;
    std::array<char, 1 << 16> buffer{};
    for (off_t at = 0; at < size;) {
        const ssize_t got = ::pread(fd_, buffer.data(), buffer.size(), at);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return Refused(WriteErrorText(got < 0 ? errno : EIO));
        for (ssize_t put = 0; put < got;) {
            const ssize_t now = ::pwrite(old, buffer.data() + put, static_cast<std::size_t>(got - put), at + put);
            if (now < 0 && errno == EINTR) continue;
            if (now <= 0) return Refused(WriteErrorText(now < 0 ? errno : EIO));
            put += now;
        }
        at += got;
    }
    if (::ftruncate(old, size) != 0 || ::fsync(old) != 0) return Refused(WriteErrorText(errno));
    Drop();
    return Outcome::Accepted();
}

}  // namespace printing
