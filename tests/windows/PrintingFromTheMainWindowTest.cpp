// SPDX-License-Identifier: GPL-3.0-or-later
#include "MisbehavingPrintServer.h"
#include "PrivatePrintServer.h"
#include "Sanitizers.h"
#include "WindowRoad.h"

#include "Palce.h"
#include "Podglad.h"
#include "drkr.h"
#include "toolkit/Controls.h"
#include "toolkit/ListedSpinBox.h"
#include "toolkit/UpDown.h"

#include "printing/Products.h"
#include "printing/surfaces/SurfaceDrawing.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QPrintDialog>
#include <QPrintEngine>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <cups/cups.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>

namespace {

using Strings = std::vector<std::string>;

class PrintingFromTheMainWindow : public WindowRoad {
protected:
    void ChooseSevenRoundsOnFourTables() {
        WriteFile(QStringLiteral("HowellKS.txt"), "7 4 8 1 2 6 0 3 5 0 4 7\n");
        Click(drog.Kestrel);
        DoubleClickLine(drog.ListBox1, 0);
    }

    void MeasurePage() { windows.Settings().Page() = {4800, 6800}; }

    std::vector<std::string> TableNumbers() const {
        std::vector<std::string> tables;
        for (const auto& text : surface.texts)
            if (text.fontSize == 230) tables.push_back(text.text);
        return tables;
    }
};

TEST_F(PrintingFromTheMainWindow, WithoutANumberingNothingIsPrintedEvenWithoutPageMetrics) {
    ChooseSevenRoundsOnFourTables();
    Click(drog.Drukuj);
    EXPECT_EQ(messages.LastText(), QStringLiteral("Nieznany skok Numeracji !"));
    EXPECT_EQ(messages.Shown().size(), 1u);
    EXPECT_TRUE(surface.Operations().empty());
}

TEST_F(PrintingFromTheMainWindow, WithoutPageMetricsTheDirectorIsSentToThePrintSettings) {
    ChooseSevenRoundsOnFourTables();
    Pick(drog.SkkN, 0);
    Click(drog.Drukuj);
    EXPECT_EQ(messages.LastText(), QStringLiteral("     Ustaw parametry strony !\nNaciskając kl. Ustawienia Druku"));
    EXPECT_EQ(messages.Shown().back().icon, QMessageBox::NoIcon);
    EXPECT_TRUE(surface.Operations().empty());
}

TEST_F(PrintingFromTheMainWindow, PrintsTheChosenRangeInOneJob) {
    ChooseSevenRoundsOnFourTables();
    Pick(drog.SkkN, 1);
    MeasurePage();
    Click(drog.OdSt->UpButton());  // tables 2..4
    Click(drog.Drukuj);
    EXPECT_TRUE(messages.Shown().empty());
    EXPECT_EQ(drog.WynikDruku->text(), QStringLiteral("Wysłano 3 rozstawiki do druku."));
    EXPECT_EQ(TableNumbers(), (Strings{"2", "3", "4"}));
    EXPECT_EQ(surface.jobs, (Strings{"BeginDoc", "NewPage", "NewPage", "EndDoc"}));
}

TEST_F(PrintingFromTheMainWindow, TheExtraSettingMakesEveryCardAJobOfItsOwn) {
    ChooseSevenRoundsOnFourTables();
    Pick(drog.SkkN, 0);
    MeasurePage();
    drog.BegDoc->setChecked(true);
    Click(drog.DoSt->DownButton());
    Click(drog.DoSt->DownButton());  // tables 1..2
    Click(drog.Drukuj);
    EXPECT_EQ(surface.jobs, (Strings{"BeginDoc", "EndDoc", "BeginDoc", "EndDoc"}));
}

TEST_F(PrintingFromTheMainWindow, AFailingPrinterIsReportedWithItsReason) {
    ChooseSevenRoundsOnFourTables();
    Pick(drog.SkkN, 0);
    MeasurePage();
    surface.FailAt("BeginDoc", "Nie można rozpocząć wydruku na drukarce Biuro.");
    Click(drog.Drukuj);
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].text, QStringLiteral("Nie można rozpocząć wydruku na drukarce Biuro."));
    EXPECT_EQ(messages.Shown()[0].icon, QMessageBox::Critical);
}

TEST_F(PrintingFromTheMainWindow, TheTableRangeIsOffWhileAnotherPrintIsChosen) {
    ChooseSevenRoundsOnFourTables();
    const QList<QWidget*> range = {drog.Zakres, drog.Label2, drog.LabP, drog.OdSt, drog.Label3, drog.LabK, drog.DoSt};
    const auto rangeEnabled = [&] {
        return std::all_of(range.begin(), range.end(), [](const QWidget* control) { return control->isEnabled(); });
    };
    const auto rangeDisabled = [&] {
        return std::none_of(range.begin(), range.end(), [](const QWidget* control) { return control->isEnabled(); });
    };
    EXPECT_TRUE(rangeEnabled());
    QApplication::setActiveWindow(&drog);
    drog.Wydruk->setFocus();
    for (const int product : {1, 2}) {  // pair cards, the sheet
        QTest::keyClick(drog.Wydruk, Qt::Key_Down);
        ASSERT_EQ(drog.Wydruk->currentIndex(), product);
        EXPECT_TRUE(rangeDisabled()) << product;
        Click(drog.DoSt->DownButton());
        EXPECT_EQ(state.PrintTo, 4);
        EXPECT_EQ(drog.LabK->Caption(), QStringLiteral("4"));
    }
    QTest::keyClick(drog.Wydruk, Qt::Key_Home);
    ASSERT_EQ(drog.Wydruk->currentIndex(), 0);
    EXPECT_TRUE(rangeEnabled());
    Click(drog.DoSt->DownButton());
    EXPECT_EQ(state.PrintTo, 3);
}

