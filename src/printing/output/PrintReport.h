// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/output/JobFate.h"
#include "printing/product/ProductSentences.h"

#include "movement/Text.h"

#include <cstdint>
#include <string>

namespace printing {

// What a print run did, for the director.
struct PrintReport {
    ProductSentences sentences{};  // the printed product's, from its row of the table of products
    int32_t cards = 0;             // table cards, copies included
    bool toFile = false;
    std::string destination;  // the printer's name or the file's path; empty for a surface of a test's own
    JobFate fate = JobFate::Printing;
};

// One short line on what happened: "Wysłano 4 rozstawiki do drukarki PDF.", "Zapisano 4
// rozstawiki w pliku karty.pdf." (the file's name without its folder); on Windows what the
// spooler took and that the program knows no more.
std::string Confirmation(const movement::Catalogue& words, const PrintReport& report);

// Why the cards wait in the queue and when they will print; empty for a job that prints.
std::string WaitingNotice(const movement::Catalogue& words, const PrintReport& report);

// What a failed run says it did not send: "Kart par nie wysłano."
std::string NotSentSentence(const movement::Catalogue& words, const ProductSentences& sentences);

// What a warning after a run says was printed all the same: "Karty par wydrukowano mimo to."
std::string PrintedAnywaySentence(const movement::Catalogue& words, const ProductSentences& sentences);

}  // namespace printing
