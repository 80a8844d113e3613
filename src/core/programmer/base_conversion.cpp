// SPDX-License-Identifier: MIT
#include "core/programmer/int_engine.h"

#include <array>
#include <cstddef>

namespace zc {
namespace {

struct NumberSystemInfo {
    int base;
    std::string_view name;
};

// Indexed by NumberSystem.
constexpr std::array<NumberSystemInfo, 4> kNumberSystems{{
    {16, "HEX"},
    {10, "DEC"},
    {8, "OCT"},
    {2, "BIN"},
}};
static_assert(static_cast<std::size_t>(NumberSystem::Bin) + 1 == kNumberSystems.size());

// Longer digit runs are refused instead of being converted.
constexpr std::size_t kMaxDigitRun = 99;

// A place weight must stay below 2^63; this caps the length of a digit text at
// 63 digits in BIN, 21 in OCT, 19 in DEC and 16 in HEX, leading zeros included.
constexpr std::uint64_t kMaxWeight = (std::uint64_t{1} << 63) - 1;

// The row of a number system; nullptr for a value outside the enum.
const NumberSystemInfo* numberSystemInfo(NumberSystem numberSystem) {
    const auto index = static_cast<std::size_t>(numberSystem);
    return index < kNumberSystems.size() ? &kNumberSystems[index] : nullptr;
}

// 0..15 for "0".."9" and "A".."F"; -1 for every other character, lower case included.
int digitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

} // namespace

int numberSystemBase(NumberSystem numberSystem) {
    const NumberSystemInfo* info = numberSystemInfo(numberSystem);
    return info != nullptr ? info->base : 10;
}

std::string_view numberSystemName(NumberSystem numberSystem) {
    const NumberSystemInfo* info = numberSystemInfo(numberSystem);
    return info != nullptr ? info->name : "";
}

char digitChar(int digit) {
    if (digit < 0 || digit > 15) throw IntEngineError("digit out of range");
    return "0123456789ABCDEF"[digit];
}

std::uint64_t parseInBase(std::string_view digits, int base, std::string* decimal) {
    if (base < 2 || base > 16) throw IntEngineError("unsupported base");
    const auto b = static_cast<std::uint64_t>(base);

    // The first position's weight b^(L-1) is checked even when its digit is 0,
    // so leading zeros count towards the length limit.
    std::uint64_t weight = 1;
    for (std::size_t i = 1; i < digits.size(); ++i) {
        if (weight > kMaxWeight / b) throw IntEngineError("digit text too long");
        weight *= b;
    }

    // Every weight is below 2^63 and every digit below b, so the sum cannot
    // actually wrap; it is still taken modulo 2^64 as unsigned arithmetic.
    std::uint64_t value = 0;
    for (const char c : digits) {
        const int d = digitValue(c);
        if (d < 0 || d >= base) throw IntEngineError("invalid digit");
        value = value * b + static_cast<std::uint64_t>(d);
    }
    if (decimal != nullptr) *decimal = formatInBase(value, NumberSystem::Dec);
    return value;
}

std::string problemToDecimal(std::string_view code, NumberSystem numberSystem) {
    const int base = numberSystemBase(numberSystem);
    if (base == 10) return std::string(code);

    // Runs take all sixteen digit characters in every number system, so a digit
    // that is not valid in the base fails the conversion instead of splitting the run.
    std::string out;
    std::size_t i = 0;
    while (i < code.size()) {
        if (digitValue(code[i]) < 0) {
            out += code[i++];
            continue;
        }
        std::size_t end = i;
        while (end < code.size() && digitValue(code[end]) >= 0)
            ++end;
        if (end - i > kMaxDigitRun) throw IntEngineError("digit run too long");
        std::string decimal;
        parseInBase(code.substr(i, end - i), base, &decimal);
        out += decimal;
        i = end;
    }
    return out;
}

std::string formatInBase(std::uint64_t value, NumberSystem numberSystem) {
    const auto base = static_cast<std::uint64_t>(numberSystemBase(numberSystem));
    std::array<char, 64> reversed{};
    std::size_t n = 0;
    do {
        reversed[n++] = digitChar(static_cast<int>(value % base));
        value /= base;
    } while (value != 0);
    return std::string(reversed.rend() - static_cast<std::ptrdiff_t>(n), reversed.rend());
}

std::string convertNumberText(std::string_view text, NumberSystem from, NumberSystem to) {
    if (from == to) return std::string(text);
    return formatInBase(parseInBase(text, numberSystemBase(from)), to);
}

} // namespace zc
