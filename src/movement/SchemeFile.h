#pragma once

#include "MovementState.h"
#include "Result.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace movement {

// The three scheme files beside the program, each with the caption its cards carry.
struct ShippedSchemeFile {
    const char* fileName;
    const char* sourceText;  // becomes SchemeSource
};
inline constexpr std::array<ShippedSchemeFile, 3> ShippedSchemeFiles = {{
    {"HowellKS.txt", "Wg K. Kestrela"},
    {"HowellPV.txt", "Wg P. Plovera"},
    {"Duzo_Zb.txt", "Dużo Zbiornic PV"},
}};

// The caption of the shipped scheme file that a path names (by its last component), or empty
// for any other file.
std::string ShippedSourceText(std::string_view path);

// The longest scheme line kept, in bytes. The longest movement the program holds (99 rounds,
// 48 tables, two-digit pairs) takes about 400; anything far longer is no movement, and is not
// held in memory whole.
constexpr std::size_t MaxSchemeLineLength = 4096;

// The most a scheme file is read, in bytes. The biggest movement files are a few kilobytes and
// 300 MB list in well under a second; anything past this (a sparse file of exabytes, a file
// that keeps growing) is no scheme file, and reading it would never end.
constexpr int64_t MaxSchemeFileSize = int64_t{1} << 30;

// The scheme lines of a scheme file, in file order, at most CatalogueCapacity of them.
struct SchemeLines {
    std::vector<std::string> lines;  // trailing spaces removed, otherwise byte for byte
    int64_t leftOut = 0;             // scheme lines beyond the capacity, counted but not kept
    int64_t tooLong = 0;             // lines longer than MaxSchemeLineLength, skipped
};

// Splits the bytes of a scheme file into scheme lines. A UTF-8 byte-order mark at the start is
// skipped. A line ends at LF, and a CR right before the LF belongs to the line end; a Ctrl-Z at
// the start of a line ends the file; a final line without a line end counts like any other.
// Lines holding "*" anywhere are comments; lines that are empty or hold only spaces are no
// movements; lines longer than MaxSchemeLineLength (trailing spaces aside) are only counted. All three are skipped.
// Fed in pieces, so that a file of any size is read with bounded memory beyond the kept lines.
class SchemeLineSplitter {
public:
    void Feed(std::string_view bytes);
    SchemeLines Finish();

private:
    void FeedText(std::string_view bytes);
    void AppendText(std::string_view text);  // text of the current line, no line end in it
    void EndLine();

    SchemeLines result_;
    std::string line_;
    std::size_t lineLength_ = 0;     // without its trailing spaces
    std::size_t pendingSpaces_ = 0;  // spaces not yet followed by anything
    std::string startOfFile_;        // bytes that may still be a byte-order mark
    bool startDecided_ = false;
    bool atLineStart_ = true;
    bool pendingCarriageReturn_ = false;
    bool lineHasAsterisk_ = false;
    bool lineHasNonSpace_ = false;
    bool endOfFile_ = false;
};

SchemeLines SplitSchemeLines(std::string_view bytes);

// Where a scheme file is read from. A name with a folder in it is taken as it is; a bare name is
// looked for in the working folder first, then in each of `dataFolders` in turn. Refused with the
// Polish text to show when no folder holds it, naming every folder looked in that exists.
Result<std::string> LocateSchemeFile(const std::string& fileName, const std::vector<std::string>& dataFolders);

// Reads the scheme lines of a file found by LocateSchemeFile. Refused with the Polish text to
// show, which names the file and the folder it was looked for in: not found, access denied (also
// for a directory, a device or a pipe), larger than MaxSchemeFileSize (also when it grows past it
// while read), or an input/output error with its number.
Result<SchemeLines> ReadSchemeFile(const std::string& fileName, const std::vector<std::string>& dataFolders = {});

// The list line of a catalogue entry: its rounds (the text before the first space, empty when it
// has none) right-aligned in 3 (2 from 10 on), two spaces, and its tables (the text between the
// first and the second space) right-aligned in 6 (5 from 10 on). A number too large for the
// program is shown as "?".
std::string CatalogueListLine(std::string_view schemeLine);

// What a click on a scheme-file button did, for the window to show.
struct SchemeFileLoad {
    bool locked = false;                 // a file has been loaded already: nothing happened at all
    std::vector<std::string> listLines;  // otherwise the list's new lines, one per catalogue entry
    int64_t leftOut = 0;                 // scheme lines beyond the catalogue's capacity, not loaded
    int64_t tooLong = 0;                 // lines too long to be movements, not loaded
};

// A scheme-file button: unless the catalogue is locked, sets SchemeSource, reads the file (looked
// for in the working folder, then in the state's DataFolders) and stores its lines as catalogue
// entries 0..n-1, their count as CatalogueLineCount, and locks the catalogue. A file that cannot
// be found or read is refused with ReadSchemeFile's text; only SchemeSource has then changed. The current movement is
// not touched: only choosing a line makes one current.
Result<SchemeFileLoad> LoadSchemeFile(MovementState& state, const std::string& fileName, const std::string& sourceText);

// The Polish notice for a file with more scheme lines than the catalogue holds.
std::string LeftOutMessage(int64_t leftOut);

// What a reading skipped, for the director: the lines beyond the capacity and the lines too long
// to be movements, one notice a line; empty when nothing was skipped.
std::string SkippedLinesNotice(int64_t leftOut, int64_t tooLong);

}  // namespace movement
