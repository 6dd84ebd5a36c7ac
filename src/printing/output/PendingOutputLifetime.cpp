// SPDX-License-Identifier: GPL-3.0-or-later
// How a pending output file is held and handed on, the same on every system; writing and putting
// it in place are the system's own (PendingOutput.cpp, PendingOutputWindows.cpp).
#include "PendingOutput.h"

#include <utility>

namespace printing {

PendingOutput::PendingOutput(int folder, std::string name, std::string temporary, std::string shownName,
                             OutputTarget target, int fd)
    : folder_(folder),
      name_(std::move(name)),
      temporary_(std::move(temporary)),
      shownName_(std::move(shownName)),
      target_(std::move(target)),
      fd_(fd) {}

PendingOutput::PendingOutput(PendingOutput&& other) noexcept
    : folder_(std::exchange(other.folder_, -1)),
      name_(std::move(other.name_)),
      temporary_(std::move(other.temporary_)),
      shownName_(std::move(other.shownName_)),
      target_(std::move(other.target_)),
      fd_(std::exchange(other.fd_, -1)) {
    other.temporary_.clear();
}

PendingOutput::~PendingOutput() { Drop(); }

}  // namespace printing
