// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExportOptionTable.h"

#include "language/Translations.h"
#include "movement/BoardRoutes.h"
#include "movement/Languages.h"
#include "movement/Text.h"
#include "movement/TypedInteger.h"

#include <algorithm>
#include <array>
#include <optional>
#include <set>
#include <utility>

namespace pdfexport {

namespace {

using movement::Outcome;

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const auto end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) return parts;
        start = end + 1;
    }
}

std::string Say(movement::TextId id, std::vector<std::string> arguments = {}) {
    return language::Interface().Say(movement::Text{id, std::move(arguments)});
}

// "Opcja --swap przyjmuje numery stołów rozdzielone przecinkami.": the sentence names the option.
Outcome Takes(const ExportOption& option, movement::TextId sentence) {
    return Outcome::Refused(Say(sentence, {option.name}));
}

// The place of the value among the option's alternatives, or the refusal that names them all.
movement::Result<std::size_t> Alternative(const ExportOption& option, const std::string& value) {
    const std::vector<std::string> words = Alternatives(option);
    const auto found = std::find(words.begin(), words.end(), value);
    if (found == words.end()) {
        std::string allButLast;
        for (std::size_t k = 0; k + 1 < words.size(); ++k) allButLast += (k == 0 ? "" : ", ") + words[k];
        return Outcome::Refused(Say(RZ_TEXT("ExportOptions", "Opcja %1 przyjmuje %2 albo %3."),
                                    {option.name, allButLast, words.back()}));
    }
    return movement::Result<std::size_t>::Accepted(static_cast<std::size_t>(found - words.begin()));
}

// The numbering item is the place of its word: steps 0..2, then Mitchell numbering.
Outcome ReadNumbering(const ExportOption& option, const std::string& value, ExportRequest& request) {
    const auto item = Alternative(option, value);
    if (!item.accepted()) return item;
    request.numberingItem = static_cast<int>(item.value());
    return Outcome::Accepted();
}

Outcome ReadNumbers(const ExportOption& option, const std::string& value, ExportRequest& request) {
    for (const std::string& pair : Split(value, ',')) {
        const auto equals = pair.find('=');
        const auto old =
            equals == std::string::npos ? std::nullopt : movement::ParseTypedInteger(pair.substr(0, equals));
        if (!old)
            return Takes(option,
                         RZ_TEXT("ExportOptions", "Opcja %1 przyjmuje pary STARY=NOWY rozdzielone przecinkami."));
        request.numbers.push_back({*old, pair.substr(equals + 1)});
    }
    return Outcome::Accepted();
}

Outcome ReadSwap(const ExportOption& option, const std::string& value, ExportRequest& request) {
    for (const std::string& table : Split(value, ',')) {
        const auto number = movement::ParseTypedInteger(table);
        if (!number)
            return Takes(option, RZ_TEXT("ExportOptions", "Opcja %1 przyjmuje numery stołów rozdzielone przecinkami."));
        request.swaps.push_back(*number);
    }
    return Outcome::Accepted();
}

Outcome ReadCards(const ExportOption& option, const std::string& value, ExportRequest& request) {
    if (const auto known = Alternative(option, value); !known.accepted()) return known;
    request.product = printing::ProductOfKey(value)->product;
    return Outcome::Accepted();
}

Outcome ReadAbsent(const ExportOption& option, const std::string& value, ExportRequest& request) {
    const auto pair = movement::ParseTypedInteger(value);
    if (!pair) return Takes(option, RZ_TEXT("ExportOptions", "Opcja %1 przyjmuje numer pary."));
    request.absentPair = *pair;
    return Outcome::Accepted();
}

Outcome ReadBoards(const ExportOption& option, const std::string& value, ExportRequest& request) {
    const auto boards = movement::ParseTypedInteger(value);
    if (!boards)
        return Takes(option, RZ_TEXT("ExportOptions", "Opcja %1 przyjmuje liczbę rozdań w komplecie, od 0 do 9."));
    if (Outcome fits = movement::CheckBoardsPerSet(*boards); !fits.accepted()) return fits;
    request.boardsPerSet = *boards;
    return Outcome::Accepted();
}

