// SPDX-License-Identifier: GPL-3.0-or-later
#include "SplitSchemeLines.h"

namespace movement {

SchemeLines SplitSchemeLines(std::string_view bytes) {
    SchemeLineSplitter splitter;
    splitter.Feed(bytes);
    return splitter.Finish();
}

}  // namespace movement
