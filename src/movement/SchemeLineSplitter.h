// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace movement {

// The longest scheme line kept, in bytes. The longest movement the program holds (99 rounds,
// 48 tables, two-digit pairs) takes about 400; anything far longer is no movement, and is not
// held in memory whole.
constexpr std::size_t MaxSchemeLineLength = 4096;

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

}  // namespace movement