Outcome ReadTable(const ExportOption& option, const std::string& value, std::optional<int>& table) {
    const auto number = movement::ParseTypedInteger(value);
    if (!number) return Takes(option, RZ_TEXT("ExportOptions", "Opcja %1 przyjmuje numer stołu."));
    table = number;
    return Outcome::Accepted();
}

Outcome ReadFrom(const ExportOption& option, const std::string& value, ExportRequest& request) {
    return ReadTable(option, value, request.from);
}

Outcome ReadTo(const ExportOption& option, const std::string& value, ExportRequest& request) {
    return ReadTable(option, value, request.to);
}

Outcome ReadPaper(const ExportOption& option, const std::string& value, ExportRequest& request) {
    static constexpr std::array papers = {Paper::A4, Paper::A5, Paper::Letter};  // as the argument names them
    const auto paper = Alternative(option, value);
    if (!paper.accepted()) return paper;
    request.paper = papers.at(paper.value());
    return Outcome::Accepted();
}

Outcome ReadResolution(const ExportOption& option, const std::string& value, ExportRequest& request) {
    const auto dpi = movement::ParseTypedInteger(value);
    if (!dpi || *dpi < 72 || *dpi > 2400)
        return Takes(option, RZ_TEXT("ExportOptions", "Opcja %1 przyjmuje liczbę od 72 do 2400."));
    request.resolution = *dpi;
    return Outcome::Accepted();
}

Outcome ReadCardLanguage(const ExportOption& option, const std::string& value, ExportRequest& request) {
    request.cardLanguage = movement::LanguageCoded(value);
    if (request.cardLanguage) return Outcome::Accepted();
    return Outcome::Refused(Say(RZ_TEXT("ExportOptions", "Opcja %1 przyjmuje kod języka: %2."),
                                {option.name, movement::LanguageCodesListed()}));
}

Outcome ReadSource(const ExportOption&, const std::string& value, ExportRequest& request) {
    request.source = value;
    return Outcome::Accepted();
}

Outcome ReadEvent(const ExportOption&, const std::string& value, ExportRequest& request) {
    request.event = value;
    return Outcome::Accepted();
}

Outcome ReadPrinter(const ExportOption& option, const std::string& value, ExportRequest& request) {
    if (value.empty()) return Takes(option, RZ_TEXT("ExportOptions", "Opcja %1 przyjmuje nazwę drukarki."));
    request.printer = value;
    return Outcome::Accepted();
}

Outcome ReadList(const ExportOption&, const std::string& value, ExportRequest& request) {
    request.mode = ExportRequest::Mode::List;
    request.schemeFile = value;
    return Outcome::Accepted();
}

Outcome ReadCheck(const ExportOption&, const std::string& value, ExportRequest& request) {
    request.mode = ExportRequest::Mode::Check;
    request.schemeFile = value;
    return Outcome::Accepted();
}

Outcome ReadLanguage(const ExportOption& option, const std::string& value, ExportRequest& request) {
    const auto language = movement::LanguageCoded(value);
    if (!language)
        return Outcome::Refused(Say(RZ_TEXT("ExportOptions", "Opcja %1 przyjmuje kod języka: %2."),
                                    {option.name, movement::LanguageCodesListed()}));
    request.language = *language;
    return Outcome::Accepted();
}

Outcome ReadHelp(const ExportOption&, const std::string&, ExportRequest& request) {
    request.mode = ExportRequest::Mode::Help;
    return Outcome::Accepted();
}

Outcome ReadVersion(const ExportOption&, const std::string&, ExportRequest& request) {
    request.mode = ExportRequest::Mode::Version;
    return Outcome::Accepted();
}

// The --cards keys and what each prints, from the table of products.
std::string CardKeys() {
    std::string keys;
    for (const printing::ProductInfo& product : printing::ProductTable)
        keys += (keys.empty() ? "" : "|") + std::string(product.key);
    return keys;
}

