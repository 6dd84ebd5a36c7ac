// SPDX-License-Identifier: GPL-3.0-or-later
#include "PolishWords.h"
#include "PrintRuns.h"

namespace printing {

const movement::Catalogue& PolishCardWords() { return support::PolishWords(); }

}  // namespace printing
