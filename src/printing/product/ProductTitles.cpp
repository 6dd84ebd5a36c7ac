// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProductTitles.h"

#include "movement/PrintRange.h"

namespace printing {

using movement::Text;

std::string Continued(const movement::Catalogue& words, const std::string& heading) {
    return words.Say(Text{RZ_TEXT("cards", "%1 (cd.)"), {heading}});
}

std::string ProductTitle(const movement::Catalogue& words, movement::TextId productName,
                         const movement::MovementState& state) {
    return words.Say(Text{RZ_TEXT("cards", "%1, %2"), {movement::MovementTitle(words, state), words.Say(productName)}});
}

std::string PageTitle(const movement::Catalogue& words, movement::TextId productName,
                      const movement::MovementState& state, int32_t page) {
    return words.Say(Text{RZ_TEXT("cards", "%1, strona %2"),
                          {ProductTitle(words, productName, state), std::to_string(page)}});
}

}  // namespace printing
