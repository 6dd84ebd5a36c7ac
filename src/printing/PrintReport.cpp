#include "PrintReport.h"

#include "movement/PolishPlural.h"

#include <filesystem>

namespace printing {

namespace {

constexpr movement::NounForms Cards{"rozstawik", "rozstawiki", "rozstawików"};

}  // namespace

std::string CardCount(int64_t cards) { return movement::Counted(cards, Cards); }

std::string Confirmation(const PrintReport& report) {
    if (report.toFile)
        return "Zapisano " + CardCount(report.cards) + " w pliku " +
               std::filesystem::path(report.destination).filename().string() + ".";
    const std::string sent = "Wysłano " + CardCount(report.cards) +
                             (report.destination.empty() ? " do druku" : " do drukarki " + report.destination);
    if (report.fate == JobFate::Printing) return sent + ".";
    return sent + " – czekają w kolejce.";
}

std::string WaitingNotice(const PrintReport& report) {
    const std::string job = "Zadanie (" + CardCount(report.cards) + ")";
    switch (report.fate) {
        case JobFate::WaitingPrinterStopped:
            return "Drukarka " + report.destination + " jest zatrzymana.\n" + job +
                   " czeka w jej kolejce i wydrukuje się, gdy drukarka zostanie wznowiona.";
        case JobFate::WaitingJobHeld:
            return job + " zostało wstrzymane w kolejce drukarki " + report.destination +
                   " i wydrukuje się dopiero po zwolnieniu.";
        case JobFate::Printing:
            break;
    }
    return {};
}

}  // namespace printing