// The codes --language takes, as its argument names them.
std::string LanguageCodes() {
    std::string codes;
    for (const movement::Language& language : movement::Languages())
        codes += (codes.empty() ? "" : "|") + std::string(language.code);
    return codes;
}

// Where --printer sends the cards: a queue of the CUPS server, or on Windows the system's spooler.
#ifdef _WIN32
constexpr movement::TextId PrinterHelp = RZ_TEXT("ExportOptions",
                                                 "wysyła rozstawiki na drukarkę (do kolejki wydruku Windows)\n"
                                                 "zamiast do pliku");
#else
constexpr movement::TextId PrinterHelp = RZ_TEXT("ExportOptions",
                                                 "wysyła rozstawiki na drukarkę (kolejkę serwera wydruku)\n"
                                                 "zamiast do pliku i kończy się, gdy serwer przyjmie zadanie");
#endif

std::vector<ExportOption> MakeTable() {
    using enum OfferedValues;
    using enum OptionRole;
    return {
        {.name = "--numbering",
         .argument = "1|2|3|mitchell",
         .help = RZ_TEXT("ExportOptions",
                         "pierwszy, drugi lub trzeci skok numeracji albo numeracja\n"
                         "Mitchella (domyślnie 1)"),
         .read = ReadNumbering,
         .offered = Alternatives},
        {.name = "--numbers",
         .argument = RZ_TEXT("ExportOptions", "STARY=NOWY[,...]"),
         .help = RZ_TEXT("ExportOptions", "numery dowolne (1..99); numeracja jest wtedy pierwszym skokiem"),
         .read = ReadNumbers},
        {.name = "--swap",
         .argument = RZ_TEXT("ExportOptions", "STÓŁ[,STÓŁ...]"),
         .help = RZ_TEXT("ExportOptions", "zamiana NS z WE przy tych stołach"),
         .read = ReadSwap},
        {.name = "--cards",
         .argument = CardKeys(),
         .help =
             RZ_TEXT("ExportOptions", "co drukować: rozstawiki stolikowe (domyślnie), karty par albo arkusz schematu"),
         .flowing = true,
         .read = ReadCards,
         .offered = Alternatives},
        {.name = "--absent",
         .argument = "N",
         .help = RZ_TEXT("ExportOptions",
                         "para nieobecna, numer z kart, jak go drukuje wybrana\n"
                         "numeracja (0 – grają wszystkie)"),
         .read = ReadAbsent},
        {.name = "--boards",
         .argument = "N",
         .help = RZ_TEXT("ExportOptions",
                         "rozdań w komplecie, od 1 do 9: karty podają numery rozdań,\n"
                         "dokąd iść z kompletem i komplety dzielone (domyślnie 0 – bez)"),
         .read = ReadBoards},
        {.name = "--from",
         .argument = "N",
         .help = RZ_TEXT("ExportOptions", "zakres wydruku rozstawików stolikowych (domyślnie wszystkie stoły)"),
         .read = ReadFrom},
        {.name = "--to", .argument = "N", .read = ReadTo},
        {.name = "--paper",
         .argument = "A4|A5|Letter",
         .help = RZ_TEXT("ExportOptions", "papier (domyślnie A4)"),
         .read = ReadPaper,
         .offered = Alternatives},
        {.name = "--resolution",
         .argument = "DPI",
         .help = RZ_TEXT("ExportOptions", "rozdzielczość (domyślnie 600, od 72 do 2400)"),
         .read = ReadResolution,
         .offered = Suggestions,
         .suggestions = "300 600 1200"},
        {.name = "--card-language",
         .argument = LanguageCodes(),
         .help = RZ_TEXT("ExportOptions", "język kart (domyślnie ten sam co język komunikatów)"),
         .read = ReadCardLanguage,
         .offered = Alternatives},
        {.name = "--source",
         .argument = RZ_TEXT("ExportOptions", "TEKST"),
         .help = RZ_TEXT("ExportOptions", "źródło schematu na rozstawikach"),
         .read = ReadSource},
        {.name = "--event",
         .argument = RZ_TEXT("ExportOptions", "TEKST"),
         .help = RZ_TEXT("ExportOptions", "turniej: linia u dołu każdej strony (klub, turniej, data)"),
         .read = ReadEvent},
        {.name = "--printer",
         .argument = RZ_TEXT("ExportOptions", "DRUKARKA"),
         .help = PrinterHelp,
         .read = ReadPrinter,
         .offered = PrintQueues},
        {.name = "--list",
         .argument = RZ_TEXT("ExportOptions", "PLIK_SCHEMATÓW"),
         .help = RZ_TEXT("ExportOptions", "wypisuje linie listy schematów, numerowane od 1"),
         .role = Listing,
         .read = ReadList,
         .offered = SchemeFiles},
        {.name = "--check",
         .argument = RZ_TEXT("ExportOptions", "PLIK_SCHEMATÓW"),
         .help = RZ_TEXT("ExportOptions", "sprawdza każdą linię pliku jak schemat wprowadzany z palca"),
         .role = Listing,
         .read = ReadCheck,
         .offered = SchemeFiles},
        {.name = "--language",
         .argument = LanguageCodes(),
         .help = RZ_TEXT("ExportOptions", "język komunikatów i tego opisu (domyślnie język systemu)"),
         .role = Interface,
         .read = ReadLanguage,
         .offered = Alternatives},
        {.name = "--help", .help = RZ_TEXT("ExportOptions", "wypisuje ten opis"), .role = Answer, .read = ReadHelp},
        {.name = "--version",
         .help = RZ_TEXT("ExportOptions", "wypisuje wersję programu"),
         .role = Answer,
         .read = ReadVersion},
        {.name = "--",
         .help = RZ_TEXT("ExportOptions",
                         "kończy opcje (dalej same argumenty, np. plik o nazwie\n"
                         "zaczynającej się od -)"),
         .role = EndOfOptions},
    };
}

}  // namespace

