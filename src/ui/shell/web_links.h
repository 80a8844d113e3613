// SPDX-License-Identifier: MIT
#pragma once
// The two web addresses the link line opens.

namespace zc {

inline constexpr const char* kMathToolsSiteUrl = "https://zentorix.example/";
inline constexpr const char* kCurrencySiteUrl = "https://pellinor.example/";

} // namespace zc
