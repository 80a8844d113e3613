// SPDX-License-Identifier: MIT
#include "core/dms/dms.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace zc {

DmsParts splitDms(double degrees) {
    if (!std::isfinite(degrees)) throw DmsRangeError("angle is not finite");
    const long double seconds = std::fabs(static_cast<long double>(degrees)) * 3600;
    long double whole = std::floor(seconds);
    if (seconds - whole >= 0.5L) whole += 1; // halves round up
    // 2^63 is the first count of seconds that a signed 64-bit integer cannot hold;
    // it is exact in every floating-point format.
    constexpr long double kLimit = 9223372036854775808.0L;
    if (!(whole < kLimit)) throw DmsRangeError("angle too large for degrees, minutes and seconds");

    const auto total = static_cast<std::int64_t>(whole);
    const std::int64_t d = total / 3600;
    const std::int64_t m = (total - 3600 * d) / 60;
    const std::int64_t s = total - 3600 * d - 60 * m;
    // Every part carries the sign, so -0.5 degrees shows as 0 and -30 minutes.
    const std::int64_t sign = degrees < 0 ? -1 : 1;
    return {sign * d, sign * m, sign * s};
}

std::string formatDms(const DmsParts& parts) {
    return std::to_string(parts.degrees) + "\xC2\xB0" + std::to_string(parts.minutes) + "'" +
           std::to_string(parts.seconds) + "\"";
}

std::string formatGeneral(double value, char decimalSeparator) {
    if (value == 0) return "0";
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";

    // Round to 15 significant digits first: the rounded exponent decides the
    // notation, so 999999999999999.9 becomes 1E15.
    char buf[40];
    const auto result =
        std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 14);
    const std::string_view text(buf, static_cast<std::size_t>(result.ptr - buf));
    const std::size_t e = text.find('e');
    std::string digits;
    digits.push_back(text[0]);
    digits.append(text.substr(2, e - 2));
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    const int exponent = std::atoi(std::string(text.substr(e + 1)).c_str());

    std::string out = value < 0 ? "-" : "";
    if (exponent >= -5 && exponent < 15) {
        if (exponent < 0) {
            out += '0';
            out += decimalSeparator;
            out.append(static_cast<std::size_t>(-exponent - 1), '0');
            out += digits;
        } else {
            const auto intDigits = static_cast<std::size_t>(exponent) + 1;
            if (digits.size() <= intDigits) {
                out += digits;
                out.append(intDigits - digits.size(), '0');
            } else {
                out.append(digits, 0, intDigits);
                out += decimalSeparator;
                out.append(digits, intDigits);
            }
        }
    } else {
        out += digits[0];
        if (digits.size() > 1) {
            out += decimalSeparator;
            out.append(digits, 1);
        }
        out += 'E';
        out += std::to_string(exponent);
    }
    return out;
}

} // namespace zc
