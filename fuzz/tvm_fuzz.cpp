// SPDX-License-Identifier: MIT
// The time-value-of-money closed forms and rate solvers on any six doubles: each
// either traps with its own error or gives a finite value.

#include "core/finance/tvm.h"
#include "fuzz_check.h"

#include <cmath>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    return 0;
}

namespace {

template <typename F> void finiteOrTrap(F f) {
    try {
        ZC_FUZZ_CHECK(std::isfinite(f()));
    } catch (const zc::TvmTrap&) {
    }
}

template <typename F> void solvedFiniteOrTrap(F f) {
    try {
        const zc::TvmSolution s = f();
        if (s.found) ZC_FUZZ_CHECK(std::isfinite(s.value));
    } catch (const zc::TvmTrap&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zc::fuzz::Input in(data, size);
    const std::uint8_t which = in.byte();
    const double rate = in.real(), n = in.real(), pv = in.real(), fv = in.real(), pmt = in.real(),
                 perYear = in.real();
    finiteOrTrap([&] { return zc::tvmFutureValue(rate, n, pv, pmt, perYear); });
    finiteOrTrap([&] { return zc::tvmPresentValue(rate, n, fv, pmt, perYear); });
    finiteOrTrap([&] { return zc::tvmPayment(rate, n, fv, pv, perYear); });
    finiteOrTrap([&] { return zc::tvmPeriods(rate, fv, pv, pmt, perYear); });
    // The solvers scan up to two million rates when Newton's method finds none;
    // one of them per input keeps a run fast.
    zc::TvmRandom rng;
    if (which % 2 == 0)
        solvedFiniteOrTrap([&] { return zc::tvmSolveRate(n, fv, pv, pmt, perYear, rng); });
    else
        solvedFiniteOrTrap([&] { return zc::tvmSolvePerYear(n, fv, pv, pmt, rate, rng); });
    return 0;
}
