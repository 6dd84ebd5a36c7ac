// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramWindows.h"
#include "toolkit/Application.h"

#include "language/Translations.h"
#include "movement/MovementState.h"

#include <QApplication>

#include <cstring>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

std::string Say(movement::TextId id, std::vector<std::string> arguments = {}) {
    return language::Interface().Say(movement::Text{id, std::move(arguments)});
}

// --version and --help are answered before the toolkit starts, so that they need no display.
// Returns the exit status, or nothing for a start of the windows.
std::optional<int> AnswerOnTheCommandLine(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::cout << "rozstawiki " << ROZSTAWIKI_VERSION << '\n';
        } else if (std::strcmp(argv[i], "--help") == 0) {
            std::cout << Say(RZ_TEXT("main",
                                     "Użycie: rozstawiki [--language KOD] [--help | --version]\n"
                                     "Drukuje rozstawiki stolikowe, karty par i arkusz schematu dla turniejów par\n"
                                     "rozgrywanych systemem Howella. Bez okien: rozstawiki-pdf --help.\n"
                                     "--language KOD  język okien (%1); bez niego język systemu.\n"
                                     "Instrukcja: man rozstawiki.\n"),
                             {movement::LanguageCodesListed()});
        } else {
            continue;
        }
        return std::cout.flush() ? 0 : 1;
    }
    return std::nullopt;
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::optional<movement::Language> language = language::InterfaceLanguage(argc, argv);
    if (!language) {
        std::cerr << Say(RZ_TEXT("main", "Nieznany język w --language; program zna: %1.\n"),
                         {movement::LanguageCodesListed()});
        return 2;
    }
    language::ChooseInterface(*language);
    if (const auto answered = AnswerOnTheCommandLine(argc, argv)) return *answered;
    if (const std::string notice = toolkit::MissingDisplayNotice(argc, argv); !notice.empty()) {
        std::cerr << notice;
        return 1;
    }

    std::optional<toolkit::DisplayFailureGuard> starting(std::in_place);
    QApplication application(argc, argv);
    starting.reset();

    movement::MovementState state;
    const std::unique_ptr<ProgramWindows> windows = StartProgram(application, state);
    return QApplication::exec();
}
