// SPDX-License-Identifier: GPL-3.0-or-later
#include "PdfExport.h"

#include "ExportUsage.h"

#include "language/Translations.h"
#include "movement/AbsentPair.h"
#include "movement/ArbitraryNumbers.h"
#include "movement/MainWindowState.h"
#include "movement/MovementCheck.h"
#include "movement/PrintRange.h"
#include "movement/SchemeFile.h"
#include "movement/SchemeSelection.h"
#include "movement/SharedNumbers.h"
#include "movement/StepChoices.h"
#include "printing/Products.h"
#include "printing/output/Delivery.h"

#include "language/Translations.h"

#include <QPageSize>

#include <cerrno>
#include <utility>
#include <vector>

namespace pdfexport {

namespace {

using movement::MovementState;
using movement::Outcome;

std::string Say(movement::TextId id, std::vector<std::string> arguments = {}) {
    return language::Interface().Say(movement::Text{id, std::move(arguments)});
}

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

// A listing that could not be written out is a failure too (a full disk, a closed pipe). The
// reason is the error of the first write that failed: errno is cleared before the output begins.
int Written(std::ostream& out, std::ostream& errors, int status) {
    out.flush();
    if (out) return status;
    const int error = errno;
    if (error == EPIPE)
        return BadInput(errors, Say(RZ_TEXT("PdfExport",
                                            "Nie można wypisać wyników na standardowe wyjście: odbiorca "
                                            "wyników zakończył czytanie (zamknięty potok).")));
    if (error == ENOSPC)
        return BadInput(errors, Say(RZ_TEXT("PdfExport",
                                            "Nie można wypisać wyników na standardowe wyjście: brak "
                                            "miejsca na dysku.")));
    return BadInput(errors, Say(RZ_TEXT("PdfExport", "Nie można wypisać wyników na standardowe wyjście.")));
}

// Tells what the reading skipped; true when it skipped anything.
bool ReportSkipped(const movement::SchemeLines& lines, std::ostream& errors) {
    const std::string notice = movement::SkippedLinesNotice(language::Interface(), lines.leftOut, lines.tooLong);
    if (!notice.empty()) errors << notice << '\n';
    return !notice.empty();
}

// The data folders hold the shipped files only, so any other name is looked for, and reported
// missing, in the working folder alone.
std::vector<std::string> DataFoldersFor(const ExportRequest& request) {
    if (movement::ShippedSourceText(request.schemeFile).empty()) return {};
    return request.dataFolders;
}

int ListLines(const ExportRequest& request, std::ostream& out, std::ostream& errors) {
    const movement::Result<movement::SchemeLines> read =
        movement::ReadSchemeFile(request.schemeFile, DataFoldersFor(request));
    if (!read.accepted()) return BadInput(errors, language::Interface().Say(read.text()));
    const movement::SchemeLines& lines = read.value();
    errno = 0;
    for (std::size_t k = 0; k < lines.lines.size(); ++k)
        out << k + 1 << ": " << movement::CatalogueListLine(lines.lines[k]) << '\n';
    ReportSkipped(lines, errors);
    return Written(out, errors, 0);
}

// Every line as a typed scheme is checked. Fails when a line fails or was skipped, and says which.
int CheckLines(const ExportRequest& request, std::ostream& out, std::ostream& errors) {
    const movement::Result<movement::SchemeLines> read =
        movement::ReadSchemeFile(request.schemeFile, DataFoldersFor(request));
    if (!read.accepted()) return BadInput(errors, language::Interface().Say(read.text()));
    const movement::SchemeLines& lines = read.value();
    std::string failed;
    errno = 0;
    for (std::size_t k = 0; k < lines.lines.size(); ++k) {
        const auto checked = movement::CheckSchemeLine(lines.lines[k]);
        out << k + 1 << ": " << (checked.accepted() ? std::string("OK") : language::Interface().Say(checked.text()))
            << '\n';
        if (!checked.accepted()) failed += (failed.empty() ? "" : ", ") + std::to_string(k + 1);
    }
    if (!failed.empty()) errors << Say(RZ_TEXT("PdfExport", "Błędne linie: %1."), {failed}) << '\n';
    const bool skipped = ReportSkipped(lines, errors);
    // A file with nothing to check is no scheme file that passed (a wrong file, or one whose lines
    // end in CR alone and so make one commented line).
    const bool none = lines.lines.empty();
    if (none)
        errors << Say(RZ_TEXT("PdfExport", "W pliku %1 nie ma żadnej linii schematu, więc nie ma czego sprawdzić."),
                      {request.schemeFile})
               << '\n';
    return Written(out, errors, failed.empty() && !skipped && !none ? 0 : 1);
}

// The movement as the director would set it up in the windows, step by step.
Outcome SetUpMovement(const ExportRequest& request, MovementState& state) {
    const std::string source = request.source.value_or(movement::ShippedSourceText(request.schemeFile));
    state.DataFolders = DataFoldersFor(request);
    const auto load = movement::LoadSchemeFile(state, request.schemeFile, source);
    if (!load.accepted()) return load;
    if (request.line > static_cast<int>(load.value().listLines.size()))
        return Outcome::Refused(Say(RZ_TEXT("PdfExport", "Plik %1 nie ma linii schematu numer %2 (ma ich %3)."),
                                    {request.schemeFile, std::to_string(request.line),
                                     std::to_string(load.value().listLines.size())}));
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
        movement::PrepareMovementForPrinting(state, movement::NoItemSelected);
    }