TEST_F(PrintingFromTheMainWindow, PairCardsWithAnAbsentPairAreWhatDrukujPrintsOnceChosen) {
    ChooseSevenRoundsOnFourTables();
    Pick(drog.SkkN, 0);
    MeasurePage();
    EXPECT_TRUE(drog.Nieobecna->isEnabled());  // table cards mark the absent pair too
    drog.Wydruk->setCurrentIndex(1);
    ASSERT_TRUE(drog.Nieobecna->isEnabled());
    EXPECT_EQ(drog.Nieobecna->maximum(), 8);
    drog.Nieobecna->setValue(3);
    Click(drog.Drukuj);

    EXPECT_TRUE(messages.Shown().empty()) << messages.LastText().toStdString();
    Strings headings;
    bool pause = false;
    for (const auto& text : surface.texts) {
        if (text.text.rfind("Para ", 0) == 0 && text.text.find("stacjonarna") == std::string::npos)
            headings.push_back(text.text);
        pause = pause || text.text == "pauza";
    }
    EXPECT_EQ(headings.size(), 7u);
    EXPECT_EQ(std::count(headings.begin(), headings.end(), "Para 3"), 0);
    EXPECT_TRUE(pause);
    EXPECT_EQ(drog.WynikDruku->toolTip(), QStringLiteral("Wysłano karty par do druku."));
}

TEST_F(PrintingFromTheMainWindow, TheAbsentPairIsChosenByTheNumberTheCardsPrint) {
    ChooseSevenRoundsOnFourTables();
    Pick(drog.SkkN, 1);  // step 10: the stationary pair 8 plays as 11
    MeasurePage();
    drog.Wydruk->setCurrentIndex(1);
    EXPECT_EQ(drog.Nieobecna->Values(), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 11}));
    drog.Nieobecna->setFocus();
    drog.Nieobecna->setValue(7);
    QTest::keyClick(drog.Nieobecna, Qt::Key_Up);
    EXPECT_EQ(drog.Nieobecna->value(), 11);  // 8, 9 and 10 are nobody's numbers
    QTest::keyClick(drog.Nieobecna, Qt::Key_Down);
    EXPECT_EQ(drog.Nieobecna->value(), 7);
    for (int k = 0; k < 3; ++k) QTest::keyClick(drog.Nieobecna, Qt::Key_Backspace);
    QTest::keyClicks(drog.Nieobecna, QStringLiteral("911"));  // the 9 is not taken
    QTest::keyClick(drog.Nieobecna, Qt::Key_Return);
    EXPECT_EQ(drog.Nieobecna->value(), 11);
    Click(drog.Drukuj);

    EXPECT_TRUE(messages.Shown().empty()) << messages.LastText().toStdString();
    Strings headings;
    for (const auto& text : surface.texts)
        if (text.text.rfind("Para ", 0) == 0 && text.text.find("stacjonarna") == std::string::npos)
            headings.push_back(text.text);
    EXPECT_EQ(headings, (Strings{"Para 1", "Para 2", "Para 3", "Para 4", "Para 5", "Para 6", "Para 7"}));

    // Under the first step 11 is nobody's number: the choice gives way to "brak".
    Pick(drog.SkkN, 0);
    EXPECT_EQ(drog.Nieobecna->value(), 0);
    EXPECT_EQ(drog.Nieobecna->text(), QStringLiteral("brak"));
    EXPECT_EQ(drog.Nieobecna->Values().back(), 8);
}

// Beside the absent pair's number, the pair of the scheme it means now: a swap under Mitchell
// numbering keeps the number and moves it to another pair.
TEST_F(PrintingFromTheMainWindow, TheAbsentPairShowsWhomItMeans) {
    ChooseSevenRoundsOnFourTables();
    EXPECT_EQ(drog.KtoNieobecny->text(), QString());
    Pick(drog.SkkN, 3);
    drog.Nieobecna->setValue(1);  // NS at table 1
    EXPECT_EQ(drog.KtoNieobecny->text(), QStringLiteral("= para 8 w schemacie"));
    DoubleClickLine(drog.ListBox2, 0);
    EXPECT_EQ(drog.Nieobecna->value(), 1);
    EXPECT_EQ(drog.KtoNieobecny->text(), QStringLiteral("= para 1 w schemacie"));
    EXPECT_EQ(drog.Nieobecna->accessibleDescription(), QStringLiteral("para 1 w schemacie"));
    Pick(drog.SkkN, 0);
    EXPECT_EQ(drog.KtoNieobecny->text(), QStringLiteral("= para 1 w schemacie"));
    drog.Nieobecna->setValue(0);
    EXPECT_EQ(drog.KtoNieobecny->text(), QString());
}

