// SPDX-License-Identifier: MIT
#include "core/engine/postfix.h"

#include <vector>

namespace zc {
namespace {

constexpr bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

constexpr bool isArithmetic(char c) {
    return c == '+' || c == '-' || c == '*' || c == '/';
}

} // namespace

bool toPostfix(std::string_view code, std::string& postfix) {
    postfix.clear();
    // Each number token gains one space, so the output is at most half as long again.
    postfix.reserve(code.size() + code.size() / 2 + 1);
    std::vector<char> stack;
    stack.reserve(code.size());

    const auto popToOutput = [&] {
        postfix.push_back(stack.back());
        stack.pop_back();
    };

    std::size_t i = 0;
    while (i < code.size()) {
        const char c = code[i];
        if (isDigit(c)) {
            std::size_t end = i + 1;
            while (end < code.size() && (isDigit(code[end]) || code[end] == '.'))
                ++end;
            postfix.append(code.substr(i, end - i));
            postfix.push_back(' ');
            i = end;
            continue;
        }
        if (isArithmetic(c)) {
            // Equal precedence pops too: the four operators associate to the left.
            while (!stack.empty() && stack.back() != '(' &&
                   operatorPrecedence(stack.back()) >= operatorPrecedence(c))
                popToOutput();
            stack.push_back(c);
        } else if (c == '(' || isOperatorCode(c)) {
            stack.push_back(c);
        } else if (c == ')') {
            while (!stack.empty() && stack.back() != '(')
                popToOutput();
            if (stack.empty()) throw EvaluationError("closing bracket without opening bracket");
            stack.pop_back();
            // The function or power code in front of this bracket is complete now.
            if (!stack.empty() && stack.back() != '(' && !isArithmetic(stack.back())) popToOutput();
        }
        ++i;
    }
    // Unclosed "(" go out as well; the evaluator skips them.
    while (!stack.empty())
        popToOutput();
    return true;
}

} // namespace zc
