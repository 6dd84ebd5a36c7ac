// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintReport.h"

#include "movement/FileNames.h"

#include <filesystem>
#include <optional>

namespace printing {

namespace {

// One of the report's sentences, with the place it names, and the count where the product is
// counted.
std::string Said(const movement::Catalogue& words, const PrintReport& report, movement::TextId sentence,
                 const std::string& place) {
    std::optional<int64_t> count;
    if (report.sentences.counted) count = report.cards;
    return words.Say(movement::Text{sentence, {place}, count});
}

}  // namespace

std::string Confirmation(const movement::Catalogue& words, const PrintReport& report) {
    const ProductSentences& said = report.sentences;
    if (report.toFile)
        return Said(words, report, said.savedInFile, movement::NameOf(movement::PathOf(report.destination).filename()));
    if (report.destination.empty()) return Said(words, report, said.sentToPrint, {});
    switch (report.fate) {
        case JobFate::Printing:
            break;
        case JobFate::HandedToSpooler:
            return Said(words, report, said.handedToSpooler, report.destination);
        case JobFate::WaitingPrinterStopped:
        case JobFate::WaitingJobHeld:
            return Said(words, report, said.waitingInQueue, report.destination);
    }
    return Said(words, report, said.sentToPrinter, report.destination);
}

std::string WaitingNotice(const movement::Catalogue& words, const PrintReport& report) {
    switch (report.fate) {
        case JobFate::WaitingPrinterStopped:
            return Said(words, report, report.sentences.printerStopped, report.destination);
        case JobFate::WaitingJobHeld:
            return Said(words, report, report.sentences.jobHeld, report.destination);
        case JobFate::Printing:
        case JobFate::HandedToSpooler:
            break;
    }
    return {};
}

std::string NotSentSentence(const movement::Catalogue& words, const ProductSentences& sentences) {
    return words.Say(sentences.notSent);
}

std::string PrintedAnywaySentence(const movement::Catalogue& words, const ProductSentences& sentences) {
    return words.Say(sentences.printedAnyway);
}

}  // namespace printing
