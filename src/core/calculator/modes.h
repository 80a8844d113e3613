// SPDX-License-Identifier: MIT
#pragma once
// The selections the calculator's problems are read with.

namespace zc {

/// The unit angles are read and written in, in the order of the angle group.
enum class AngleMode : int { Degrees, Radians, Grads };

/// The number system of the programmer layer, in the order of its group.
enum class NumberSystem : int { Hex, Dec, Oct, Bin };

/// The quantities of the financial layer, in the order of their keys.
enum class TvmQuantity : int { PresentValue, FutureValue, Payment, Periods, Rate, PerYear };

} // namespace zc
