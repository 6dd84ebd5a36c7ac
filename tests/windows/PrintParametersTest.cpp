// SPDX-License-Identifier: GPL-3.0-or-later
#include "MisbehavingPrintServer.h"
#include "PrivatePrintServer.h"
#include "ProgramEnd.h"
#include "WindowRoad.h"

#include "NumDow.h"
#include "Palce.h"
#include "drkr.h"
#include "toolkit/Controls.h"
#include "toolkit/MemoBox.h"
#include "toolkit/UpDown.h"

#include <QFile>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTimer>
#include <QToolButton>
#include <cups/cups.h>

#include <chrono>

namespace {

class PrintParameters : public WindowRoad {
protected:
    PrintParameters() : ustWydr(windows.UstWydr()) {}

    void Open() {
        Click(drog.Drukarka);
        ASSERT_TRUE(ustWydr.isVisible());
    }

    // The CUPS library reads the server's address once; it is told to read it again.
    static void ServerAt(const std::string& socket) {
        ::setenv("CUPS_SERVER", socket.c_str(), 1);
        cupsSetServer(nullptr);
    }

    TUstWydr& ustWydr;
};

TEST_F(PrintParameters, TheHelpTextHasItsTwentyFourLinesExactly) {
    const QStringList lines = ustWydr.Info->Lines();
    ASSERT_EQ(lines.size(), 24);
    EXPECT_EQ(lines[0], QStringLiteral("Info"));
    EXPECT_EQ(lines[1], QString());
    EXPECT_EQ(lines[2], QStringLiteral(" Właściwe ustawienie parametrów wydruku wymaga poza wyborem drukarki"));
    EXPECT_EQ(lines[9], QStringLiteral(" szami OK, by po naciśnięciu klawisza \"ParamDr\" ustawić w analogiczny"));
    EXPECT_EQ(lines[15], QStringLiteral(" metrów wydruku naciskając klawisz \"Ustawienia Druku\"."));
    EXPECT_EQ(lines[17], QStringLiteral("            2.Dialog wydruku pokazuje drukarki serwera wydruku (CUPS)"));
    EXPECT_EQ(lines[23], QStringLiteral("              wych. Efekt ten nie występuje w drukarkach bez pamięci."));
    for (int line = 2; line < 17; ++line) EXPECT_TRUE(lines[line].startsWith(QLatin1Char(' '))) << line;
    EXPECT_TRUE(ustWydr.Info->isReadOnly());
    EXPECT_EQ(ustWydr.Info->y(), -32);  // "Info" and the empty line stand above the window
}

// Every button the help text names in quotes is one the director finds: on this window, the main
// window or the print dialog it opens; and it speaks of no other system.
TEST_F(PrintParameters, TheHelpTextNamesOnlyTheButtonsThereAre) {
    QStringList captions = ButtonCaptions(drog) + ButtonCaptions(ustWydr);
    messages.InspectPrintDialogs([&](QPrintDialog& dialog) { captions += ButtonCaptions(dialog); });
    Open();
    Click(ustWydr.ParaDr);
    const QString help = ustWydr.Info->toPlainText();
    const QStringList named = Quoted(help);
    EXPECT_EQ(named, (QStringList{"ParamStr", "ParamDr", "Wydruki", "Ustawienia Druku", "Właściwości"}));
    for (const QString& name : named) EXPECT_TRUE(captions.contains(name)) << name.toStdString();
    EXPECT_FALSE(help.contains(QStringLiteral("Windows")));
}

TEST_F(PrintParameters, TheHelpTextsFirstLineStartsAtTheWindowsTopAndTheTwoBeforeItStandAbove) {
    Open();
    const auto topOfLine = [this](int line) {
        const QRect place = ustWydr.Info->cursorRect(QTextCursor(ustWydr.Info->document()->findBlockByNumber(line)));
        return ustWydr.Info->viewport()->mapTo(&ustWydr, place.topLeft()).y();
    };
    EXPECT_EQ(topOfLine(2), 0);
    EXPECT_LT(topOfLine(1), 0);
}

TEST_F(PrintParameters, OpeningResetsThePrintRangeAndShowsNoMetricsYet) {
    WriteFile(QStringLiteral("HowellKS.txt"), "7 4 8 1 0 0 3 6 0 5 2 7 4\n");
    Click(drog.Kestrel);
    DoubleClickLine(drog.ListBox1, 0);
    Click(drog.OdSt->UpButton());
    ASSERT_EQ(state.PrintFrom, 2);

    Open();
    EXPECT_FALSE(drog.isVisible());
    EXPECT_EQ(state.PrintFrom, 1);
    EXPECT_EQ(ustWydr.wsx->Caption(), QStringLiteral("wsp. x="));
    EXPECT_EQ(ustWydr.wsy->Caption(), QStringLiteral("wsp. y="));
    Click(ustWydr.Wydruki);
    EXPECT_TRUE(drog.isVisible());
    EXPECT_FALSE(ustWydr.isVisible());
}

TEST_F(PrintParameters, AnAcceptedParamStrMeasuresThePageAndTheValuesStay) {
    Open();
    Click(ustWydr.ParaStr);
    EXPECT_EQ(messages.PrintDialogsShown(), 1);
    const int width = windows.Settings().Printer().width();
    const int height = windows.Settings().Printer().height();
    ASSERT_GT(width, 0);
    EXPECT_EQ(windows.Settings().Page().PageWidth, width);
    EXPECT_EQ(windows.Settings().Page().PageHeight, height);
    EXPECT_EQ(ustWydr.wsx->Caption(), QStringLiteral("wsp. x=%1").arg(width));
    EXPECT_EQ(ustWydr.wsy->Caption(), QStringLiteral("wsp. y=%1").arg(height));
    EXPECT_TRUE(ustWydr.wsx->isVisible());

    Click(ustWydr.Wydruki);
    Open();
    EXPECT_EQ(ustWydr.wsx->Caption(), QStringLiteral("wsp. x=%1").arg(width));
}

TEST_F(PrintParameters, ACancelledParamStrKeepsTheValuesAndShowsThem) {
    Open();
    Click(ustWydr.ParaStr);
    const printing::PageMetrics measured = windows.Settings().Page();
    messages.AnswerPrintDialogs(false);
    Click(ustWydr.ParaStr);
    EXPECT_TRUE(ustWydr.wsx->isVisible());
    EXPECT_TRUE(ustWydr.wsy->isVisible());
    EXPECT_EQ(ustWydr.wsx->Caption(), QStringLiteral("wsp. x=%1").arg(measured.PageWidth));
    EXPECT_EQ(ustWydr.wsy->Caption(), QStringLiteral("wsp. y=%1").arg(measured.PageHeight));
    EXPECT_EQ(windows.Settings().Page().PageWidth, measured.PageWidth);
    EXPECT_EQ(windows.Settings().Page().PageHeight, measured.PageHeight);
}

TEST_F(PrintParameters, ACancelWhileThePrintServerIsDownKeepsThePrinterChosen) {
    const printtest::PdfQueue other("Inna");  // what Qt would pick by itself
    const printtest::PdfQueue queue("Wybrana");
    const QString name = QString::fromStdString(queue.Name());
    windows.Settings().Printer().setPrinterName(name);
    Open();
    Click(ustWydr.ParaDr);
    ASSERT_EQ(windows.Settings().Printer().printerName(), name);

    ServerAt(printtest::DeadSocket());
    messages.AnswerPrintDialogs(false);
    Click(ustWydr.ParaDr);
    ServerAt(printtest::ServerSocket());

    QString offered;
    messages.InspectPrintDialogs([&](QPrintDialog& dialog) { offered = dialog.printer()->printerName(); });
    Click(ustWydr.ParaDr);
    EXPECT_EQ(offered, name);
    EXPECT_EQ(windows.Settings().Printer().printerName(), name);
}

TEST_F(PrintParameters, ASilentPrintServerIsReportedInTimeInsteadOfTheDialog) {
    const printtest::MisbehavingServer silent("silent");
    ServerAt(silent.Socket());
    windows.Settings().printServerSeconds = 1;  // the program's is 15 s
    Open();
    // The window keeps being served meanwhile: its timers run, as its drawing does.
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(50);
    const auto start = std::chrono::steady_clock::now();
    Click(ustWydr.ParaStr);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    ServerAt(printtest::ServerSocket());
    EXPECT_GE(ticks, 5);
    EXPECT_EQ(messages.PrintDialogsShown(), 0);
    EXPECT_EQ(messages.LastText(), QStringLiteral("Serwer wydruku (CUPS) nie odpowiada (czekano 1 s). Spróbuj "
                                                  "ponownie, gdy serwer wydruku będzie działał."));
    EXPECT_LT(seconds, 3.5);
    EXPECT_TRUE(ustWydr.wsx->isVisible());
    EXPECT_TRUE(ustWydr.isVisible());
}

TEST_F(PrintParameters, ParamDrChangesTheSettingsButMeasuresNothing) {
    Open();
    Click(ustWydr.ParaDr);
    EXPECT_EQ(messages.PrintDialogsShown(), 1);
    EXPECT_EQ(windows.Settings().Page().PageWidth, 0);
    EXPECT_EQ(ustWydr.wsx->Caption(), QStringLiteral("wsp. x="));
}

TEST_F(PrintParameters, TheDialogKeepsThePdfFileChosenLastAndShowsNoPageRange) {
    const printtest::PdfQueue queue("Obok");  // a printer Qt's dialog could pick by itself
    QPrinter& printer = windows.Settings().Printer();
    const QString file = QDir::current().filePath(QStringLiteral("karty.pdf"));
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    bool rangeHidden = false;
    messages.InspectPrintDialogs([&](QPrintDialog& dialog) {
        auto* range = dialog.findChild<QWidget*>(QStringLiteral("gbPrintRange"));
        rangeHidden = range != nullptr && range->isHidden();
    });
    Open();
    Click(ustWydr.ParaDr);
    EXPECT_TRUE(rangeHidden);
    EXPECT_EQ(printer.outputFormat(), QPrinter::PdfFormat);
    EXPECT_EQ(printer.outputFileName(), file);
    messages.AnswerPrintDialogs(false);
    Click(ustWydr.ParaDr);
    EXPECT_EQ(printer.outputFormat(), QPrinter::PdfFormat);
    EXPECT_EQ(printer.outputFileName(), file);
}

TEST_F(PrintParameters, ClosingThroughTheTitleBarGoesBackToTheMainWindow) {
    Open();
    ustWydr.close();
    EXPECT_TRUE(drog.isVisible());
    EXPECT_FALSE(ustWydr.isVisible());
}

TEST_F(PrintParameters, TheEndButtonEndsTheProgram) {
    Open();
    EXPECT_TRUE(EndsTheProgram([this] { Click(ustWydr.Koniec); }));
}

}  // namespace

