#include "PdfExport.h"

#include "movement/ArbitraryNumbers.h"
#include "movement/MainWindowState.h"
#include "movement/MovementCheck.h"
#include "movement/SchemeFile.h"
#include "movement/SchemeLine.h"
#include "movement/SchemeSelection.h"
#include "movement/StepChoices.h"
#include "printing/CardPrinter.h"
#include "printing/QtPrintSurface.h"

#include <QFile>
#include <QFileInfo>
#include <QPageSize>
#include <QPrinter>
#include <QTemporaryFile>

#include <cstdio>
#include <sys/stat.h>

namespace pdfexport {

namespace {

using movement::MovementState;

// Message boxes start a new line at a carriage return; a terminal at a line feed.
std::string ForTerminal(std::string message) {
    for (char& c : message)
        if (c == '\r') c = '\n';
    return message;
}

int BadInput(std::ostream& errors, const std::string& message) {
    errors << ForTerminal(message) << '\n';
    return 1;
}

// The caption of the shipped scheme file of this name, or none.
std::string SourceFor(const std::string& schemeFile) {
    const std::string name = QFileInfo(QString::fromStdString(schemeFile)).fileName().toStdString();
    for (const auto& shipped : movement::ShippedSchemeFiles)
        if (name == shipped.fileName) return shipped.sourceText;
    return {};
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

bool ReadLines(const std::string& schemeFile, movement::SchemeLines& lines, std::ostream& errors) {
    movement::SchemeFileReading reading = movement::ReadSchemeFile(schemeFile);
    if (!reading.ok) {
        BadInput(errors, "Nie można odczytać pliku " + schemeFile + ": " + reading.error);
        return false;
    }
    lines = std::move(reading.lines);
    return true;
}

int ListLines(const ExportRequest& request, std::ostream& out, std::ostream& errors) {
    movement::SchemeLines lines;
    if (!ReadLines(request.schemeFile, lines, errors)) return 1;
    for (std::size_t k = 0; k < lines.lines.size(); ++k)
        out << k + 1 << ": " << movement::CatalogueListLine(lines.lines[k]) << '\n';
    if (lines.leftOut > 0) errors << movement::LeftOutMessage(lines.leftOut) << '\n';
    return 0;
}

int CheckLines(const ExportRequest& request, std::ostream& out, std::ostream& errors) {
    movement::SchemeLines lines;
    if (!ReadLines(request.schemeFile, lines, errors)) return 1;
    bool allSound = true;
    for (std::size_t k = 0; k < lines.lines.size(); ++k) {
        const movement::SchemeLineReading reading = movement::ReadSchemeLine(lines.lines[k]);
        const movement::Outcome checked = reading.accepted
                                              ? movement::CheckMovement(reading.movement.RoundCount, reading.movement.Tables)
                                              : movement::Outcome::Refused(reading.refusal);
        out << k + 1 << ": " << (checked.accepted() ? std::string("OK") : checked.message()) << '\n';
        allSound = allSound && checked.accepted();
    }
    if (lines.leftOut > 0) errors << movement::LeftOutMessage(lines.leftOut) << '\n';
    return allSound ? 0 : 1;
}

// The movement as the director would set it up in the windows.
bool SetUpMovement(const ExportRequest& request, MovementState& state, std::ostream& errors) {
    const std::string source = request.source.value_or(SourceFor(request.schemeFile));
    const movement::SchemeFileLoad load = movement::LoadSchemeFile(state, request.schemeFile, source);
    if (load.status != movement::SchemeFileLoad::Status::Loaded) {
        BadInput(errors, "Nie można odczytać pliku " + request.schemeFile + ": " + load.error);
        return false;
    }
    if (request.line > static_cast<int>(load.listLines.size())) {
        BadInput(errors, "Plik " + request.schemeFile + " nie ma linii schematu numer " + std::to_string(request.line) +
                             " (ma ich " + std::to_string(load.listLines.size()) + ").");
        return false;
    }
    if (const auto selected = movement::SelectScheme(state, request.line - 1, movement::NoItemSelected);
        !selected.accepted()) {
        BadInput(errors, selected.message());
        return false;
    }

    for (int table : request.swaps) {
        if (table < 1 || table > state.TableCount) {
            BadInput(errors, "Nie ma stołu numer " + std::to_string(table) + ".");
            return false;
        }
        movement::SwapNsWe(state, table);
    }

    if (request.numbers.empty()) {
        movement::ChooseNumberingStep(state, request.numberingItem);
    } else {
        // As the arbitrary-numbers window: the first step, then the numbers checked alike.
        movement::ChooseNumberingStep(state, 0);
        movement::UseFirstStepChoice(state);
        std::vector<std::string> newNumbers = movement::InitialNewNumbers(state.TableCount);
        for (const auto& [old, typed] : request.numbers) {
            if (old < 1 || old > static_cast<int>(newNumbers.size())) {
                BadInput(errors, "Nie ma pary o numerze " + std::to_string(old) + ".");
                return false;
            }
            newNumbers[old - 1] = typed;
        }
        if (const auto accepted = movement::ValidateNumbers(state, newNumbers); !accepted.accepted()) {
            BadInput(errors, accepted.message());
            return false;
        }
    }

    state.PrintFrom = request.from.value_or(1);
    state.PrintTo = request.to.value_or(state.TableCount);
    return true;
}

int ExportCards(const ExportRequest& request, std::ostream& errors) {
    MovementState state;
    if (!SetUpMovement(request, state, errors)) return 1;

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
    const movement::Outcome printed = printing::PrintCards(state, page, state.PrintFrom, state.PrintTo, false, surface);
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
