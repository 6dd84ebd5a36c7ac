// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "movement/Languages.h"
#include "movement/Text.h"

#include <QTranslator>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace language {

// The words of one language, from its translation built into the program. Polish, the source
// language, has one too: it holds the plural forms of the texts that follow a number.
class Translations final : public movement::Catalogue {
public:
    explicit Translations(const movement::Language& language);

    const movement::Language& language() const { return language_; }
    // The toolkit's translator of this language, for the windows' own tr().
    QTranslator& translator() const { return *translator_; }

protected:
    std::optional<std::string> Pattern(movement::TextId id, std::optional<int64_t> count) const override;

private:
    movement::Language language_;
    std::unique_ptr<QTranslator> translator_;
};

// The translations of a language, loaded once for the whole run.
const Translations& TranslationsOf(const movement::Language& language);

// The interface's language on this system: on Windows the user's display language, elsewhere
// the locale variables.
movement::Language SystemLanguage();

// The interface's language for this run: the one a --language among the arguments names, else
// the system's. A --language with a code the program does not speak gives nothing, for the
// caller to refuse.
std::optional<movement::Language> InterfaceLanguage(int argc, const char* const argv[]);
// The same from the arguments after the program's name, where they are not argv's (on Windows,
// rozstawiki-pdf reads them as UTF-8 from the wide command line).
std::optional<movement::Language> InterfaceLanguage(const std::vector<std::string>& arguments);

// The interface's language, chosen once at the start (Polish until then): its texts on the
// command line, and the windows' tr() once the toolkit's application installs its translator.
void ChooseInterface(const movement::Language& language);
const Translations& Interface();

}  // namespace language
