// SPDX-License-Identifier: GPL-3.0-or-later
#include "Languages.h"

#include <array>

namespace movement {

namespace {

// A new language is a translation file and a line here.
constexpr std::array LanguageTable{
    Language{"pl", "polski"},
    Language{"en", "English"},
};

// "en_GB.UTF-8@euro" speaks "en".
std::string_view LanguagePart(std::string_view locale) { return locale.substr(0, locale.find_first_of("_.@")); }

}  // namespace

std::span<const Language> Languages() { return LanguageTable; }

const Language& SourceLanguage() { return LanguageTable.front(); }

std::optional<Language> LanguageCoded(std::string_view code) {
    for (const Language& language : LanguageTable)
        if (code == language.code) return language;
    return std::nullopt;
}

std::string LanguageCodesListed() {
    std::string listed;
    for (const Language& language : LanguageTable) listed += (listed.empty() ? "" : ", ") + std::string(language.code);
    return listed;
}

const Language& LanguageOfLocale(std::string_view language, std::string_view lcAll, std::string_view lcMessages,
                                 std::string_view lang) {
    const std::string_view locale = !lcAll.empty() ? lcAll : !lcMessages.empty() ? lcMessages : lang;
    if (locale.empty() || locale == "C" || locale.starts_with("C.") || locale == "POSIX") return SourceLanguage();
    while (!language.empty()) {
        const std::size_t end = language.find(':');
        for (const Language& known : LanguageTable)
            if (LanguagePart(language.substr(0, end)) == known.code) return known;
        language = end == std::string_view::npos ? std::string_view() : language.substr(end + 1);
    }
    for (const Language& known : LanguageTable)
        if (LanguagePart(locale) == known.code) return known;
    return SourceLanguage();
}

}  // namespace movement
