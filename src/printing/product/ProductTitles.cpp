// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProductTitles.h"

#include "movement/PrintRange.h"

namespace printing {

const char* const ContinuedMark = " (cd.)";

std::string ProductTitle(std::string_view productName, const movement::MovementState& state) {
    return movement::MovementTitle(state) + ", " + std::string(productName);
}

std::string PageTitle(std::string_view productName, const movement::MovementState& state, int32_t page) {
    return ProductTitle(productName, state) + ", strona " + std::to_string(page);
}

}  // namespace printing
