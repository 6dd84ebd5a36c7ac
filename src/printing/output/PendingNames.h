// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The names an output file passes through on its way into place, and who puts them right when a
// run ends half-way: the signal handler for signals it can catch, and a guardian process of the
// run's own for SIGKILL and crashes. Unix only.
#include <array>
#include <climits>
#include <csignal>
#include <string>
#include <sys/types.h>

namespace printing {

struct PendingNames {
    int folder = -1;                             // the target's folder, held open
    std::array<char, NAME_MAX + 1> name{};       // the target's name in it
    std::array<char, NAME_MAX + 1> temporary{};  // the pending file's, empty while it has none
    std::array<char, NAME_MAX + 1> aside{};      // the old file's while it is taken aside, else empty
    dev_t device = 0;
    ino_t pending = 0;  // the new cards; 0 while the file is being made (then what the name holds is ours)
    ino_t old = 0;      // the file checked, 0 for a new file

    void SetName(std::array<char, NAME_MAX + 1>& field, const std::string& value);
};

// Puts the names back in order after a run that ended half-way: the pending file goes, the old
// file that was replaced goes, and a file that is not the one checked, taken aside or swapped
// out, goes back to its name. System calls only: safe in a signal handler and in a forked child.
void RecoverPendingNames(const PendingNames& names) noexcept;

// While one lives, the signals the program may catch wait (blocked in this thread, deferred by
// the handler in any other) and are handled when it ends: a handler never acts on names that are
// half-way between two states. Held signals nest within a thread.
class HeldSignals {
public:
    HeldSignals();
    ~HeldSignals();
    HeldSignals(const HeldSignals&) = delete;
    HeldSignals& operator=(const HeldSignals&) = delete;

private:
    sigset_t previous_{};
    bool outermost_ = false;
};

// The names as they will be after the next step, told to the signal handler and to the guardian
// (started at the first call) before the step is taken. Only with signals held.
void KeepPendingNames(const PendingNames& names);

// The names in `folder` are in order: nothing is left to put right, and the guardian ends.
void LetGoOfPendingNames(int folder);

// For the signal handler: the names it puts right, and when the names in `folder` need nothing
// more. Only with signals held.
void RecordForSignalHandler(const PendingNames& names);
void ForgetForSignalHandler(int folder);

}  // namespace printing