namespace {

// What the program shows on a screen of 1280 × 1024 at twice the size: 640 × 512 for its windows.
void ExpectEveryWindowFitsASmallScreen() {
    movement::MovementState state;
    ProgramWindows windows(state);
    MessageBoxWatcher messages;
    windows.Start();
    TDrog& drog = windows.Drog();
    const QRect available = drog.screen()->availableGeometry();
    ASSERT_EQ(available.size(), QSize(640, 512));
    const auto fits = [&](const QWidget& window) {
        EXPECT_TRUE(available.contains(window.frameGeometry()))
            << window.objectName().toStdString() << " " << window.frameGeometry().width() << "x"
            << window.frameGeometry().height();
    };
    fits(drog);
    // The form scrolls inside the window, Koniec and the lists' bottoms in it.
    auto* scroll = drog.findChild<QScrollArea*>();
    ASSERT_NE(scroll, nullptr);
    EXPECT_TRUE(scroll->widget()->isAncestorOf(drog.Koniec));
    scroll->ensureWidgetVisible(drog.Koniec);
    EXPECT_TRUE(drog.rect().contains(QRect(drog.Koniec->mapTo(&drog, QPoint()), drog.Koniec->size())));
    for (toolkit::ProgramWindow* window :
         std::initializer_list<toolkit::ProgramWindow*>{&windows.UstWydr(), &windows.ZPL(), &windows.ndw()}) {
        window->ShowAndActivate();
        fits(*window);
        window->hide();
    }

    // The print dialog of a printer with a long name, its buttons whole within it.
    const printtest::PdfQueue queue("Drukarka-w-sali-turniejowej-na-pierwszym-pietrze-obok-sekretariatu-klubu");
    windows.Settings().Printer().setPrinterName(QString::fromStdString(queue.Name()));
    bool inspected = false;
    messages.AnswerPrintDialogs(false);
    messages.InspectPrintDialogs([&](QPrintDialog& dialog) {
        inspected = true;
        fits(dialog);
        for (const QPushButton* button : dialog.findChildren<QPushButton*>()) {
            if (!button->isVisibleTo(&dialog)) continue;
            const QRect place(button->mapTo(&dialog, QPoint()), button->size());
            EXPECT_TRUE(dialog.rect().contains(place)) << button->text().toStdString();
        }
    });
    windows.UstWydr().ParaDrClick();
    EXPECT_TRUE(inspected);
}

}  // namespace

