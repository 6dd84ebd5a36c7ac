// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "movement/Text.h"

namespace printing {

// The sentences a report, a warning or a failure says of a whole run, each written whole for its
// product: a product's name changes its case and its verb's number from sentence to sentence, so
// no sentence is glued from a noun. Each row of the table of products gives its own. Where the
// product is counted (table cards), the sentences that name it follow the count (%n), and only
// those are given one: a translation without plural forms has none to choose from.
struct ProductSentences {
    movement::TextId savedInFile;      // %1 the file's name: "Zapisano karty par w pliku %1."
    movement::TextId sentToPrinter;    // %1 the printer: "Wysłano karty par do drukarki %1."
    movement::TextId sentToPrint;      // to a surface of a test's own: "Wysłano karty par do druku."
    movement::TextId waitingInQueue;   // %1 the printer: "… – czekają w kolejce."
    movement::TextId handedToSpooler;  // %1 the printer; the Windows spooler tells nothing more
    movement::TextId printerStopped;   // %1 the printer: "Drukarka %1 jest zatrzymana.\nZadanie (…) czeka…"
    movement::TextId jobHeld;          // %1 the printer: "Zadanie (…) zostało wstrzymane…"
    movement::TextId notSent;          // "Kart par nie wysłano."
    movement::TextId printedAnyway;    // "Karty par wydrukowano mimo to."
    bool counted = false;              // the sentences up to jobHeld follow the cards' number (%n)
};

}  // namespace printing
