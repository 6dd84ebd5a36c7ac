// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/output/OutputTarget.h"

#include <string>

namespace printing {

// What a failed file operation means, in Polish, for a Windows error code (GetLastError).
std::string WindowsErrorText(unsigned long error);

// Whether `name` is the file checked as `target` (the same volume and file).
bool SameFile(const OutputTarget& target, const std::string& name);

}  // namespace printing
