// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/output/OutputTarget.h"

#include "movement/Result.h"

#include <cstdint>
#include <string>
#include <vector>

namespace printing {

struct Hitch;

// The target's folder, held from the choice of the target to its replacement.
struct HeldFolder {
    bool held = false;
    std::intptr_t handle = -1;  // the system's own: the open folder on Unix, a lock on Windows (-1 for none)
    FileIdentity identity;
};

// What the system's steps hold of a file being written, in plain values each system fills its
// own way (OutputSteps.h).
struct PendingFile {
    HeldFolder folder;
    std::string name;       // the target as the steps name it: in the folder on Unix, whole on Windows
    std::string temporary;  // the pending file's name, likewise; empty while it has none
    int fd = -1;            // the pending file, open for writing
};

// The cards being written to a file that has no name until it is complete and safely on the disk
// (where the file system cannot make one, to a hidden file beside the target), which then takes
// the target's place. Until then the target is as it was; a write that fails, a pending file that
// is dropped and a program that is killed leave no trace. Runs of the program that write into
// one folder do so one after another: from the choice of the target to its replacement, each
// holds the folder's lock.
class PendingOutput {
public:
    // The output chosen (see ChooseOutputTarget; `inputs` are the scheme files being read) once
    // no other run of the program is writing there, and the pending file begun.
    static movement::Result<PendingOutput> Begin(const std::string& output, const std::vector<std::string>& inputs);
    PendingOutput(PendingOutput&& other) noexcept;
    PendingOutput& operator=(PendingOutput&&) = delete;
    PendingOutput(const PendingOutput&) = delete;
    PendingOutput& operator=(const PendingOutput&) = delete;
    ~PendingOutput();

    // The open file to write the PDF to.
    int fd() const { return file_.fd; }

    // Flushes the file to the disk and puts it in the target's place: a new file only where no
    // file has appeared meanwhile, an old one only while it is still the file checked. The new
    // file gets the old one's owner, extended attributes (ACLs among them) and mode; where they
    // cannot be kept (another user's file) or the file has other names (hard links), the finished
    // PDF is written over the old file in place, once the room for it is reserved, or refused.
    // `writeError` is an errno value the writer met on the way (0 for none); any error removes
    // the pending file and is refused with its reason.
    movement::Outcome Commit(int writeError);

private:
    PendingOutput(PendingFile file, OutputTarget target, std::string shownName);
    void Drop();
    movement::Outcome Refused(const Hitch& hitch);

    PendingFile file_;
    OutputTarget target_;
    std::string shownName_;
};

}  // namespace printing
