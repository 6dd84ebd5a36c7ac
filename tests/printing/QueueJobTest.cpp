// SPDX-License-Identifier: GPL-3.0-or-later
// A job sent to a print server, timed in this process around the call itself: a whole run's
// start-up would blur the time limit. The jobs are given a limit of a second or three; the
// program's own is ServerAnswerSeconds, and the messages name the limit the job had.

#include "MisbehavingPrintServer.h"
#include "PrivatePrintServer.h"
#include "support/PrintRuns.h"

#include "printing/Products.h"
#include "printing/output/Delivery.h"
#include "printing/output/PrintServerJob.h"

#include <QPageSize>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>

namespace {

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// A server that keeps sending is never silent, and libcups never stops reading it.
TEST(PrintServerTimeLimit, HoldsForAServerThatKeepsSending) {
    printing::QueueJob job;
    job.printer = "Biuro";
    job.title = "Rozstawiki 7 rund 4 stoły, stoły 1-4";
    job.notSent = "Rozstawików nie wysłano.";
    job.answerSeconds = 1;
    const std::string pdf = "%PDF-1.4\n%%EOF\n";
    // The first call loads the print server's module, which takes no part in the limit.
    ::setenv("CUPS_SERVER", "/nonexistent/rozstawiki-cups.sock", 1);
    EXPECT_EQ(printing::SendPdfToQueue(job, pdf).message(),
              "Brak połączenia z serwerem wydruku (CUPS), więc nie można drukować na drukarce Biuro. Rozstawików nie "
              "wysłano.");

    const printtest::MisbehavingServer flood("flood");
    ::setenv("CUPS_SERVER", flood.Socket().c_str(), 1);
    const auto start = std::chrono::steady_clock::now();
    const auto sent = printing::SendPdfToQueue(job, pdf);
    const double seconds = SecondsSince(start);
    ::unsetenv("CUPS_SERVER");
    EXPECT_EQ(sent.message(),
              "Serwer wydruku (CUPS) nie odpowiada (czekano 1 s), więc nie można drukować na drukarce Biuro. "
              "Rozstawików nie wysłano.");
    EXPECT_GE(seconds, job.answerSeconds - 0.1);
    EXPECT_LT(seconds, job.answerSeconds + 0.8);
}

// The export's road onto a queue (Deliver), table cards of one page, through the server at
// `server`, with a limit of `seconds`.
movement::Result<printing::PrintReport> DeliverToQueue(const std::string& printer, const std::string& server,
                                                       int seconds) {
    printing::Destination destination;
    destination.job.printer = printer;
    destination.job.settings.paper = "A4";
    destination.job.answerSeconds = seconds;
    printing::PdfSettings settings;
    settings.layout = printing::PdfPageLayout(QPageSize(QPageSize::A4));
    settings.resolution = 150;
    printing::PrintReport what;
    what.sentences = printing::InfoOf(printing::Product::TableCards).sentences;
    what.cards = 1;
    const printing::PrintRun run = [](printing::PrintSurface& surface, const printing::PageMetrics&) {
        if (auto begun = surface.BeginDoc("Rozstawiki 7 rund 4 stoły, stoły 1-1"); !begun.accepted()) return begun;
        surface.TextOut(100, 100, "Stół 1");
        return surface.EndDoc();
    };
    ::setenv("CUPS_SERVER", server.c_str(), 1);
    auto delivered = printing::Deliver(printing::PolishCardWords(), destination, settings, what, run);
    ::unsetenv("CUPS_SERVER");
    return delivered;
}

// Silent, or answering a byte a second: neither finishes, and the job ends at its limit.
TEST(PrintServerTimeLimit, ASilentServerOrOneAnsweringByteByByteEndsTheJobWithTheReason) {
    for (const std::string mode : {"silent", "trickle"}) {
        const printtest::MisbehavingServer server(mode);
        const auto start = std::chrono::steady_clock::now();
        const auto delivered = DeliverToQueue("Biuro", server.Socket(), 1);
        const double seconds = SecondsSince(start);
        EXPECT_EQ(delivered.message(),
                  "Serwer wydruku (CUPS) nie odpowiada (czekano 1 s), więc nie można drukować na drukarce Biuro. "
                  "Rozstawików nie wysłano.")
            << mode;
        EXPECT_GE(seconds, 0.9) << mode;
        EXPECT_LT(seconds, 3.0) << mode;
    }
}

// The server takes the document and keeps silent: the cards are not told sent, nor not sent, but
// to be looked for in the queue, where they are indeed printed. The limit is three seconds: the
// document must reach the server through the one in front of it first, also on a busy machine.
TEST(PrintServerTimeLimit, CardsTheServerTookInSilenceAreToldToBeLookedForAndDoPrint) {
    const printtest::PdfQueue queue("Milczenie");
    const printtest::MisbehavingServer silentAtDocument("silent-at-document", 1, printtest::ServerSocket());
    const auto delivered = DeliverToQueue(queue.Name(), silentAtDocument.Socket(), 3);
    EXPECT_EQ(delivered.message(), "Serwer wydruku (CUPS) nie potwierdził w ciągu 3 s przyjęcia zadania dla drukarki " +
                                       queue.Name() +
                                       ", więc nie wiadomo, czy się wydrukuje. Sprawdź kolejkę drukarki, zanim "
                                       "wyślesz je ponownie.");
    EXPECT_EQ(queue.PrintedFiles().size(), 1u);
}

}  // namespace
