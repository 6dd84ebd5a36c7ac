// SPDX-License-Identifier: GPL-3.0-or-later
#include "BashCompletion.h"

#include "ExportOptionTable.h"

#include "language/Translations.h"

#include <vector>

namespace pdfexport {

namespace {

std::string Joined(const std::vector<std::string>& words, const std::string& separator) {
    std::string text;
    for (const std::string& word : words) text += (text.empty() ? "" : separator) + word;
    return text;
}

// "        --paper) _rozstawiki_pdf_offer 'A4 A5 Letter'; return ;;"
std::string ValueCase(const ExportOption& option) {
    std::string offer;
    switch (option.offered) {
        case OfferedValues::Nothing:
            break;
        case OfferedValues::Alternatives:
            offer = "_rozstawiki_pdf_offer '" + Joined(Alternatives(option), " ") + "'; ";
            break;
        case OfferedValues::Suggestions:
            offer = "_rozstawiki_pdf_offer '" + option.suggestions + "'; ";
            break;
        case OfferedValues::PrintQueues:
            offer = "_rozstawiki_pdf_print_queues; ";
            break;
        case OfferedValues::SchemeFiles:
            offer = "_rozstawiki_pdf_scheme_files; ";
            break;
    }
    return "        " + option.name + ") " + offer + "return ;;\n";
}

bool Fill(std::string& script, const std::string& place, const std::string& text) {
    const std::string mark = "@" + place + "@";
    bool found = false;
    for (auto at = script.find(mark); at != std::string::npos; at = script.find(mark, at + text.size())) {
        script.replace(at, mark.size(), text);
        found = true;
    }
    return found;
}

}  // namespace

movement::Result<std::string> BashCompletion(std::string script) {
    std::vector<std::string> names;
    std::vector<std::string> valued;
    std::string cases;
    for (const ExportOption& option : ExportOptionTable()) {
        names.push_back(option.name);
        if (option.argument.empty()) continue;
        valued.push_back(option.name);
        cases += ValueCase(option);
    }
    cases.pop_back();  // the script's own line ends the last arm
    for (const auto& [place, text] : {std::pair<std::string, std::string>{"OPTIONS", Joined(names, " ")},
                                      {"VALUED_OPTIONS", "@(" + Joined(valued, "|") + ")"},
                                      {"VALUE_CASES", cases}})
        if (!Fill(script, place, text))
            return movement::Result<std::string>::Refused(language::Interface().Say(movement::Text{
                RZ_TEXT("BashCompletion", "Skrypt uzupełniania nie ma miejsca @%1@."), {place}}));
    return movement::Result<std::string>::Accepted(std::move(script));
}

}  // namespace pdfexport
