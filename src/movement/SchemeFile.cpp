#include "SchemeFile.h"

#include "Decimal.h"
#include "SchemeNumbers.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace movement {

namespace {

constexpr char LineFeed = '\n';
constexpr char CarriageReturn = '\r';
constexpr char CtrlZ = '\x1a';
constexpr std::string_view ByteOrderMark = "\xef\xbb\xbf";

// A file's name and the folder it was looked for in, absolute, so that the director can find it.
std::pair<std::string, std::string> NameAndFolder(const std::string& fileName) {
    std::error_code failed;
    std::filesystem::path path = std::filesystem::absolute(fileName, failed);
    if (failed) path = fileName;
    path = path.lexically_normal();
    if (!path.has_filename()) return {fileName, path.string()};
    return {path.filename().string(), path.parent_path().string()};
}

// A failed open or read, in the director's words.
std::string FileErrorText(int error, const std::string& fileName) {
    const auto [name, folder] = NameAndFolder(fileName);
    const std::string where = "pliku „" + name + "” w folderze „" + folder + "”.";
    switch (error) {
        case ENOENT:
        case ENOTDIR:
            return "Nie znaleziono " + where;
        case EACCES:
        case EPERM:
        case EISDIR:
            return "Brak dostępu do " + where;
        default:
            return "Błąd wejścia/wyjścia nr " + std::to_string(error) + " przy odczycie " + where;
    }
}

std::string TooLargeText(const std::string& fileName) {
    const auto [name, folder] = NameAndFolder(fileName);
    return "Plik „" + name + "” w folderze „" + folder + "” jest większy niż " +
           std::to_string(MaxSchemeFileSize >> 30) + " GiB, więc nie jest plikiem schematów; nie wczytano go.";
}

// Whether a path names something: only "no such file" says no, so that a file that is there but
// cannot be read is reported where it lies rather than looked for elsewhere.
bool IsThere(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 || (errno != ENOENT && errno != ENOTDIR);
}

std::string NotFoundText(const std::string& name, const std::vector<std::string>& lookedIn) {
    if (lookedIn.size() == 1) return "Nie znaleziono pliku „" + name + "” w folderze „" + lookedIn.front() + "”.";
    std::string text = "Nie znaleziono pliku „" + name + "” ani w folderze bieżącym „" + lookedIn.front() + "”";
    for (std::size_t k = 1; k < lookedIn.size(); ++k) text += ", ani w folderze danych programu „" + lookedIn[k] + "”";
    return text + ".";
}

// Closes the descriptor on every way out.
class OpenFile {
public:
    explicit OpenFile(const std::string& name) : fd_(::open(name.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)) {}
    ~OpenFile() {
        if (fd_ >= 0) ::close(fd_);
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    int fd() const { return fd_; }

private:
    int fd_;
};

// The text between the first and the second space of a catalogue entry, as the list reads it:
// piece 0 is the rounds, piece 1 the tables. A piece with no space after it is empty.
std::string_view ListedToken(std::string_view line, int piece) {
    std::size_t start = 0;
    for (int i = 0; i < piece; ++i) {
        const auto space = line.find(' ', start);
        if (space == std::string_view::npos) return {};
        start = space + 1;
    }
    const auto end = line.find(' ', start);
    if (end == std::string_view::npos) return {};
    return line.substr(start, end - start);
}

std::string ListedField(std::string_view token, std::size_t narrowWidth) {
    const auto value = SchemeNumberValue(token);
    if (!value) return PadLeft("?", narrowWidth);
    return RightAligned(*value, FieldWidth(*value, narrowWidth));
}

}  // namespace

void SchemeLineSplitter::Feed(std::string_view bytes) {
    // The mark may come split over two pieces.
    while (!startDecided_ && !bytes.empty()) {
        startOfFile_.push_back(bytes.front());
        bytes.remove_prefix(1);
        if (ByteOrderMark.substr(0, startOfFile_.size()) != startOfFile_) {
            startDecided_ = true;
            FeedText(startOfFile_);
        } else if (startOfFile_.size() == ByteOrderMark.size()) {
            startDecided_ = true;
        }
    }
    FeedText(bytes);
}

void SchemeLineSplitter::FeedText(std::string_view bytes) {
    // Whole runs up to the next line feed at a time: files of hundreds of megabytes pass in a
    // second or two.
    while (!bytes.empty() && !endOfFile_) {
        if (pendingCarriageReturn_) {
            pendingCarriageReturn_ = false;
            if (bytes.front() == LineFeed) {
                EndLine();
                bytes.remove_prefix(1);
                continue;
            }
            AppendText(std::string_view(&CarriageReturn, 1));
        }
        if (atLineStart_ && bytes.front() == CtrlZ) {
            endOfFile_ = true;
            return;
        }
        const auto lineFeed = bytes.find(LineFeed);
        std::string_view text = bytes.substr(0, lineFeed);
        bytes.remove_prefix(lineFeed == std::string_view::npos ? bytes.size() : lineFeed + 1);
        // A CR right before the LF belongs to the line end; one at the end of a piece may.
        const bool endsWithCarriageReturn = !text.empty() && text.back() == CarriageReturn;
        if (endsWithCarriageReturn) text.remove_suffix(1);
        AppendText(text);
        if (lineFeed != std::string_view::npos) {
            EndLine();
        } else if (endsWithCarriageReturn) {
            pendingCarriageReturn_ = true;
            atLineStart_ = false;
        }
    }
}

SchemeLines SchemeLineSplitter::Finish() {
    if (!startDecided_) {
        startDecided_ = true;
        FeedText(startOfFile_);
    }
    if (pendingCarriageReturn_) AppendText(std::string_view(&CarriageReturn, 1));
    pendingCarriageReturn_ = false;
    if (!atLineStart_) EndLine();
    return std::move(result_);
}

void SchemeLineSplitter::AppendText(std::string_view text) {
    if (text.empty()) return;
    atLineStart_ = false;
    if (!lineHasAsterisk_ && text.find('*') != std::string_view::npos) lineHasAsterisk_ = true;
    // Spaces count only once something follows them: trailing spaces are no part of a line.
    const auto lastNonSpace = text.find_last_not_of(' ');
    if (lastNonSpace == std::string_view::npos) {
        pendingSpaces_ += text.size();
        return;
    }
    lineHasNonSpace_ = true;
    const std::size_t body = lastNonSpace + 1;
    const std::size_t grown = lineLength_ + pendingSpaces_ + body;
    // Lines beyond the capacity or the length are only counted, so their text is not kept.
    if (!lineHasAsterisk_ && grown <= MaxSchemeLineLength && result_.lines.size() < CatalogueCapacity) {
        line_.append(pendingSpaces_, ' ');
        line_.append(text.substr(0, body));
    }
    lineLength_ = grown;
    pendingSpaces_ = text.size() - body;
}

void SchemeLineSplitter::EndLine() {
    if (!lineHasAsterisk_ && lineHasNonSpace_) {
        if (lineLength_ > MaxSchemeLineLength) {
            ++result_.tooLong;
        } else if (result_.lines.size() < CatalogueCapacity) {
            result_.lines.push_back(std::move(line_));
        } else {
            ++result_.leftOut;
        }
    }
    line_.clear();
    lineLength_ = 0;
    pendingSpaces_ = 0;
    atLineStart_ = true;
    lineHasAsterisk_ = false;
    lineHasNonSpace_ = false;
}

SchemeLines SplitSchemeLines(std::string_view bytes) {
    SchemeLineSplitter splitter;
    splitter.Feed(bytes);
    return splitter.Finish();
}

Result<std::string> LocateSchemeFile(const std::string& fileName, const std::vector<std::string>& dataFolders) {
    if (fileName.empty() || fileName.find('/') != std::string::npos || IsThere(fileName))
        return Result<std::string>::Accepted(fileName);
    const auto [name, workingFolder] = NameAndFolder(fileName);
    std::vector<std::string> lookedIn = {workingFolder};
    for (const std::string& folder : dataFolders) {
        const std::filesystem::path path = std::filesystem::path(folder).lexically_normal() / fileName;
        if (IsThere(path.string())) return Result<std::string>::Accepted(path.string());
        // A folder that is not there is no place to tell the director about.
        std::error_code failed;
        const std::string shown = path.parent_path().string();
        if (std::filesystem::is_directory(shown, failed) &&
            std::find(lookedIn.begin(), lookedIn.end(), shown) == lookedIn.end())
            lookedIn.push_back(shown);
    }
    return Result<std::string>::Refused(NotFoundText(name, lookedIn));
}

Result<SchemeLines> ReadSchemeFile(const std::string& fileName, const std::vector<std::string>& dataFolders) {
    const Result<std::string> located = LocateSchemeFile(fileName, dataFolders);
    if (!located.accepted()) return Result<SchemeLines>::Refused(located.message());
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

std::string ShippedSourceText(std::string_view path) {
    const auto slash = path.find_last_of('/');
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    for (const ShippedSchemeFile& shipped : ShippedSchemeFiles)
        if (name == shipped.fileName) return shipped.sourceText;
    return {};
}

std::string CatalogueListLine(std::string_view schemeLine) {
    return ListedField(ListedToken(schemeLine, 0), 2) + "  " + ListedField(ListedToken(schemeLine, 1), 5);
}

Result<SchemeFileLoad> LoadSchemeFile(MovementState& state, const std::string& fileName, const std::string& sourceText) {
    SchemeFileLoad load;
    if (state.CatalogueLoaded) {
        load.locked = true;
        return Result<SchemeFileLoad>::Accepted(std::move(load));
    }

    state.SchemeSource = sourceText;
    Result<SchemeLines> reading = ReadSchemeFile(fileName, state.DataFolders);
    if (!reading.accepted()) return Result<SchemeFileLoad>::Refused(reading.message());

    // Entries beyond this file's lines keep what an earlier file left; nothing offers them.
    auto& lines = reading.value().lines;
    for (std::size_t k = 0; k < lines.size(); ++k) state.SchemeCatalogue[k] = std::move(lines[k]);
    state.CatalogueLineCount = static_cast<int32_t>(lines.size());
    state.CatalogueLoaded = true;

    load.leftOut = reading.value().leftOut;
    load.tooLong = reading.value().tooLong;
    for (std::size_t k = 0; k < lines.size(); ++k)
        load.listLines.push_back(CatalogueListLine(state.SchemeCatalogue[k]));
    return Result<SchemeFileLoad>::Accepted(std::move(load));
}

std::string LeftOutMessage(int64_t leftOut) {
    return "Plik zawiera więcej schematów, niż mieści lista. Wczytano pierwsze " + std::to_string(CatalogueCapacity) +
           ", liczba pominiętych: " + std::to_string(leftOut) + ".";
}

std::string SkippedLinesNotice(int64_t leftOut, int64_t tooLong) {
    std::string notice;
    if (leftOut > 0) notice = LeftOutMessage(leftOut);
    if (tooLong > 0) {
        if (!notice.empty()) notice += "\n";
        notice += "Pominięto linie dłuższe niż " + std::to_string(MaxSchemeLineLength) +
                  " znaków, które nie mogą być schematami; liczba pominiętych: " + std::to_string(tooLong) + ".";
    }
    return notice;
}

}  // namespace movement
