// SPDX-License-Identifier: GPL-3.0-or-later
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
#ifdef _WIN32
    // The existing file checked, which must still be there when it is replaced (OutputTargetWindows.cpp).
    unsigned long volume = 0;
    unsigned long long fileIndex = 0;
#else
    mode_t mode = 0;  // of the existing file, which the new one keeps
    uid_t owner = 0;
    gid_t group = 0;
    dev_t device = 0;  // the existing file checked, which must still be there when it is replaced
    ino_t inode = 0;
#endif
};

// Refused, with the reason in Polish naming the output: a file that is one of `inputs` (a scheme
// file being read), anything but a regular file (a folder, a FIFO, a device), an existing file
// that is neither empty nor a PDF, a file of the kernel's (/proc, /sys, /dev), a link that leads
// nowhere it can end, a link of another user's in a sticky folder anyone may write in (followed
// by the kernel's rule for such folders, whoever runs the program), or a folder that does not
// exist. On Windows the same but for the kernel's files and links, which the system follows by
// itself.
movement::Result<OutputTarget> ChooseOutputTarget(const std::string& output, const std::vector<std::string>& inputs);

// What a failed write means, in Polish, for an errno value.
std::string WriteErrorText(int error);

// "Nie można zapisać pliku NAME: REASON."
std::string CannotWrite(const std::string& shownName, const std::string& reason);

// The folder a path's last part lies in ("." for a bare name).
std::string FolderOf(const std::string& path);

// Whether an open file holds a PDF (or nothing yet), judged by its first bytes.
bool HoldsPdfOrNothing(int fd);

}  // namespace printing
