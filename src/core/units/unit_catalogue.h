// SPDX-License-Identifier: MIT
#pragma once
// The thirteen unit categories, their units' list texts and suffix texts, and
// the converter. Texts are UTF-8 (the degree sign is U+00B0).

#include <string>
#include <string_view>

namespace zc {

inline constexpr int kUnitCategoryCount = 13;

/// Caption of the label that selects the category ("angle" .. "force"); "" outside 0..12.
std::string_view unitCategoryCaption(int category);

/// Number of units of the category; 0 outside 0..12.
int unitCount(int category);

/// List text of a unit; "" outside the catalogue.
std::string_view unitListText(int category, int index);

/// Suffix text of a unit (" [km] "); "" outside the catalogue.
std::string unitSuffix(int category, int index);

/// Converts a value between two units of a category; 0 when the category or an
/// index is out of range. Never fails.
double convertUnits(int category, double value, int from, int to);

} // namespace zc
