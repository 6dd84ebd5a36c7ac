// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExportOptions.h"

#include "movement/BoardRoutes.h"
#include "movement/TypedInteger.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <utility>
#include <vector>

namespace pdfexport {

namespace {

// "a, b albo c"
std::string OneOf(const std::vector<std::string>& items) {
    std::string text;
    for (std::size_t k = 0; k < items.size(); ++k)
        text += (k == 0 ? "" : k + 1 == items.size() ? " albo " : ", ") + items[k];
    return text;
}

std::size_t Columns(const std::string& text) {
    std::size_t columns = 0;
    for (const char byte : text) columns += (static_cast<unsigned char>(byte) & 0xC0) != 0x80 ? 1 : 0;
    return columns;
}

std::string CardKeys(const char* separator) {
    std::string keys;
    for (const printing::ProductInfo& product : printing::ProductTable)
        keys += (keys.empty() ? "" : separator) + std::string(product.key);
    return keys;
}

// The --cards option as the usage shows it, from the table of products: the keys, then what each
// prints, in lines of at most 88 columns under the descriptions' column.
std::string CardsOptionText() {
    constexpr std::size_t DescriptionColumn = 30;
    constexpr std::size_t LineColumns = 88;
    std::vector<std::string> names;
    for (const printing::ProductInfo& product : printing::ProductTable) {
        std::string name = product.name;
        name[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(name[0])));
        names.push_back(name + (names.empty() ? " (domyślnie)" : ""));
    }
    std::string line = "  --cards " + CardKeys("|");
    line += std::string(DescriptionColumn - std::min(DescriptionColumn, Columns(line)), ' ') + "co";
    std::string text;
    std::string word;
    const std::string description = "drukować: " + OneOf(names) + " ";
    for (const char byte : description) {
        if (byte != ' ') {
            word += byte;
            continue;
        }
        if (Columns(line) + 1 + Columns(word) > LineColumns) {
            text += line + "\n";
            line = std::string(DescriptionColumn - 1, ' ');
        }
        line += " " + word;
        word.clear();
    }
    return text + line + "\n";
}

}  // namespace

namespace {

// Where --printer sends the cards: a queue of the CUPS server, or on Windows the system's spooler.
struct PrinterWordsText {
    const char* where;
    const char* option;
};

PrinterWordsText PrinterWords() {
#ifdef _WIN32
    return {"na drukarkę systemu Windows.\n",
            "  --printer DRUKARKA          wysyła rozstawiki na drukarkę (do kolejki wydruku Windows)\n"
            "                              zamiast do pliku\n"};
#else
    return {"na drukarkę serwera wydruku (CUPS).\n",
            "  --printer DRUKARKA          wysyła rozstawiki na drukarkę (kolejkę serwera wydruku)\n"
            "                              zamiast do pliku i kończy się, gdy serwer przyjmie zadanie\n"};
#endif
}

}  // namespace

const std::string& UsageText() {
    static const std::string text =
        std::string(
            "Użycie:\n"
            "  rozstawiki-pdf [opcje] PLIK_SCHEMATÓW LINIA WYJŚCIE.pdf\n"
            "  rozstawiki-pdf --printer DRUKARKA [opcje] PLIK_SCHEMATÓW LINIA\n"
            "  rozstawiki-pdf --list PLIK_SCHEMATÓW\n"
            "  rozstawiki-pdf --check PLIK_SCHEMATÓW\n"
            "\n"
            "Drukuje rozstawiki stolikowe, karty par albo arkusz schematu z linii LINIA pliku (liczonej\n"
            "od 1, jak na liście schematów) do pliku PDF albo " +
            std::string(PrinterWords().where) +
            "\n"
            "Opcje:\n"
            "  --numbering 1|2|3|mitchell  pierwszy, drugi lub trzeci skok numeracji albo numeracja\n"
            "                              Mitchella (domyślnie 1)\n"
            "  --numbers STARY=NOWY[,...]  numery dowolne (1..99); numeracja jest wtedy pierwszym skokiem\n"
            "  --swap STÓŁ[,STÓŁ...]       zamiana NS z WE przy tych stołach\n") +
        CardsOptionText() +
        std::string(
            "  --absent N                  para nieobecna, numer z kart, jak go drukuje wybrana\n"
            "                              numeracja (0 – grają wszystkie)\n"
            "  --boards N                  rozdań w komplecie, od 1 do 9: karty podają numery rozdań,\n"
            "                              dokąd iść z kompletem i komplety dzielone (domyślnie 0 – bez)\n"
            "  --from N, --to N            zakres wydruku rozstawików stolikowych (domyślnie wszystkie stoły)\n"
            "  --paper A4|A5|Letter        papier (domyślnie A4)\n"
            "  --resolution DPI            rozdzielczość (domyślnie 600, od 72 do 2400)\n"
            "  --source TEKST              źródło schematu na rozstawikach\n"
            "  --event TEKST               turniej: linia u dołu każdej strony (klub, turniej, data)\n" +
            std::string(PrinterWords().option) +
            "  --list PLIK_SCHEMATÓW       wypisuje linie listy schematów, numerowane od 1\n"
            "  --check PLIK_SCHEMATÓW      sprawdza każdą linię pliku jak schemat wprowadzany z palca\n"
            "  --help                      wypisuje ten opis\n"
            "  --version                   wypisuje wersję programu\n"
            "  --                          kończy opcje (dalej same argumenty, np. plik o nazwie\n"
            "                              zaczynającej się od -)\n"
            "\n"
            "Każdą opcję podaje się najwyżej raz; --numbering i --numbers wykluczają się.\n"
            "Kod wyjścia: 0 sukces (także gdy zadanie czeka w kolejce zatrzymanej drukarki, co zgłasza\n"
            "ostrzeżenie), 1 błędne dane, nieudany zapis albo wydruk, 2 błędne wywołanie.\n");
    return text;
}

