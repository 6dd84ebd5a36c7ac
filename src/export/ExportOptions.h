// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "movement/ArbitraryNumbers.h"
#include "movement/Languages.h"
#include "movement/Result.h"
#include "printing/Products.h"

#include <optional>
#include <string>
#include <vector>

namespace pdfexport {

enum class Paper { A4, A5, Letter };

// What one run of the export was asked to do.
struct ExportRequest {
    enum class Mode { Export, List, Check, Help, Version };
    Mode mode = Mode::Export;

    std::string schemeFile;
    int line = 0;  // counted from 1, as the scheme list shows the lines
    std::string output;
    std::string printer;  // a print queue instead of the output file

    int numberingItem = 0;                       // the numbering choice: steps 0..2, or 3 for Mitchell numbering
    std::vector<movement::TypedNumber> numbers;  // old pair and its new number as typed
    std::vector<int> swaps;
    std::optional<int> from;
    std::optional<int> to;
    Paper paper = Paper::A4;
    int resolution = 600;
    std::optional<std::string> source;
    printing::Product product = printing::Product::TableCards;
    int absentPair = 0;    // as the cards print it, under the numbering chosen; 0 for nobody
    int boardsPerSet = 0;  // 0: the cards give set numbers only
    std::string event;     // the line at the foot of every page; none when empty
    // --language: the language of the messages, chosen before the arguments are read (it is
    // read here to refuse a code the program does not speak); the system's when not given.
    std::optional<movement::Language> language;
    // The language the cards speak; none: the interface's.
    std::optional<movement::Language> cardLanguage;

    // The program's data folders, where a shipped scheme file's bare name is looked for when the
    // working folder does not hold it; no option, set from the program's place.
    std::vector<std::string> dataFolders;
};

// The arguments read, or what is wrong with them (a usage error).
// The options are those of the table of options (ExportOptionTable.h).
movement::Result<ExportRequest> ParseExportArguments(const std::vector<std::string>& arguments);

}  // namespace pdfexport
