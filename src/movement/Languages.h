// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace movement {

// A language the program speaks: its code (that of its translation file, translations/
// rozstawiki_CODE.ts, and of --language) and its name in itself, as the choice of the cards'
// language lists it.
struct Language {
    const char* code;
    const char* ownName;
};

// Every language, Polish first: the source language, and the default.
std::span<const Language> Languages();
const Language& SourceLanguage();

// The language of a code, as --language and --card-language take it.
std::optional<Language> LanguageCoded(std::string_view code);

// The codes listed for a message ("pl, en").
std::string LanguageCodesListed();

// The interface's language from the locale variables of a POSIX system: LANGUAGE's list, which
// counts unless the locale is C or POSIX, gives the first language the program speaks; else the
// locale (LC_ALL, LC_MESSAGES, LANG, the first that is set) does; and Polish where neither names
// one of the program's languages.
const Language& LanguageOfLocale(std::string_view language, std::string_view lcAll, std::string_view lcMessages,
                                 std::string_view lang);

}  // namespace movement
