// SPDX-License-Identifier: MIT
// The floating-point engine on any code text with any angle mode: it either
// fails with its own error or gives a finite value, and the postfix text it
// builds evaluates to the same value.

#include "core/engine/evaluate.h"
#include "fuzz_check.h"

#include <cmath>
#include <string>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zc::fuzz::Input in(data, size);
    const auto angleMode = static_cast<zc::AngleMode>(in.byte() % 3);
    const std::string_view code = in.rest(zc::fuzz::kMaxCodeText);
    double value = 0;
    try {
        value = zc::evaluateCode(code, angleMode);
    } catch (const zc::EvaluationError&) {
        return 0;
    }
    ZC_FUZZ_CHECK(std::isfinite(value));
    std::string postfix;
    ZC_FUZZ_CHECK(zc::toPostfix(code, postfix));
    const double again = zc::evaluatePostfix(postfix, angleMode);
    ZC_FUZZ_CHECK(again == value || (std::isnan(again) && std::isnan(value)));
    return 0;
}
