// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Whether the tests run under AddressSanitizer, whose own time and memory are no measure of the
// program's: limits on time and memory are checked only without it.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool Sanitized = true;
#else
inline constexpr bool Sanitized = false;
#endif
