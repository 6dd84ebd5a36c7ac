// SPDX-License-Identifier: GPL-3.0-or-later
// Writing an output file, the same on every system: the target chosen and its folder held, the
// pending file written, then put in the target's place, and what stopped it told. The steps are
// the system's own (OutputSteps.h).
#include "PendingOutput.h"

#include "printing/output/OutputSteps.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <thread>
#include <utility>

namespace printing {

using movement::Outcome;
using movement::Result;

namespace {

// How long a run waits while other runs of the program write into the same folder.
constexpr auto LockWait = std::chrono::seconds(60);

// The folder opened and locked against the program's other runs, waiting for them; a folder
// whose file system knows no locks, or which may be written but not read, is held unlocked.
Hitch HoldFolder(const std::string& path, HeldFolder& folder) {
    if (Hitch opened = OpenFolder(path, folder)) return opened;
    const auto giveUp = std::chrono::steady_clock::now() + LockWait;
    auto pause = std::chrono::milliseconds(1);
    while (TryToLock(folder) == Lock::Busy) {
        if (std::chrono::steady_clock::now() >= giveUp) {
            LetGoOfFolder(folder);
            return {Reason::Busy};
        }
        std::this_thread::sleep_for(pause);
        pause = std::min(pause * 2, std::chrono::milliseconds(20));
    }
    return {};
}

}  // namespace

PendingOutput::PendingOutput(PendingFile file, OutputTarget target, std::string shownName)
    : file_(std::move(file)), target_(std::move(target)), shownName_(std::move(shownName)) {}

PendingOutput::PendingOutput(PendingOutput&& other) noexcept
    : file_(std::exchange(other.file_, {})),
      target_(std::move(other.target_)),
      shownName_(std::move(other.shownName_)) {}

PendingOutput::~PendingOutput() { Drop(); }

Result<PendingOutput> PendingOutput::Begin(const std::string& output, const std::vector<std::string>& inputs) {
    const auto refused = [&](const Hitch& hitch) { return Result<PendingOutput>::Refused(CannotWrite(output, hitch)); };
    // The target is chosen again once its folder is held: until then another run of the
    // program may be replacing it, or a link may lead elsewhere.
    Result<OutputTarget> chosen = ChooseOutputTarget(output, inputs);
    PendingFile file;
    for (int attempt = 0;; ++attempt) {
        if (!chosen.accepted()) {
            LetGoOfFolder(file.folder);
            return chosen;
        }
        const std::string folder = FolderOf(chosen.value().path);
        if (file.folder.held && IdentityOf(folder) == file.folder.identity) break;
        LetGoOfFolder(file.folder);
        if (attempt == 10) return refused({Reason::ChangedMeanwhile});
        if (const Hitch held = HoldFolder(folder, file.folder)) return refused(held);
        chosen = ChooseOutputTarget(output, inputs);
    }
    const OutputTarget& target = chosen.value();
    const bool onlyNewFiles = TakesOnlyNewFiles(file.folder);
    Hitch begun = onlyNewFiles && target.exists ? Hitch{Reason::OnlyNewFiles} : Hitch{};
    if (!begun) begun = BeginPendingFile(file, target, onlyNewFiles);
    if (begun) {
        LetGoOfFolder(file.folder);
        return refused(begun);
    }
    return Result<PendingOutput>::Accepted(PendingOutput(std::move(file), target, output));
}

void PendingOutput::Drop() {
    DropPendingFile(file_);
    LetGoOfFolder(file_.folder);  // and the lock with it
}

Outcome PendingOutput::Refused(const Hitch& hitch) {
    Drop();
    return Outcome::Refused(CannotWrite(shownName_, hitch));
}

Outcome PendingOutput::Commit(int writeError) {
    if (file_.fd < 0) return Refused(ErrorHitch(EBADF));
    if (writeError != 0) return Refused(ErrorHitch(writeError));
    if (const Hitch finished = FinishPendingFile(file_)) return Refused(finished);
    if (const Hitch placed = target_.exists ? ReplaceTheFileChecked(file_, target_) : PlaceNewFile(file_))
        return Refused(placed);
    Drop();
    return Outcome::Accepted();
}

}  // namespace printing
