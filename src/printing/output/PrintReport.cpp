// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintReport.h"

#include "movement/FileNames.h"

#include <filesystem>

namespace printing {

namespace {

// Whether what was printed is one thing, for the verb that follows it.
bool OneThing(const PrintReport& report) {
    return report.nouns.oneThing || (report.nouns.printedThings == nullptr && report.cards == 1);
}

// The nouns begin with a small letter of ASCII.
std::string SentenceStart(const char* noun) {
    std::string sentence = noun;
    if (!sentence.empty() && sentence[0] >= 'a' && sentence[0] <= 'z')
        sentence[0] = static_cast<char>(sentence[0] - 'a' + 'A');
    return sentence;
}

}  // namespace

std::string CardCount(const movement::Catalogue& words, int64_t cards) {
    return words.Say(movement::Text{RZ_TEXT_N("reports", "%n rozstawików"), {}, cards});
}

std::string PrintedThings(const movement::Catalogue& words, const PrintReport& report) {
    const char* noun = report.nouns.printedThings;
    return noun != nullptr ? noun : CardCount(words, report.cards);
}

std::string Confirmation(const movement::Catalogue& words, const PrintReport& report) {
    if (report.toFile)
        return "Zapisano " + PrintedThings(words, report) + " w pliku " +
               movement::NameOf(movement::PathOf(report.destination).filename()) + ".";
    const std::string sent = "Wysłano " + PrintedThings(words, report) +
                             (report.destination.empty() ? " do druku" : " do drukarki " + report.destination);
    if (report.fate == JobFate::Printing) return sent + ".";
    if (report.fate == JobFate::HandedToSpooler)
        return "Przekazano " + PrintedThings(words, report) + " do kolejki wydruku drukarki " + report.destination +
               ". Co dalej dzieje się z zadaniem, program nie wie – widać to w kolejce drukarki w systemie Windows.";
    return sent + (OneThing(report) ? " – czeka w kolejce." : " – czekają w kolejce.");
}

std::string WaitingNotice(const movement::Catalogue& words, const PrintReport& report) {
    const std::string job = "Zadanie (" + PrintedThings(words, report) + ")";
    switch (report.fate) {
        case JobFate::WaitingPrinterStopped:
            return "Drukarka " + report.destination + " jest zatrzymana.\n" + job +
                   " czeka w jej kolejce i wydrukuje się, gdy drukarka zostanie wznowiona.";
        case JobFate::WaitingJobHeld:
            return job + " zostało wstrzymane w kolejce drukarki " + report.destination +
                   " i wydrukuje się dopiero po zwolnieniu.";
        case JobFate::Printing:
        case JobFate::HandedToSpooler:
            break;
    }
    return {};
}

std::string NotSentSentence(const ProductNouns& nouns) { return SentenceStart(nouns.notSent) + " nie wysłano."; }

std::string PrintedAnywaySentence(const ProductNouns& nouns) {
    return SentenceStart(nouns.printed) + " wydrukowano mimo to.";
}

}  // namespace printing
