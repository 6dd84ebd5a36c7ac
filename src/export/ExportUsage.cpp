// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExportUsage.h"

#include "ExportOptionTable.h"

#include "language/Translations.h"

#include <algorithm>
#include <string_view>

namespace pdfexport {

namespace {

// Where the options' descriptions begin, and the width the usage's lines keep to.
constexpr std::size_t DescriptionColumn = 30;
constexpr std::size_t LineColumns = 88;

std::size_t Columns(std::string_view text) {
    std::size_t columns = 0;
    for (const char byte : text) columns += (static_cast<unsigned char>(byte) & 0xC0) != 0x80 ? 1 : 0;
    return columns;
}

// The paragraph's words in lines that end the usage's lines at its width, "\n" between them.
std::string Flowed(const std::string& paragraph) {
    constexpr std::size_t Width = LineColumns - DescriptionColumn;
    std::string text;
    std::string line;
    std::string word;
    for (const char byte : paragraph + " ") {
        if (byte != ' ') {
            word += byte;
            continue;
        }
        if (!line.empty() && Columns(line) + 1 + Columns(word) > Width) {
            text += line + "\n";
            line.clear();
        }
        line += (line.empty() ? "" : " ") + word;
        word.clear();
    }
    return text + line;
}

std::string Named(const ExportOption& option) {
    return option.name + (option.argument.empty() ? "" : " " + option.argument.Said());
}

// "  --paper A4|A5|Letter        papier (domyślnie A4)": each option with its argument, and
// an option without a help of its own beside the one before it; the help's lines follow under
// the descriptions' column.
std::string OptionLines() {
    const std::vector<ExportOption>& table = ExportOptionTable();
    std::string text;
    for (auto option = table.begin(); option != table.end(); ++option) {
        std::string line = "  " + Named(*option);
        for (auto beside = option + 1; beside != table.end() && !beside->help; ++beside) line += ", " + Named(*beside);
        if (!option->help) continue;
        line += std::string(DescriptionColumn - std::min(DescriptionColumn - 2, Columns(line)), ' ');
        const std::string said = HelpSaid(*option);
        const std::string help = option->flowing ? Flowed(said) : said;
        std::size_t start = 0;
        for (;;) {
            const auto end = help.find('\n', start);
            text += line + help.substr(start, end == std::string::npos ? std::string::npos : end - start) + "\n";
            if (end == std::string::npos) break;
            line = std::string(DescriptionColumn, ' ');
            start = end + 1;
        }
    }
    return text;
}

}  // namespace

std::string UsageText() {
    const language::Translations& words = language::Interface();
    // Where --printer sends the cards: a queue of the CUPS server, or on Windows the system's spooler.
#ifdef _WIN32
    const movement::TextId opening =
        RZ_TEXT("ExportUsage",
                "Użycie:\n"
                "  rozstawiki-pdf [opcje] PLIK_SCHEMATÓW LINIA WYJŚCIE.pdf\n"
                "  rozstawiki-pdf --printer DRUKARKA [opcje] PLIK_SCHEMATÓW LINIA\n"
                "  rozstawiki-pdf --list PLIK_SCHEMATÓW\n"
                "  rozstawiki-pdf --check PLIK_SCHEMATÓW\n"
                "\n"
                "Drukuje rozstawiki stolikowe, karty par albo arkusz schematu z linii LINIA "
                "pliku (liczonej\n"
                "od 1, jak na liście schematów) do pliku PDF albo na drukarkę systemu "
                "Windows.\n"
                "\n"
                "Opcje:\n");
#else
    const movement::TextId opening =
        RZ_TEXT("ExportUsage",
                "Użycie:\n"
                "  rozstawiki-pdf [opcje] PLIK_SCHEMATÓW LINIA WYJŚCIE.pdf\n"
                "  rozstawiki-pdf --printer DRUKARKA [opcje] PLIK_SCHEMATÓW LINIA\n"
                "  rozstawiki-pdf --list PLIK_SCHEMATÓW\n"
                "  rozstawiki-pdf --check PLIK_SCHEMATÓW\n"
                "\n"
                "Drukuje rozstawiki stolikowe, karty par albo arkusz schematu z linii LINIA "
                "pliku (liczonej\n"
                "od 1, jak na liście schematów) do pliku PDF albo na drukarkę serwera "
                "wydruku (CUPS).\n"
                "\n"
                "Opcje:\n");
#endif
    return words.Say(opening) + OptionLines() + "\n" +
           words.Say(RZ_TEXT("ExportUsage",
                             "Każdą opcję podaje się najwyżej raz; --numbering i --numbers wykluczają się.\n"
                             "Kod wyjścia: 0 sukces (także gdy zadanie czeka w kolejce zatrzymanej drukarki, co "
                             "zgłasza\n"
                             "ostrzeżenie), 1 błędne dane, nieudany zapis albo wydruk, 2 błędne wywołanie.\n"));
}

}  // namespace pdfexport