// Under a numbering that gives two pairs one number nothing is printed nor previewed.
TEST_F(PrintingFromTheMainWindow, TwoPairsUnderOneNumberAreRefusedBeforeAnyCard) {
    QByteArray line = "10 11";
    for (int table = 1; table <= 11; ++table)
        line += ' ' + QByteArray::number(table) + ' ' + QByteArray::number(11 + table);
    WriteFile(QStringLiteral("HowellKS.txt"), line + '\n');
    Click(drog.Kestrel);
    DoubleClickLine(drog.ListBox1, 0);
    Pick(drog.SkkN, 3);
    MeasurePage();
    const QString refusal = QStringLiteral(
        "Dwie pary miałyby na kartach ten sam numer 11: para 11 schematu (w rundzie 1 NS przy stole 11) i para 12 "
        "schematu (w rundzie 1 WE przy stole 1).\nWybierz inną numerację.");
    Click(drog.Drukuj);
    EXPECT_EQ(messages.LastText(), refusal);
    Click(drog.Podglad);
    EXPECT_EQ(messages.LastText(), refusal);
    EXPECT_EQ(messages.Shown().size(), 2u);
    EXPECT_TRUE(surface.Operations().empty());
    Pick(drog.SkkN, 1);
    Click(drog.Drukuj);
    EXPECT_EQ(messages.Shown().size(), 2u);
    EXPECT_EQ(TableNumbers().size(), 11u);
}

// The preview of the chosen print, opened by "Podgląd": the test looks at it as it stands open.
class PreviewFromTheMainWindow : public PrintingFromTheMainWindow {
protected:
    // Clicks "Podgląd", and once the preview is open notes its pages and the time it took, then
    // presses its print button or closes it.
    void OpenPreview(bool print) {
        start_ = std::chrono::steady_clock::now();
        QTimer::singleShot(0, [this, print] {
            auto* preview = qobject_cast<TPodglad*>(QApplication::activeModalWidget());
            if (preview == nullptr) return;
            seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
            pages = preview->Preview()->pageCount();
            shownAt = preview->frameGeometry();
            available = preview->screen()->availableGeometry();
            if (print)
                preview->findChild<QPushButton*>(QStringLiteral("PodgladDrukuj"))->click();
            else
                preview->reject();
        });
        Click(drog.Podglad);
    }

    int pages = -1;
    double seconds = -1;
    QRect shownAt;
    QRect available;

private:
    std::chrono::steady_clock::time_point start_;
};

TEST_F(PreviewFromTheMainWindow, ShowsThePagesDrukujWouldPrintAndPrintsThemOnRequest) {
    ChooseSevenRoundsOnFourTables();
    Click(drog.Podglad);  // no numbering yet: refused as the print is
    EXPECT_EQ(messages.LastText(), QStringLiteral("Nieznany skok Numeracji !"));

    Pick(drog.SkkN, 0);
    OpenPreview(false);  // before any print settings, on the printer's default page
    EXPECT_EQ(pages, 4);
    // Whole on a screen smaller than the preview's own size, as "Cała strona" needs.
    ASSERT_LT(available.height(), 860);
    EXPECT_TRUE(available.contains(shownAt)) << shownAt.height() << " on " << available.height();
    EXPECT_TRUE(surface.Operations().empty());

    MeasurePage();
    drog.Wydruk->setCurrentIndex(2);
    OpenPreview(true);
    EXPECT_EQ(pages, 1);  // the movement sheet of four tables
    EXPECT_EQ(drog.WynikDruku->toolTip(), QStringLiteral("Wysłano arkusz schematu do druku."));
    EXPECT_FALSE(surface.texts.empty());
}

