// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace printing {

// How the sentences about a whole run name a product, small letter first. Each row of the table
// of products gives its own; a report made without one counts cards ("4 rozstawiki"), as the
// table cards' row says.
struct ProductNouns {
    const char* printedThings = nullptr;  // what was printed: "karty par"; none for cards counted
    const char* printed = "rozstawiki";   // "Karty par wydrukowano mimo to."
    const char* notSent = "rozstawików";  // "Kart par nie wysłano."
    bool oneThing = false;                // a report speaks of it in the singular
};

}  // namespace printing
