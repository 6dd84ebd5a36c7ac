// SPDX-License-Identifier: GPL-3.0-or-later
#include "Translations.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <list>
#include <string_view>

namespace language {

namespace {

#ifndef _WIN32
std::string_view Environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string_view() : std::string_view(value);
}
#endif

const movement::Language* interfaceLanguage = nullptr;

}  // namespace

Translations::Translations(const movement::Language& language)
    : language_(language), translator_(std::make_unique<QTranslator>()) {
    // Built in by the build from translations/; a language without its file would be a broken build.
    [[maybe_unused]] const bool loaded =
        translator_->load(QStringLiteral(":/translations/rozstawiki_%1.qm").arg(QString::fromLatin1(language.code)));
}

std::optional<std::string> Translations::Pattern(movement::TextId id, std::optional<int64_t> count) const {
    // The form follows the number's size: "-3 stoły" as "3 stoły".
    const int n = count ? static_cast<int>(std::min<int64_t>(*count < 0 ? -*count : *count, 1'000'000'000)) : -1;
    const QString translated = translator_->translate(id.context, id.source, nullptr, n);
    if (translated.isEmpty()) return std::nullopt;
    return translated.toStdString();
}

const Translations& TranslationsOf(const movement::Language& language) {
    // Never freed: the windows' translators stay installed to the end of the run.
    static std::list<Translations>* loaded = new std::list<Translations>();
    for (const Translations& translations : *loaded)
        if (std::strcmp(translations.language().code, language.code) == 0) return translations;
    return loaded->emplace_back(language);
}

movement::Language SystemLanguage() {
#ifdef _WIN32
    // The user's display languages in their order: the first one the program speaks.
    for (const QString& shown : QLocale::system().uiLanguages())
        if (const auto language = movement::LanguageCoded(shown.section(QLatin1Char('-'), 0, 0).toLower().toStdString()))
            return *language;
    return movement::SourceLanguage();
#else
    return movement::LanguageOfLocale(Environment("LANGUAGE"), Environment("LC_ALL"), Environment("LC_MESSAGES"),
                                      Environment("LANG"));
#endif
}

std::optional<movement::Language> InterfaceLanguage(int argc, const char* const argv[]) {
    return InterfaceLanguage(std::vector<std::string>(argv + std::min(argc, 1), argv + argc));
}

std::optional<movement::Language> InterfaceLanguage(const std::vector<std::string>& arguments) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (argument == "--") break;
        std::string_view code;
        if (argument == "--language" && i + 1 < arguments.size()) {
            code = arguments[i + 1];
        } else if (argument.starts_with("--language=")) {
            code = argument.substr(std::strlen("--language="));
        } else {
            continue;
        }
        return movement::LanguageCoded(code);
    }
    return SystemLanguage();
}

void ChooseInterface(const movement::Language& language) { interfaceLanguage = &TranslationsOf(language).language(); }

const Translations& Interface() {
    return TranslationsOf(interfaceLanguage != nullptr ? *interfaceLanguage : movement::SourceLanguage());
}

}  // namespace language
