// SPDX-License-Identifier: GPL-3.0-or-later
// A job sent to a print server, timed in this process around the call itself: a whole run's
// start-up would blur the time limit.

#include "MisbehavingPrintServer.h"

#include "printing/output/QueueJob.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>

namespace {

// A server that keeps sending is never silent, and libcups never stops reading it.
TEST(PrintServerTimeLimit, HoldsForAServerThatKeepsSending) {
    printing::QueueJob job;
    job.printer = "Biuro";
    job.title = "Rozstawiki 7 rund 4 stoły, stoły 1-4";
    job.notSent = "Rozstawików nie wysłano.";
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
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    ::unsetenv("CUPS_SERVER");
    EXPECT_EQ(sent.message(),
              "Serwer wydruku (CUPS) nie odpowiada (czekano 15 s), więc nie można drukować na drukarce Biuro. "
              "Rozstawików nie wysłano.");
    EXPECT_GE(seconds, printing::ServerAnswerSeconds - 0.1);
    EXPECT_LT(seconds, printing::ServerAnswerSeconds + 0.8);
}

}  // namespace
