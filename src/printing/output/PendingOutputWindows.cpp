// SPDX-License-Identifier: GPL-3.0-or-later
// The pending output file on Windows: a hidden file beside the target, flushed to the disk and
// then put in the target's place by the system in one step (ReplaceFileW keeps what the old file
// had: its attributes, owner and permissions). Instead of signals, the console's Ctrl+C, the
// closing of its window and the end of the session remove the pending file; a program killed
// outright leaves it behind, hidden.
#include "PendingOutput.h"
#include "PendingOutputSignals.h"
#include "WindowsErrors.h"

#include "movement/FileNames.h"

#include <array>
#include <atomic>
#include <fcntl.h>
#include <io.h>
#include <random>
#include <utility>
#include <windows.h>

namespace printing {

using movement::Outcome;
using movement::PathOf;
using movement::Result;

namespace {

constexpr std::string_view PendingSuffix = ".rozstawiki-";

// A name for a file beside the target that no file has yet.
std::string TemporaryName(const std::string& target) {
    static constexpr std::string_view Letters = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device random;
    std::string suffix;
    for (int k = 0; k < 6; ++k) suffix += Letters[random() % Letters.size()];
    const std::filesystem::path path = PathOf(target);
    return movement::NameOf(path.parent_path() / PathOf("." + movement::NameOf(path.filename()))) +
           std::string(PendingSuffix) + suffix;
}

const std::string& ChangedMeanwhile() {
    static const std::string text = "w czasie zapisu ktoś zmienił ten plik, więc nie zostanie zastąpiony";
    return text;
}

const std::string& AppearedMeanwhile() {
    static const std::string text = "w czasie zapisu powstał plik o tej nazwie, więc nie zostanie zastąpiony";
    return text;
}

// The pending file the console handler removes, which runs on a thread of its own.
std::array<wchar_t, 32768> pendingName{};
std::atomic<bool> pendingNameSet = false;

BOOL WINAPI RemovePendingAndEnd(DWORD) {
    if (pendingNameSet) ::DeleteFileW(pendingName.data());
    return FALSE;  // and the program ends as it would have
}

// The pending file the console handler removes: one at a time.
void RememberPending(const std::string& name) {
    pendingNameSet = false;
    const std::wstring wide = PathOf(name).wstring();
    if (wide.size() >= pendingName.size()) return;
    std::copy(wide.c_str(), wide.c_str() + wide.size() + 1, pendingName.begin());
    pendingNameSet = true;
}

void ForgetPending() { pendingNameSet = false; }

}  // namespace

void RemovePendingOutputNow() {
    if (pendingNameSet) ::DeleteFileW(pendingName.data());
}

void RemovePendingOutputOnSignals() { ::SetConsoleCtrlHandler(RemovePendingAndEnd, TRUE); }

Result<PendingOutput> PendingOutput::Begin(const std::string& output, const std::vector<std::string>& inputs) {
    const Result<OutputTarget> chosen = ChooseOutputTarget(output, inputs);
    if (!chosen.accepted()) return Result<PendingOutput>::Refused(chosen.message());
    const OutputTarget& target = chosen.value();
    const std::string& shownName = output;
    // Whole paths from here on: they hold whatever the working folder becomes, and Wine's
    // ReplaceFileW takes no other.
    std::error_code failed;
    const std::filesystem::path whole = std::filesystem::absolute(PathOf(target.path), failed);
    if (failed) return Result<PendingOutput>::Refused(CannotWrite(shownName, WriteErrorText(failed.value())));
    const std::string path = movement::NameOf(whole);
    HANDLE file = INVALID_HANDLE_VALUE;
    std::string temporary;
    for (int attempt = 0; file == INVALID_HANDLE_VALUE && attempt < 100; ++attempt) {
        temporary = TemporaryName(path);
        // Shared for deleting, so that the console handler can remove it while it is open.
        file = ::CreateFileW(PathOf(temporary).c_str(), GENERIC_READ | GENERIC_WRITE,
                             FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, CREATE_NEW, FILE_ATTRIBUTE_HIDDEN, nullptr);
        if (file == INVALID_HANDLE_VALUE && ::GetLastError() != ERROR_FILE_EXISTS) break;
    }
    if (file == INVALID_HANDLE_VALUE)
        return Result<PendingOutput>::Refused(CannotWrite(shownName, WindowsErrorText(::GetLastError())));
    const int fd = ::_open_osfhandle(reinterpret_cast<intptr_t>(file), _O_RDWR | _O_BINARY);
    if (fd < 0) {
        ::CloseHandle(file);
        ::DeleteFileW(PathOf(temporary).c_str());
        return Result<PendingOutput>::Refused(CannotWrite(shownName, WriteErrorText(errno)));
    }
    RememberPending(temporary);
    return Result<PendingOutput>::Accepted(PendingOutput(-1, path, temporary, shownName, target, fd));
}

void PendingOutput::Drop() {
    if (fd_ >= 0) ::_close(fd_);
    fd_ = -1;
    if (!temporary_.empty()) {
        ::DeleteFileW(PathOf(temporary_).c_str());
        ForgetPending();
    }
    temporary_.clear();
}

Outcome PendingOutput::Refused(const std::string& reason) {
    Drop();
    return Outcome::Refused(CannotWrite(shownName_, reason));
}

Outcome PendingOutput::Commit(int writeError) {
    if (fd_ < 0) return Refused(WriteErrorText(EBADF));
    if (writeError != 0) return Refused(WriteErrorText(writeError));
    if (!::FlushFileBuffers(reinterpret_cast<HANDLE>(::_get_osfhandle(fd_))))
        return Refused(WindowsErrorText(::GetLastError()));
    ::_close(fd_);
    fd_ = -1;
    const std::wstring pending = PathOf(temporary_).wstring();
    const std::wstring target = PathOf(name_).wstring();
    ::SetFileAttributesW(pending.c_str(), FILE_ATTRIBUTE_NORMAL);

    if (!target_.exists) {
        // A new file: only where still no file is.
        if (!::MoveFileExW(pending.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH)) {
            const DWORD error = ::GetLastError();
            return Refused(error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS ? AppearedMeanwhile()
                                                                                       : WindowsErrorText(error));
        }
    } else {
        // An old file: only while the name still holds the file checked, and that still holds a PDF.
        const HANDLE old = ::CreateFileW(target.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                         OPEN_EXISTING, 0, nullptr);
        if (old == INVALID_HANDLE_VALUE) {
            const DWORD error = ::GetLastError();
            return Refused(error == ERROR_FILE_NOT_FOUND ? ChangedMeanwhile() : WindowsErrorText(error));
        }
        const int oldFd = ::_open_osfhandle(reinterpret_cast<intptr_t>(old), _O_RDONLY | _O_BINARY);
        const bool unchanged = oldFd >= 0 && SameFile(target_, name_) && HoldsPdfOrNothing(oldFd);
        if (oldFd >= 0)
            ::_close(oldFd);
        else
            ::CloseHandle(old);
        if (!unchanged) return Refused(ChangedMeanwhile());
        if (!::ReplaceFileW(target.c_str(), pending.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr))
            return Refused(WindowsErrorText(::GetLastError()));
    }
    temporary_.clear();
    ForgetPending();
    Drop();
    return Outcome::Accepted();
}

}  // namespace printing
