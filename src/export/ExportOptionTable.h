// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ExportOptions.h"

#include "movement/Result.h"
#include "movement/Text.h"

#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace pdfexport {

// What an option does to a run, which decides how the words around it are read.
enum class OptionRole {
    Cards,         // shapes the cards, so it has no place beside --list or --check
    Listing,       // lists or checks the lines of a scheme file instead of printing
    Answer,        // --help, --version: answered at once, before anything else is done
    Interface,     // --language: chosen before the arguments are read, so it goes with any other
    EndOfOptions,  // "--": every word after it is an argument
};

// What the shell's completion offers for an option's value.
enum class OfferedValues {
    Nothing,       // a number or a text of the director's own
    Alternatives,  // the words of the argument: "A4|A5|Letter"
    Suggestions,   // the option's `suggestions`
    PrintQueues,   // the print server's queues
    SchemeFiles,   // files, and the shipped scheme files
};

// An option's value as the usage names it: the words it is one of ("A4|A5|Letter"), a name every
// language writes alike ("N"), or a name said in the interface's language (marked RZ_TEXT).
class OptionArgument {
public:
    OptionArgument() = default;
    OptionArgument(std::string words) : words_(std::move(words)) {}
    OptionArgument(const char* words) : words_(words) {}
    OptionArgument(movement::TextId name) : name_(name) {}

    bool empty() const { return words_.empty() && !name_; }
    // The words as written; empty for a name said in a language.
    const std::string& words() const { return words_; }
    // As the usage shows it, in the interface's language.
    std::string Said() const;

private:
    std::string words_;
    std::optional<movement::TextId> name_;
};

struct ExportOption;
// Reads an option's value into the request, or says what is wrong with it. An answer reads an
// empty value.
using OptionReader = movement::Outcome (*)(const ExportOption& option, const std::string& value, ExportRequest& request);

// One option of rozstawiki-pdf: all that the usage, the reading of the arguments and the shell's
// completion know of it. A row names what it has; the rest keeps these defaults.
struct ExportOption {
    std::string name;           // "--paper"
    OptionArgument argument{};  // its value as the usage names it ("A4|A5|Letter"); empty when it takes none
    // Its lines in the usage, "\n" between them, said in the interface's language; none when the
    // usage tells of it on the line of the option before ("--from N, --to N").
    std::optional<movement::TextId> help{};
    bool flowing = false;  // the help is one paragraph the usage breaks into lines of its width
    OptionRole role = OptionRole::Cards;
    OptionReader read = nullptr;  // none for "--"
    OfferedValues offered = OfferedValues::Nothing;
    std::string suggestions{};  // space between them
};

// Every option, in the order the usage lists them.
const std::vector<ExportOption>& ExportOptionTable();

// The option of that name; none for another word.
const ExportOption* FindExportOption(std::string_view name);

// An option's help in the interface's language; empty for none.
std::string HelpSaid(const ExportOption& option);

// The words an option's value is one of, from its argument ("A4|A5|Letter"); none for a free value.
std::vector<std::string> Alternatives(const ExportOption& option);

// Two options given together that ask for different things, or one the product to print has no
// use for. `given` holds the names of the options given.
movement::Outcome OptionsAtOdds(const std::set<std::string>& given, const ExportRequest& request);

}  // namespace pdfexport
