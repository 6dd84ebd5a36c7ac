// SPDX-License-Identifier: GPL-3.0-or-later
#include "AbsentPair.h"

#include <string>

namespace movement {

Outcome CheckAbsentPair(const MovementState& state, int32_t pair) {
    const int64_t pairs = 2 * static_cast<int64_t>(state.TableCount);
    if (pair == NoAbsentPair || (pair >= 1 && pair <= pairs)) return Outcome::Accepted();
    return Outcome::Refused("Para nieobecna: nie ma pary o numerze " + std::to_string(pair) +
                            " w schemacie; podaj numer od 1 do " + std::to_string(pairs) +
                            " albo 0, gdy grają wszystkie pary.");
}

}  // namespace movement
