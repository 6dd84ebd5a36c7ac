// SPDX-License-Identifier: GPL-3.0-or-later
// print-one-card OUTPUT.pdf: prints table 1 of the seven-round example to a PDF and writes what
// printing answered, for tests that must start Qt in an environment of their own.

#include "ExampleMovements.h"
#include "support/PrintRuns.h"

#include "printing/surfaces/QtPrintSurface.h"

#include <QGuiApplication>
#include <QPrinter>

#include <iostream>

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    if (argc != 2) return 2;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromLocal8Bit(argv[1]));
    const movement::MovementState state =
        movement::testing::ReadyToPrint(movement::testing::SevenRoundsOnFourTables(), 10);
    printing::QtPrintSurface surface(printer);
    const movement::Outcome printed =
        printing::PrintTableCards(state, {printer.width(), printer.height()}, 1, 1, false, surface);
    std::cout << printed.message();
    return printed.accepted() ? 0 : 1;
}
