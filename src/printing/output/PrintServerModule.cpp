// SPDX-License-Identifier: GPL-3.0-or-later
// The entry of the print server's module: everything else in it stays hidden.
#include "PrintServerModule.h"

extern "C" __attribute__((visibility("default"))) const printing::PrintServerCalls* rozstawiki_print_server_calls() {
    static const printing::PrintServerCalls calls{&printing::SetWhileWaiting, &printing::SendPdfToQueue,
                                                  &printing::CheckPrintServerAnswers, &printing::WithoutPrintServer};
    return &calls;
}
