// SPDX-License-Identifier: MIT
#include "core/finance/tvm.h"

#include <array>
#include <cmath>
#include <optional>

namespace zc {

namespace {

// The calculator's arithmetic traps division by zero, invalid operations and overflow, so
// every operation that could produce an infinity or a not-a-number is checked here instead
// of letting one reach a result. Underflow to zero stays silent.
double finite(double value) {
    if (!std::isfinite(value)) throw TvmTrap("invalid operation or overflow");
    return value;
}

double divide(double numerator, double denominator) {
    finite(numerator);
    if (finite(denominator) == 0.0) throw TvmTrap("division by zero");
    return finite(numerator / denominator);
}

// Covers both the overflow of a power and the domain error of a negative base with a
// fractional exponent, which yields a not-a-number.
double power(double base, double exponent) {
    return finite(std::pow(base, exponent));
}

// The logarithm of zero is minus infinity and of a negative number a not-a-number.
double naturalLog(double value) {
    return finite(std::log(value));
}

double periodicRate(double rate, double perYear) {
    return divide(rate * 0.01, perYear);
}

constexpr int kCandidates = 10;
constexpr double kFirstCandidate = 0.001;
constexpr double kRandomScale = 32767.0;
// Without a cap, a start that drifts towards a far or missing root would keep the window
// busy without end; such a start counts as failed and the next one is tried.
constexpr int kNewtonCap = 100;
constexpr double kNewtonTolerance = 0.00001;

// The scan's thresholds grow by one step at a time, the step growing tenfold each decade:
// 1e-6, 2e-6, ..., 1e-5, 2e-5, ..., 1e-4, ... up to 1.
struct ScanThresholds {
    static constexpr int kCapacity = 64;
    std::array<double, kCapacity> values{};
    int count = 0;
};

ScanThresholds scanThresholds() {
    ScanThresholds t;
    double step = 1e-6;
    double threshold = 1e-6;
    while (threshold <= 1.0 && t.count < ScanThresholds::kCapacity) {
        t.values[t.count++] = threshold;
        // The threshold is a running sum, so "reached ten steps" is decided within half a step.
        if (threshold >= 10.0 * step - 0.5 * step) step *= 10.0;
        threshold += step;
    }
    return t;
}

// Sweeps one rate sequence in order, evaluating each rate once. first[j] receives the first
// rate whose residual is below threshold j, for every threshold the sequence meets; the
// return value is the lowest threshold index met (t.count when none). Since the thresholds
// ascend, the first rate below threshold j is where the running minimum first drops below
// it, and the thresholds met so far are always a top range [open, count). Meeting threshold
// 0 settles the whole scan, so the sweep stops there.
template <typename Residual>
int sweep(Residual& residual, double start, double step, double end, const ScanThresholds& t,
          std::array<double, ScanThresholds::kCapacity>& first) {
    int open = t.count;
    for (double r = start; r <= end; r += step) {
        const double value = residual(r);
        while (open > 0 && value < t.values[open - 1])
            first[--open] = r;
        if (open == 0) break;
    }
    return open;
}

// Scanning threshold by threshold (for each threshold the whole first sequence, then the
// whole second, the lowest threshold first) returns the earliest threshold that either
// sequence gets below, preferring the first sequence's rate within that threshold. Two
// sweeps give the same answer with each rate evaluated once.
//
// A trap is met exactly as threshold by threshold: the pass for the first threshold runs
// the first sequence to its end unless a rate falls below that threshold, and then the
// second sequence likewise, so every rate a sweep reaches before stopping at threshold 0 is
// a rate that pass would have evaluated. Letting a trap propagate from either sweep is
// therefore the same outcome.
template <typename Residual> TvmSolution scan(Residual& residual, const TvmScanGrid& grid) {
    const ScanThresholds t = scanThresholds();
    std::array<double, ScanThresholds::kCapacity> firstA{};
    std::array<double, ScanThresholds::kCapacity> firstB{};

    const int openA = sweep(residual, grid.firstStart, grid.firstStep, grid.end, t, firstA);
    if (openA == 0) return {true, firstA[0]};
    const int openB = sweep(residual, grid.secondStart, grid.secondStep, grid.end, t, firstB);
    if (openB == 0) return {true, firstB[0]};

    const int met = openA < openB ? openA : openB;
    if (met >= t.count) return {};
    return {true, openA == met ? firstA[met] : firstB[met]};
}

std::optional<double> newton(double n, double fv, double pv, double pmt, double x) {
    double residual = tvmResidual(n, fv, pv, pmt, x);
    for (int step = 0; step < kNewtonCap; ++step) {
        x = finite(x - divide(residual, tvmResidualSlope(n, fv, pv, pmt, x)));
        residual = tvmResidual(n, fv, pv, pmt, x);
        if (!(std::fabs(residual) > kNewtonTolerance)) return x;
    }
    return std::nullopt;
}

} // namespace

int TvmRandom::next() {
    // The portable linear congruential generator: 32-bit wrap, bits 16..30 of the state.
    state_ = state_ * 1103515245u + 12345u;
    return static_cast<int>((state_ / 65536u) % 32768u);
}

TvmRandom& tvmSharedRandom() {
    static TvmRandom random;
    return random;
}

double tvmFutureValue(double rate, double n, double pv, double pmt, double perYear) {
    const double i = periodicRate(rate, perYear);
    const double growth = power(1.0 + i, n);
    return finite(-pv * growth + divide(pmt * (1.0 - growth), i));
}

double tvmPresentValue(double rate, double n, double fv, double pmt, double perYear) {
    const double i = periodicRate(rate, perYear);
    const double discount = power(1.0 + i, -n);
    return finite(-fv * discount + divide(pmt * (discount - 1.0), i));
}

double tvmPayment(double rate, double n, double fv, double pv, double perYear) {
    const double i = periodicRate(rate, perYear);
    const double growth = power(1.0 + i, n);
    return divide(-i * finite(pv * growth + fv), growth - 1.0);
}

double tvmPeriods(double rate, double fv, double pv, double pmt, double perYear) {
    const double i = periodicRate(rate, perYear);
    const double ratio = divide(pmt - i * fv, pmt + i * pv);
    return divide(naturalLog(ratio), naturalLog(1.0 + i));
}

double tvmResidual(double n, double fv, double pv, double pmt, double r) {
    const double q = power(1.0 + r, -n);
    return finite(-fv * q + divide(pmt * (q - 1.0), r) - pv);
}

// The present value is a constant term of the residual, so its derivatives do not use it.
double tvmResidualSlope(double n, double fv, double /*pv*/, double pmt, double r) {
    const double q0 = power(1.0 + r, -n);
    const double q1 = power(1.0 + r, -n - 1.0);
    return finite(n * fv * q1 + divide(pmt * (1.0 - n * r * q1 - q0), r * r));
}

double tvmResidualCurvature(double n, double fv, double /*pv*/, double pmt, double r) {
    const double q0 = power(1.0 + r, -n);
    const double q1 = power(1.0 + r, -n - 1.0);
    const double q2 = power(1.0 + r, -n - 2.0);
    const double nn1 = n * (n + 1.0);
    return finite(-nn1 * fv * q2 +
                  divide(pmt * (nn1 * r * r * q2 + 2.0 * n * r * q1 + 2.0 * q0 - 2.0), r * r * r));
}

TvmSolution tvmPeriodicRate(double n, double fv, double pv, double pmt, TvmRandom& rng) {
    double x = kFirstCandidate;
    for (int candidate = 0; candidate < kCandidates; ++candidate) {
        if (candidate > 0) x = rng.next() / kRandomScale;
        // Fourier's condition: from here Newton's method approaches the root from one side.
        const double fourier =
            finite(tvmResidual(n, fv, pv, pmt, x) * tvmResidualCurvature(n, fv, pv, pmt, x));
        if (!(fourier > 0.0)) continue;
        if (const auto rate = newton(n, fv, pv, pmt, x)) return {true, *rate};
    }
    return tvmScanRate(n, fv, pv, pmt);
}

TvmSolution tvmScanRate(double n, double fv, double pv, double pmt) {
    auto residual = [&](double r) { return tvmResidual(n, fv, pv, pmt, r); };
    return scan(residual, TvmScanGrid{});
}

TvmSolution tvmScanResidual(const std::function<double(double)>& residual,
                            const TvmScanGrid& grid) {
    return scan(residual, grid);
}

TvmSolution tvmSolveRate(double n, double fv, double pv, double pmt, double perYear,
                         TvmRandom& rng) {
    TvmSolution s = tvmPeriodicRate(n, fv, pv, pmt, rng);
    if (s.found) s.value = finite(s.value * perYear * 100.0);
    return s;
}

TvmSolution tvmSolvePerYear(double n, double fv, double pv, double pmt, double rate,
                            TvmRandom& rng) {
    TvmSolution s = tvmPeriodicRate(n, fv, pv, pmt, rng);
    if (s.found) s.value = divide(rate, s.value * 100.0);
    return s;
}

} // namespace zc
