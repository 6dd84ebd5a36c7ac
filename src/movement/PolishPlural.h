// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

namespace movement {

// The three forms a Polish noun takes after a number.
struct NounForms {
    const char* one;   // 1 stół
    const char* few;   // 2-4 stoły, also 22-24, 32-34, but not 12-14
    const char* many;  // 0, 5-21 stołów, 25-31...
};

inline constexpr NounForms Tables{"stół", "stoły", "stołów"};
inline constexpr NounForms Rounds{"runda", "rundy", "rund"};

// The form that follows n.
const char* FormAfter(int64_t n, const NounForms& forms);

// n and its noun, as in "4 stoły".
std::string Counted(int64_t n, const NounForms& forms);

}  // namespace movement
