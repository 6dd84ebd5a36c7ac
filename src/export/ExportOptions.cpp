// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExportOptions.h"

#include "ExportOptionTable.h"

#include "language/Translations.h"
#include "movement/TypedInteger.h"

#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace pdfexport {

namespace {

using ParsedArguments = movement::Result<ExportRequest>;
using movement::Outcome;

ParsedArguments Wrong(const std::string& error) { return ParsedArguments::Refused(error); }

std::string Say(movement::TextId id, std::vector<std::string> arguments = {}) {
    return language::Interface().Say(movement::Text{id, std::move(arguments)});
}

// What an answer asks for, every other option set aside.
ExportRequest Answer(const ExportOption& option) {
    ExportRequest answer;
    const Outcome read = option.read(option, {}, answer);
    static_cast<void>(read);  // an answer takes no value, so nothing is refused
    return answer;
}

// An option that shapes the cards beside --list or --check, or two that ask for different things.
Outcome Conflict(const std::set<std::string>& given, const ExportRequest& request) {
    if (Outcome apart = OptionsAtOdds(given, request); !apart.accepted()) return apart;
    if (request.mode == ExportRequest::Mode::Export) return Outcome::Accepted();
    for (const std::string& option : given)
        if (FindExportOption(option)->role == OptionRole::Cards)
            return Outcome::Refused(Say(RZ_TEXT("ExportOptions", "Opcja %1 nie dotyczy --list ani --check."), {option}));
    return Outcome::Accepted();
}

}  // namespace

ParsedArguments ParseExportArguments(const std::vector<std::string>& arguments) {
    ExportRequest request;
    std::vector<std::string> positional;
    std::set<std::string> given;
    bool optionsEnded = false;
    std::optional<ExportRequest> answer;  // --help or --version

    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        // Every word that begins with "-" is an option until "--"; a file so named comes after it.
        if (optionsEnded || argument.rfind('-', 0) != 0) {
            positional.push_back(argument);
            continue;
        }
        const ExportOption* option = FindExportOption(argument);
        if (option == nullptr) {
            if (argument.rfind("--", 0) == 0)
                return Wrong(Say(RZ_TEXT("ExportOptions", "Nieznana opcja %1."), {argument}));
            return Wrong(Say(RZ_TEXT("ExportOptions",
                                     "Nieznana opcja %1 (plik o nazwie zaczynającej się od „-” podaje się po „--” "
                                     "albo jako ./%1)."),
                             {argument}));
        }
        if (option->role == OptionRole::EndOfOptions) {
            optionsEnded = true;
            continue;
        }
        if (option->role == OptionRole::Answer) {
            // The first of them is answered, once no option around it is unknown.
            if (!answer) answer = Answer(*option);
            continue;
        }
        if (answer) {
            ++i;  // its value, whatever it is, is not used
            continue;
        }
        if (!given.insert(argument).second)
            return Wrong(Say(RZ_TEXT("ExportOptions", "Opcja %1 podana dwa razy."), {argument}));
        if (i + 1 >= arguments.size())
            return Wrong(Say(RZ_TEXT("ExportOptions", "Brak wartości opcji %1."), {argument}));
        if (const auto read = option->read(*option, arguments[++i], request); !read.accepted())
            return Wrong(language::Interface().Say(read.text()));
    }
    if (answer) return ParsedArguments::Accepted(std::move(*answer));
    if (const Outcome conflict = Conflict(given, request); !conflict.accepted())
        return Wrong(language::Interface().Say(conflict.text()));

    if (request.mode != ExportRequest::Mode::Export) {
        if (!positional.empty())
            return Wrong(Say(RZ_TEXT("ExportOptions", "Przy --list i --check podaje się tylko plik schematów.")));
        return ParsedArguments::Accepted(std::move(request));
    }
    if (!request.printer.empty() && positional.size() != 2)
        return Wrong(Say(RZ_TEXT("ExportOptions",
                                 "Przy --printer potrzebne są dwa argumenty: plik schematów i linia.")));
    if (request.printer.empty() && positional.size() != 3)
        return Wrong(Say(RZ_TEXT("ExportOptions",
                                 "Potrzebne są trzy argumenty: plik schematów, linia i plik wyjściowy.")));
    const auto line = movement::ParseTypedInteger(positional[1]);
    if (!line || *line < 1) return Wrong(Say(RZ_TEXT("ExportOptions", "Linia schematu to liczba od 1.")));
    request.schemeFile = positional[0];
    request.line = *line;
    if (request.printer.empty()) request.output = positional[2];
    return ParsedArguments::Accepted(std::move(request));
}

}  // namespace pdfexport