// Every word the window prints, through the preview, the export prints too, as often, the
// event's line typed into "Turniej" (reached by Tab from the boards) among them.
TEST_F(PreviewFromTheMainWindow, PrintsWhatTheExportPrintsWithBoardsAnAbsentPairAndTheEvent) {
    ChooseSevenRoundsOnFourTables();
    Pick(drog.SkkN, 1);  // step 10: the stationary pair 8 plays as 11
    MeasurePage();
    drog.Rozdania->setValue(3);
    QApplication::setActiveWindow(&drog);
    drog.Rozdania->setFocus();
    QTest::keyClick(drog.Rozdania, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), drog.Turniej);
    EXPECT_FALSE(drog.Turniej->accessibleName().isEmpty());
    // Typed key by key; the letters beyond ASCII carry their text as a keyboard layout would.
    const QString event = QStringLiteral("Klub Pik, 12 marca 2027, Łódź");
    QTest::keyClicks(drog.Turniej, event.first(event.size() - 4));
    for (const QChar letter : event.last(4))
        QTest::sendKeyEvent(QTest::Click, drog.Turniej, Qt::Key_unknown, QString(letter), Qt::NoModifier);
    ASSERT_EQ(drog.Turniej->text(), event);
    // Words of letters and digits: the arrows, drawn in a face of symbols, are no words.
    const auto words = [](const QString& text) {
        QStringList list;
        for (const auto& word : QRegularExpression(QStringLiteral("[\\w–]+")).globalMatch(text))
            list.append(word.captured());
        list.sort();
        return list.join(QLatin1Char(' ')).toStdString();
    };
    for (const char* key : {"tables", "pairs", "sheet"}) {
        SCOPED_TRACE(key);
        drog.Wydruk->setCurrentIndex(drog.Wydruk->findText(QString::fromUtf8(printing::ProductOfKey(key)->name.source)));
        drog.Nieobecna->setValue(11);
        surface.texts.clear();
        OpenPreview(true);
        ASSERT_TRUE(messages.Shown().empty()) << messages.LastText().toStdString();
        QString printed;
        for (const auto& text : surface.texts)
            if (text.fontName != printing::SymbolFace) printed += QString::fromStdString(text.text) + QLatin1Char(' ');

        QProcess exportRun;
        exportRun.start(QStringLiteral(ROZSTAWIKI_PDF),
                        {QStringLiteral("--cards"), QString::fromLatin1(key), QStringLiteral("--numbering"),
                         QStringLiteral("2"), QStringLiteral("--absent"), QStringLiteral("11"),
                         QStringLiteral("--boards"), QStringLiteral("3"), QStringLiteral("--event"), event,
                         QStringLiteral("HowellKS.txt"), QStringLiteral("1"), QStringLiteral("eksport.pdf")});
        ASSERT_TRUE(exportRun.waitForFinished(30000));
        ASSERT_EQ(exportRun.exitCode(), 0) << exportRun.readAllStandardError().toStdString();
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {QStringLiteral("eksport.pdf"), QStringLiteral("-")});
        ASSERT_TRUE(text.waitForFinished(30000));
        EXPECT_EQ(words(printed), words(QString::fromUtf8(text.readAllStandardOutput())));
        EXPECT_TRUE(printed.contains(event));
        if (QByteArray(key) == "tables") {  // a card a table, whatever the paper
            EXPECT_TRUE(printed.contains(QStringLiteral("Rozdania:")) && printed.contains(QStringLiteral("1-3")));
            EXPECT_TRUE(printed.contains(QStringLiteral("– : para nieobecna, przy stole pauza")));
            QProcess info;
            info.start(QStringLiteral("pdfinfo"), {QStringLiteral("eksport.pdf")});
            ASSERT_TRUE(info.waitForFinished(30000));
            EXPECT_TRUE(QString::fromUtf8(info.readAllStandardOutput())
                            .contains(QRegularExpression(QStringLiteral("Pages:\\s+4\\n"))));
            EXPECT_EQ(pages, 4);
        }
    }
}

// The cards speak the windows' language until the director chooses another by Tab and arrow,
// and the choice goes with the print and the preview alike; the windows stay as they were.
TEST_F(PreviewFromTheMainWindow, TheCardLanguageChosenGoesWithThePrintAndThePreview) {
    ChooseSevenRoundsOnFourTables();
    Pick(drog.SkkN, 0);
    MeasurePage();
    Strings asked;
    const auto note = [&](const PrintChoice& choice) { asked.emplace_back(choice.cardLanguage.code); };
    QObject::connect(&drog, &TDrog::PrintAsked, &drog, note);
    QObject::connect(&drog, &TDrog::PreviewAsked, &drog, note);
    EXPECT_EQ(drog.JezykKart->currentText(), QStringLiteral("polski"));
    EXPECT_EQ(drog.JezykKart->count(), 2);
    Click(drog.Drukuj);

    QApplication::setActiveWindow(&drog);
    drog.Turniej->setFocus();
    QTest::keyClick(drog.Turniej, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), drog.JezykKart);
    QTest::keyClick(drog.JezykKart, Qt::Key_Down);
    EXPECT_EQ(drog.JezykKart->currentText(), QStringLiteral("English"));
    Click(drog.Drukuj);
    OpenPreview(false);
    EXPECT_EQ(pages, 4);
    EXPECT_EQ(asked, (Strings{"pl", "en", "en"}));
    EXPECT_TRUE(messages.Shown().empty()) << messages.LastText().toStdString();
    EXPECT_EQ(drog.WynikDruku->text(), QStringLiteral("Wysłano 4 rozstawiki do druku."));
}

