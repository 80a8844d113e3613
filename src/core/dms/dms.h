// SPDX-License-Identifier: MIT
#pragma once
// Degrees, minutes and seconds, and the general number format of the turn-back key.

#include <cstdint>
#include <stdexcept>
#include <string>

namespace zc {

/// Thrown when an angle is too large (or not finite) for whole seconds in 64 bits.
class DmsRangeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct DmsParts {
    std::int64_t degrees = 0;
    std::int64_t minutes = 0;
    std::int64_t seconds = 0;
    friend bool operator==(const DmsParts&, const DmsParts&) = default;
};

/// Splits an angle in degrees into whole degrees, minutes and seconds (seconds
/// rounded half up); the sign goes on each part. Throws DmsRangeError.
DmsParts splitDms(double degrees);

/// The parts as shown: D°M'S" with hyphen-minus signs, e.g. 30°30'0".
std::string formatDms(const DmsParts& parts);

/// General format: up to 15 significant digits, plain for 1e-5 <= |v| < 1e15,
/// else scientific as 1E-6 / 1.5E20; `decimalSeparator` between the digits.
/// 0 gives "0"; the notation follows the value rounded to 15 digits.
std::string formatGeneral(double value, char decimalSeparator = '.');

} // namespace zc
