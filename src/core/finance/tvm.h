// SPDX-License-Identifier: MIT
#pragma once
// Time value of money: closed forms, residual functions and the rate solvers.
// Payments fall at the end of each period; i = rate * 0.01 / perYear.

#include <cstdint>
#include <functional>
#include <stdexcept>

namespace zc {

/// A trap inside a formula or solver: division by zero, an invalid operation,
/// an overflow or any other non-finite value.
class TvmTrap : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// The project's own pseudo-random generator, range 0..32767, never seeded:
/// the same sequence in every run and on every platform.
class TvmRandom {
public:
    /// The next value in 0..32767.
    int next();
    /// Back to the first value of the sequence.
    void reset() { state_ = kInitialState; }

private:
    static constexpr std::uint32_t kInitialState = 1;
    std::uint32_t state_ = kInitialState;
};

/// The generator the calculator's solves share for the whole run.
TvmRandom& tvmSharedRandom();

/// Result of a numerical solve.
struct TvmSolution {
    bool found = false;
    double value = 0.0;
};

/// FV = -pv(1+i)^n + pmt(1-(1+i)^n)/i. Throws TvmTrap.
double tvmFutureValue(double rate, double n, double pv, double pmt, double perYear);
/// PV = -fv(1+i)^-n + pmt((1+i)^-n - 1)/i. Throws TvmTrap.
double tvmPresentValue(double rate, double n, double fv, double pmt, double perYear);
/// PMT = -i(pv(1+i)^n + fv)/((1+i)^n - 1). Throws TvmTrap.
double tvmPayment(double rate, double n, double fv, double pv, double perYear);
/// N = ln((pmt - i fv)/(pmt + i pv)) / ln(1+i). Throws TvmTrap.
double tvmPeriods(double rate, double fv, double pv, double pmt, double perYear);

/// Residual of the periodic rate r (zero at the consistent rate). Throws TvmTrap.
double tvmResidual(double n, double fv, double pv, double pmt, double r);
/// First derivative of the residual in r. Throws TvmTrap.
double tvmResidualSlope(double n, double fv, double pv, double pmt, double r);
/// Second derivative of the residual in r. Throws TvmTrap.
double tvmResidualCurvature(double n, double fv, double pv, double pmt, double r);

/// Newton's method from up to ten candidates (0.001, then random), then the
/// scan. Throws TvmTrap.
TvmSolution tvmPeriodicRate(double n, double fv, double pv, double pmt,
                            TvmRandom& rng = tvmSharedRandom());
/// The lowest scanned rate whose residual falls below the growing threshold. Throws TvmTrap.
TvmSolution tvmScanRate(double n, double fv, double pv, double pmt);
/// The two rate sequences of the scan, each a running sum from its start by its step while the
/// rate stays at most `end`. The defaults are the calculator's; tests shorten them.
struct TvmScanGrid {
    double firstStart = 0.0001;
    double firstStep = 1e-6;
    double secondStart = 0.00001;
    double secondStep = 1e-7;
    double end = 1.0;
};

/// tvmScanRate over any residual of the periodic rate and any grid, evaluating each rate once.
/// Throws what the residual throws.
TvmSolution tvmScanResidual(const std::function<double(double)>& residual,
                            const TvmScanGrid& grid = {});
/// I/YR = r * perYear * 100 for the periodic rate r. Throws TvmTrap.
TvmSolution tvmSolveRate(double n, double fv, double pv, double pmt, double perYear,
                         TvmRandom& rng = tvmSharedRandom());
/// P/YR = rate / (r * 100) for the periodic rate r. Throws TvmTrap.
TvmSolution tvmSolvePerYear(double n, double fv, double pv, double pmt, double rate,
                            TvmRandom& rng = tvmSharedRandom());

} // namespace zc
