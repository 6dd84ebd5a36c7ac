#include "WindowRoad.h"

#include "Palce.h"
#include "toolkit/UpDown.h"

#include <QCheckBox>
#include <QPrinter>
#include <QPushButton>
#include <QToolButton>

namespace {

using Strings = std::vector<std::string>;

class PrintingFromTheMainWindow : public WindowRoad {
protected:
    void ChooseSevenRoundsOnFourTables() {
        WriteFile(QStringLiteral("HowellKS.txt"), "7 4 8 1 2 6 0 3 5 0 4 7\n");
        Click(drog.Kestrel);
        DoubleClickLine(drog.ListBox1, 0);
    }

    void MeasurePage() { windows.Page() = {4800, 6800}; }

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
    EXPECT_EQ(surface.jobs, (Strings{"BeginDoc", "NewPage", "EndDoc", "BeginDoc", "EndDoc"}));
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

// Printing to a PDF file as the print dialog sets it: on the program's own printer, not a recorder.
class PrintingToAPdfFile : public ::testing::Test {
protected:
    PrintingToAPdfFile() : previousFolder_(QDir::currentPath()) {
        QDir::setCurrent(folder_.path());
        QFile scheme(QStringLiteral("HowellKS.txt"));
        if (scheme.open(QIODevice::WriteOnly)) scheme.write("7 4 8 1 5 6 2 4 0 3 7\n");
        scheme.close();
        windows.Start();
    }
    ~PrintingToAPdfFile() override { QDir::setCurrent(previousFolder_); }

    void PrintTo(const QString& output) {
        TDrog& drog = windows.Drog();
        QTest::mouseClick(drog.Kestrel, Qt::LeftButton);
        drog.ListBox1->setCurrentRow(0);
        drog.ListBox1DblClick();
        drog.SkkN->SetItemIndex(0);
        QPrinter& printer = windows.Printer();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(output);
        windows.Page() = {printer.width(), printer.height()};
        QTest::mouseClick(drog.Drukuj, Qt::LeftButton);
    }

    static QByteArray Contents(const QString& name) {
        QFile file(name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QTemporaryDir folder_;
    QString previousFolder_;

protected:
    movement::MovementState state;
    ProgramWindows windows{state};
    MessageBoxWatcher messages;
};

TEST_F(PrintingToAPdfFile, TheCardsAreWrittenWholeAndAFileThatIsNoPdfIsLeftAlone) {
    PrintTo(QStringLiteral("karty.pdf"));
    EXPECT_TRUE(messages.Shown().empty()) << messages.LastText().toStdString();
    EXPECT_TRUE(Contents(QStringLiteral("karty.pdf")).startsWith("%PDF-"));

    QFile notes(QStringLiteral("notatki.txt"));
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.write("wyniki sesji");
    notes.close();
    PrintTo(QStringLiteral("notatki.txt"));
    EXPECT_EQ(messages.LastText(), QStringLiteral("Nie można zapisać pliku notatki.txt: plik istnieje i nie jest "
                                                  "plikiem PDF, więc nie zostanie zastąpiony."));
    EXPECT_EQ(messages.Shown().back().icon, QMessageBox::Critical);
    EXPECT_EQ(Contents(QStringLiteral("notatki.txt")), QByteArray("wyniki sesji"));
}

}  // namespace
