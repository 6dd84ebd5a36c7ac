// SPDX-License-Identifier: GPL-3.0-or-later
// The windows with English chosen for the interface before the toolkit started.
#include "WindowRoad.h"

#include "NumDow.h"
#include "Palce.h"
#include "Podglad.h"
#include "drkr.h"
#include "toolkit/Controls.h"
#include "toolkit/MemoBox.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTimer>

namespace {

class EnglishWindows : public WindowRoad {
protected:
    // The letter each accelerator of a window answers to, one entry per control that has one.
    static QStringList Accelerators(const QWidget& window) {
        QStringList letters;
        const auto take = [&](const QString& caption) {
            const auto at = QRegularExpression(QStringLiteral("&([^&])")).match(caption);
            if (at.hasMatch()) letters.append(at.captured(1).toLower());
        };
        for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) take(button->text());
        for (const QLabel* label : window.findChildren<QLabel*>())
            if (label->buddy() != nullptr) take(label->text());
        return letters;
    }

    // Every caption is whole: a button's text within the button, a label's within its window and
    // clear of the labels and buttons beside it.
    static void ExpectCaptionsFit(const QWidget& window) {
        for (const QPushButton* button : window.findChildren<QPushButton*>()) {
            const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
            const QString text = QString(button->text()).remove(QLatin1Char('&'));
            EXPECT_LE(button->fontMetrics().horizontalAdvance(text) + 2 * margin, button->width()) << text.toStdString();
        }
        QList<const QWidget*> captioned;
        for (const QWidget* control : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if ((qobject_cast<const QLabel*>(control) != nullptr && !control->property("text").toString().isEmpty()) ||
                qobject_cast<const QAbstractButton*>(control) != nullptr)
                captioned.append(control);
        for (const QWidget* control : captioned) {
            const QRect place(control->pos(), control->size().expandedTo(control->sizeHint()));
            EXPECT_LE(place.right(), window.width()) << control->objectName().toStdString();
            for (const QWidget* other : captioned)
                EXPECT_TRUE(other == control || !control->isVisible() || !other->isVisible() ||
                            !place.intersects(other->geometry()))
                    << control->objectName().toStdString() << " over " << other->objectName().toStdString();
        }
    }
};

TEST_F(EnglishWindows, TheMainWindowSpeaksEnglishAndOffersTheCardsInEitherLanguage) {
    WriteFile(QStringLiteral("HowellKS.txt"), "7 4 8 1 2 6 0 3 5 0 4 7\n");
    Click(drog.Kestrel);
    DoubleClickLine(drog.ListBox1, 0);

    EXPECT_EQ(drog.windowTitle(), QStringLiteral("Table Guide Cards"));
    EXPECT_EQ(drog.Rds->Caption(), QStringLiteral("Rounds 7"));
    EXPECT_EQ(drog.Sts->Caption(), QStringLiteral("Tables 4"));
    EXPECT_EQ(drog.Drukuj->text(), QStringLiteral("&Print"));
    EXPECT_EQ(drog.Podglad->text(), QStringLiteral("Pre&view"));
    EXPECT_EQ(drog.Koniec->text(), QStringLiteral("E&xit"));
    EXPECT_EQ(drog.LabJezykKart->text().remove(QLatin1Char('&')), QStringLiteral("Card language:"));
    EXPECT_EQ(drog.SkkN->Item(3)->accessibleName(), QStringLiteral("Numbering step: Mitchell"));
    ASSERT_EQ(drog.JezykKart->count(), 2);
    EXPECT_EQ(drog.JezykKart->itemText(0), QStringLiteral("polski"));
    EXPECT_EQ(drog.JezykKart->itemText(1), QStringLiteral("English"));
    EXPECT_EQ(drog.JezykKart->currentText(), QStringLiteral("English"));
    EXPECT_EQ(drog.LabJezykKart->buddy(), drog.JezykKart);
    ASSERT_EQ(drog.Wydruk->count(), 3);
    EXPECT_EQ(drog.Wydruk->itemText(0), QStringLiteral("Table cards"));
    EXPECT_EQ(drog.Wydruk->itemText(1), QStringLiteral("Pair cards"));
    EXPECT_EQ(drog.Wydruk->itemText(2), QStringLiteral("Movement sheet"));
}

// Every window and the preview: each accelerator once, and each caption whole on its control.
TEST_F(EnglishWindows, EveryAcceleratorIsOnceInItsWindowAndEveryCaptionFits) {
    for (toolkit::ProgramWindow* window :
         std::initializer_list<toolkit::ProgramWindow*>{&windows.UstWydr(), &windows.ZPL(), &windows.ndw(), &drog}) {
        window->ShowAndActivate();  // the labels take their captions' sizes when shown
        const QStringList letters = Accelerators(*window);
        EXPECT_EQ(QSet<QString>(letters.begin(), letters.end()).size(), letters.size())
            << window->objectName().toStdString() << ": " << letters.join(QLatin1Char(' ')).toStdString();
        ExpectCaptionsFit(*window);
        window->hide();
    }
    drog.ShowAndActivate();
    QStringList previewLetters;
    QTimer::singleShot(0, [&] {
        auto* preview = qobject_cast<TPodglad*>(QApplication::activeModalWidget());
        if (preview == nullptr) return;
        previewLetters = Accelerators(*preview);
        preview->reject();
    });
    windows.Settings().Page() = {4800, 6800};
    WriteFile(QStringLiteral("HowellKS.txt"), "7 4 8 1 2 6 0 3 5 0 4 7\n");
    Click(drog.Kestrel);
    DoubleClickLine(drog.ListBox1, 0);
    Pick(drog.SkkN, 0);
    Click(drog.Podglad);
    EXPECT_EQ(previewLetters.size(), 5);  // the preview opened, and each of its buttons has one
    EXPECT_EQ(QSet<QString>(previewLetters.begin(), previewLetters.end()).size(), 5)
        << previewLetters.join(QLatin1Char(' ')).toStdString();
}

// The help names in quotes only buttons the director finds in English: on this window, the main
// window or the print dialog; and it keeps within the lines the window shows of it.
TEST_F(EnglishWindows, ThePrintSettingsHelpNamesTheButtonsAsTheyReadInEnglish) {
    TUstWydr& ustWydr = windows.UstWydr();
    QStringList captions = ButtonCaptions(drog) + ButtonCaptions(ustWydr);
    messages.InspectPrintDialogs([&](QPrintDialog& dialog) { captions += ButtonCaptions(dialog); });
    Click(drog.Drukarka);
    Click(ustWydr.ParaDr);
    const QStringList lines = ustWydr.Info->Lines();
    EXPECT_EQ(lines[0], QStringLiteral("Info"));
    EXPECT_LE(lines.size(), 24);
    const QStringList named = Quoted(ustWydr.Info->toPlainText());
    EXPECT_EQ(named.size(), 5) << named.join(QLatin1Char('|')).toStdString();
    for (const QString& name : named) EXPECT_TRUE(captions.contains(name)) << name.toStdString();
}

// The custom numbers window: its group captions and a refusal of the core, in English.
TEST_F(EnglishWindows, TheCustomNumbersSayTheirGroupsAndRefusalsInEnglish) {
    WriteFile(QStringLiteral("HowellKS.txt"), "7 4 8 1 2 6 0 3 5 0 4 7\n");
    Click(drog.Kestrel);
    DoubleClickLine(drog.ListBox1, 0);
    Click(drog.Nzpl);
    Tndw& ndw = windows.ndw();
    QStringList captions;
    for (const toolkit::Label* caption : ndw.Grupa) captions.append(caption->Caption());
    EXPECT_EQ(captions, (QStringList{"1 to 8", "1 to 7", "8 to 8", ""}));

    ndw.Zmna->SetCell(1, 2, QStringLiteral("x"));
    Click(ndw.Drukowanie);
    EXPECT_EQ(messages.LastText(), QStringLiteral("Bad number:x, correct it!\nNumber:3"));
}

}  // namespace
