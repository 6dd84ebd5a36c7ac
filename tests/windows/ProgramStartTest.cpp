// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramEnd.h"
#include "WindowRoad.h"

#include "NumDow.h"
#include "Palce.h"
#include "drkr.h"
#include "toolkit/ListBox.h"
#include "toolkit/ListedSpinBox.h"
#include "toolkit/MemoBox.h"
#include "toolkit/RadioGroup.h"
#include "toolkit/TextGrid.h"
#include "toolkit/UpDown.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

namespace {

class ProgramStart : public WindowRoad {};

TEST_F(ProgramStart, OnlyTheMainWindowIsShownAndTheOtherThreeWaitHidden) {
    EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("Rozstawiki stolikowe"));
    EXPECT_TRUE(windows.Drog().isVisible());
    EXPECT_FALSE(windows.UstWydr().isVisible());
    EXPECT_FALSE(windows.ZPL().isVisible());
    EXPECT_FALSE(windows.ndw().isVisible());
    EXPECT_EQ(windows.UstWydr().windowTitle(), QStringLiteral("Ustawienie parametrów drukowania"));
    EXPECT_EQ(windows.ZPL().windowTitle(), QStringLiteral("Wprowadzanie z palca"));
    EXPECT_EQ(windows.ndw().windowTitle(), QStringLiteral("Numery dowolne <=99"));
}

// The start makes the other three windows bare; each makes its controls when first opened.
TEST_F(ProgramStart, TheOtherWindowsMakeTheirControlsWhenFirstOpened) {
    const auto window = [](const QString& name) {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->objectName() == name) return top;
        return static_cast<QWidget*>(nullptr);
    };
    for (const QString& name : {QStringLiteral("UstWydr"), QStringLiteral("ZPL"), QStringLiteral("ndw")}) {
        ASSERT_NE(window(name), nullptr) << name.toStdString();
        EXPECT_TRUE(window(name)->findChildren<QWidget*>().isEmpty()) << name.toStdString();
    }
    Click(drog.ZPalca);
    ASSERT_TRUE(window(QStringLiteral("ZPL"))->isVisible());
    EXPECT_NE(window(QStringLiteral("ZPL"))->findChild<toolkit::TextGrid*>(QStringLiteral("Schemat")), nullptr);
    EXPECT_TRUE(window(QStringLiteral("ndw"))->findChildren<QWidget*>().isEmpty());
}

TEST_F(ProgramStart, EachHandOverLeavesExactlyOneWindowShown) {
    const QList<toolkit::ProgramWindow*> all = {&windows.Drog(), &windows.UstWydr(), &windows.ZPL(), &windows.ndw()};
    const auto shown = [&] {
        int count = 0;
        for (const toolkit::ProgramWindow* window : all) count += window->isVisible() ? 1 : 0;
        return count;
    };
    toolkit::ProgramWindow* current = &windows.Drog();
    for (toolkit::ProgramWindow* next : {all[1], all[0], all[2], all[0], all[3], all[0]}) {
        current->HandOverTo(*next);
        current = next;
        EXPECT_EQ(shown(), 1);
        EXPECT_TRUE(next->isVisible());
    }
}

