// SPDX-License-Identifier: GPL-3.0-or-later
#include "PendingOutput.h"

#include "printing/output/PendingOutputSignals.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <linux/falloc.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <utility>

namespace printing {

using movement::Outcome;
using movement::Result;

namespace {

constexpr std::size_t MaxNameLength = 255;
constexpr std::string_view PendingSuffix = ".rozstawiki-";

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

}  // namespace

Result<PendingOutput> PendingOutput::Begin(const OutputTarget& target, const std::string& shownName) {
    const auto refused = [&](int error) {
        return Result<PendingOutput>::Refused(CannotWrite(shownName, WriteErrorText(error)));
    };
    const int folder = ::open(FolderOf(target.path).c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0) return refused(errno);
    const std::string name = NameOf(target.path);

    // A file without a name vanishes by itself, whatever ends the program.
    int fd = ::openat(folder, ".", O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (fd >= 0) return Result<PendingOutput>::Accepted(PendingOutput(folder, name, {}, shownName, target, fd));
    if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) {
        const int error = errno;
        ::close(folder);
        return refused(error);
    }
    std::string temporary;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temporary = TemporaryName(name, true);
        fd = ::openat(folder, temporary.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) {
        const int error = errno;
        ::close(folder);
        return refused(error);
    }
    RememberPending(folder, temporary);
    return Result<PendingOutput>::Accepted(PendingOutput(folder, name, temporary, shownName, target, fd));
}

void PendingOutput::Drop() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!temporary_.empty()) {
        ::unlinkat(folder_, temporary_.c_str(), 0);
        ForgetPending();
    }
    temporary_.clear();
    if (folder_ >= 0) ::close(folder_);
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

// The file without a name gets one, in the same folder, so that it can take the target's place.
Outcome PendingOutput::LinkAtATemporaryName() {
    const std::string self = "/proc/self/fd/" + std::to_string(fd_);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string temporary = TemporaryName(name_, false);
        RememberPending(folder_, temporary);
        int linked = ::linkat(AT_FDCWD, self.c_str(), folder_, temporary.c_str(), AT_SYMLINK_FOLLOW);
        if (linked != 0 && errno == ENOENT) linked = ::linkat(fd_, "", folder_, temporary.c_str(), AT_EMPTY_PATH);
        if (linked == 0) {
            temporary_ = temporary;
            return Outcome::Accepted();
        }
        ForgetPending();
        if (errno != EEXIST) return Refused(WriteErrorText(errno));
    }
    return Refused(WriteErrorText(EEXIST));
}

// A new file: only where still no file is.
Outcome PendingOutput::PutInPlace() {
    if (temporary_.empty()) {
        const std::string self = "/proc/self/fd/" + std::to_string(fd_);
        int linked = ::linkat(AT_FDCWD, self.c_str(), folder_, name_.c_str(), AT_SYMLINK_FOLLOW);
        if (linked != 0 && errno == ENOENT) {
            const int error = errno;
            struct stat there {};
            if (::fstatat(folder_, name_.c_str(), &there, AT_SYMLINK_NOFOLLOW) == 0)
                return Refused(AppearedMeanwhile());
            linked = ::linkat(fd_, "", folder_, name_.c_str(), AT_EMPTY_PATH);
            if (linked != 0) errno = error;
        }
        if (linked != 0) return Refused(errno == EEXIST ? AppearedMeanwhile() : WriteErrorText(errno));
        Drop();
        return Outcome::Accepted();
    }
    int moved = ::renameat2(folder_, temporary_.c_str(), folder_, name_.c_str(), RENAME_NOREPLACE);
    if (moved != 0 && errno == EINVAL) {
        moved = ::linkat(folder_, temporary_.c_str(), folder_, name_.c_str(), 0);
        if (moved == 0) ::unlinkat(folder_, temporary_.c_str(), 0);
    }
    if (moved != 0) return Refused(errno == EEXIST ? AppearedMeanwhile() : WriteErrorText(errno));
    temporary_.clear();
    ForgetPending();
    Drop();
    return Outcome::Accepted();
}

