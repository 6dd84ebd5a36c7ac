// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace printing {

// The printable area captured from the printer, in device pixels; 0 until captured.
struct PageMetrics {
    int32_t PageWidth = 0;
    int32_t PageHeight = 0;
};

}  // namespace printing
