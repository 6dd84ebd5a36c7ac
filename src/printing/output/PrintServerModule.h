// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/output/PrintServerJob.h"

#include <functional>
#include <string_view>

namespace printing {

// The calls of QueueJob.h and PrintServerJob.h as the print server's module (QueueJob.cpp on libcups, built apart)
// hands them to the programs, which load it at their first talk with the print server: libcups
// and the libraries it pulls in (TLS, Kerberos, service discovery) cost more at start than the
// whole window toolkit.
struct PrintServerCalls {
    void (*setWhileWaiting)(std::function<void()> whileWaiting);
    movement::Result<JobFate> (*sendPdfToQueue)(const QueueJob& job, std::string_view pdf);
    movement::Outcome (*checkPrintServerAnswers)(int seconds);
    void (*withoutPrintServer)(const std::function<void()>& make);
};

// The module's one exported function, which returns its calls.
inline constexpr const char* PrintServerEntry = "rozstawiki_print_server_calls";
using PrintServerEntryFunction = const PrintServerCalls* (*)();

}  // namespace printing
