// SPDX-License-Identifier: GPL-3.0-or-later
#include "SchemeFile.h"

#include "SchemeNumbers.h"
#include "TextPadding.h"

#include <utility>

namespace movement {

namespace {

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
    if (!reading.accepted()) return reading;

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

std::string LeftOutMessage(const Catalogue& words, int64_t leftOut) {
    return words.Say(Text{RZ_TEXT("notices",
                                  "Plik zawiera więcej schematów, niż mieści lista. Wczytano pierwsze %1, "
                                  "liczba pominiętych: %2."),
                          {std::to_string(CatalogueCapacity), std::to_string(leftOut)}});
}

std::string LeftOutMessage(int64_t leftOut) { return LeftOutMessage(SourceCatalogue(), leftOut); }

std::string SkippedLinesNotice(const Catalogue& words, int64_t leftOut, int64_t tooLong) {
    std::string notice;
    if (leftOut > 0) notice = LeftOutMessage(words, leftOut);
    if (tooLong > 0) {
        if (!notice.empty()) notice += "\n";
        notice += words.Say(Text{RZ_TEXT("notices",
                                         "Pominięto linie dłuższe niż %1 znaków, które nie mogą być "
                                         "schematami; liczba pominiętych: %2."),
                                 {std::to_string(MaxSchemeLineLength), std::to_string(tooLong)}});
    }
    return notice;
}

std::string SkippedLinesNotice(int64_t leftOut, int64_t tooLong) {
    return SkippedLinesNotice(SourceCatalogue(), leftOut, tooLong);
}

}  // namespace movement
