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
    dev_t device = 0;  // the existing file checked, which must still be there when it is replaced
    ino_t inode = 0;
};

// Refused, with the reason in Polish naming the output: a file that is one of `inputs` (a scheme
// file being read), anything but a regular file (a folder, a FIFO, a device), an existing file
// that is neither empty nor a PDF, a file of the kernel's (/proc, /sys), a link that leads
// nowhere it can end, or a folder that does not exist.
movement::Result<OutputTarget> ChooseOutputTarget(const std::string& output, const std::vector<std::string>& inputs);

// The cards being written to a file that has no name until it is complete and safely on the disk
// (where the file system cannot make one, to a hidden file beside the target), which then takes
// the target's place. Until then the target is as it was; a write that fails, a pending file that
// is dropped and a program that is killed leave no trace.
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

    // Flushes the file to the disk and puts it in the target's place: a new file only where no
    // file has appeared meanwhile, an old one only while it is still the file checked. The new
    // file gets the old one's owner, extended attributes (ACLs among them) and mode; where they
    // cannot be kept (another user's file), the finished PDF is written over the old file in
    // place, or refused when the old file may not be written. `writeError` is an error the
    // writer met on the way (0 for none); any error removes the pending file and is refused with
    // its reason.
    movement::Outcome Commit(int writeError);

private:
    PendingOutput(int folder, std::string name, std::string temporary, std::string shownName, OutputTarget target,
                  int fd);
    void Drop();
    int KeepWhatTheOldFileHad() const;
    movement::Outcome Refused(const std::string& reason);
    movement::Outcome LinkAtATemporaryName();
    movement::Outcome PutInPlace();
    movement::Outcome ReplaceTheOldFile();
    movement::Outcome WriteOverTheOldFile();

    int folder_ = -1;        // the target's folder, open, so that every step acts in the same one
    std::string name_;       // the target's name in it
    std::string temporary_;  // the pending file's name in it; empty while it has none
    std::string shownName_;
    OutputTarget target_;
    int fd_ = -1;
};

// A named pending file is removed also when the program ends on a signal it may catch (SIGINT,
// SIGTERM, SIGHUP, SIGQUIT, SIGUSR1, SIGUSR2, SIGALRM, SIGVTALRM, SIGPROF, SIGXCPU and the like,
// unless they are ignored); a file grown past the size limit fails its write instead of ending
// the program.
void RemovePendingOutputOnSignals();

// What a failed write means, in Polish, for an errno value.
std::string WriteErrorText(int error);

}  // namespace printing
