// SPDX-License-Identifier: MIT
#pragma once
// The selections the calculator's problems are read with: the angle mode and
// the number system belong to their engines; the financial keys to the model.

#include "core/engine/angles.h"
#include "core/programmer/int_engine.h"

namespace zc {

/// The quantities of the financial layer, in the order of their keys.
enum class TvmQuantity : int { PresentValue, FutureValue, Payment, Periods, Rate, PerYear };

} // namespace zc
