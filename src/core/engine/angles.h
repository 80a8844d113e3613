// SPDX-License-Identifier: MIT
#pragma once
// Angle units: the value of pi every conversion uses, and the conversions
// between degrees, radians and grads.

namespace zc {

/// The unit angles are read and written in, in the order of the angle group.
enum class AngleMode : int { Degrees, Radians, Grads };

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

/// A value read in the angle mode as degrees, in double arithmetic: radians
/// times 180 divided by pi, grads (and any value outside the enum) times 0.9.
double angleInDegrees(double value, AngleMode angleMode);

} // namespace zc
