// SPDX-License-Identifier: MIT
#pragma once
// The four groups of physical constants.

#include <string_view>

namespace zc {

inline constexpr int kConstantGroupCount = 4;

/// "universal", "electromagnetic", "atomic/ nuclear", "physico-chemical"; "" outside 0..3.
std::string_view constantGroupCaption(int group);

/// Number of constants in the group; 0 outside 0..3.
int constantCount(int group);

/// List text of a constant (may hold one "\n"); "" outside the table.
std::string_view constantListText(int group, int index);

/// Value of a constant; 0 outside the table.
double constantValue(int group, int index);

} // namespace zc
