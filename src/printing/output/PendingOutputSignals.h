// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace printing {

// A pending output file is removed, and names changed half-way are put back in order, also when
// the program ends on a signal it may catch (SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGUSR1, SIGUSR2,
// SIGALRM, SIGVTALRM, SIGPROF, SIGXCPU and the like, unless they are ignored) or on a crash
// (SIGABRT, SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGTRAP, SIGSYS); a file grown past the size limit
// fails its write instead of ending the program.
void RemovePendingOutputOnSignals();

// The same, at once, for a program that ends another way (std::terminate); it must end right after.
void RemovePendingOutputNow();

}  // namespace printing
