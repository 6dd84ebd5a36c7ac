// SPDX-License-Identifier: GPL-3.0-or-later
#include "SchemeFileReading.h"

#include "FileNames.h"

#include <array>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace movement {

namespace {

// A failed open or read, in the director's words.
Text FileErrorText(int error, const std::string& fileName) {
    const auto [name, folder] = NameAndFolder(fileName);
    switch (error) {
        case ENOENT:
        case ENOTDIR:
            return Text{RZ_TEXT("refusals", "Nie znaleziono pliku „%1” w folderze „%2”."), {name, folder}};
        case EACCES:
        case EPERM:
        case EISDIR:
            return Text{RZ_TEXT("refusals", "Brak dostępu do pliku „%1” w folderze „%2”."), {name, folder}};
        default:
            return Text{RZ_TEXT("refusals", "Błąd wejścia/wyjścia nr %1 przy odczycie pliku „%2” w folderze „%3”."),
                        {std::to_string(error), name, folder}};
    }
}

Text TooLargeText(const std::string& fileName) {
    const auto [name, folder] = NameAndFolder(fileName);
    return Text{RZ_TEXT("refusals",
                        "Plik „%1” w folderze „%2” jest większy niż %3 GiB, więc nie jest plikiem "
                        "schematów; nie wczytano go."),
                {name, folder, std::to_string(MaxSchemeFileSize >> 30)}};
}

// Closes the descriptor on every way out.
class OpenFile {
public:
    explicit OpenFile(const std::string& name) : fd_(OpenForReading(name)) {}
    ~OpenFile() {
        if (fd_ >= 0) ::close(fd_);
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    int fd() const { return fd_; }

private:
    int fd_;
};

}  // namespace

Result<SchemeLines> ReadSchemeFile(const std::string& fileName, const std::vector<std::string>& dataFolders) {
    const Result<std::string> located = LocateSchemeFile(fileName, dataFolders);
    if (!located.accepted()) return located;
    const std::string& path = located.value();
    const auto failed = [&path](int error) { return Result<SchemeLines>::Refused(FileErrorText(error, path)); };
    OpenFile file(path);
    if (file.fd() < 0) return failed(errno);
    struct stat status {};
    if (::fstat(file.fd(), &status) != 0) return failed(errno);
    // A directory, a device or a pipe is no scheme file, and reading one could block forever.
    if (!S_ISREG(status.st_mode)) return failed(S_ISDIR(status.st_mode) ? EISDIR : EACCES);
    const auto tooLarge = [&path] { return Result<SchemeLines>::Refused(TooLargeText(path)); };
    if (status.st_size > MaxSchemeFileSize) return tooLarge();

    SchemeLineSplitter splitter;
    std::array<char, 1 << 16> buffer{};
    // Counted as read too: a file may grow while it is read.
    int64_t total = 0;
    for (;;) {
        const ssize_t got = ::read(file.fd(), buffer.data(), buffer.size());
        if (got == 0) break;
        if (got < 0) {
            if (errno == EINTR) continue;
            return failed(errno);
        }
        total += got;
        if (total > MaxSchemeFileSize) return tooLarge();
        splitter.Feed(std::string_view(buffer.data(), static_cast<std::size_t>(got)));
    }
    return Result<SchemeLines>::Accepted(splitter.Finish());
}

}  // namespace movement