// An old file: only while the name still holds the file checked, and that still holds a PDF. The
// two change places at once, and change back when what was there is not what was checked.
Outcome PendingOutput::ReplaceTheOldFile() {
    if (temporary_.empty()) {
        if (Outcome linked = LinkAtATemporaryName(); !linked.accepted()) return linked;
    }
    const auto stillTheFileChecked = [&](const char* name) {
        struct stat there {};
        if (::fstatat(folder_, name, &there, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(there.st_mode) ||
            there.st_dev != target_.device || there.st_ino != target_.inode)
            return false;
        const int fd = ::openat(folder_, name, O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW);
        if (fd < 0) return errno == EACCES;  // not for reading: the owner's business
        const bool pdf = HoldsPdfOrNothing(fd);
        ::close(fd);
        return pdf;
    };
    if (::renameat2(folder_, temporary_.c_str(), folder_, name_.c_str(), RENAME_EXCHANGE) == 0) {
        if (!stillTheFileChecked(temporary_.c_str())) {
            ::renameat2(folder_, temporary_.c_str(), folder_, name_.c_str(), RENAME_EXCHANGE);
            return Refused(ChangedMeanwhile());
        }
    } else {
        if (errno != EINVAL) {
            const int error = errno;
            struct stat there {};
            const bool gone = ::fstatat(folder_, name_.c_str(), &there, AT_SYMLINK_NOFOLLOW) != 0 && errno == ENOENT;
            return Refused(gone ? ChangedMeanwhile() : WriteErrorText(error));
        }
        // No exchange on this file system: checked just before.
        if (!stillTheFileChecked(name_.c_str())) return Refused(ChangedMeanwhile());
        if (::renameat(folder_, temporary_.c_str(), folder_, name_.c_str()) != 0) return Refused(WriteErrorText(errno));
        temporary_.clear();
    }
    Drop();  // removes the old file, now under the temporary name
    return Outcome::Accepted();
}

// Another user's file keeps its owner, group, permissions and attributes only as itself: the
// finished PDF goes over it, once the room for it is taken, so that a full disk still leaves it
// as it was.
Outcome PendingOutput::WriteOverTheOldFile() {
    int old = ::open(target_.path.c_str(), O_RDWR | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    const bool readable = old >= 0;
    if (old < 0 && errno == EACCES) old = ::open(target_.path.c_str(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (old < 0) {
        if (errno == EACCES || errno == EPERM)
            return Refused("plik należy do innego użytkownika, a brak uprawnień do jego nadpisania");
        return Refused(errno == ENOENT ? ChangedMeanwhile() : WriteErrorText(errno));
    }
    const auto failed = [&](const std::string& reason) {
        ::close(old);
        return Refused(reason);
    };
    struct stat there {};
    struct stat written {};
    if (::fstat(old, &there) != 0 || ::fstat(fd_, &written) != 0) return failed(WriteErrorText(errno));
    if (there.st_dev != target_.device || there.st_ino != target_.inode || (readable && !HoldsPdfOrNothing(old)))
        return failed(ChangedMeanwhile());
    const off_t size = written.st_size;
    if (size > 0 && ::fallocate(old, FALLOC_FL_KEEP_SIZE, 0, size) != 0 && errno != EOPNOTSUPP)
        return failed(WriteErrorText(errno));

    std::array<char, 1 << 16> buffer{};
    for (off_t at = 0; at < size;) {
        const ssize_t got = ::pread(fd_, buffer.data(), buffer.size(), at);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return failed(WriteErrorText(got < 0 ? errno : EIO));
        for (ssize_t put = 0; put < got;) {
            const ssize_t now = ::pwrite(old, buffer.data() + put, static_cast<std::size_t>(got - put), at + put);
            if (now < 0 && errno == EINTR) continue;
            if (now <= 0) return failed(WriteErrorText(now < 0 ? errno : EIO));
            put += now;
        }
        at += got;
    }
    if (::ftruncate(old, size) != 0 || ::fsync(old) != 0) return failed(WriteErrorText(errno));
    if (::close(old) != 0) return Refused(WriteErrorText(errno));
    Drop();
    return Outcome::Accepted();
}

}  // namespace printing
