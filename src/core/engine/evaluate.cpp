// SPDX-License-Identifier: MIT
#include "core/engine/evaluate.h"

#include <charconv>
#include <cmath>
#include <system_error>
#include <vector>

namespace zc {
namespace {

constexpr Extended kOneHundredth = 0.01L;
// A number token is read from a 52-character area: 51 characters and the terminator.
constexpr std::size_t kMaxNumberLength = 51;

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

void checkUnitRange(double x) {
    if (!(x >= -1 && x <= 1)) fail("argument outside -1..1");
}

Extended power(Extended base, Extended exponent) {
    if (base == 0 && exponent < 0) fail("division by zero");
    if (base < 0 && std::trunc(exponent) != exponent) fail("invalid operation");
    return std::pow(base, exponent);
}

// A value outside the enum reads as grads, in both directions.
double angleArgument(double x, AngleMode angleMode) {
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
double inverseHyperbolic(double x, int sign) {
    const Extended e = x;
    const double radicand = toDouble(e * e + sign);
    if (radicand < 0) fail("invalid operation");
    const double root = toDouble(std::sqrt(static_cast<Extended>(radicand)));
    const double sum = toDouble(e + root);
    checkLogArgument(sum);
    return toDouble(std::log(static_cast<Extended>(sum)));
}

double inverseTanh(double x) {
    const Extended e = x;
    checkDivisor(1 - e);
    const double quotient = toDouble((1 + e) / (1 - e));
    checkLogArgument(quotient);
    const double logarithm = toDouble(std::log(static_cast<Extended>(quotient)));
    return toDouble(0.5L * logarithm);
}

double readNumber(std::string_view token) {
    if (token.size() > kMaxNumberLength) fail("number too long");
    double value = 0;
    // The longest prefix that forms a number counts: "5.0." reads as 5.
    const auto [ptr, ec] = std::from_chars(token.data(), token.data() + token.size(), value);
    if (ec != std::errc{}) fail("malformed number");
    return value;
}

constexpr bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

double applyOperator(double left, double right, char code) {
    const Extended l = left;
    const Extended r = right;
    switch (code) {
    case '+':
        return toDouble(l + r);
    case '-':
        return toDouble(l - r);
    case '*':
        return toDouble(l * r);
    case '/':
        checkDivisor(r);
        return toDouble(l / r);
    case 'p':
        return toDouble(power(l, r));
    default:
        return 0.0;
    }
}

double applyFunction(double x, char code, AngleMode angleMode) {
    const Extended e = x;
    switch (code) {
    case 'm':
        return toDouble(-e);
    case 'i':
        checkDivisor(e);
        return toDouble(1 / e);
    case 'q':
        return toDouble(e * e);
    case '%':
        return toDouble(e * kOneHundredth);
    case 'k':
        if (e < 0) fail("invalid operation");
        return toDouble(std::sqrt(e));
    case 'l':
        checkLogArgument(e);
        return toDouble(std::log10(e));
    case 'n':
        checkLogArgument(e);
        return toDouble(std::log(e));
    case 's':
        return toDouble(std::sin(static_cast<Extended>(angleArgument(x, angleMode))));
    case 'c':
        return toDouble(std::cos(static_cast<Extended>(angleArgument(x, angleMode))));
    case 't':
        return toDouble(std::tan(static_cast<Extended>(angleArgument(x, angleMode))));
    case 'b':
        return toDouble(std::sinh(static_cast<Extended>(angleArgument(x, angleMode))));
    case 'o':
        return toDouble(std::cosh(static_cast<Extended>(angleArgument(x, angleMode))));
    case 'r':
        return toDouble(std::tanh(static_cast<Extended>(angleArgument(x, angleMode))));
    case 'x':
        checkUnitRange(x);
        return inverseResult(std::asin(e), angleMode);
    case 'y':
        checkUnitRange(x);
        return inverseResult(std::acos(e), angleMode);
    case 'z':
        return inverseResult(std::atan(e), angleMode);
    case 'u':
        return inverseHyperbolic(x, +1);
    case 'v':
        return inverseHyperbolic(x, -1);
    case 'w':
        return inverseTanh(x);
    default:
        return 0.0;
    }
}

double evaluatePostfix(std::string_view postfix, AngleMode angleMode) {
    std::vector<double> stack;
    stack.reserve(postfix.size() / 2 + 1);
    std::size_t i = 0;
    while (i < postfix.size()) {
        const char c = postfix[i];
        if (isDigit(c)) {
            std::size_t end = i + 1;
            while (end < postfix.size() && (isDigit(postfix[end]) || postfix[end] == '.'))
                ++end;
            stack.push_back(readNumber(postfix.substr(i, end - i)));
            i = end;
            continue;
        }
        switch (operatorArity(c)) {
        case 2: {
            if (stack.size() < 2) fail("missing operand");
            const double right = stack.back();
            stack.pop_back();
            stack.back() = applyOperator(stack.back(), right, c);
            break;
        }
        case 1:
            if (stack.empty()) fail("missing operand");
            stack.back() = applyFunction(stack.back(), c, angleMode);
            break;
        default:
            break; // the space after a number, an unclosed "("
        }
        ++i;
    }
    if (stack.empty()) fail("no value");
    // Values left below the top (as from 2(3)) are dropped.
    return stack.back();
}

double evaluateCode(std::string_view code, AngleMode angleMode) {
    std::string postfix;
    toPostfix(code, postfix);
    return evaluatePostfix(postfix, angleMode);
}

} // namespace zc