namespace {

std::optional<int> Integer(const std::string& text) {
    const auto value = movement::ParseTypedInteger(text);
    if (!value) return std::nullopt;
    return *value;
}

std::vector<std::string> SplitCommas(const std::string& text) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const auto comma = text.find(',', start);
        parts.push_back(text.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
        if (comma == std::string::npos) return parts;
        start = comma + 1;
    }
}

using ParsedArguments = movement::Result<ExportRequest>;
using movement::Outcome;

ParsedArguments Wrong(const std::string& error) { return ParsedArguments::Refused(error); }

// Reads the value of one option into the request.
movement::Outcome ReadOption(const std::string& option, const std::string& value, ExportRequest& request) {
    if (option == "--numbering") {
        static const std::map<std::string, int> items = {{"1", 0}, {"2", 1}, {"3", 2}, {"mitchell", 3}};
        const auto item = items.find(value);
        if (item == items.end()) return Outcome::Refused("Opcja --numbering przyjmuje 1, 2, 3 albo mitchell.");
        request.numberingItem = item->second;
    } else if (option == "--numbers") {
        for (const std::string& pair : SplitCommas(value)) {
            const auto equals = pair.find('=');
            const auto old = equals == std::string::npos ? std::nullopt : Integer(pair.substr(0, equals));
            if (!old) return Outcome::Refused("Opcja --numbers przyjmuje pary STARY=NOWY rozdzielone przecinkami.");
            request.numbers.push_back({*old, pair.substr(equals + 1)});
        }
    } else if (option == "--swap") {
        for (const std::string& table : SplitCommas(value)) {
            const auto number = Integer(table);
            if (!number) return Outcome::Refused("Opcja --swap przyjmuje numery stołów rozdzielone przecinkami.");
            request.swaps.push_back(*number);
        }
    } else if (option == "--from" || option == "--to") {
        const auto number = Integer(value);
        if (!number) return Outcome::Refused("Opcja " + option + " przyjmuje numer stołu.");
        (option == "--from" ? request.from : request.to) = *number;
    } else if (option == "--paper") {
        static const std::map<std::string, Paper> papers = {{"A4", Paper::A4},
                                                            {"A5", Paper::A5},
                                                            {"Letter", Paper::Letter}};
        const auto paper = papers.find(value);
        if (paper == papers.end()) return Outcome::Refused("Opcja --paper przyjmuje A4, A5 albo Letter.");
        request.paper = paper->second;
    } else if (option == "--resolution") {
        const auto dpi = Integer(value);
        if (!dpi || *dpi < 72 || *dpi > 2400)
            return Outcome::Refused("Opcja --resolution przyjmuje liczbę od 72 do 2400.");
        request.resolution = *dpi;
    } else if (option == "--cards") {
        const printing::ProductInfo* product = printing::ProductOfKey(value);
        if (product == nullptr) {
            std::vector<std::string> keys;
            keys.reserve(printing::ProductTable.size());
            for (const printing::ProductInfo& known : printing::ProductTable) keys.emplace_back(known.key);
            return Outcome::Refused("Opcja --cards przyjmuje " + OneOf(keys) + ".");
        }
        request.product = product->product;
    } else if (option == "--absent") {
        const auto pair = Integer(value);
        if (!pair) return Outcome::Refused("Opcja --absent przyjmuje numer pary.");
        request.absentPair = *pair;
    } else if (option == "--boards") {
        const auto boards = Integer(value);
        if (!boards) return Outcome::Refused("Opcja --boards przyjmuje liczbę rozdań w komplecie, od 0 do 9.");
        if (Outcome fits = movement::CheckBoardsPerSet(*boards); !fits.accepted()) return fits;
        request.boardsPerSet = *boards;
    } else if (option == "--source") {
        request.source = value;
    } else if (option == "--event") {
        request.event = value;
    } else if (option == "--printer") {
        if (value.empty()) return Outcome::Refused("Opcja --printer przyjmuje nazwę drukarki.");
        request.printer = value;
    } else if (option == "--list" || option == "--check") {
        request.mode = option == "--list" ? ExportRequest::Mode::List : ExportRequest::Mode::Check;
        request.schemeFile = value;
    }
    return Outcome::Accepted();
}

