// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/product/Copies.h"

#include "movement/AbsentPair.h"
#include "movement/BoardRoutes.h"
#include "movement/Text.h"

#include <cstdint>
#include <string>

namespace printing {

// What one run asks of a product: the table cards' range, a job per card (or page), the absent
// pair (as numbered in the scheme), the copies the program prints itself, the boards in a set
// and the event.
struct RunRequest {
    int32_t first = 1;
    int32_t last = 0;
    bool separateJobs = false;
    int32_t absentPair = movement::NoAbsentPair;
    Copies copies;
    int32_t boardsPerSet = movement::NoBoardsGiven;
    // The event's line at the foot of every page, as the director typed it (movement::EventLine);
    // none when empty or spaces only.
    std::string event{};
    // The cards' words, in the language the director chose for them; none: Polish as the
    // sources write it, one form for every number (only where no translation is at hand).
    const movement::Catalogue* words = nullptr;
};

// The catalogue the cards of a request speak from.
inline const movement::Catalogue& CardWords(const RunRequest& request) {
    static const movement::SourceCatalogue source;
    return request.words != nullptr ? *request.words : source;
}

}  // namespace printing
