// SPDX-License-Identifier: GPL-3.0-or-later
// rozstawiki-pdf-completion SCRIPT OUTPUT: the bash completion of rozstawiki-pdf made from its
// table of options, as the build installs it.

#include "BashCompletion.h"

#include "language/Translations.h"

#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

std::string Say(movement::TextId id, std::vector<std::string> arguments = {}) {
    return language::Interface().Say(movement::Text{id, std::move(arguments)});
}

}  // namespace

int main(int argc, char* argv[]) {
    language::ChooseInterface(language::SystemLanguage());
    if (argc != 3) {
        std::cerr << Say(RZ_TEXT("BashCompletion", "Użycie: rozstawiki-pdf-completion SKRYPT.bash.in WYJŚCIE")) << '\n';
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    std::stringstream script;
    script << in.rdbuf();
    if (!in) {
        std::cerr << Say(RZ_TEXT("BashCompletion", "Nie można przeczytać pliku %1."), {argv[1]}) << '\n';
        return 1;
    }
    const auto completion = pdfexport::BashCompletion(script.str());
    if (!completion.accepted()) {
        std::cerr << argv[1] << ": " << completion.message() << '\n';
        return 1;
    }
    std::ofstream out(argv[2], std::ios::binary);
    out << completion.value();
    out.close();
    if (!out) {
        std::cerr << Say(RZ_TEXT("BashCompletion", "Nie można zapisać pliku %1."), {argv[2]}) << '\n';
        return 1;
    }
    return 0;
}
