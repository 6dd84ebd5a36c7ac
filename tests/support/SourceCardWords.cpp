// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintRuns.h"

namespace printing {

// The fuzz build has no translations: the sources' Polish, one form for every number.
const movement::Catalogue& PolishCardWords() {
    static const movement::SourceCatalogue sources;
    return sources;
}

}  // namespace printing
