// SPDX-License-Identifier: MIT
// The integer engine on any code text in any number system: a result uses only
// the digits of its base and fits 64 bits written in it; a number text converted
// into another system and back keeps its value.

#include "core/programmer/int_engine.h"
#include "fuzz_check.h"

#include <array>
#include <string>

namespace {

/// Digits of the largest unsigned 64-bit value in each number system, indexed by it.
constexpr std::array<std::size_t, 4> kMaxDigits = {16, 20, 22, 64};
static_assert(static_cast<std::size_t>(zc::NumberSystem::Bin) + 1 == kMaxDigits.size());

/// One of the four number systems, from any byte.
zc::NumberSystem numberSystemOf(std::uint8_t byte) {
    return static_cast<zc::NumberSystem>(byte % kMaxDigits.size());
}

void checkDigits(const std::string& text, zc::NumberSystem numberSystem) {
    const int base = zc::numberSystemBase(numberSystem);
    ZC_FUZZ_CHECK(!text.empty());
    ZC_FUZZ_CHECK(text.size() <= kMaxDigits[static_cast<std::size_t>(numberSystem)]);
    ZC_FUZZ_CHECK(text.size() == 1 || text.front() != '0');
    for (const char c : text) {
        const int d = c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : 99;
        ZC_FUZZ_CHECK(d < base);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zc::fuzz::Input in(data, size);
    const zc::NumberSystem numberSystem = numberSystemOf(in.byte());
    const zc::NumberSystem other = numberSystemOf(in.byte());
    const std::string_view code = in.rest(zc::fuzz::kMaxCodeText);

    try {
        checkDigits(zc::evaluateIntProblem(code, numberSystem), numberSystem);
    } catch (const zc::IntEngineError&) {
    }

    std::uint64_t value = 0;
    try {
        value = zc::parseInBase(code, zc::numberSystemBase(numberSystem));
    } catch (const zc::IntEngineError&) {
        return 0;
    }
    const std::string there = zc::convertNumberText(code, numberSystem, other);
    if (other != numberSystem) checkDigits(there, other);
    std::string back;
    try {
        back = zc::convertNumberText(there, other, numberSystem);
    } catch (const zc::IntEngineError&) {
        // Only HEX can be read back at 2^63 and above: in the other systems the
        // first digit of such a value already weighs 2^63 or more.
        ZC_FUZZ_CHECK(value >= (std::uint64_t{1} << 63) && other != zc::NumberSystem::Hex);
        return 0;
    }
    ZC_FUZZ_CHECK(zc::parseInBase(back, zc::numberSystemBase(numberSystem)) == value);
    return 0;
}