TEST_F(PreviewFromTheMainWindow, BeforeAnyPrintSettingsNeedsNoPrintServer) {
    ChooseSevenRoundsOnFourTables();
    Pick(drog.SkkN, 0);
    const printtest::MisbehavingServer silent("silent");
    ::setenv("CUPS_SERVER", silent.Socket().c_str(), 1);
    cupsSetServer(nullptr);
    OpenPreview(false);
    ::setenv("CUPS_SERVER", printtest::ServerSocket().c_str(), 1);
    cupsSetServer(nullptr);
    EXPECT_EQ(pages, 4);
    EXPECT_LT(seconds, 5.0);  // a silent server would have held Qt's printer far longer
    EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(PreviewFromTheMainWindow, FortyEightTableCardsOpenInUnderHalfASecond) {
    QByteArray line = "23 48";
    for (int pair = 1; pair <= 96; ++pair) line += ' ' + QByteArray::number(pair);
    WriteFile(QStringLiteral("HowellKS.txt"), line + '\n');
    Click(drog.Kestrel);
    DoubleClickLine(drog.ListBox1, 0);
    Pick(drog.SkkN, 0);
    OpenPreview(false);
    EXPECT_EQ(pages, 48);
    RecordProperty("seconds", std::to_string(seconds));
    if (!Sanitized) {  // the sanitizers' own time is no measure
        EXPECT_LT(seconds, 0.5);
    }
}

TEST_F(PrintingFromTheMainWindow, TheResultLineGoesWhenAnotherMovementBecomesCurrent) {
    WriteFile(QStringLiteral("HowellKS.txt"), "7 4 8 1 2 6 0 3 5 0 4 7\n9 5 1 2 0 8 5 0 10 9 0 6 4 0 7 3\n");
    Click(drog.Kestrel);
    DoubleClickLine(drog.ListBox1, 0);
    Pick(drog.SkkN, 0);
    MeasurePage();
    Click(drog.Drukuj);
    EXPECT_EQ(drog.WynikDruku->text(), QStringLiteral("Wysłano 4 rozstawiki do druku."));
    Click(drog.BegDoc);  // what is printed changes, the movement stays: the line stays
    DoubleClickLine(drog.ListBox2, 0);
    EXPECT_FALSE(drog.WynikDruku->text().isEmpty());
    DoubleClickLine(drog.ListBox1, 1);
    EXPECT_EQ(drog.WynikDruku->text(), QString());
    EXPECT_EQ(drog.WynikDruku->toolTip(), QString());

    Click(drog.Drukuj);
    ASSERT_FALSE(drog.WynikDruku->text().isEmpty());
    Click(drog.ZPalca);
    TZPL& zpl = windows.ZPL();
    Click(zpl.StolUD->UpButton());
    Click(zpl.RdUD->UpButton());
    Click(zpl.RdUD->UpButton());
    const QStringList cells = {"4", "1", "1", "2", "3", "1"};
    for (int cell = 0; cell < cells.size(); ++cell) TypeInto(zpl.Schemat, 1 + cell % 3, cell / 3, cells[cell]);
    Click(zpl.fin);
    ASSERT_TRUE(drog.isVisible());
    EXPECT_EQ(drog.WynikDruku->text(), QString());
}

TEST_F(PrintingFromTheMainWindow, ATypedMovementIsPrintedWithItsOwnRounds) {
    Click(drog.ZPalca);
    TZPL& zpl = windows.ZPL();
    Click(zpl.StolUD->UpButton());  // 2 tables
    Click(zpl.RdUD->UpButton());
    Click(zpl.RdUD->UpButton());  // 3 rounds
    const QStringList cells = {"4", "1", "1", "2", "3", "1"};
    for (int cell = 0; cell < cells.size(); ++cell) TypeInto(zpl.Schemat, 1 + cell % 3, cell / 3, cells[cell]);
    Click(zpl.fin);
    ASSERT_TRUE(drog.isVisible()) << messages.LastText().toStdString();

    Pick(drog.SkkN, 0);
    MeasurePage();
    Click(drog.Drukuj);
    EXPECT_EQ(TableNumbers(), (Strings{"1", "2"}));
    // Table 2's WE pair 3 goes 3, 1, 2; no scheme source is printed for a typed movement.
    std::vector<std::string> weRow;
    for (const auto& text : surface.texts)
        if (text.page == 1 && text.y == 3041) weRow.push_back(text.text);
    EXPECT_EQ(weRow, (Strings{"  WE:", "   3", "   1", "   2"}));
    for (const auto& text : surface.texts) EXPECT_NE(text.text, "Wg K. Kestrela");
}

// Printing on the program's own printer as the print dialog sets it up, not on a recorder: into a
// PDF file, or on a queue of the test run's print server.
class PrintingOnTheProgramsPrinter : public ::testing::Test {
protected:
    PrintingOnTheProgramsPrinter() : previousFolder_(QDir::currentPath()) {
        QDir::setCurrent(folder_.path());
        QFile scheme(QStringLiteral("HowellKS.txt"));
        if (scheme.open(QIODevice::WriteOnly)) scheme.write("7 4 8 1 5 6 2 4 0 3 7\n");
        scheme.close();
        windows.Start();
    }
    ~PrintingOnTheProgramsPrinter() override { QDir::setCurrent(previousFolder_); }

    void Print() {
        TDrog& drog = windows.Drog();
        QTest::mouseClick(drog.Kestrel, Qt::LeftButton);
        drog.ListBox1->setCurrentRow(0);
        drog.ListBox1DblClick();
        drog.SkkN->SetItemIndex(0);
        windows.Settings().Page() = {windows.Settings().Printer().width(), windows.Settings().Printer().height()};
        QTest::mouseClick(drog.Drukuj, Qt::LeftButton);
    }

    void PrintTo(const QString& output) {
        QPrinter& printer = windows.Settings().Printer();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(output);
        Print();
    }

    // With the copies and the CUPS options (name, value...) the print dialog would set.
    void PrintOn(const printtest::PdfQueue& queue, int copies = 1, const QStringList& cupsOptions = {}) {
        QPrinter& printer = windows.Settings().Printer();
        printer.setOutputFormat(QPrinter::NativeFormat);
        printer.setPrinterName(QString::fromStdString(queue.Name()));
        printer.setCopyCount(copies);
        printer.printEngine()->setProperty(QPrintEngine::PrintEnginePropertyKey(0xfe00), cupsOptions);
        Print();
    }

    // The main window's line on the last print, whole.
    QString Result() { return windows.Drog().WynikDruku->toolTip(); }

    // The line shows all of it, each line within its column, in the free room above "Podgląd".
    void ExpectResultShownWhole() {
        const TDrog& drog = windows.Drog();
        const QLabel* line = drog.WynikDruku;
        QString shown = line->text();
        shown.remove(QChar(0x200B));  // where a long word may break
        EXPECT_EQ(shown, Result());
        const QRect needed =
            line->fontMetrics().boundingRect(QRect(0, 0, line->width(), 1000), Qt::TextWordWrap, line->text());
        EXPECT_LE(needed.width(), line->width());
        EXPECT_LE(needed.height(), line->height());
        EXPECT_GT(line->geometry().top(), drog.Turniej->geometry().bottom());
        EXPECT_LT(line->geometry().bottom(), drog.Podglad->geometry().top());
    }

    static QByteArray Contents(const QString& name) {
        QFile file(name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static QString Text(const std::string& text) { return QString::fromStdString(text); }

private:
    QTemporaryDir folder_;
    QString previousFolder_;

protected:
    movement::MovementState state;
    ProgramWindows windows{state};
    MessageBoxWatcher messages;
};

class PrintingToAPdfFile : public PrintingOnTheProgramsPrinter {};

TEST_F(PrintingToAPdfFile, TheCardsAreWrittenWholeAndAFileThatIsNoPdfIsLeftAlone) {
    PrintTo(QStringLiteral("karty.pdf"));
    EXPECT_TRUE(messages.Shown().empty()) << messages.LastText().toStdString();
    EXPECT_TRUE(Contents(QStringLiteral("karty.pdf")).startsWith("%PDF-"));
    EXPECT_EQ(Result(), QStringLiteral("Zapisano 4 rozstawiki w pliku karty.pdf."));

    QFile notes(QStringLiteral("notatki.txt"));
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.write("wyniki sesji");
    notes.close();
    PrintTo(QStringLiteral("notatki.txt"));
    EXPECT_EQ(messages.LastText(), QStringLiteral("Nie można zapisać pliku notatki.txt: plik istnieje i nie jest "
                                                  "plikiem PDF, więc nie zostanie zastąpiony."));
    EXPECT_EQ(messages.Shown().back().icon, QMessageBox::Critical);
    EXPECT_EQ(Contents(QStringLiteral("notatki.txt")), QByteArray("wyniki sesji"));
    EXPECT_EQ(Result(), QString());
}

// From the start to a printed file with the keys alone: Tab, arrows, Enter, Space and accelerators.
TEST_F(PrintingToAPdfFile, TheWholeRoadByKeyboard) {
    TDrog& drog = windows.Drog();
    QPrinter& printer = windows.Settings().Printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QStringLiteral("klawisze.pdf"));
    QApplication::setActiveWindow(&drog);
    const auto key = [](int code, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr) << "no focus for key " << code;
        QTest::keyClick(focused, static_cast<Qt::Key>(code), modifiers);
    };
    // Tabs, at most a round of the window, until `control` has the focus.
    const auto tabTo = [&](QWidget* control) {
        for (int tab = 0; tab < 40 && QApplication::focusWidget() != control; ++tab) key(Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), control);
    };
    drog.ListBox1->setFocus();  // where the window starts
    tabTo(drog.Kestrel);
    key(Qt::Key_Return);
    tabTo(drog.ListBox1);
    key(Qt::Key_Down);
    key(Qt::Key_Return);
    ASSERT_EQ(state.TableCount, 4);
    tabTo(drog.SkkN->Item(0));
    key(Qt::Key_Space);
    ASSERT_EQ(state.NumberingStep, 7);
    tabTo(drog.ListBox2);
    key(Qt::Key_Home);
    key(Qt::Key_Return);  // table 1: NS 1, WE 8
    EXPECT_EQ(state.Seating[1].NsPair, 1);
    tabTo(drog.Drukarka);
    key(Qt::Key_Return);
    TUstWydr& ustWydr = windows.UstWydr();
    ASSERT_TRUE(ustWydr.isVisible());
    messages.InspectPrintDialogs([](QPrintDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Return); });
    QApplication::setActiveWindow(&ustWydr);
    tabTo(ustWydr.ParaStr);
    key(Qt::Key_Return);
    ASSERT_NE(windows.Settings().Page().PageWidth, 0);
    // Without a window manager nobody gives the window its focus back after the dialog.
    QApplication::setActiveWindow(&ustWydr);
    ustWydr.ParaStr->setFocus();
    key(Qt::Key_W, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return drog.isVisible(); }));
    QApplication::setActiveWindow(&drog);
    tabTo(drog.Drukuj);
    key(Qt::Key_Return);
    EXPECT_TRUE(messages.Shown().empty()) << messages.LastText().toStdString();
    EXPECT_EQ(Result(), QStringLiteral("Zapisano 4 rozstawiki w pliku klawisze.pdf."));
    EXPECT_TRUE(Contents(windows.Settings().Printer().outputFileName()).startsWith("%PDF-"))
        << windows.Settings().Printer().outputFileName().toStdString();
    QFile::remove(windows.Settings().Printer().outputFileName());
}