// At twice the size on a 1280 × 1024 screen every window and dialog fits the screen. The screen
// is the offscreen platform's, set when a program starts: the test runs itself once more on it.
TEST(SmallScreen, EveryWindowAndDialogFitsTheScreenItOpensOn) {
    if (qEnvironmentVariableIsSet("ROZSTAWIKI_SMALL_SCREEN")) {
        ExpectEveryWindowFitsASmallScreen();
        return;
    }
    QTemporaryDir folder;
    QFile screens(folder.filePath(QStringLiteral("screens.json")));
    ASSERT_TRUE(screens.open(QIODevice::WriteOnly));
    screens.write(R"({"screens": [{"name": "small", "x": 0, "y": 0, "width": 1280, "height": 1024,
                    "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    screens.close();
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen:configfile=") + screens.fileName());
    environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("2"));
    environment.insert(QStringLiteral("ROZSTAWIKI_SMALL_SCREEN"), QStringLiteral("1"));
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_filter=SmallScreen.EveryWindowAndDialogFitsTheScreenItOpensOn")});
    ASSERT_TRUE(child.waitForFinished(60000));
    const QString output = QString::fromUtf8(child.readAll());
    EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
    EXPECT_TRUE(output.contains(QStringLiteral("[  PASSED  ] 1 test"))) << output.toStdString();
}
