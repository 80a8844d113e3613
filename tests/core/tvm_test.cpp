// SPDX-License-Identifier: MIT
#include "core/finance/tvm.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace zc {
namespace {

std::string rowName(const char* name) {
    return name;
}

// Rows print as their names when a case fails.
template <typename Case>
requires requires(const Case& c) {
    c.name;
}
void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

struct ClosedFormCase {
    const char* name;
    std::function<double()> compute;
    double expected;
};

class TvmClosedForm : public ::testing::TestWithParam<ClosedFormCase> {};

TEST_P(TvmClosedForm, MatchesKnownValue) {
    const auto& c = GetParam();
    // Within a few units of the last place: (1+i)^n - 1 loses digits to cancellation.
    EXPECT_NEAR(c.compute(), c.expected, 1e-13 * std::fabs(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TvmClosedForm,
    ::testing::Values(
        // PV 1000 at 5 % a year for 10 years.
        ClosedFormCase{"FutureValue", [] { return tvmFutureValue(5, 10, 1000, 0, 1); },
                       -1628.894626777442},
        ClosedFormCase{"PresentValueInvertsFutureValue",
                       [] { return tvmPresentValue(5, 10, -1628.894626777442, 0, 1); }, 1000.0},
        // 12 % a year paid monthly: i = 0.01.
        ClosedFormCase{"MonthlyPayment", [] { return tvmPayment(12, 12, 0, 1000, 12); },
                       -88.84878867834166},
        ClosedFormCase{"PaymentWithFutureValue", [] { return tvmPayment(10, 2, -210, 0, 1); },
                       100.0},
        ClosedFormCase{"Periods", [] { return tvmPeriods(10, 0, 1000, -200, 1); },
                       7.272540897341713},
        ClosedFormCase{"FutureValueOfPayments", [] { return tvmFutureValue(10, 2, 0, -100, 1); },
                       210.0}),
    [](const auto& info) { return rowName(info.param.name); });

struct TrapCase {
    const char* name;
    std::function<double()> compute;
};

class TvmFormulaTrap : public ::testing::TestWithParam<TrapCase> {};

TEST_P(TvmFormulaTrap, Throws) {
    EXPECT_THROW(GetParam().compute(), TvmTrap);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TvmFormulaTrap,
    ::testing::Values(
        TrapCase{"FutureValueRateZero", [] { return tvmFutureValue(0, 10, 1000, 0, 1); }},
        TrapCase{"PresentValueRateZero", [] { return tvmPresentValue(0, 10, 1000, -5, 1); }},
        TrapCase{"PaymentRateZero", [] { return tvmPayment(0, 10, 0, 1000, 1); }},
        TrapCase{"PeriodsRateZero", [] { return tvmPeriods(0, 0, 1000, -200, 1); }},
        TrapCase{"FutureValuePerYearZero", [] { return tvmFutureValue(5, 10, 1000, 0, 0); }},
        TrapCase{"PresentValuePerYearZero", [] { return tvmPresentValue(5, 10, 1000, 0, 0); }},
        TrapCase{"PaymentPerYearZero", [] { return tvmPayment(5, 10, 0, 1000, 0); }},
        TrapCase{"PeriodsPerYearZero", [] { return tvmPeriods(5, 0, 1000, -200, 0); }},
        // (-100) / (-100 + 0.1 * 1000): the payment only covers the interest.
        TrapCase{"PeriodsZeroDenominator", [] { return tvmPeriods(10, 0, 1000, -100, 1); }},
        TrapCase{"PeriodsLogOfNegative", [] { return tvmPeriods(10, 0, 2000, -100, 1); }},
        TrapCase{"PeriodsLogOfZero", [] { return tvmPeriods(10, 0, 1000, 0, 1); }},
        TrapCase{"FutureValueOverflow", [] { return tvmFutureValue(100, 1e6, 1000, 0, 1); }},
        TrapCase{"FutureValueFractionalPowerOfNegative",
                 [] { return tvmFutureValue(-300, 0.5, 1000, 0, 1); }},
        TrapCase{"ResidualRateZero", [] { return tvmResidual(10, 0, 1000, -100, 0); }},
        TrapCase{"ResidualRateZeroNoPayment", [] { return tvmResidual(10, 2000, -1000, 0, 0); }},
        TrapCase{"ResidualPole", [] { return tvmResidual(10, 2000, -1000, 0, -1); }},
        TrapCase{"ResidualFractionalPowerOfNegative",
                 [] { return tvmResidual(10.5, 2000, -1000, 0, -2); }},
        TrapCase{"SlopeRateZero", [] { return tvmResidualSlope(10, 2000, -1000, 0, 0); }},
        TrapCase{"CurvatureRateZero", [] { return tvmResidualCurvature(10, 2000, -1000, 0, 0); }},
        TrapCase{"CurvatureOverflow",
                 [] { return tvmResidualCurvature(-1e6, 0, -5000, 0, 0.001); }}),
    [](const auto& info) { return rowName(info.param.name); });

TEST(TvmRandomTest, SequenceIsFixed) {
    TvmRandom rng;
    for (const int expected : {16838, 5758, 10113, 17515, 31051, 5627})
        EXPECT_EQ(rng.next(), expected);
    rng.reset();
    EXPECT_EQ(rng.next(), 16838);
}

TEST(TvmRandomTest, StaysInRange) {
    TvmRandom rng;
    for (int k = 0; k < 100000; ++k) {
        const int v = rng.next();
        ASSERT_GE(v, 0);
        ASSERT_LE(v, 32767);
    }
}

TEST(TvmRandomTest, SharedInstanceIsOne) {
    EXPECT_EQ(&tvmSharedRandom(), &tvmSharedRandom());
}

TEST(TvmSolverTest, DoublingRateFromFirstCandidate) {
    TvmRandom rng;
    const TvmSolution s = tvmSolveRate(10, 2000, -1000, 0, 1, rng);
    ASSERT_TRUE(s.found);
    EXPECT_NEAR(s.value, 7.177346253629313, 1e-9);
    EXPECT_EQ(rng.next(), 16838) << "0.001 passes, so no random candidate is drawn";
}

TEST(TvmSolverTest, PerYearFromRate) {
    TvmRandom rng;
    const TvmSolution s = tvmSolvePerYear(10, 2000, -1000, 0, 12 * 7.177346253629313, rng);
    ASSERT_TRUE(s.found);
    EXPECT_NEAR(s.value, 12.0, 1e-9);
}

TEST(TvmSolverTest, HopelessProblemIsNotFound) {
    // The residual is the constant 5000 and its curvature 0: every candidate fails the
    // Fourier test and the scan never gets below a threshold.
    TvmRandom rng;
    const TvmSolution s = tvmSolveRate(10, 0, -5000, 0, 1, rng);
    EXPECT_FALSE(s.found);
    EXPECT_EQ(rng.next(), 4086) << "nine random candidates were drawn";
}

TEST(TvmSolverTest, OverflowInsideTheSolverTraps) {
    TvmRandom rng;
    EXPECT_THROW(tvmSolveRate(-1e6, 0, -5000, 0, 1, rng), TvmTrap);
    EXPECT_THROW(tvmSolvePerYear(-1e6, 0, -5000, 0, 5, rng), TvmTrap);
}

// Newton's method run to convergence with no cap, as a model of the first candidate's run.
struct NewtonRun {
    double rate;
    int steps;
};

NewtonRun uncappedNewton(double n, double fv, double pv, double pmt, double x) {
    int steps = 0;
    do {
        x -= tvmResidual(n, fv, pv, pmt, x) / tvmResidualSlope(n, fv, pv, pmt, x);
        ++steps;
    } while (std::fabs(tvmResidual(n, fv, pv, pmt, x)) > 0.00001 && steps < 100000);
    return {x, steps};
}

struct CapCase {
    const char* name;
    double fv;
    int uncappedSteps; // what the first candidate needs without a cap
    bool firstCandidateKept;
};

class TvmNewtonCap : public ::testing::TestWithParam<CapCase> {};

// With n 1000, FV > 0 and nothing else, the residual is positive, has no root and fades
// slowly as the rate grows; Newton's method creeps after it, the longer the larger FV is.
TEST_P(TvmNewtonCap, RunPastTheCapFailsTheCandidate) {
    const auto& c = GetParam();
    const double n = 1000;
    const NewtonRun first = uncappedNewton(n, c.fv, 0, 0, 0.001);
    ASSERT_EQ(first.steps, c.uncappedSteps);

    TvmRandom rng;
    const TvmSolution s = tvmPeriodicRate(n, c.fv, 0, 0, rng);
    ASSERT_TRUE(s.found);
    if (c.firstCandidateKept) {
        EXPECT_EQ(s.value, first.rate);
        EXPECT_EQ(rng.next(), 16838) << "no random candidate drawn";
    } else {
        const NewtonRun second = uncappedNewton(n, c.fv, 0, 0, 16838 / 32767.0);
        EXPECT_EQ(s.value, second.rate);
        EXPECT_EQ(rng.next(), 5758) << "exactly one random candidate drawn";
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, TvmNewtonCap,
                         ::testing::Values(CapCase{"WellUnderCap", 1e20, 57, true},
                                           CapCase{"ConvergesOnLastStep", 5e38, 100, true},
                                           CapCase{"OneStepPastCap", 1e39, 101, false},
                                           CapCase{"FarPastCap", 1e100, 241, false}),
                         [](const auto& info) { return rowName(info.param.name); });

// The scan as first designed: threshold by threshold, each sweeping both sequences afresh.
TvmSolution referenceScan(const std::function<double(double)>& residual, const TvmScanGrid& grid) {
    double h = 1e-6;
    double g = 1e-6;
    while (g <= 1.0) {
        for (double r = grid.firstStart; r <= grid.end; r += grid.firstStep)
            if (residual(r) < g) return {true, r};
        for (double r = grid.secondStart; r <= grid.end; r += grid.secondStep)
            if (residual(r) < g) return {true, r};
        if (g >= 10.0 * h - 0.5 * h) h *= 10.0;
        g += h;
    }
    return {};
}

enum class Outcome { Found, NotFound, Trap };

struct ScanOutcome {
    Outcome kind;
    double rate;
};

ScanOutcome outcomeOf(const std::function<TvmSolution()>& solve) {
    try {
        const TvmSolution s = solve();
        return {s.found ? Outcome::Found : Outcome::NotFound, s.found ? s.value : 0.0};
    } catch (const TvmTrap&) {
        return {Outcome::Trap, 0.0};
    }
}

long gridSize(const TvmScanGrid& grid) {
    long count = 0;
    for (double r = grid.firstStart; r <= grid.end; r += grid.firstStep)
        ++count;
    for (double r = grid.secondStart; r <= grid.end; r += grid.secondStep)
        ++count;
    return count;
}

const TvmScanGrid kCalculatorGrid{0.0001, 1e-6, 0.00001, 1e-7, 1.0};
// Short sequences, so that the reference can afford to run through all thresholds.
const TvmScanGrid kShortGrid{0.0001, 1e-6, 0.00001, 1e-7, 0.0011};

[[noreturn]] double trapAt(double) {
    throw TvmTrap("test trap");
}

struct ScanCase {
    const char* name;
    std::function<double(double)> residual;
    Outcome expected; // guards against both versions agreeing on the wrong kind
};

class TvmScanShortGrid : public ::testing::TestWithParam<ScanCase> {};

TEST_P(TvmScanShortGrid, OneSweepEqualsReference) {
    const auto& c = GetParam();
    long evaluations = 0;
    const auto counted = [&](double r) {
        ++evaluations;
        return c.residual(r);
    };
    const ScanOutcome reference = outcomeOf([&] { return referenceScan(c.residual, kShortGrid); });
    const ScanOutcome sweep = outcomeOf([&] { return tvmScanResidual(counted, kShortGrid); });
    EXPECT_EQ(reference.kind, c.expected);
    EXPECT_EQ(sweep.kind, reference.kind);
    EXPECT_EQ(sweep.rate, reference.rate);
    EXPECT_LE(evaluations, gridSize(kShortGrid)) << "a rate was evaluated twice";
    if (reference.kind == Outcome::NotFound) {
        EXPECT_EQ(evaluations, gridSize(kShortGrid));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TvmScanShortGrid,
    ::testing::Values(
        ScanCase{"NothingBelowOne", [](double) { return 5.0; }, Outcome::NotFound},
        ScanCase{"HopelessResidual", [](double r) { return tvmResidual(10, 0, -5000, 0, r); },
                 Outcome::NotFound},
        ScanCase{"ConstantMeetsLateThreshold", [](double) { return 0.5; }, Outcome::Found},
        ScanCase{"FallsInFirstSequence", [](double r) { return 1.0 - 1000.0 * r; }, Outcome::Found},
        // Below the first rate of the first sequence the residual is negative.
        ScanCase{"RootBeforeFirstSequence",
                 [](double r) { return tvmResidual(10, 1000.5, -1000, 0, r); }, Outcome::Found},
        ScanCase{"DipOnlyInSecondSequence",
                 [](double r) { return 0.002 + 1000.0 * std::fabs(r - 5e-5); }, Outcome::Found},
        // At 0.003 both sequences are below: the first wins though the second dips deeper.
        ScanCase{"BothMeetSameThreshold",
                 [](double r) {
                     return r < 1e-4 ? 0.0021 + 1000.0 * std::fabs(r - 5e-5)
                                     : 0.0025 + 1000.0 * std::fabs(r - 5e-4);
                 },
                 Outcome::Found},
        ScanCase{"SecondMeetsEarlierThreshold",
                 [](double r) {
                     return r < 1e-4 ? 0.0021 + 1000.0 * std::fabs(r - 5e-5)
                                     : 0.0045 + 1000.0 * std::fabs(r - 5e-4);
                 },
                 Outcome::Found},
        ScanCase{"TrapInFirstSequence", [](double r) { return r > 0.0005 ? trapAt(r) : 2.0; },
                 Outcome::Trap},
        ScanCase{"HitBeforeTrapInFirstSequence",
                 [](double r) { return r > 0.0005 ? trapAt(r) : 1.0 - 5000.0 * r; },
                 Outcome::Found},
        ScanCase{"TrapOnlyInSecondSequence", [](double r) { return r < 5e-5 ? trapAt(r) : 0.5; },
                 Outcome::Trap},
        ScanCase{"SecondSequenceHitBeforeItsTrap",
                 [](double r) { return r < 2e-5   ? -1.0
                                       : r < 1e-4 ? trapAt(r)
                                                  : 0.5; },
                 Outcome::Found},
        // The second sequence meets a later threshold before its trap, but the pass for the
        // first threshold runs on into the trap.
        ScanCase{"TrapAfterLaterThresholdInSecond",
                 [](double r) { return r < 3e-5   ? 1e-4
                                       : r < 1e-4 ? trapAt(r)
                                                  : 0.5; },
                 Outcome::Trap},
        ScanCase{"TrapAtLastRateOfSecondSequence",
                 [](double r) { return r > 0.00109995 ? trapAt(r) : 0.5; }, Outcome::Trap}),
    [](const auto& info) { return rowName(info.param.name); });

struct ScanProblemCase {
    const char* name;
    double n, fv, pv, pmt;
    Outcome expected;
};

class TvmScanCalculatorGrid : public ::testing::TestWithParam<ScanProblemCase> {};

// Problems the reference settles at the first threshold, so that it stays quick.
TEST_P(TvmScanCalculatorGrid, OneSweepEqualsReference) {
    const auto& c = GetParam();
    const auto residual = [&](double r) { return tvmResidual(c.n, c.fv, c.pv, c.pmt, r); };
    const ScanOutcome reference =
        outcomeOf([&] { return referenceScan(residual, kCalculatorGrid); });
    const ScanOutcome sweep = outcomeOf([&] { return tvmScanRate(c.n, c.fv, c.pv, c.pmt); });
    EXPECT_EQ(reference.kind, c.expected);
    EXPECT_EQ(sweep.kind, reference.kind);
    EXPECT_EQ(sweep.rate, reference.rate);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TvmScanCalculatorGrid,
    ::testing::Values(ScanProblemCase{"FallingResidual", 10, -2000, 1000, 0, Outcome::Found},
                      ScanProblemCase{"Annuity", 12, 0, 1000, -100, Outcome::Found},
                      ScanProblemCase{"RootBeforeFirstSequence", 10, 1000.5, -1000, 0,
                                      Outcome::Found},
                      // (1+r)^1e6 overflows from r = 7.1e-4 on.
                      ScanProblemCase{"OverflowTrap", -1e6, 0, -5000, 0, Outcome::Trap}),
    [](const auto& info) { return rowName(info.param.name); });

} // namespace
} // namespace zc
