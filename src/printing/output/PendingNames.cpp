// SPDX-License-Identifier: GPL-3.0-or-later
#include "PendingNames.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace printing {

namespace {

// The file a name in the folder holds, 0 for none (or for something on another device).
ino_t FileAt(const PendingNames& names, const char* name) {
    struct stat status {};
    if (name[0] == '\0' || ::fstatat(names.folder, name, &status, AT_SYMLINK_NOFOLLOW) != 0 ||
        status.st_dev != names.device)
        return 0;
    return status.st_ino;
}

bool IsOurs(const PendingNames& names, ino_t file) { return file != 0 && (file == names.pending || file == names.old); }

// A name given back to a file without replacing anything that is there meanwhile, where the file
// system allows.
void PutBack(const PendingNames& names, const char* from) {
    if (::renameat2(names.folder, from, names.folder, names.name.data(), RENAME_NOREPLACE) == 0) return;
    if (errno != EINVAL) return;
    if (::linkat(names.folder, from, names.folder, names.name.data(), 0) == 0) {
        ::unlinkat(names.folder, from, 0);
        return;
    }
    if (errno != EEXIST) ::renameat(names.folder, from, names.folder, names.name.data());
}

// What the guardian is told: the names as they will be, or that it is no longer needed.
struct Message {
    PendingNames names;
    bool done = false;
};

struct Guardian {
    pid_t process = -1;
    int channel = -1;
    int folder = -1;
};
Guardian guardian;

// The guardian's life: it waits for the run's messages and, when the run ends without saying it
// is done (SIGKILL, a crash), puts the last names it was told right. The run's signals are not its
// end: a Ctrl+C or a SIGTERM to the whole group leaves it to do its work.
[[noreturn]] void Guard(int channel) {
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    for (int signal = 1; signal < NSIG; ++signal)
        if (signal != SIGKILL && signal != SIGSTOP) ::sigaction(signal, &ignore, nullptr);
    sigset_t none;
    sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);

    static Message last;
    static Message received;
    bool told = false;
    for (;;) {
        const ssize_t got = ::recv(channel, &received, sizeof received, 0);
        if (got < 0 && errno == EINTR) continue;
        if (got != static_cast<ssize_t>(sizeof received)) break;
        if (received.done) ::_exit(0);
        last = received;
        told = true;
    }
    if (told) RecoverPendingNames(last.names);
    ::_exit(0);
}

bool StartGuardian(int folder) {
    int ends[2];
    if (::socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, ends) != 0) return false;
    const pid_t process = ::fork();
    if (process < 0) {
        ::close(ends[0]);
        ::close(ends[1]);
        return false;
    }
    if (process == 0) {
        ::close(ends[0]);
        Guard(ends[1]);
    }
    ::close(ends[1]);
    guardian = {process, ends[0], folder};
    return true;
}

void Tell(const Message& message) {
    if (guardian.channel < 0) return;
    while (::send(guardian.channel, &message, sizeof message, MSG_NOSIGNAL) < 0 && errno == EINTR) {}
}

}  // namespace

void PendingNames::SetName(std::array<char, NAME_MAX + 1>& field, const std::string& value) {
    field.fill('\0');
    std::memcpy(field.data(), value.data(), std::min(value.size(), field.size() - 1));
}

void RecoverPendingNames(const PendingNames& names) noexcept {
    if (names.folder < 0) return;
    const int saved = errno;
    const char* name = names.name.data();
    const char* aside = names.aside.data();
    const char* temporary = names.temporary.data();

    ino_t atName = FileAt(names, name);
    if (const ino_t asideFile = FileAt(names, aside); asideFile != 0) {
        // The pending file's second name goes, and so does the old file once something holds its
        // name (replaced, as the director asked); else what was taken aside goes back.
        if (asideFile == names.pending || (atName != 0 && asideFile == names.old)) {
            ::unlinkat(names.folder, aside, 0);
        } else if (atName == 0) {
            PutBack(names, aside);
            atName = FileAt(names, name);
        }
    }
    if (const ino_t temporaryFile = FileAt(names, temporary); temporaryFile != 0) {
        if (IsOurs(names, temporaryFile) || (names.pending == 0 && names.aside[0] == '\0')) {
            ::unlinkat(names.folder, temporary, 0);
        } else if (atName != 0 && atName == names.pending &&
                   ::renameat2(names.folder, temporary, names.folder, name, RENAME_EXCHANGE) == 0) {
            // Swapped with a file that was not the one checked: it goes back.
            if (FileAt(names, temporary) == names.pending) ::unlinkat(names.folder, temporary, 0);
        }
    }
    errno = saved;
}

void KeepPendingNames(const PendingNames& names) {
    RecordForSignalHandler(names);
    if (guardian.process < 0 && !StartGuardian(names.folder)) return;  // the signal handler still does its part
    Tell({names, false});
}

void LetGoOfPendingNames(int folder) {
    if (folder < 0) return;
    {
        HeldSignals held;
        ForgetForSignalHandler(folder);
    }
    if (guardian.process < 0 || guardian.folder != folder) return;
    Tell({{}, true});
    ::close(guardian.channel);
    while (::waitpid(guardian.process, nullptr, 0) < 0 && errno == EINTR) {}
    guardian = {};
}

}  // namespace printing
