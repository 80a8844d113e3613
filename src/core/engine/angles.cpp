// SPDX-License-Identifier: MIT
#include "core/engine/angles.h"

namespace zc {
namespace {

constexpr Extended kOneEightieth = 1.0L / 180;
constexpr double kDegreesPerGrad = 0.9;

} // namespace

Extended degreesToRadians(double x) {
    return static_cast<Extended>(x) * kPi * kOneEightieth;
}

Extended gradsToDegrees(double x) {
    return static_cast<Extended>(x) * kDegreesPerGrad;
}

Extended gradsToRadians(double x) {
    return degreesToRadians(static_cast<double>(gradsToDegrees(x)));
}

double angleInDegrees(double value, AngleMode angleMode) {
    switch (angleMode) {
    case AngleMode::Degrees:
        return value;
    case AngleMode::Radians:
        return value * 180.0 / kPi;
    case AngleMode::Grads:
        break;
    }
    return value * kDegreesPerGrad; // grads, and any value outside the enum
}

} // namespace zc
