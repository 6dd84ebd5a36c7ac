// SPDX-License-Identifier: GPL-3.0-or-later
#include "PendingOutputSignals.h"

#include "PendingNames.h"

#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <pthread.h>
#include <unistd.h>

namespace printing {

namespace {

// Signals that end the program and that it may catch, and those of a crash, which come from
// the faulting instruction itself and cannot wait.
constexpr std::array EndingSignals = {SIGINT,    SIGTERM, SIGHUP,  SIGQUIT, SIGUSR1,   SIGUSR2, SIGALRM,
                                      SIGVTALRM, SIGPROF, SIGXCPU, SIGPWR,  SIGSTKFLT, SIGIO};
constexpr std::array CrashSignals = {SIGABRT, SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGTRAP, SIGSYS};

bool IsCrash(int signal) {
    for (const int crash : CrashSignals)
        if (crash == signal) return true;
    return false;
}

// Idle: the handler may put the names right; Holding: a thread is changing them, and a signal
// waits for it; Ending: a handler is at work and the program ends.
enum Phase : int { Idle, Holding, Ending };
std::atomic<int> phase{Idle};
std::atomic<int> deferred{0};
static_assert(std::atomic<int>::is_always_lock_free, "the handler needs lock-free atomics");

// The names the handler puts right; changed only while signals are held.
PendingNames recorded;
bool recordedSet = false;

thread_local int holdDepth = 0;

void EndBy(int signal) {
    struct sigaction standard {};
    standard.sa_handler = SIG_DFL;
    ::sigaction(signal, &standard, nullptr);
    ::raise(signal);  // delivered, with its default action, once the handler returns
}

extern "C" void PutNamesRightAndEnd(int signal) {
    const int saved = errno;
    int expected = Idle;
    if (phase.compare_exchange_strong(expected, Ending)) {
        if (recordedSet) RecoverPendingNames(recorded);
    } else if (expected == Holding && !IsCrash(signal)) {
        deferred = signal;
        errno = saved;
        return;
    } else if (expected == Ending) {
        // Another thread is putting the names right, and ends the program when done.
        for (;;) ::pause();
    }
    // A crash while the names are changing: the guardian process puts them right.
    EndBy(signal);
    errno = saved;
}

// A crash by stack overflow needs a stack of its own for the handler.
void GiveTheHandlerAStack() {
    static std::array<char, std::size_t{64} * 1024> stack{};
    stack_t alternate{};
    alternate.ss_sp = stack.data();
    alternate.ss_size = stack.size();
    ::sigaltstack(&alternate, nullptr);
}

}  // namespace

HeldSignals::HeldSignals() {
    if (holdDepth++ > 0) return;
    outermost_ = true;
    sigset_t held;
    sigfillset(&held);
    for (const int crash : CrashSignals) sigdelset(&held, crash);
    ::pthread_sigmask(SIG_BLOCK, &held, &previous_);
    int expected = Idle;
    while (!phase.compare_exchange_weak(expected, Holding)) {
        if (expected == Ending)
            for (;;) ::pause();  // the program is ending on another thread's signal
        expected = Idle;
    }
}

HeldSignals::~HeldSignals() {
    --holdDepth;
    if (!outermost_) return;
    phase = Idle;
    const int waiting = deferred.exchange(0);
    // A signal sent to this thread meanwhile is handled as the mask comes off.
    ::pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
    if (waiting != 0) ::raise(waiting);
}

void RecordForSignalHandler(const PendingNames& names) {
    recorded = names;
    recordedSet = true;
}

void ForgetForSignalHandler(int folder) {
    if (recorded.folder == folder) recordedSet = false;
}

void RemovePendingOutputNow() {
    int expected = Idle;
    // While names are changing the guardian puts them right once the program has ended.
    if (phase.compare_exchange_strong(expected, Ending) && recordedSet) RecoverPendingNames(recorded);
}

void RemovePendingOutputOnSignals() {
    GiveTheHandlerAStack();
    const auto catchIt = [](int signal) {
        // A signal someone chose to ignore (nohup) stays ignored, and a handler of someone
        // else's (a sanitizer's) stays.
        struct sigaction now {};
        if (::sigaction(signal, nullptr, &now) != 0 || now.sa_handler != SIG_DFL) return;
        struct sigaction handling {};
        handling.sa_handler = PutNamesRightAndEnd;
        handling.sa_flags = SA_ONSTACK;
        sigemptyset(&handling.sa_mask);
        ::sigaction(signal, &handling, nullptr);
    };
    for (const int signal : EndingSignals) catchIt(signal);
    for (const int signal : CrashSignals) catchIt(signal);
    std::signal(SIGXFSZ, SIG_IGN);
}

}  // namespace printing
