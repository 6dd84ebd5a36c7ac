// SPDX-License-Identifier: GPL-3.0-or-later
// The words of a job that a queue did not take, the same for the CUPS queue and the Windows
// spooler.
#include "QueueTexts.h"

namespace printing {

std::string NoPrinterChosen() { return "Nie wybrano drukarki – wybierz ją w ustawieniach druku."; }

std::string NotSent(const QueueJob& job, const std::string& sentence) {
    return job.notSent.empty() ? sentence : sentence + " " + job.notSent;
}

std::string NoSuchPrinter(const QueueJob& job, PrinterPlace place) {
    const std::string where = place == PrinterPlace::Windows ? "w systemie Windows" : "na serwerze wydruku";
    if (job.chosenEarlier)
        return NotSent(job, "Drukarki " + job.printer + " nie ma już " + where +
                                ": usunięto ją po wybraniu w ustawieniach druku.") +
               "\nWybierz drukarkę ponownie (Ustawienia Druku).";
    return NotSent(job, "Nie ma drukarki " + job.printer + " " + where + ".");
}

}  // namespace printing
