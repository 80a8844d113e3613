// SPDX-License-Identifier: MIT
// The floating-point engine's operators: one row per operator code with its
// precedence and its arithmetic. Adding an operator is adding its row.

#include "core/engine/evaluate.h"

#include <array>
#include <cmath>
#include <string>

namespace zc {
namespace {

constexpr Extended kOneHundredth = 0.01L;

[[noreturn]] void fail(const char* what) {
    throw EvaluationError(what);
}

// Every result is checked here instead of relying on floating-point traps:
// traps are not portable and optimisers move operations across flag tests.
double toDouble(Extended r) {
    if (std::isnan(r)) fail("invalid operation");
    const double d = static_cast<double>(r);
    if (!std::isfinite(d)) fail("overflow");
    return d;
}

void checkDivisor(Extended d) {
    if (d == 0) fail("division by zero");
}

void checkLogArgument(Extended x) {
    checkDivisor(x); // the logarithm of 0 is a pole, like a division by zero
    if (x < 0) fail("invalid operation");
}

void checkUnitRange(Extended x) {
    if (!(x >= -1 && x <= 1)) fail("argument outside -1..1");
}

Extended power(Extended base, Extended exponent) {
    if (base == 0 && exponent < 0) fail("division by zero");
    if (base < 0 && std::trunc(exponent) != exponent) fail("invalid operation");
    return std::pow(base, exponent);
}

// The argument in radians, rounded to double like every step. A value outside the enum reads
// as grads, in both directions.
Extended angleArgument(Extended e, AngleMode angleMode) {
    const double x = static_cast<double>(e);
    switch (angleMode) {
    case AngleMode::Degrees:
        return toDouble(degreesToRadians(x));
    case AngleMode::Radians:
        return x;
    case AngleMode::Grads:
        break;
    }
    return toDouble(gradsToRadians(x));
}

double inverseResult(Extended radians, AngleMode angleMode) {
    switch (angleMode) {
    case AngleMode::Degrees:
        return toDouble(radians * 180 / kPi);
    case AngleMode::Radians:
        return toDouble(radians);
    case AngleMode::Grads:
        break;
    }
    return toDouble(radians * 200 / kPi);
}

// The inverse hyperbolic functions follow their logarithmic formulas step by
// step, each step rounded to double.
double inverseHyperbolic(Extended e, int sign) {
    const double radicand = toDouble(e * e + sign);
    if (radicand < 0) fail("invalid operation");
    const double root = toDouble(std::sqrt(static_cast<Extended>(radicand)));
    const double sum = toDouble(e + root);
    checkLogArgument(sum);
    return toDouble(std::log(static_cast<Extended>(sum)));
}

double inverseTanh(Extended e) {
    checkDivisor(1 - e);
    const double quotient = toDouble((1 + e) / (1 - e));
    checkLogArgument(quotient);
    const double logarithm = toDouble(std::log(static_cast<Extended>(quotient)));
    return toDouble(0.5L * logarithm);
}

using Binary = double (*)(Extended left, Extended right);
using Unary = double (*)(Extended x, AngleMode angleMode);

struct OperatorInfo {
    char code;
    int precedence;
    Binary binary; // two operands, or nullptr
    Unary unary;   // one operand, or nullptr
};

// The arithmetic operators compete by precedence on arrival. Every other code
// outranks them, so it waits on the stack until its own bracket closes or the
// next arithmetic operator releases it.
// clang-format off
constexpr OperatorInfo kOperators[] = {
    {'+', 1, [](Extended l, Extended r) { return toDouble(l + r); }, nullptr},
    {'-', 1, [](Extended l, Extended r) { return toDouble(l - r); }, nullptr},
    {'*', 2, [](Extended l, Extended r) { return toDouble(l * r); }, nullptr},
    {'/', 2, [](Extended l, Extended r) { checkDivisor(r); return toDouble(l / r); }, nullptr},
    {'p', 3, [](Extended l, Extended r) { return toDouble(power(l, r)); }, nullptr},
    {'i', 3, nullptr, [](Extended e, AngleMode) { checkDivisor(e); return toDouble(1 / e); }},
    {'q', 3, nullptr, [](Extended e, AngleMode) { return toDouble(e * e); }},
    {'%', 3, nullptr, [](Extended e, AngleMode) { return toDouble(e * kOneHundredth); }},
    {'l', 3, nullptr, [](Extended e, AngleMode) { checkLogArgument(e); return toDouble(std::log10(e)); }},
    {'n', 3, nullptr, [](Extended e, AngleMode) { checkLogArgument(e); return toDouble(std::log(e)); }},
    {'k', 3, nullptr, [](Extended e, AngleMode) {
         if (e < 0) fail("invalid operation");
         return toDouble(std::sqrt(e));
     }},
    {'m', 3, nullptr, [](Extended e, AngleMode) { return toDouble(-e); }},
    {'s', 3, nullptr, [](Extended e, AngleMode m) { return toDouble(std::sin(angleArgument(e, m))); }},
    {'c', 3, nullptr, [](Extended e, AngleMode m) { return toDouble(std::cos(angleArgument(e, m))); }},
    {'t', 3, nullptr, [](Extended e, AngleMode m) { return toDouble(std::tan(angleArgument(e, m))); }},
    {'x', 3, nullptr, [](Extended e, AngleMode m) { checkUnitRange(e); return inverseResult(std::asin(e), m); }},
    {'y', 3, nullptr, [](Extended e, AngleMode m) { checkUnitRange(e); return inverseResult(std::acos(e), m); }},
    {'z', 3, nullptr, [](Extended e, AngleMode m) { return inverseResult(std::atan(e), m); }},
    {'b', 3, nullptr, [](Extended e, AngleMode m) { return toDouble(std::sinh(angleArgument(e, m))); }},
    {'o', 3, nullptr, [](Extended e, AngleMode m) { return toDouble(std::cosh(angleArgument(e, m))); }},
    {'r', 3, nullptr, [](Extended e, AngleMode m) { return toDouble(std::tanh(angleArgument(e, m))); }},
    {'u', 3, nullptr, [](Extended e, AngleMode) { return inverseHyperbolic(e, +1); }},
    {'v', 3, nullptr, [](Extended e, AngleMode) { return inverseHyperbolic(e, -1); }},
    {'w', 3, nullptr, [](Extended e, AngleMode) { return inverseTanh(e); }},
};
// clang-format on

constexpr bool oneArithmeticPerRow() {
    for (const OperatorInfo& op : kOperators)
        if ((op.binary == nullptr) == (op.unary == nullptr)) return false;
    return true;
}
static_assert(oneArithmeticPerRow(), "every operator takes one or two operands");

constexpr const OperatorInfo* findOperator(char c) {
    for (const OperatorInfo& op : kOperators)
        if (op.code == c) return &op;
    return nullptr;
}

} // namespace

std::string_view operatorCodes() {
    static const std::string codes = [] {
        std::string s;
        for (const OperatorInfo& op : kOperators)
            s.push_back(op.code);
        return s;
    }();
    return codes;
}

bool isOperatorCode(char c) {
    return findOperator(c) != nullptr;
}

int operatorPrecedence(char c) {
    const OperatorInfo* op = findOperator(c);
    return op != nullptr ? op->precedence : 0;
}

int operatorArity(char c) {
    const OperatorInfo* op = findOperator(c);
    if (op == nullptr) return 0;
    return op->binary != nullptr ? 2 : 1;
}

double applyOperator(double left, double right, char code) {
    const OperatorInfo* op = findOperator(code);
    return op != nullptr && op->binary != nullptr ? op->binary(left, right) : 0.0;
}

double applyFunction(double x, char code, AngleMode angleMode) {
    const OperatorInfo* op = findOperator(code);
    return op != nullptr && op->unary != nullptr ? op->unary(x, angleMode) : 0.0;
}

} // namespace zc