// Tab reaches every control of every form, column by column as the form is read, and each says
// to a screen reader what it is.
TEST_F(ProgramStart, TabRunsThroughEveryFormInReadingOrderAndEveryControlHasAName) {
    const auto expectOrder = [](const QList<QWidget*>& expected) {
        QWidget* window = expected.first()->window();
        QList<QWidget*> focusable;
        for (QWidget* control : window->findChildren<QWidget*>())
            if (control->focusPolicy() & Qt::TabFocus && control->focusProxy() == nullptr && control->isVisibleTo(window))
                focusable.append(control);
        EXPECT_EQ(focusable.size(), expected.size()) << window->objectName().toStdString();
        QWidget* widget = expected.first();
        for (int i = 1; i < expected.size(); ++i) {
            for (int step = 0; step < 1000; ++step) {  // the chain is a ring, through every widget of the window
                widget = widget->nextInFocusChain();
                if (focusable.contains(widget)) break;
            }
            EXPECT_EQ(widget, expected[i]) << "after " << expected[i - 1]->objectName().toStdString();
            // The next control stands lower in the same column, or in a column further right.
            const QRect before(expected[i - 1]->mapTo(window, QPoint()), expected[i - 1]->size());
            const QRect after(widget->mapTo(window, QPoint()), widget->size());
            EXPECT_TRUE(after.top() >= before.top() || after.left() >= before.right())
                << widget->objectName().toStdString() << " before it in reading order";
        }
        for (QWidget* control : focusable) {
            QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(control);
            ASSERT_NE(reader, nullptr);
            EXPECT_FALSE(reader->text(QAccessible::Name).trimmed().isEmpty()) << control->objectName().toStdString();
        }
    };
    QList<QWidget*> main = {drog.ListBox1, drog.Kestrel, drog.Plover, drog.DuzoZbiornic, drog.ZPalca};
    for (int item = 0; item < drog.SkkN->ItemCount(); ++item) main.append(drog.SkkN->Item(item));
    for (QWidget* control :
         std::initializer_list<QWidget*>{drog.Nzpl, drog.Drukarka, drog.BegDoc, drog.OdSt, drog.DoSt, drog.Drukuj,
                                         drog.Koniec, drog.ListBox2, drog.Wydruk, drog.Nieobecna, drog.Rozdania,
                                         drog.Turniej, drog.JezykKart, drog.Podglad})
        main.append(control);
    expectOrder(main);
    EXPECT_EQ(drog.OdSt->accessibleName(), QStringLiteral("Od Stołu: 1"));
    EXPECT_EQ(drog.SkkN->Item(3)->accessibleName(), QStringLiteral("SkokNumeracji: Mitchell"));

    const TUstWydr& ustWydr = windows.UstWydr();
    expectOrder({ustWydr.Info, ustWydr.ParaStr, ustWydr.Wydruki, ustWydr.ParaDr, ustWydr.Koniec});
    const TZPL& zpl = windows.ZPL();
    expectOrder({zpl.Schemat, zpl.StolUD, zpl.RdUD, zpl.fin, zpl.Koniec});
    const Tndw& ndw = windows.ndw();
    expectOrder({ndw.Zmna, ndw.G[0], ndw.G[1], ndw.G[2], ndw.G[3], ndw.Drukowanie, ndw.Koniec});
}

TEST_F(ProgramStart, EnterPressesTheFocusedButton) {
    drog.Drukarka->setFocus();
    QTest::keyClick(drog.Drukarka, Qt::Key_Return);
    ASSERT_TRUE(windows.UstWydr().isVisible());

    TUstWydr& ustWydr = windows.UstWydr();
    ustWydr.Wydruki->setFocus();
    QTest::keyClick(ustWydr.Wydruki, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_TRUE(drog.isVisible());
    EXPECT_FALSE(ustWydr.isVisible());
}

TEST_F(ProgramStart, ClosingTheMainWindowEndsTheProgram) {
    EXPECT_TRUE(EndsTheProgram([this] { drog.close(); }));
}

// The program itself, started where there is no display to show its windows on: it says so and
// how to run it under a virtual one, and ends with status 1 rather than an abort.
TEST(ProgramWithoutADisplay, SaysHowToRunItUnderAVirtualDisplayAndEndsWithOne) {
    struct Start {
        QString platform, display, said;
    };
    for (const Start& start : {Start{QString(), QString(), QStringLiteral("Nie znaleziono ekranu")},
                               Start{QStringLiteral("xcb"), QString(), QStringLiteral("Nie znaleziono ekranu")},
                               // a display no server answers for
                               Start{QStringLiteral("xcb"), QStringLiteral(":917"),
                                     QStringLiteral("Nie udało się otworzyć okien programu na ekranie \":917\"")}}) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        if (!start.platform.isEmpty()) environment.insert(QStringLiteral("QT_QPA_PLATFORM"), start.platform);
        if (!start.display.isEmpty()) environment.insert(QStringLiteral("DISPLAY"), start.display);
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(ROZSTAWIKI_PROGRAM), {});
        ASSERT_TRUE(program.waitForFinished(30000));
        const QString said = QString::fromUtf8(program.readAllStandardError());
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << said.toStdString();
        EXPECT_EQ(program.exitCode(), 1) << said.toStdString();
        EXPECT_TRUE(said.contains(start.said)) << said.toStdString();
        EXPECT_TRUE(said.contains(QStringLiteral("xvfb-run"))) << said.toStdString();
    }
}

}  // namespace