class PrintingOnAQueue : public PrintingOnTheProgramsPrinter {
protected:
    static int Pages(const std::filesystem::path& pdf) {
        QProcess pdfinfo;
        pdfinfo.start(QStringLiteral("pdfinfo"), {QString::fromStdString(pdf.string())});
        pdfinfo.waitForFinished(30000);
        const QString info = QString::fromUtf8(pdfinfo.readAllStandardOutput());
        const auto at = info.indexOf(QStringLiteral("Pages:"));
        return at < 0 ? -1 : info.mid(at + 6).section(QLatin1Char('\n'), 0, 0).trimmed().toInt();
    }
};

// What the window says goes to the log as well, once asked for, word for word.
QStringList& LoggedAsShown() {
    static QStringList logged;
    return logged;
}
void KeepShown(QtMsgType, const QMessageLogContext& context, const QString& text) {
    if (QLatin1String(context.category) == QLatin1String("rozstawiki.shown")) LoggedAsShown() << text;
}

TEST_F(PrintingOnAQueue, TheCardsReachTheQueueWithTheirCopiesAndTheMainWindowSaysSo) {
    const printtest::PdfQueue queue("Sala");
    LoggedAsShown().clear();
    const QtMessageHandler before = qInstallMessageHandler(KeepShown);
    QLoggingCategory::setFilterRules(QStringLiteral("rozstawiki.shown.info=true"));
    PrintOn(queue, 2);
    QLoggingCategory::setFilterRules(QString());
    qInstallMessageHandler(before);
    EXPECT_TRUE(messages.Shown().empty()) << messages.LastText().toStdString();
    EXPECT_EQ(Result(), Text("Wysłano 8 rozstawików do drukarki " + queue.Name() + "."));
    EXPECT_EQ(LoggedAsShown(), QStringList{Result()});
    ExpectResultShownWhole();
    const auto printed = queue.PrintedFiles();
    ASSERT_EQ(printed.size(), 1u);
    EXPECT_EQ(Pages(printed[0]), 8);
}

