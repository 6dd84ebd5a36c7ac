// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "movement/Result.h"

#include <cstdint>
#include <string>
#include <vector>

namespace printing {

// A file as the system tells it from every other: its device (volume) and its number there.
struct FileIdentity {
    std::uint64_t volume = 0;
    std::uint64_t file = 0;

    bool operator==(const FileIdentity&) const = default;
};

// Where the cards of a print to file go, decided before anything is written. Names are bytes,
// used as given: a name that is no UTF-8 is still the director's name.
struct OutputTarget {
    std::string path;  // the file to replace or create: for a symbolic link, the file it leads to
    bool exists = false;
    FileIdentity identity;  // the existing file checked, which must still be there when it is replaced
    // What the new file keeps of the old one where the program must carry it over itself (Unix:
    // the mode with its set-ID bits, the owner and the group); Windows' replacement keeps them.
    std::uint32_t mode = 0;
    std::uint32_t owner = 0;
    std::uint32_t group = 0;
};

// Refused, with the reason in Polish naming the output: a file that is one of `inputs` (a scheme
// file being read), anything but a regular file (a folder, a FIFO, a device), an existing file
// that is neither empty nor a PDF, a file of the kernel's (/proc, /sys, /dev), a link that leads
// nowhere it can end, a link of another user's in a sticky folder anyone may write in (followed
// by the kernel's rule for such folders, whoever runs the program), or a folder that does not
// exist. On Windows the same but for the kernel's files and links, which the system follows by
// itself.
movement::Result<OutputTarget> ChooseOutputTarget(const std::string& output, const std::vector<std::string>& inputs);

}  // namespace printing
