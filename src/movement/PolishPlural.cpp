// SPDX-License-Identifier: GPL-3.0-or-later
#include "PolishPlural.h"

namespace movement {

const char* FormAfter(int64_t n, const NounForms& forms) {
    const int64_t size = n < 0 ? -n : n;
    if (size == 1) return forms.one;
    const int64_t units = size % 10;
    const int64_t tens = size % 100;
    if (units >= 2 && units <= 4 && (tens < 12 || tens > 14)) return forms.few;
    return forms.many;
}

std::string Counted(int64_t n, const NounForms& forms) { return std::to_string(n) + " " + FormAfter(n, forms); }

}  // namespace movement