// The options that shape the cards, which have no meaning for a listing or a check.
bool ShapesTheCards(const std::string& option) { return option != "--list" && option != "--check"; }

// Two options given together that ask for different things.
Outcome Conflict(const std::set<std::string>& given, const ExportRequest& request) {
    if (given.count("--list") != 0 && given.count("--check") != 0)
        return Outcome::Refused("Opcje --list i --check wykluczają się.");
    if (given.count("--numbering") != 0 && given.count("--numbers") != 0)
        return Outcome::
            Refused("Opcje --numbering i --numbers wykluczają się: numery dowolne drukuje się przy pierwszym skoku.");
    const printing::ProductInfo& product = printing::InfoOf(request.product);
    if (!product.usesAbsentPair && given.count("--absent") != 0)
        return Outcome::Refused(std::string("Opcja --absent nie dotyczy wydruku „") + product.name + "”.");
    if (!product.usesTableRange && (given.count("--from") != 0 || given.count("--to") != 0))
        return Outcome::Refused("Opcje --from i --to dotyczą tylko rozstawików stolikowych.");
    const bool listing = given.count("--list") != 0 || given.count("--check") != 0;
    for (const std::string& option : given)
        if (listing && ShapesTheCards(option))
            return Outcome::Refused("Opcja " + option + " nie dotyczy --list ani --check.");
    return Outcome::Accepted();
}

}  // namespace

ParsedArguments ParseExportArguments(const std::vector<std::string>& arguments) {
    static const std::set<std::string> valued = {"--numbering", "--numbers", "--swap",       "--from",
                                                 "--to",        "--paper",   "--resolution", "--source",
                                                 "--event",     "--printer", "--list",       "--check"};
    // What to print, who is absent and the boards in a set.
    static const std::set<std::string> productOptions = {"--cards", "--absent", "--boards"};
    ExportRequest request;
    std::vector<std::string> positional;
    std::set<std::string> given;
    bool optionsEnded = false;
    std::optional<ExportRequest::Mode> asked;  // --help or --version

    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        // Every word that begins with "-" is an option until "--"; a file so named comes after it.
        if (optionsEnded || argument.rfind('-', 0) != 0) {
            positional.push_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        if (argument == "--help" || argument == "--version") {
            // The first of them is answered, once no option around it is unknown.
            if (!asked) asked = argument == "--help" ? ExportRequest::Mode::Help : ExportRequest::Mode::Version;
            continue;
        }
        if (valued.count(argument) == 0 && productOptions.count(argument) == 0) {
            if (argument.rfind("--", 0) == 0) return Wrong("Nieznana opcja " + argument + ".");
            return Wrong("Nieznana opcja " + argument + " (plik o nazwie zaczynającej się od „-” podaje się po „--” " +
                         "albo jako ./" + argument + ").");
        }
        if (asked) {
            ++i;  // its value, whatever it is, is not used
            continue;
        }
        if (!given.insert(argument).second) return Wrong("Opcja " + argument + " podana dwa razy.");
        if (i + 1 >= arguments.size()) return Wrong("Brak wartości opcji " + argument + ".");
        if (const auto read = ReadOption(argument, arguments[++i], request); !read.accepted())
            return Wrong(read.message());
    }
    if (asked) {
        ExportRequest answer;
        answer.mode = *asked;
        return ParsedArguments::Accepted(std::move(answer));
    }
    if (const Outcome conflict = Conflict(given, request); !conflict.accepted()) return Wrong(conflict.message());

    if (request.mode != ExportRequest::Mode::Export) {
        if (!positional.empty()) return Wrong("Przy --list i --check podaje się tylko plik schematów.");
        return ParsedArguments::Accepted(std::move(request));
    }
    if (!request.printer.empty() && positional.size() != 2)
        return Wrong("Przy --printer potrzebne są dwa argumenty: plik schematów i linia.");
    if (request.printer.empty() && positional.size() != 3)
        return Wrong("Potrzebne są trzy argumenty: plik schematów, linia i plik wyjściowy.");
    const auto line = Integer(positional[1]);
    if (!line || *line < 1) return Wrong("Linia schematu to liczba od 1.");
    request.schemeFile = positional[0];
    request.line = *line;
    if (request.printer.empty()) request.output = positional[2];
    return ParsedArguments::Accepted(std::move(request));
}

}  // namespace pdfexport
