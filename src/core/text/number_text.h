// SPDX-License-Identifier: MIT
#pragma once
// Text helpers of the entry: the undo record, the code form of number texts,
// result formatting and digit grouping.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zc {

/// Undo record of one entry step: characters appended to the code text and to
/// the problem pane (and the history pane).
struct lastOperandLength {
    std::int32_t codeChars = 0;
    std::int32_t displayChars = 0;
    friend bool operator==(const lastOperandLength&, const lastOperandLength&) = default;
};

/// Display characters of a run of records: the length of their text in the panes.
template <typename It> int displayCharsOf(It first, It last) {
    int total = 0;
    for (; first != last; ++first)
        total += first->displayChars;
    return total;
}

/// The code form of a number text with its record, as `appendNumberText`
/// enters it. A text with an exponent becomes one bracketed operand:
/// "1.5e+20" -> "(1.5*10p(20))" {13, 7}; "2e-07" -> "(2/10p(07))" {11, 5}.
/// A leading "-" becomes the negation code "m" with the same counts.
struct NumberCode {
    std::string code;
    lastOperandLength record;
};
NumberCode numberTextToCode(std::string_view text);

/// A double as "%.20g" writes it ("5", "0.10000000000000000555", "1e+20").
std::string formatResult(double value);

/// The text with "," between groups of three integer digits, or nothing when
/// the text holds an "e" or its integer part has three digits or fewer.
std::optional<std::string> groupThousands(std::string_view text);

} // namespace zc
