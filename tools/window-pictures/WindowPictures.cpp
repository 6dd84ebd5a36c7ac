// SPDX-License-Identifier: GPL-3.0-or-later
// Saves a picture of each window as a person would see it, after the director's usual first
// steps in the main window: window-pictures [--language CODE] OUTPUT_FOLDER [SCHEME_FOLDER]

#include "Figura.h"
#include "NumDow.h"
#include "Palce.h"
#include "ProgramWindows.h"
#include "drkr.h"
#include "toolkit/Application.h"
#include "toolkit/ListBox.h"
#include "toolkit/ListedSpinBox.h"
#include "toolkit/RadioGroup.h"
#include "toolkit/TextGrid.h"
#include "toolkit/UpDown.h"

#include "language/Translations.h"
#include "movement/MovementState.h"

#include <QApplication>
#include <QDir>
#include <QPrinter>
#include <QPushButton>
#include <QTextStream>

#include <algorithm>
#include <optional>

namespace {

bool Save(QWidget& window, const QString& folder, const QString& name) {
    window.show();
    QApplication::processEvents();
    return window.grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

}  // namespace

int main(int argc, char* argv[]) {
    // The windows in the language the program would start them in, or the one --language names.
    const std::optional<movement::Language> language = language::InterfaceLanguage(argc, argv);
    if (language) language::ChooseInterface(*language);
    QApplication application(argc, argv);
    toolkit::SetUpApplication(application);
    QStringList arguments = QApplication::arguments();
    if (const qsizetype named = arguments.indexOf(QStringLiteral("--language")); named > 0)
        arguments.remove(named, std::min<qsizetype>(2, arguments.size() - named));
    arguments.removeIf([](const QString& argument) { return argument.startsWith(QStringLiteral("--language=")); });
    if (!language || arguments.size() < 2) {
        QTextStream(stderr) << "usage: window-pictures [--language CODE] OUTPUT_FOLDER [SCHEME_FOLDER]\n";
        return 2;
    }
    const QString output = QDir(arguments[1]).absolutePath();
    QDir().mkpath(output);
    if (arguments.size() > 2) QDir::setCurrent(arguments[2]);

    movement::MovementState state;
    ProgramWindows windows(state);
    windows.Start();
    bool saved = Save(windows.Drog(), output, QStringLiteral("Drog-start"));

    // Load the first scheme file and choose its first line, as a director would.
    TDrog& drog = windows.Drog();
    drog.Kestrel->click();
    if (drog.ListBox1->LineCount() > 0) {
        drog.ListBox1->SetItemIndex(0);
        drog.ListBox1DblClick();
    }
    saved = Save(drog, output, QStringLiteral("Drog-movement")) && saved;

    // The cards printed into a PDF file beside the pictures, and the main window's word on it.
    drog.SkkN->SetItemIndex(0);
    QPrinter& printer = windows.Settings().Printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QDir(output).filePath(QStringLiteral("karty.pdf")));
    windows.Settings().Page() = {printer.width(), printer.height()};
    drog.Drukuj->click();
    saved = Save(drog, output, QStringLiteral("Drog-printed")) && saved;
    // An absent pair, and whom its number means.
    drog.Nieobecna->setValue(drog.Nieobecna->Values().back());
    saved = Save(drog, output, QStringLiteral("Drog-absent")) && saved;
    saved = Save(windows.UstWydr(), output, QStringLiteral("UstWydr")) && saved;
    windows.UstWydr().hide();

    // The typing window and the numbers window at several table counts.
    for (int tables : {4, 12, 13, 24}) {
        drog.ZPalcaClick();
        TZPL& zpl = windows.ZPL();
        zpl.StolUD->PressDown();
        while (zpl.StolUD->Position() < tables) zpl.StolUD->PressUp();
        zpl.RdUD->PressDown();
        while (zpl.RdUD->Position() < tables - 1) zpl.RdUD->PressUp();
        for (int row = 0; row < tables; ++row) {
            zpl.Schemat->SetCell(1, row, QString::number(2 * row + 1));
            zpl.Schemat->SetCell(2, row, QString::number(2 * row + 2));
            zpl.Schemat->SetCell(3, row, QString::number(row + 1));
        }
        saved = Save(zpl, output, QStringLiteral("ZPL-%1").arg(tables)) && saved;
        zpl.close();

        state.TableCount = tables;
        state.RoundCount = tables - 1;
        drog.Zakrp();
        drog.NzplClick();
        saved = Save(windows.ndw(), output, QStringLiteral("ndw-%1").arg(tables)) && saved;
        windows.ndw().close();
    }
    return saved ? 0 : 1;
}