TEST_F(PrintingOnAQueue, AStoppedPrinterOrAHeldJobIsToldToWait) {
    const printtest::PdfQueue stopped("ZatrzymanaDrukarkaNaPietrze");
    stopped.Stop();
    PrintOn(stopped);
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].icon, QMessageBox::Information);
    EXPECT_EQ(messages.Shown()[0].text, Text("Drukarka " + stopped.Name() +
                                             " jest zatrzymana.\nZadanie (4 rozstawiki) czeka w jej kolejce i "
                                             "wydrukuje się, gdy drukarka zostanie wznowiona."));
    EXPECT_EQ(Result(), Text("Wysłano 4 rozstawiki do drukarki " + stopped.Name() + " – czekają w kolejce."));
    ExpectResultShownWhole();

    const printtest::PdfQueue open("Otwarta");
    PrintOn(open, 1, {QStringLiteral("job-hold-until"), QStringLiteral("indefinite")});
    EXPECT_EQ(messages.LastText(), Text("Zadanie (4 rozstawiki) zostało wstrzymane w kolejce drukarki " + open.Name() +
                                        " i wydrukuje się dopiero po zwolnieniu."));
    EXPECT_NE(open.Waiting(), "");
}

TEST_F(PrintingOnAQueue, APrinterThatRefusesWasRemovedOrIsOutOfReachIsAnErrorAndConfirmsNothing) {
    const printtest::PdfQueue queue("Biuro");
    queue.Reject("Brak papieru");
    PrintOn(queue);
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].icon, QMessageBox::Critical);
    EXPECT_EQ(messages.LastText(), Text("Drukarka " + queue.Name() +
                                        " nie przyjmuje zadań. Rozstawików nie wysłano.\nKomunikat serwera wydruku: "
                                        "Brak papieru"));
    EXPECT_EQ(Result(), QString());

    queue.Remove();
    Print();
    EXPECT_EQ(messages.LastText(), Text("Drukarki " + queue.Name() +
                                        " nie ma już na serwerze wydruku: usunięto ją po wybraniu w ustawieniach "
                                        "druku. Rozstawików nie wysłano.\nWybierz drukarkę ponownie (Ustawienia "
                                        "Druku)."));

    // The CUPS library reads the server's address once; it is told to read it again.
    ::setenv("CUPS_SERVER", printtest::DeadSocket().c_str(), 1);
    cupsSetServer(nullptr);
    Print();
    ::setenv("CUPS_SERVER", printtest::ServerSocket().c_str(), 1);
    cupsSetServer(nullptr);
    EXPECT_EQ(messages.LastText(), Text("Brak połączenia z serwerem wydruku (CUPS), więc nie można drukować na "
                                        "drukarce " +
                                        queue.Name() + ". Rozstawików nie wysłano."));
    EXPECT_EQ(messages.Shown().size(), 3u);
    EXPECT_EQ(Result(), QString());
}

