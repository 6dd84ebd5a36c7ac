// SPDX-License-Identifier: GPL-3.0-or-later
// The words of a job that a queue did not take, the same for the CUPS queue and the Windows
// spooler.
#include "QueueTexts.h"

#include <utility>

namespace printing {

movement::Text NoPrinterChosen() {
    return {RZ_TEXT("queues", "Nie wybrano drukarki – wybierz ją w ustawieniach druku.")};
}

movement::Text NotSent(const QueueJob& job, movement::TextId sentence, std::vector<std::string> arguments) {
    arguments.push_back(job.notSent);
    return {sentence, std::move(arguments)};
}

movement::Text NoSuchPrinter(const QueueJob& job, PrinterPlace place) {
    // %1 is the printer, %2 the sentence naming what was not sent.
    const bool windows = place == PrinterPlace::Windows;
    if (job.chosenEarlier)
        return NotSent(job,
                       windows ? RZ_TEXT("queues",
                                         "Drukarki %1 nie ma już w systemie Windows: usunięto ją po wybraniu w "
                                         "ustawieniach druku. %2\nWybierz drukarkę ponownie (Ustawienia Druku).")
                               : RZ_TEXT("queues",
                                         "Drukarki %1 nie ma już na serwerze wydruku: usunięto ją po wybraniu w "
                                         "ustawieniach druku. %2\nWybierz drukarkę ponownie (Ustawienia Druku)."),
                       {job.printer});
    return NotSent(job,
                   windows ? RZ_TEXT("queues", "Nie ma drukarki %1 w systemie Windows. %2")
                           : RZ_TEXT("queues", "Nie ma drukarki %1 na serwerze wydruku. %2"),
                   {job.printer});
}

}  // namespace printing
