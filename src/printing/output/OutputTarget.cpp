// SPDX-License-Identifier: GPL-3.0-or-later
// The output checked before anything is written, on every system; what the system sees at a
// name is its own (OutputSteps.h).
#include "OutputTarget.h"

#include "printing/output/OutputSteps.h"
#include "printing/output/OutputTexts.h"

namespace printing {

using movement::Result;

Result<OutputTarget> ChooseOutputTarget(const std::string& output, const std::vector<std::string>& inputs) {
    const auto refused = [&](const Hitch& hitch) { return Result<OutputTarget>::Refused(CannotWrite(output, hitch)); };
    if (output.empty()) return refused({Reason::EmptyName});
    const Found found = LookAt(output);
    if (found.hitch) return refused(found.hitch);
    OutputTarget target;
    target.path = found.path;
    switch (found.kind) {
        case Found::Kind::Folder:
            return refused({Reason::Folder});
        case Found::Kind::Other:
            return refused({Reason::NotAFile});
        case Found::Kind::Missing:
            if (const Hitch folder = FolderTakesNewFile(target.path)) return refused(folder);
            return Result<OutputTarget>::Accepted(std::move(target));
        case Found::Kind::File:
            break;
    }
    if (found.kernels) return refused({Reason::KernelFile});
    for (const std::string& input : inputs)
        if (IdentityOf(input) == found.identity) return refused({Reason::SchemeFile});
    if (const Hitch pdf = HoldsPdfOrNothing(found)) return refused(pdf);

    target.exists = true;
    target.identity = found.identity;
    target.mode = found.mode;
    target.owner = found.owner;
    target.group = found.group;
    return Result<OutputTarget>::Accepted(std::move(target));
}

}  // namespace printing
