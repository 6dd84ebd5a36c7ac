// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MovementState.h"
#include "Result.h"
#include "SchemeFileReading.h"

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

// The notice for a file with more scheme lines than the catalogue holds, in the words given
// (Polish without them).
std::string LeftOutMessage(const Catalogue& words, int64_t leftOut);
std::string LeftOutMessage(int64_t leftOut);

// What a reading skipped, for the director: the lines beyond the capacity and the lines too long
// to be movements, one notice a line; empty when nothing was skipped.
std::string SkippedLinesNotice(const Catalogue& words, int64_t leftOut, int64_t tooLong);
std::string SkippedLinesNotice(int64_t leftOut, int64_t tooLong);

}  // namespace movement
