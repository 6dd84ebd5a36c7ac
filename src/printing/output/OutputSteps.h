// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The steps of writing an output file that each system takes its own way, in one file each
// (OutputStepsPosix.cpp, OutputStepsWindows.cpp; CMake builds the system's). The algorithm that
// calls them (OutputTarget.cpp, PendingOutput.cpp) and every word the director reads
// (OutputTexts.cpp) are the same on every system: a step says only what stopped it.
#include "printing/output/OutputTarget.h"
#include "printing/output/OutputTexts.h"
#include "printing/output/PendingOutput.h"

#include <cstdint>
#include <optional>
#include <string>

namespace printing {

// What an output's name leads to, through every link.
struct Found {
    enum class Kind { Missing, File, Folder, Other };
    Hitch hitch;  // the way refused: a link not followed, a kernel's link that leads nowhere, an error
    Kind kind = Kind::Missing;
    std::string path;      // where the name leads: for a symbolic link, the file it leads to
    bool kernels = false;  // a file of the kernel's, which only looks like a file (Unix)
    FileIdentity identity;
    std::uint64_t size = 0;
    std::uint32_t mode = 0;  // as OutputTarget keeps them
    std::uint32_t owner = 0;
    std::uint32_t group = 0;
};

// Choosing the target.
Found LookAt(const std::string& output);
// Whether a new file may be made at `path`: its folder is there, is a folder and not the kernel's.
Hitch FolderTakesNewFile(const std::string& path);
// The file a name leads to, through every link; none when it leads to no file.
std::optional<FileIdentity> IdentityOf(const std::string& name);
// Whether the file found holds a PDF, or nothing yet (NotPdf), or cannot be read.
Hitch HoldsPdfOrNothing(const Found& found);
// The folder a path's last part lies in ("." for a bare name).
std::string FolderOf(const std::string& path);
// An errno value as this system means it.
Hitch ErrorHitch(int error);

// Holding the folder against the program's other runs: opened, then locked where it can be.
enum class Lock { Taken, Busy, NotHere };
Hitch OpenFolder(const std::string& path, HeldFolder& folder);
Lock TryToLock(const HeldFolder& folder);
void LetGoOfFolder(HeldFolder& folder);
// A folder that takes new files but lets none be renamed or removed (the append-only attribute).
bool TakesOnlyNewFiles(const HeldFolder& folder);

// Writing: the pending file begun in the held folder (`onlyNewFiles`: one with a name could
// not be removed there), finished (on the disk), and put in place: a new file only where still
// no file is, an old one only while the name holds the file checked and that still a PDF. A
// step that succeeds leaves nothing pending; one that fails leaves the pending file to Drop.
Hitch BeginPendingFile(PendingFile& file, const OutputTarget& target, bool onlyNewFiles);
Hitch FinishPendingFile(PendingFile& file);
Hitch PlaceNewFile(PendingFile& file);
Hitch ReplaceTheFileChecked(PendingFile& file, const OutputTarget& target);
// Removes the pending file, if any, and closes it; the folder stays held.
void DropPendingFile(PendingFile& file);

}  // namespace printing