    state.PrintFrom = request.from.value_or(1);
    state.PrintTo = request.to.value_or(state.TableCount);
    return Outcome::Accepted();
}

// A movement that fails the checks still prints, as the windows print it, but not silently: the
// warning, said once the cards are out (empty for a sound movement).
std::string UnsoundWarning(const MovementState& state, printing::Product product) {
    const std::vector<movement::TableSeat> tables(state.Seating.begin() + 1,
                                                  state.Seating.begin() + 1 + state.TableCount);
    const Outcome sound = movement::DiagnoseMovement(state.RoundCount, tables);
    if (sound.accepted()) return {};
    // The fault found, then the sentence that says the cards were printed anyway.
    return Say(RZ_TEXT("PdfExport", "Uwaga: schemat nie przechodzi sprawdzenia: %1 %2"),
               {language::Interface().Say(sound.text()),
                printing::PrintedAnywaySentence(language::Interface(), printing::InfoOf(product).sentences)}) +
           "\n";
}

int ExportPrint(const ExportRequest& request, std::ostream& errors) {
    MovementState state;
    if (const Outcome ready = SetUpMovement(request, state); !ready.accepted())
        return BadInput(errors, language::Interface().Say(ready.text()));
    // No card may show two pairs under one number, as the window refuses to print them.
    if (const Outcome distinct = movement::CheckNumbersDistinct(state); !distinct.accepted())
        return BadInput(errors, language::Interface().Say(distinct.text()));
    // The director names the absent pair by the number the cards print.
    const movement::Result<int32_t> absent = movement::AbsentPairFromPrinted(state, request.absentPair);
    if (!absent.accepted()) return BadInput(errors, language::Interface().Say(absent.text()));
    const std::string unsound = UnsoundWarning(state, request.product);

    // The page as a PDF file gets it, laid out here: a file needs no print server, which a
    // printer object would ask for its default printer.
    printing::PdfSettings settings;
    settings.layout = printing::PdfPageLayout(PageSizeOf(request.paper));
    settings.resolution = request.resolution;
    const printing::PrintRun run = [&](printing::PrintSurface& surface, const printing::PageMetrics& page) {
        printing::RunRequest asked;
        asked.first = state.PrintFrom;
        asked.last = state.PrintTo;
        asked.absentPair = absent.value();
        asked.boardsPerSet = request.boardsPerSet;
        asked.event = request.event;
        asked.words = &language::TranslationsOf(request.cardLanguage.value_or(language::Interface().language()));
        return printing::PrintProduct(request.product, state, page, asked, surface);
    };
    printing::Destination destination;
    if (request.printer.empty()) {
        destination.toFile = true;
        destination.file = request.output;
        // The file read, wherever it was found, is no place for the cards.
        const auto located = movement::LocateSchemeFile(request.schemeFile, DataFoldersFor(request));
        destination.inputs = {located.accepted() ? located.value() : request.schemeFile};
    } else {
        destination.job.printer = request.printer;
        destination.job.settings.paper = settings.layout.pageSize().key().toStdString();
    }
    printing::PrintReport what;
    what.sentences = printing::InfoOf(request.product).sentences;
    what.cards = movement::ClampPrintRange(state, state.PrintFrom, state.PrintTo).Count();
    const auto delivered = printing::Deliver(language::Interface(), destination, settings, what, run);
    if (!delivered.accepted()) return BadInput(errors, language::Interface().Say(delivered.text()));
    errors << unsound;
    // A job waiting in the queue has been taken: a warning, not a failure.
    if (const std::string waiting = printing::WaitingNotice(language::Interface(), delivered.value()); !waiting.empty())
        errors << Say(RZ_TEXT("PdfExport", "Uwaga: %1"), {waiting}) << '\n';
    return 0;
}

}  // namespace

int RunExport(const ExportRequest& request, std::ostream& out, std::ostream& errors) {
    switch (request.mode) {
        case ExportRequest::Mode::Help:
            errno = 0;
            out << UsageText();
            return Written(out, errors, 0);
        case ExportRequest::Mode::Version:
            errno = 0;
            out << "rozstawiki-pdf " << ROZSTAWIKI_VERSION << '\n';
            return Written(out, errors, 0);
        case ExportRequest::Mode::List:
            return ListLines(request, out, errors);
        case ExportRequest::Mode::Check:
            return CheckLines(request, out, errors);
        case ExportRequest::Mode::Export:
            break;
    }
    return ExportPrint(request, errors);
}

}  // namespace pdfexport
