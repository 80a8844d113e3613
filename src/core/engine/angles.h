// SPDX-License-Identifier: MIT
#pragma once
// Angle units: the value of pi every conversion uses, and the conversions
// between degrees, radians and grads.

namespace zc {

/// Extended precision used inside one operation; results are rounded to double.
using Extended = long double;

/// Pi as a double.
inline constexpr double kPi = 3.141592653589793;

/// x * pi * (1/180), the last factor in extended precision.
Extended degreesToRadians(double x);

/// x * 0.9.
Extended gradsToDegrees(double x);

/// degreesToRadians of gradsToDegrees(x) rounded to double.
Extended gradsToRadians(double x);

/// A value read in the angle mode (0 DEG, 1 RAD, else GRAD) as degrees, in
/// double arithmetic: radians times 180 divided by pi, grads times 0.9.
double angleInDegrees(double value, int angleMode);

} // namespace zc