TEST_F(PrintingOnAQueue, AFailedPrintOfPairCardsOrTheSheetSaysWhatWasNotSent) {
    const printtest::PdfQueue queue("Zamknieta");
    queue.Reject("Brak papieru");
    for (const auto& [product, notSent] :
         {std::pair{1, "Kart par nie wysłano."}, {2, "Arkusza schematu nie wysłano."}}) {
        windows.Drog().Wydruk->setCurrentIndex(product);
        PrintOn(queue);
        EXPECT_EQ(messages.LastText().section(QLatin1Char('\n'), 0, 0),
                  Text("Drukarka " + queue.Name() + " nie przyjmuje zadań. " + notSent));
    }
}

TEST_F(PrintingOnAQueue, APrinterChosenBeforeTheServerWentDownIsPrintedOnOnceItIsBack) {
    const printtest::PdfQueue other("Inna");  // what Qt would pick by itself
    const printtest::PdfQueue queue("Sekretariat");
    windows.Settings().Printer().setPrinterName(QString::fromStdString(queue.Name()));
    windows.UstWydr().ParaDrClick();  // chosen in the print dialog
    ::setenv("CUPS_SERVER", printtest::DeadSocket().c_str(), 1);
    cupsSetServer(nullptr);
    messages.AnswerPrintDialogs(false);
    windows.UstWydr().ParaDrClick();
    Print();
    EXPECT_EQ(messages.LastText(), Text("Brak połączenia z serwerem wydruku (CUPS), więc nie można drukować na "
                                        "drukarce " +
                                        queue.Name() + ". Rozstawików nie wysłano."));

    ::setenv("CUPS_SERVER", printtest::ServerSocket().c_str(), 1);
    cupsSetServer(nullptr);
    Print();
    EXPECT_EQ(Result(), Text("Wysłano 4 rozstawiki do drukarki " + queue.Name() + "."));
    EXPECT_EQ(queue.PrintedFiles().size(), 1u);
}

TEST_F(PrintingOnAQueue, CardsTheServerDidNotConfirmAreAnErrorAndNotSent) {
    const printtest::PdfQueue queue("Zerwane");
    QPrinter& printer = windows.Settings().Printer();
    printer.setOutputFormat(QPrinter::NativeFormat);
    printer.setPrinterName(QString::fromStdString(queue.Name()));
    const printtest::MisbehavingServer closing("close-at-document", 1, printtest::ServerSocket());
    ::setenv("CUPS_SERVER", closing.Socket().c_str(), 1);
    cupsSetServer(nullptr);
    Print();
    ::setenv("CUPS_SERVER", printtest::ServerSocket().c_str(), 1);
    cupsSetServer(nullptr);
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].icon, QMessageBox::Critical);
    EXPECT_EQ(messages.LastText(), Text("Połączenie z serwerem wydruku (CUPS) zostało zerwane, więc nie można drukować "
                                        "na drukarce " +
                                        queue.Name() + ". Rozstawików nie wysłano."));
    EXPECT_EQ(Result(), QString());
    EXPECT_TRUE(queue.PrintedFiles().empty());
}

TEST_F(PrintingOnAQueue, ASilentPrintServerEndsThePrintInTimeWithAMessage) {
    const printtest::PdfQueue queue("Cisza");
    QPrinter& printer = windows.Settings().Printer();
    printer.setOutputFormat(QPrinter::NativeFormat);
    printer.setPrinterName(QString::fromStdString(queue.Name()));
    const printtest::MisbehavingServer silent("silent");
    ::setenv("CUPS_SERVER", silent.Socket().c_str(), 1);
    cupsSetServer(nullptr);
    windows.Settings().printServerSeconds = 1;  // the program's is 15 s
    const auto start = std::chrono::steady_clock::now();
    Print();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    ::setenv("CUPS_SERVER", printtest::ServerSocket().c_str(), 1);
    cupsSetServer(nullptr);
    EXPECT_EQ(messages.LastText(), Text("Serwer wydruku (CUPS) nie odpowiada (czekano 1 s), więc nie można drukować "
                                        "na drukarce " +
                                        queue.Name() + ". Rozstawików nie wysłano."));
    EXPECT_EQ(messages.Shown().back().icon, QMessageBox::Critical);
    EXPECT_LT(seconds, 3.5);
    EXPECT_EQ(Result(), QString());
}

}  // namespace
