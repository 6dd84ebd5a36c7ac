// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace pdfexport {

// What `rozstawiki-pdf --help` prints, and a usage error after its message, in the interface's
// language: the options' lines from the table of options.
std::string UsageText();

}  // namespace pdfexport
