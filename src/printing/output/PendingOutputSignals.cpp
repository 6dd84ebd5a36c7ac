// SPDX-License-Identifier: GPL-3.0-or-later
#include "PendingOutputSignals.h"

#include <array>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace printing {

namespace {

// The pending file's folder and name for the signal handler, which may only call what is safe there.
std::array<char, 512> pendingName{};
volatile std::sig_atomic_t pendingFolder = -1;
volatile std::sig_atomic_t pendingNameSet = 0;

extern "C" void RemovePendingAndEnd(int signal) {
    if (pendingNameSet != 0) ::unlinkat(pendingFolder, pendingName.data(), 0);
    ::signal(signal, SIG_DFL);
    ::raise(signal);
}

}  // namespace

void RememberPending(int folder, const std::string& name) {
    pendingNameSet = 0;
    if (name.size() >= pendingName.size()) return;
    std::memcpy(pendingName.data(), name.c_str(), name.size() + 1);
    pendingFolder = folder;
    pendingNameSet = 1;
}

void ForgetPending() { pendingNameSet = 0; }

void RemovePendingOutputOnSignals() {
    // A signal someone chose to ignore (nohup) stays ignored.
    for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGUSR1, SIGUSR2, SIGALRM, SIGVTALRM, SIGPROF, SIGXCPU,
                             SIGPWR, SIGSTKFLT, SIGIO}) {
        struct sigaction now {};
        if (::sigaction(signal, nullptr, &now) != 0 || now.sa_handler != SIG_DFL) continue;
        struct sigaction removing {};
        removing.sa_handler = RemovePendingAndEnd;
        sigemptyset(&removing.sa_mask);
        ::sigaction(signal, &removing, nullptr);
    }
    std::signal(SIGXFSZ, SIG_IGN);
}

}  // namespace printing
