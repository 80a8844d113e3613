// SPDX-License-Identifier: MIT
#include "core/text/number_text.h"

#include <cstdio>

namespace zc {

NumberCode numberTextToCode(std::string_view text) {
    NumberCode out;
    bool exponent = false;
    std::int32_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == 'e') {
            exponent = true;
            const bool negative = i + 1 < text.size() && text[i + 1] == '-';
            out.code += negative ? '/' : '*';
            out.code += "10p(";
            count += 5;
            ++i; // the exponent's sign is consumed, not copied
        } else if (c == '-' && i == 0) {
            // A negative result re-entered as an operand must stay a negation:
            // a binary "-" without a left operand would fail the evaluation.
            out.code += 'm';
            ++count;
        } else {
            out.code += c;
            ++count;
        }
    }
    if (exponent) {
        // The whole value is one operand: next to an operator that binds
        // tighter than its own "*" or "/" (a division, a power, a square) the
        // power of ten must not be split off the mantissa.
        out.code = "(" + out.code + "))";
        count += 3;
    }
    out.record = {count, static_cast<std::int32_t>(text.size())};
    return out;
}

std::string formatResult(double value) {
    char buffer[64];
    const int n = std::snprintf(buffer, sizeof buffer, "%.20g", value);
    return std::string(buffer, n > 0 ? static_cast<std::size_t>(n) : 0);
}

std::optional<std::string> groupThousands(std::string_view text) {
    if (text.find('e') != std::string_view::npos) return std::nullopt;
    std::string_view sign;
    std::string_view body = text;
    if (!body.empty() && (body.front() == '-' || body.front() == '+')) {
        sign = body.substr(0, 1);
        body.remove_prefix(1);
    }
    const std::size_t point = body.find('.');
    const std::string_view integer = body.substr(0, point);
    const std::string_view rest =
        point == std::string_view::npos ? std::string_view{} : body.substr(point);
    if (integer.size() <= 3) return std::nullopt;
    std::string out(sign);
    for (std::size_t i = 0; i < integer.size(); ++i) {
        if (i > 0 && (integer.size() - i) % 3 == 0) out += ',';
        out += integer[i];
    }
    out += rest;
    return out;
}

} // namespace zc