const std::vector<ExportOption>& ExportOptionTable() {
    static const std::vector<ExportOption> table = MakeTable();
    return table;
}

const ExportOption* FindExportOption(std::string_view name) {
    const std::vector<ExportOption>& table = ExportOptionTable();
    const auto found = std::find_if(table.begin(), table.end(), [&](const auto& option) { return option.name == name; });
    return found == table.end() ? nullptr : &*found;
}

std::string OptionArgument::Said() const { return name_ ? Say(*name_) : words_; }

std::string HelpSaid(const ExportOption& option) { return option.help ? Say(*option.help) : std::string(); }

std::vector<std::string> Alternatives(const ExportOption& option) {
    if (option.argument.words().find('|') == std::string::npos) return {};
    return Split(option.argument.words(), '|');
}

Outcome OptionsAtOdds(const std::set<std::string>& given, const ExportRequest& request) {
    if (given.count("--list") != 0 && given.count("--check") != 0)
        return Outcome::Refused(Say(RZ_TEXT("ExportOptions", "Opcje --list i --check wykluczają się.")));
    if (given.count("--numbering") != 0 && given.count("--numbers") != 0)
        return Outcome::Refused(Say(
            RZ_TEXT("ExportOptions",
                    "Opcje --numbering i --numbers wykluczają się: numery dowolne drukuje się przy pierwszym skoku.")));
    const printing::ProductInfo& product = printing::InfoOf(request.product);
    if (!product.usesAbsentPair && given.count("--absent") != 0)
        return Outcome::Refused(Say(RZ_TEXT("ExportOptions", "Opcja --absent nie dotyczy wydruku „%1”."),
                                    {Say(product.name)}));
    if (!product.usesTableRange && (given.count("--from") != 0 || given.count("--to") != 0))
        return Outcome::Refused(Say(RZ_TEXT("ExportOptions",
                                            "Opcje --from i --to dotyczą tylko rozstawików stolikowych.")));
    return Outcome::Accepted();
}

}  // namespace pdfexport
