// SPDX-License-Identifier: GPL-3.0-or-later
// The translation files against the sources: every text the program says has a finished
// translation in every language, none is left over, and a translation keeps its source's
// numbered places; and the languages the program lists are those it has files for.
#include "language/Translations.h"
#include "movement/AbsentPair.h"
#include "movement/MovementCheck.h"
#include "movement/Result.h"
#include "movement/SchemeFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>
#include <vector>

namespace {

struct Message {
    std::string context;
    std::string source;
    std::string type;  // "", "unfinished", "vanished", "obsolete"
    bool numerus = false;
    std::vector<std::string> forms;  // the translation, or its plural forms

    std::string Name() const { return context + " / \"" + source + "\""; }
};

std::vector<Message> MessagesOf(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    std::vector<Message> messages;
    std::string context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText().toStdString();
        } else if (xml.name() == QLatin1String("message")) {
            Message message;
            message.context = context;
            message.numerus = xml.attributes().value("numerus") == QLatin1String("yes");
            while (xml.readNextStartElement()) {
                if (xml.name() == QLatin1String("source")) {
                    message.source = xml.readElementText().toStdString();
                } else if (xml.name() == QLatin1String("translation")) {
                    message.type = xml.attributes().value("type").toString().toStdString();
                    if (!message.numerus) {
                        message.forms.push_back(xml.readElementText().toStdString());
                        continue;
                    }
                    while (xml.readNextStartElement()) message.forms.push_back(xml.readElementText().toStdString());
                } else {
                    xml.skipCurrentElement();
                }
            }
            messages.push_back(message);
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return messages;
}

// The translation file of a language as lupdate makes it from today's sources, beginning from
// the committed one: what a translator would get by updating it.
QString UpdatedFromTheSources(const movement::Language& language, const QTemporaryDir& scratch) {
    const QString code = QString::fromLatin1(language.code);
    const QString committed = QStringLiteral(TRANSLATIONS_DIR "/rozstawiki_%1.ts").arg(code);
    QString updated = scratch.filePath(QStringLiteral("rozstawiki_%1.ts").arg(code));
    QFile::copy(committed, updated);
    QFile::setPermissions(updated, QFile::ReadOwner | QFile::WriteOwner);
    QStringList arguments{QStringLiteral(SOURCE_DIR), QStringLiteral("-extensions"), QStringLiteral("cpp,h"),
                          QStringLiteral("-no-obsolete"), QStringLiteral("-silent")};
    arguments += QString::fromUtf8(LUPDATE_OPTIONS).split(QLatin1Char('|'));
    // Polish is the source language: its file holds only the plural forms.
    if (&language == &movement::SourceLanguage()) arguments << QStringLiteral("-pluralonly");
    arguments << QStringLiteral("-ts") << updated;
    QProcess lupdate;
    lupdate.start(QStringLiteral(LUPDATE), arguments);
    EXPECT_TRUE(lupdate.waitForFinished(120'000)) << "lupdate did not end";
    EXPECT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();
    return updated;
}

std::set<std::string> Places(const std::string& text) {
    std::set<std::string> places;
    static const QRegularExpression place(QStringLiteral("%[1-9n]"));
    for (auto found = place.globalMatch(QString::fromStdString(text)); found.hasNext();)
        places.insert(found.next().captured().toStdString());
    return places;
}

std::set<std::pair<std::string, std::string>> Identities(const std::vector<Message>& messages) {
    std::set<std::pair<std::string, std::string>> identities;
    for (const Message& message : messages) identities.emplace(message.context, message.source);
    return identities;
}

// How many forms a text that follows a number takes: Polish one, few (2-4, 22-24...) and many,
// English singular and plural. A language not listed here is held to the forms its file gives.
std::size_t PluralForms(const movement::Language& language) {
    const std::string code = language.code;
    return code == "pl" ? 3 : code == "en" ? 2 : 0;
}

// The string literals of a C++ source that hold Polish letters and stand outside the calls that
// mark a text for translation, with their lines: texts the director would read untranslated.
std::vector<std::pair<int, std::string>> UnmarkedPolish(const std::string& code) {
    static const std::set<std::string> markers = {"RZ_TEXT", "RZ_TEXT_N", "tr", "QT_TR_NOOP", "QT_TRANSLATE_NOOP"};
    static const QRegularExpression polish(QStringLiteral("[ąćęłńóśźżĄĆĘŁŃÓŚŹŻ]"));
    std::vector<std::pair<int, std::string>> found;
    std::vector<bool> calls;  // per open parenthesis: whether it opens a marking call
    std::string word;         // the identifier just read
    int line = 1;
    for (std::size_t at = 0; at < code.size(); ++at) {
        const char c = code[at];
        if (c == '\n') ++line;
        if (code.compare(at, 2, "//") == 0) {
            at = std::min(code.find('\n', at), code.size()) - 1;
        } else if (code.compare(at, 2, "/*") == 0) {
            const std::size_t end = std::min(code.find("*/", at), code.size() - 1);
            line += static_cast<int>(std::count(&code[at], &code[end], '\n'));
            at = end + 1;
        } else if (c == '"' ||
                   (c == '\'' &&
                    (at == 0 || !std::isalnum(static_cast<unsigned char>(code[at - 1]))))) {  // 1'000 is a number
            std::size_t end = at + 1;
            while (end < code.size() && code[end] != c && code[end] != '\n') end += code[end] == '\\' ? 2 : 1;
            if (end >= code.size() || code[end] != c) continue;  // no literal: a quote in a directive's words
            const std::string literal = code.substr(at, end + 1 - at);
            const bool marked = std::find(calls.begin(), calls.end(), true) != calls.end();
            if (!marked && QString::fromStdString(literal).contains(polish)) found.emplace_back(line, literal);
            at = end;
        } else if (c == '(') {
            calls.push_back(markers.count(word) > 0);
        } else if (c == ')' && !calls.empty()) {
            calls.pop_back();
        }
        const auto inWord = [&code](std::size_t i) {
            return std::isalnum(static_cast<unsigned char>(code[i])) != 0 || code[i] == '_';
        };
        if (inWord(at)) {
            word = at > 0 && inWord(at - 1) ? word + c : std::string(1, c);
        } else if (std::isspace(static_cast<unsigned char>(c)) == 0) {
            word.clear();  // "tr (" still calls tr
        }
    }
    return found;
}

}  // namespace

TEST(Translations, EveryLanguageHasEveryTextTranslatedWithTheSourcesPlacesAndNothingLeftOver) {
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    for (const movement::Language& language : movement::Languages()) {
        SCOPED_TRACE(language.code);
        const std::vector<Message> committed =
            MessagesOf(QStringLiteral(TRANSLATIONS_DIR "/rozstawiki_%1.ts").arg(QString::fromLatin1(language.code)));
        const std::vector<Message> updated = MessagesOf(UpdatedFromTheSources(language, scratch));
        // A text added or dropped in the sources and not yet in the committed file.
        EXPECT_EQ(Identities(committed), Identities(updated))
            << "translations/rozstawiki_" << language.code
            << ".ts is behind the sources: cmake --build build --target update_translations";
        for (const Message& message : updated) {
            EXPECT_EQ(message.type, "") << "not finished or no longer said: " << message.Name();
            if (message.numerus) {
                if (PluralForms(language) != 0) {
                    EXPECT_EQ(message.forms.size(), PluralForms(language)) << message.Name();
                }
                EXPECT_FALSE(message.forms.empty()) << message.Name();
            } else {
                EXPECT_EQ(message.forms.size(), 1U) << message.Name();
            }
            for (const std::string& form : message.forms) {
                EXPECT_FALSE(form.empty()) << message.Name();
                EXPECT_EQ(Places(form), Places(message.source)) << message.Name() << " -> \"" << form << '"';
            }
        }
    }
}

// A Polish text written outside the marking calls would reach an English director in Polish
// and no test of the translation files would see it. Only names stay as they are (the captions of
// the shipped scheme files), and the lists of letters the card face must have.
TEST(Translations, NoPolishTextIsLeftUnmarked) {
    std::set<std::string> names;
    for (const movement::ShippedSchemeFile& file : movement::ShippedSchemeFiles)
        names.insert('"' + std::string(file.sourceText) + '"');
    std::vector<std::string> unmarked;
    QDirIterator sources(QStringLiteral(SOURCE_DIR), {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                         QDirIterator::Subdirectories);
    while (sources.hasNext()) {
        QFile source(sources.next());
        ASSERT_TRUE(source.open(QIODevice::ReadOnly)) << source.fileName().toStdString();
        for (const auto& [line, literal] : UnmarkedPolish(source.readAll().toStdString())) {
            if (names.count(literal) > 0 || literal.find("ąćęłńóśźżĄĆĘŁŃÓŚŹŻ") != std::string::npos) continue;
            unmarked.push_back(source.fileName().toStdString() + ":" + std::to_string(line) + ": " + literal);
        }
    }
    EXPECT_EQ(unmarked, std::vector<std::string>{});
    // The reading itself: a literal inside a marking call is not reported, one outside it is.
    EXPECT_EQ(UnmarkedPolish("f(RZ_TEXT(\"c\", \"Stół\"), tr(\"Runda\")); // \"Stół\"\ng(\"Stół %1\", \"x\");"),
              (std::vector<std::pair<int, std::string>>{{2, "\"Stół %1\""}}));
}

TEST(Translations, TheLanguagesListedAreThoseWithATranslationFile) {
    std::set<std::string> files;
    for (const QString& name : QDir(QStringLiteral(TRANSLATIONS_DIR)).entryList({QStringLiteral("rozstawiki_*.ts")}))
        files.insert(name.mid(11, name.size() - 14).toStdString());
    std::set<std::string> listed;
    for (const movement::Language& language : movement::Languages()) listed.insert(language.code);
    EXPECT_EQ(files, listed);
    EXPECT_STREQ(movement::SourceLanguage().code, "pl");
}

TEST(Translations, ATextIsSaidInTheLanguageAskedForAndInPolishWhereNoneIsAtHand) {
    const movement::Text title{RZ_TEXT("toolkit", "Rozstawiki stolikowe")};
    EXPECT_EQ(language::TranslationsOf(*movement::LanguageCoded("en")).Say(title), "Table guide cards");
    EXPECT_EQ(language::TranslationsOf(movement::SourceLanguage()).Say(title), "Rozstawiki stolikowe");
    // A text no translation knows, as a newer source may say before its files are updated.
    const movement::Text unknown{{"toolkit", "Plik %1: %2"}, {"a%2b", "c"}};
    EXPECT_EQ(language::TranslationsOf(*movement::LanguageCoded("en")).Say(unknown), "Plik a%2b: c");
    EXPECT_EQ(movement::SourceCatalogue().Say(unknown), "Plik a%2b: c");
}

// A refusal carries its text: said in English, passed on from one answer to another, and words
// already given (an operating system's) said as they stand.
TEST(Translations, ARefusalOfTheCoreIsSaidInTheLanguageAskedFor) {
    const movement::Catalogue& english = language::TranslationsOf(*movement::LanguageCoded("en"));
    const movement::Result<movement::SchemeMovement> line = movement::CheckSchemeLine("7 4 8 1 2 6 0 3 5 0 4 700");
    ASSERT_FALSE(line.accepted());
    EXPECT_EQ(english.Say(line.text()), "Invalid movement: a pair number at table 4 is over 99.");
    EXPECT_EQ(line.message(), "Niepoprawny schemat: numer pary przy stole 4 przekracza 99.");

    const movement::Outcome passedOn = line;
    EXPECT_EQ(english.Say(passedOn.text()), "Invalid movement: a pair number at table 4 is over 99.");

    const movement::Outcome given = movement::Outcome::Refused(std::string("Brak miejsca %1 na dysku"));
    EXPECT_EQ(english.Say(given.text()), "Brak miejsca %1 na dysku");
    EXPECT_EQ(given.message(), "Brak miejsca %1 na dysku");
}
