// SPDX-License-Identifier: GPL-3.0-or-later
// The translation files against the sources: every text the program says has a finished
// translation in every language, none is left over, and a translation keeps its source's
// numbered places; and the languages the program lists are those it has files for.
#include "language/Translations.h"
#include "movement/AbsentPair.h"
#include "movement/MovementCheck.h"
#include "movement/Result.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

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
