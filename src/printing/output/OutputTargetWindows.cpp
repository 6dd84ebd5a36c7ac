// SPDX-License-Identifier: GPL-3.0-or-later
// The output file of a print to file on Windows: the names are UTF-8, the file system's UTF-16.
#include "OutputTarget.h"
#include "WindowsErrors.h"

#include "movement/FileNames.h"

#include <array>
#include <io.h>
#include <string_view>
#include <windows.h>

namespace printing {

using movement::PathOf;
using movement::Result;

namespace {

constexpr std::string_view PdfSignature = "%PDF-";

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

bool HoldsPdfOrNothing(HANDLE file) {
    std::array<char, PdfSignature.size()> head{};
    OVERLAPPED at{};  // from the start, wherever the handle stands
    DWORD got = 0;
    if (!::ReadFile(file, head.data(), static_cast<DWORD>(head.size()), &got, &at))
        return ::GetLastError() == ERROR_HANDLE_EOF;
    return got == 0 || (got == head.size() && std::string_view(head.data(), head.size()) == PdfSignature);
}

}  // namespace

std::string WindowsErrorText(unsigned long error) {
    switch (error) {
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return "brak miejsca na dysku";
        case ERROR_ACCESS_DENIED:
        case ERROR_PRIVILEGE_NOT_HELD:
            return "brak uprawnień";
        case ERROR_WRITE_PROTECT:
            return "dysk jest tylko do odczytu";
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
        case ERROR_USER_MAPPED_FILE:
            return "plik jest otwarty w innym programie";
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_DRIVE:
            return "folder nie istnieje";
        case ERROR_FILENAME_EXCED_RANGE:
            return "za długa nazwa";
        case ERROR_INVALID_NAME:
        case ERROR_BAD_PATHNAME:
            return "nazwa zawiera znaki niedozwolone w systemie Windows";
        case ERROR_CRC:
        case ERROR_IO_DEVICE:
        case ERROR_NOT_READY:
            return "błąd wejścia-wyjścia dysku";
        default:
            return "błąd systemu Windows nr " + std::to_string(error);
    }
}

std::string FolderOf(const std::string& path) {
    const std::filesystem::path folder = PathOf(path).parent_path();
    return folder.empty() ? "." : movement::NameOf(folder);
}

bool HoldsPdfOrNothing(int fd) { return HoldsPdfOrNothing(reinterpret_cast<HANDLE>(::_get_osfhandle(fd))); }

bool SameFile(const OutputTarget& target, const std::string& name) {
    const Handle file(OpenToLookAt(name, 0));
    BY_HANDLE_FILE_INFORMATION about{};
    return file.valid() && ::GetFileInformationByHandle(file.get(), &about) &&
           about.dwVolumeSerialNumber == target.volume &&
           ((static_cast<unsigned long long>(about.nFileIndexHigh) << 32) | about.nFileIndexLow) == target.fileIndex;
}

Result<OutputTarget> ChooseOutputTarget(const std::string& output, const std::vector<std::string>& inputs) {
    const auto refused = [&](const std::string& reason) {
        return Result<OutputTarget>::Refused(CannotWrite(output, reason));
    };
    if (output.empty()) return refused("pusta nazwa");
    OutputTarget target;
    target.path = output;

    const Handle file(OpenToLookAt(output, GENERIC_READ));
    if (!file.valid()) {
        const DWORD error = ::GetLastError();
        if (error != ERROR_FILE_NOT_FOUND) return refused(WindowsErrorText(error));
        const DWORD folder = ::GetFileAttributesW(PathOf(FolderOf(output)).c_str());
        if (folder == INVALID_FILE_ATTRIBUTES) return refused(WindowsErrorText(::GetLastError()));
        if ((folder & FILE_ATTRIBUTE_DIRECTORY) == 0) return refused(WindowsErrorText(ERROR_PATH_NOT_FOUND));
        return Result<OutputTarget>::Accepted(std::move(target));
    }
    BY_HANDLE_FILE_INFORMATION about{};
    if (::GetFileType(file.get()) != FILE_TYPE_DISK || !::GetFileInformationByHandle(file.get(), &about))
        return refused("to nie jest zwykły plik (np. kolejka FIFO albo urządzenie)");
    if ((about.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return refused("to folder");
    target.exists = true;
    target.volume = about.dwVolumeSerialNumber;
    target.fileIndex = (static_cast<unsigned long long>(about.nFileIndexHigh) << 32) | about.nFileIndexLow;
    for (const std::string& input : inputs)
        if (SameFile(target, input)) return refused("to plik schematów, z którego czytane są rozstawiki");
    if (!HoldsPdfOrNothing(file.get()))
        return refused("plik istnieje i nie jest plikiem PDF, więc nie zostanie zastąpiony");
    return Result<OutputTarget>::Accepted(std::move(target));
}

}  // namespace printing
