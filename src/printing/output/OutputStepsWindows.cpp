// SPDX-License-Identifier: GPL-3.0-or-later
// The steps of writing an output file on Windows: names are UTF-8, the file system's UTF-16, and
// the system follows links by itself. The folder is held by a named mutex of the folder's own
// (the program's runs in one session write there one after another); the pending file is a
// hidden file beside the target, flushed to the disk and then put in the target's place by the
// system in one step (ReplaceFileW keeps what the old file had: its attributes, owner and
// permissions). Instead of signals, the console's Ctrl+C, the closing of its window and the end
// of the session remove the pending file; a program killed outright leaves it behind, hidden.
#include "printing/output/OutputSteps.h"
#include "printing/output/PendingOutputSignals.h"

#include "movement/FileNames.h"

#include <array>
#include <atomic>
#include <fcntl.h>
#include <filesystem>
#include <io.h>
#include <random>
#include <string_view>
#include <system_error>
#include <windows.h>

namespace printing {

using movement::PathOf;

namespace {

constexpr std::string_view PdfSignature = "%PDF-";
constexpr std::string_view PendingSuffix = ".rozstawiki-";

// A handle closed on every way out.
class Handle {
public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle() {
        if (handle_ != INVALID_HANDLE_VALUE) ::CloseHandle(handle_);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE get() const { return handle_; }
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_;
};

HANDLE OpenToLookAt(const std::string& name, DWORD access) {
    return ::CreateFileW(PathOf(name).c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

FileIdentity IdentityIn(const BY_HANDLE_FILE_INFORMATION& about) {
    return {about.dwVolumeSerialNumber, (static_cast<std::uint64_t>(about.nFileIndexHigh) << 32) | about.nFileIndexLow};
}

std::optional<FileIdentity> IdentityOf(HANDLE file) {
    BY_HANDLE_FILE_INFORMATION about{};
    if (!::GetFileInformationByHandle(file, &about)) return std::nullopt;
    return IdentityIn(about);
}

bool HoldsPdfOrNothing(HANDLE file) {
    std::array<char, PdfSignature.size()> head{};
    OVERLAPPED at{};  // from the start, wherever the handle stands
    DWORD got = 0;
    if (!::ReadFile(file, head.data(), static_cast<DWORD>(head.size()), &got, &at))
        return ::GetLastError() == ERROR_HANDLE_EOF;
    return got == 0 || (got == head.size() && std::string_view(head.data(), head.size()) == PdfSignature);
}

// What a Windows error code (GetLastError) means for the file.
Hitch WindowsHitch(DWORD error) {
    switch (error) {
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return {Reason::DiskFull};
        case ERROR_ACCESS_DENIED:
        case ERROR_PRIVILEGE_NOT_HELD:
            return {Reason::NoPermission};
        case ERROR_WRITE_PROTECT:
            return {Reason::ReadOnly};
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
        case ERROR_USER_MAPPED_FILE:
            return {Reason::OpenElsewhere};
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_DRIVE:
            return {Reason::NoFolder};
        case ERROR_FILENAME_EXCED_RANGE:
            return {Reason::NameTooLong};
        case ERROR_INVALID_NAME:
        case ERROR_BAD_PATHNAME:
            return {Reason::ForbiddenCharacters};
        case ERROR_CRC:
        case ERROR_IO_DEVICE:
        case ERROR_NOT_READY:
            return {Reason::InputOutput};
        default:
            return {Reason::OtherWindowsError, static_cast<long>(error)};
    }
}

Hitch LastError() { return WindowsHitch(::GetLastError()); }

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

// The pending file has taken the target's place: nothing is pending any more.
Hitch Placed(PendingFile& file) {
    file.temporary.clear();
    ForgetPending();
    return {};
}

}  // namespace

void RemovePendingOutputNow() {
    if (pendingNameSet) ::DeleteFileW(pendingName.data());
}

void RemovePendingOutputOnSignals() { ::SetConsoleCtrlHandler(RemovePendingAndEnd, TRUE); }

Hitch ErrorHitch(int error) { return StandardErrorHitch(error); }

std::string FolderOf(const std::string& path) {
    const std::filesystem::path folder = PathOf(path).parent_path();
    return folder.empty() ? "." : movement::NameOf(folder);
}

std::optional<FileIdentity> IdentityOf(const std::string& name) {
    const Handle file(OpenToLookAt(name, 0));
    if (!file.valid()) return std::nullopt;
    return IdentityOf(file.get());
}

Found LookAt(const std::string& output) {
    Found found;
    found.path = output;
    const Handle file(OpenToLookAt(output, GENERIC_READ));
    if (!file.valid()) {
        if (const DWORD error = ::GetLastError(); error != ERROR_FILE_NOT_FOUND) found.hitch = WindowsHitch(error);
        return found;  // missing
    }
    BY_HANDLE_FILE_INFORMATION about{};
    if (::GetFileType(file.get()) != FILE_TYPE_DISK || !::GetFileInformationByHandle(file.get(), &about)) {
        found.kind = Found::Kind::Other;
        return found;
    }
    if ((about.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        found.kind = Found::Kind::Folder;
        return found;
    }
    found.kind = Found::Kind::File;
    found.identity = IdentityIn(about);
    found.size = (static_cast<std::uint64_t>(about.nFileSizeHigh) << 32) | about.nFileSizeLow;
    return found;
}

Hitch FolderTakesNewFile(const std::string& path) {
    const DWORD folder = ::GetFileAttributesW(PathOf(FolderOf(path)).c_str());
    if (folder == INVALID_FILE_ATTRIBUTES) return LastError();
    if ((folder & FILE_ATTRIBUTE_DIRECTORY) == 0) return WindowsHitch(ERROR_PATH_NOT_FOUND);
    return {};
}

Hitch HoldsPdfOrNothing(const Found& found) {
    const Handle file(OpenToLookAt(found.path, GENERIC_READ));
    if (!file.valid()) return LastError();
    return HoldsPdfOrNothing(file.get()) ? Hitch{} : Hitch{Reason::NotPdf};
}

Hitch OpenFolder(const std::string& path, HeldFolder& folder) {
    const Handle opened(OpenToLookAt(path, 0));
    if (!opened.valid()) return LastError();
    const std::optional<FileIdentity> identity = IdentityOf(opened.get());
    if (!identity) return LastError();
    // A mutex named after the folder itself, whatever path leads to it; where none can be made,
    // the folder is written without.
    const std::wstring name =
        L"Local\\rozstawiki-folder-" + std::to_wstring(identity->volume) + L"-" + std::to_wstring(identity->file);
    HANDLE lock = ::CreateMutexW(nullptr, FALSE, name.c_str());
    folder = {true, lock == nullptr ? -1 : reinterpret_cast<std::intptr_t>(lock), *identity};
    return {};
}

Lock TryToLock(const HeldFolder& folder) {
    if (folder.handle == -1) return Lock::NotHere;
    // A run that ended without letting go leaves the mutex abandoned, and it is taken.
    switch (::WaitForSingleObject(reinterpret_cast<HANDLE>(folder.handle), 0)) {
        case WAIT_OBJECT_0:
        case WAIT_ABANDONED:
            return Lock::Taken;
        case WAIT_TIMEOUT:
            return Lock::Busy;
        default:
            return Lock::NotHere;
    }
}

void LetGoOfFolder(HeldFolder& folder) {
    if (folder.handle != -1) {
        const auto lock = reinterpret_cast<HANDLE>(folder.handle);
        ::ReleaseMutex(lock);  // fails harmlessly where it was not taken
        ::CloseHandle(lock);
    }
    folder = {};
}

bool TakesOnlyNewFiles(const HeldFolder&) { return false; }

Hitch BeginPendingFile(PendingFile& file, const OutputTarget& target, bool) {
    // Whole paths from here on: they hold whatever the working folder becomes, and Wine's
    // ReplaceFileW takes no other.
    std::error_code failed;
    const std::filesystem::path whole = std::filesystem::absolute(PathOf(target.path), failed);
    if (failed) return ErrorHitch(failed.value());
    file.name = movement::NameOf(whole);
    HANDLE created = INVALID_HANDLE_VALUE;
    for (int attempt = 0; created == INVALID_HANDLE_VALUE && attempt < 100; ++attempt) {
        file.temporary = TemporaryName(file.name);
        // Shared for deleting, so that the console handler can remove it while it is open.
        created =
            ::CreateFileW(PathOf(file.temporary).c_str(), GENERIC_READ | GENERIC_WRITE,
                          FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, CREATE_NEW, FILE_ATTRIBUTE_HIDDEN, nullptr);
        if (created == INVALID_HANDLE_VALUE && ::GetLastError() != ERROR_FILE_EXISTS) break;
    }
    if (created == INVALID_HANDLE_VALUE) {
        file.temporary.clear();
        return LastError();
    }
    file.fd = ::_open_osfhandle(reinterpret_cast<intptr_t>(created), _O_RDWR | _O_BINARY);
    if (file.fd < 0) {
        const int error = errno;
        ::CloseHandle(created);
        ::DeleteFileW(PathOf(file.temporary).c_str());
        file.temporary.clear();
        return ErrorHitch(error);
    }
    RememberPending(file.temporary);
    return {};
}

Hitch FinishPendingFile(PendingFile& file) {
    if (!::FlushFileBuffers(reinterpret_cast<HANDLE>(::_get_osfhandle(file.fd)))) return LastError();
    // Closed, and shown, before it is moved.
    ::_close(file.fd);
    file.fd = -1;
    ::SetFileAttributesW(PathOf(file.temporary).c_str(), FILE_ATTRIBUTE_NORMAL);
    return {};
}

Hitch PlaceNewFile(PendingFile& file) {
    if (!::MoveFileExW(PathOf(file.temporary).c_str(), PathOf(file.name).c_str(), MOVEFILE_WRITE_THROUGH)) {
        const DWORD error = ::GetLastError();
        if (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS) return {Reason::AppearedMeanwhile};
        return WindowsHitch(error);
    }
    return Placed(file);
}

Hitch ReplaceTheFileChecked(PendingFile& file, const OutputTarget& target) {
    const std::wstring targetName = PathOf(file.name).wstring();
    {
        // Closed before the replacement, which it would keep from removing the old file.
        const Handle old(::CreateFileW(targetName.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                       OPEN_EXISTING, 0, nullptr));
        if (!old.valid()) {
            const DWORD error = ::GetLastError();
            return error == ERROR_FILE_NOT_FOUND ? Hitch{Reason::ChangedMeanwhile} : WindowsHitch(error);
        }
        if (IdentityOf(old.get()) != target.identity || !HoldsPdfOrNothing(old.get()))
            return {Reason::ChangedMeanwhile};
    }
    if (!::ReplaceFileW(targetName.c_str(), PathOf(file.temporary).c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                        nullptr, nullptr))
        return LastError();
    return Placed(file);
}

void DropPendingFile(PendingFile& file) {
    if (file.fd >= 0) ::_close(file.fd);
    file.fd = -1;
    if (!file.temporary.empty()) {
        ::DeleteFileW(PathOf(file.temporary).c_str());
        ForgetPending();
    }
    file.temporary.clear();
}

}  // namespace printing
