// SPDX-License-Identifier: MIT
// The degrees-minutes-seconds split and the number-text helpers: parts below 60
// that add back up to the rounded angle, and number texts whose code form keeps
// the display count and evaluates to the number's value.

#include "core/dms/dms.h"
#include "core/engine/evaluate.h"
#include "core/text/number_text.h"
#include "fuzz_check.h"

#include <cmath>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    return 0;
}

namespace {

void checkDms(double degrees) {
    zc::DmsParts p;
    try {
        p = zc::splitDms(degrees);
    } catch (const zc::DmsRangeError&) {
        return;
    }
    ZC_FUZZ_CHECK(std::llabs(p.minutes) < 60 && std::llabs(p.seconds) < 60);
    // Every part carries the angle's sign (or is zero).
    ZC_FUZZ_CHECK(!(p.degrees > 0 && (p.minutes < 0 || p.seconds < 0)));
    ZC_FUZZ_CHECK(!(p.degrees < 0 && (p.minutes > 0 || p.seconds > 0)));
    const long double total = p.degrees * 3600.0L + p.minutes * 60.0L + p.seconds;
    ZC_FUZZ_CHECK(std::fabs(static_cast<double>(total) - degrees * 3600.0) <=
                  0.5 + std::fabs(degrees) * 3600.0 * 1e-12);
    const std::string shown = zc::formatDms(p);
    ZC_FUZZ_CHECK(!shown.empty() && shown.back() == '"');
}

void checkNumberText(double value) {
    if (!std::isfinite(value)) return;
    const std::string text = zc::formatResult(value);
    const zc::NumberCode nc = zc::numberTextToCode(text);
    ZC_FUZZ_CHECK(nc.record.displayChars == static_cast<std::int32_t>(text.size()));
    ZC_FUZZ_CHECK(nc.record.codeChars == static_cast<std::int32_t>(nc.code.size()));
    // The code form stands for the number: it evaluates to it (within rounding),
    // unless the power of ten on its own leaves the double range.
    try {
        const double back = zc::evaluateCode(nc.code, zc::AngleMode::Degrees);
        ZC_FUZZ_CHECK(std::fabs(back - value) <= std::fabs(value) * 1e-15);
    } catch (const zc::EvaluationError&) {
        ZC_FUZZ_CHECK(std::fabs(value) < 1e-300 || std::fabs(value) > 1e300);
    }
    if (const auto grouped = zc::groupThousands(text)) {
        std::string plain;
        for (const char c : *grouped)
            if (c != ',') plain += c;
        ZC_FUZZ_CHECK(plain == text);
    }
    ZC_FUZZ_CHECK(!zc::formatGeneral(value).empty());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zc::fuzz::Input in(data, size);
    const double value = in.real();
    checkDms(value);
    checkNumberText(value);
    // Number texts as a user could type them.
    const std::string_view typed = in.rest(64);
    (void)zc::numberTextToCode(typed);
    (void)zc::groupThousands(typed);
    return 0;
}
