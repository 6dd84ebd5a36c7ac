// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace printing {

// A named pending file is removed also when the program ends on a signal it may catch (SIGINT,
// SIGTERM, SIGHUP, SIGQUIT, SIGUSR1, SIGUSR2, SIGALRM, SIGVTALRM, SIGPROF, SIGXCPU and the like,
// unless they are ignored); a file grown past the size limit fails its write instead of ending
// the program.
void RemovePendingOutputOnSignals();

// The named pending file the signal handler removes: one at a time, in a folder held open.
void RememberPending(int folder, const std::string& name);
void ForgetPending();

}  // namespace printing
