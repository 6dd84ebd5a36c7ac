// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "language/Translations.h"

#include "movement/Languages.h"

namespace support {

// Polish with its plural forms, as the program speaks it; the test links rozstawiki_language.
inline const movement::Catalogue& PolishWords() { return language::TranslationsOf(movement::SourceLanguage()); }

// English, the other language the cards speak.
inline const movement::Catalogue& EnglishWords() { return language::TranslationsOf(*movement::LanguageCoded("en")); }

}  // namespace support
