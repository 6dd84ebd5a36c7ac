// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "movement/SchemeLineSplitter.h"

#include <string_view>

namespace movement {

// The scheme lines of a whole file's bytes, fed at once.
SchemeLines SplitSchemeLines(std::string_view bytes);

}  // namespace movement
