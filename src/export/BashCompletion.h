// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "movement/Result.h"

#include <string>

namespace pdfexport {

// The bash completion of rozstawiki-pdf: the script (dist/rozstawiki-pdf.bash.in) with its places
// filled from the table of options: @OPTIONS@ the words a "-" completes to, @VALUED_OPTIONS@ a
// pattern of the options that take a value, and @VALUE_CASES@ the arms of a `case` on the word
// before, each offering its option's values. Refused when the script lacks a place.
movement::Result<std::string> BashCompletion(std::string script);

}  // namespace pdfexport
