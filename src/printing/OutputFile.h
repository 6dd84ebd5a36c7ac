#pragma once

#include "movement/Result.h"

#include <string>
#include <sys/types.h>
#include <vector>

namespace printing {

// Where the cards of a print to file go, decided before anything is written. Names are bytes,
// used as given: a name that is no UTF-8 is still the director's name.
struct OutputTarget {
    std::string path;  // the file to replace or create: for a symbolic link, the file it leads to
    bool exists = false;
    mode_t mode = 0;  // of the existing file, which the new one keeps
    uid_t owner = 0;
    gid_t group = 0;
};

// Refused, with the reason in Polish naming the output: a file that is one of `inputs` (a scheme
// file being read), anything but a regular file (a folder, a FIFO, a device), an existing file
// that is neither empty nor a PDF, a link that leads nowhere it can end, or a folder that does
// not exist.
movement::Result<OutputTarget> ChooseOutputTarget(const std::string& output, const std::vector<std::string>& inputs);

// The cards being written to a file beside the target, which takes the target's place only once
// it is complete and safely on the disk. Until then the target is as it was; a write that fails
// and a pending file that is dropped leave no trace.
class PendingOutput {
public:
    static movement::Result<PendingOutput> Begin(const OutputTarget& target, const std::string& shownName);
    PendingOutput(PendingOutput&& other) noexcept;
    PendingOutput& operator=(PendingOutput&&) = delete;
    PendingOutput(const PendingOutput&) = delete;
    PendingOutput& operator=(const PendingOutput&) = delete;
    ~PendingOutput();

    // The open file to write the PDF to.
    int fd() const { return fd_; }

    // Flushes the file to the disk, gives it the target's permissions and owner, and puts it in
    // the target's place. `writeError` is an error the writer met on the way (0 for none); any
    // error removes the pending file and is refused with its reason.
    movement::Outcome Commit(int writeError);

private:
    PendingOutput(std::string temporary, std::string finalPath, std::string shownName, OutputTarget target, int fd);
    void Drop();

    std::string temporary_;
    std::string finalPath_;
    std::string shownName_;
    OutputTarget target_;
    int fd_ = -1;
};

// A pending file is removed also when the program is interrupted (SIGINT, SIGTERM, SIGHUP);
// a file grown past the size limit fails its write instead of ending the program.
void RemovePendingOutputOnSignals();

// What a failed write means, in Polish, for an errno value.
std::string WriteErrorText(int error);

}  // namespace printing
