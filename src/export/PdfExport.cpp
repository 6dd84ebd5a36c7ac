#include "PdfExport.h"

#include "movement/ArbitraryNumbers.h"
#include "movement/MainWindowState.h"
#include "movement/MovementCheck.h"
#include "movement/SchemeFile.h"
#include "movement/SchemeSelection.h"
#include "movement/StepChoices.h"
#include "printing/CardPrinter.h"
#include "printing/QtPrintSurface.h"

#include <QFile>
#include <QPageSize>
#include <QPrinter>
#include <QTemporaryFile>

#include <cstdio>
#include <sys/stat.h>

namespace pdfexport {

namespace {

using movement::MovementState;
using movement::Outcome;

int BadInput(std::ostream& errors, const std::string& message) {
    errors << message << '\n';
    return 1;
}

QPageSize PageSizeOf(Paper paper) {
    switch (paper) {
        case Paper::A5:
            return QPageSize(QPageSize::A5);
        case Paper::Letter:
            return QPageSize(QPageSize::Letter);
        case Paper::A4:
            break;
    }
    return QPageSize(QPageSize::A4);
}

std::string CannotRead(const std::string& schemeFile, const std::string& reason) {
    return "Nie można odczytać pliku " + schemeFile + ": " + reason;
}

int ListLines(const ExportRequest& request, std::ostream& out, std::ostream& errors) {
    const movement::Result<movement::SchemeLines> read = movement::ReadSchemeFile(request.schemeFile);
    if (!read.accepted()) return BadInput(errors, CannotRead(request.schemeFile, read.message()));
    const movement::SchemeLines& lines = read.value();
    for (std::size_t k = 0; k < lines.lines.size(); ++k)
        out << k + 1 << ": " << movement::CatalogueListLine(lines.lines[k]) << '\n';
    if (lines.leftOut > 0) errors << movement::LeftOutMessage(lines.leftOut) << '\n';
    return 0;
}

int CheckLines(const ExportRequest& request, std::ostream& out, std::ostream& errors) {
    const movement::Result<movement::SchemeLines> read = movement::ReadSchemeFile(request.schemeFile);
    if (!read.accepted()) return BadInput(errors, CannotRead(request.schemeFile, read.message()));
    const movement::SchemeLines& lines = read.value();
    bool allSound = true;
    for (std::size_t k = 0; k < lines.lines.size(); ++k) {
        const auto checked = movement::CheckSchemeLine(lines.lines[k]);
        out << k + 1 << ": " << (checked.accepted() ? std::string("OK") : checked.message()) << '\n';
        allSound = allSound && checked.accepted();
    }
    if (lines.leftOut > 0) errors << movement::LeftOutMessage(lines.leftOut) << '\n';
    return allSound ? 0 : 1;
}

// The movement as the director would set it up in the windows, step by step.
Outcome SetUpMovement(const ExportRequest& request, MovementState& state) {
    const std::string source = request.source.value_or(movement::ShippedSourceText(request.schemeFile));
    const auto load = movement::LoadSchemeFile(state, request.schemeFile, source);
    if (!load.accepted()) return Outcome::Refused(CannotRead(request.schemeFile, load.message()));
    if (request.line > static_cast<int>(load.value().listLines.size()))
        return Outcome::Refused("Plik " + request.schemeFile + " nie ma linii schematu numer " +
                                std::to_string(request.line) + " (ma ich " +
                                std::to_string(load.value().listLines.size()) + ").");
    if (Outcome selected = movement::SelectScheme(state, request.line - 1, movement::NoItemSelected);
        !selected.accepted())
        return selected;

    for (const int table : request.swaps)
        if (Outcome swapped = movement::SwapNsWe(state, table); !swapped.accepted()) return swapped;

    if (request.numbers.empty()) {
        if (Outcome chosen = movement::ChooseNumberingStep(state, request.numberingItem); !chosen.accepted())
            return chosen;
    } else {
        // As the arbitrary-numbers window, and back to the main window as from it.
        if (Outcome begun = movement::BeginArbitraryNumbers(state, movement::NoItemSelected); !begun.accepted())
            return begun;
        if (Outcome applied = movement::ApplyArbitraryNumbers(state, request.numbers); !applied.accepted())
            return applied;
        movement::Zakrp(state, movement::NoItemSelected);
    }

    state.PrintFrom = request.from.value_or(1);
    state.PrintTo = request.to.value_or(state.TableCount);
    return Outcome::Accepted();
}

int ExportCards(const ExportRequest& request, std::ostream& errors) {
    MovementState state;
    if (const Outcome ready = SetUpMovement(request, state); !ready.accepted())
        return BadInput(errors, ready.message());

    // The cards go to a file beside the output and take its name only once they are complete.
    const QString output = QString::fromStdString(request.output);
    QTemporaryFile partial(output + QStringLiteral(".XXXXXX"));
    if (!partial.open()) return BadInput(errors, "Nie można zapisać pliku " + request.output + ".");
    partial.close();

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setResolution(request.resolution);
    printer.setPageSize(PageSizeOf(request.paper));
    printer.setOutputFileName(partial.fileName());
    printer.setCreator(QStringLiteral("Rozstawiki stolikowe"));
    const printing::PageMetrics page{printer.width(), printer.height()};

    printing::QtPrintSurface surface(printer);
    const Outcome printed = printing::PrintCards(state, page, state.PrintFrom, state.PrintTo, false, surface);
    if (!printed.accepted()) return BadInput(errors, printed.message());

    // A new file gets the permissions any new file gets, not the private ones of a temporary.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::chmod(partial.fileName().toLocal8Bit().constData(), 0666 & ~mask);
    if (std::rename(partial.fileName().toLocal8Bit().constData(), output.toLocal8Bit().constData()) != 0)
        return BadInput(errors, "Nie można zapisać pliku " + request.output + ".");
    partial.setAutoRemove(false);
    return 0;
}

}  // namespace

int RunExport(const ExportRequest& request, std::ostream& out, std::ostream& errors) {
    switch (request.mode) {
        case ExportRequest::Mode::List:
            return ListLines(request, out, errors);
        case ExportRequest::Mode::Check:
            return CheckLines(request, out, errors);
        case ExportRequest::Mode::Export:
            break;
    }
    return ExportCards(request, errors);
}

}  // namespace pdfexport
