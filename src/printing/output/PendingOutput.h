// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/output/OutputTarget.h"

#include "movement/Result.h"

#include <string>
#include <vector>

namespace printing {

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
    int fd() const { return fd_; }

    // Flushes the file to the disk and puts it in the target's place: a new file only where no
    // file has appeared meanwhile, an old one only while it is still the file checked. The new
    // file gets the old one's owner, extended attributes (ACLs among them) and mode; where they
    // cannot be kept (another user's file) or the file has other names (hard links), the finished
    // PDF is written over the old file in place, once the room for it is reserved, or refused.
    // `writeError` is an error the writer met on the way (0 for none); any error removes the
    // pending file and is refused with its reason.
    movement::Outcome Commit(int writeError);

private:
    PendingOutput(int folder, std::string name, std::string temporary, std::string shownName, OutputTarget target,
                  int fd);
    void Drop();
    int KeepWhatTheOldFileHad() const;
    movement::Outcome Refused(const std::string& reason);
    movement::Outcome PutInPlace();
    movement::Outcome ReplaceTheOldFile();
    movement::Outcome ReplaceWithoutSwapping(int oldFd);
    movement::Outcome WriteOverTheOldFile();

    int folder_ = -1;        // the target's folder, open (and locked), so that every step acts in the same one
    std::string name_;       // the target's name in it
    std::string temporary_;  // the pending file's name in it; empty while it has none
    std::string shownName_;
    OutputTarget target_;
    int fd_ = -1;
};

}  // namespace printing
