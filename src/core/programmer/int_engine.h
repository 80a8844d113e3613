// SPDX-License-Identifier: MIT
#pragma once
// The integer engine of the programmer layer: unsigned 64-bit values written
// in HEX, DEC, OCT or BIN, with the ten codes "+-*/<&|^%~".

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace zc {

/// Thrown for every failure of the integer engine.
class IntEngineError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// The number system of the programmer layer, in the order of its group.
enum class NumberSystem : int { Hex, Dec, Oct, Bin };

/// 16, 10, 8 or 2; 10 for a value outside the enum.
int numberSystemBase(NumberSystem numberSystem);

/// "HEX", "DEC", "OCT", "BIN"; "" for a value outside the enum.
std::string_view numberSystemName(NumberSystem numberSystem);

/// The ten integer operator codes.
inline constexpr std::string_view kIntOperatorCodes = "+-*/<&|^%~";

/// True exactly for "+-*/<&|^%~".
bool isIntOperatorCode(char c);

/// ~ 7; * / % 6; + - 5; < 4; & 3; ^ 2; | 1; anything else 0.
int intOperatorPrecedence(char c);

/// "0".."9", "A".."F" for 0..15; throws for any other digit value.
char digitChar(int digit);

/// Value of a digit text in a base (2, 8, 10, 16); writes its unsigned decimal
/// text to `decimal` when given. Throws for an invalid digit, a first-position
/// weight of 2^63 or more, or a base outside 2..16.
std::uint64_t parseInBase(std::string_view digits, int base, std::string* decimal = nullptr);

/// The code text with every digit run rewritten from the number system to decimal
/// (DEC is copied). Throws as parseInBase, or for a run of more than 99 characters.
std::string problemToDecimal(std::string_view code, NumberSystem numberSystem);

/// Integer twin of toPostfix: writes postfix text to `postfix`, returns true;
/// throws for an unmatched ")".
bool intToPostfix(std::string_view code, std::string& postfix);

/// Value of an integer postfix text; number tokens are read exactly, their fraction
/// dropped. Throws for an operand of 2^63 or more, a token of more than 99
/// characters, a missing operand, no value, or division or remainder by zero.
std::uint64_t evaluateIntPostfix(std::string_view postfix);

/// The two-operand codes of the integer engine; 0 for any other code. "<" gives 0
/// for shift counts of 64 and more. Throws for division or remainder by zero.
std::uint64_t applyIntOperator(std::uint64_t left, std::uint64_t right, char code);

/// "~" gives the complement; any other code gives 0.
std::uint64_t applyIntFunction(std::uint64_t x, char code);

/// The value in the number system, capital digits, no leading zeros ("0" for 0).
std::string formatInBase(std::uint64_t value, NumberSystem numberSystem);

/// The number text rewritten from one number system into another.
std::string convertNumberText(std::string_view text, NumberSystem from, NumberSystem to);

/// problemToDecimal, intToPostfix, evaluateIntPostfix and formatInBase in one call.
std::string evaluateIntProblem(std::string_view code, NumberSystem numberSystem);

} // namespace zc
