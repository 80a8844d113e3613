// SPDX-License-Identifier: MIT
#include "core/engine/postfix.h"

#include <array>
#include <vector>

namespace zc {
namespace {

struct OperatorInfo {
    char code;
    int precedence;
    int arity;
};

// The arithmetic operators compete by precedence on arrival. Every other code
// outranks them, so it waits on the stack until its own bracket closes or the
// next arithmetic operator releases it.
constexpr std::array<OperatorInfo, 24> kOperators{{
    {'+', 1, 2}, {'-', 1, 2}, {'*', 2, 2}, {'/', 2, 2}, {'p', 3, 2}, {'i', 3, 1},
    {'q', 3, 1}, {'%', 3, 1}, {'l', 3, 1}, {'n', 3, 1}, {'k', 3, 1}, {'m', 3, 1},
    {'s', 3, 1}, {'c', 3, 1}, {'t', 3, 1}, {'x', 3, 1}, {'y', 3, 1}, {'z', 3, 1},
    {'b', 3, 1}, {'o', 3, 1}, {'r', 3, 1}, {'u', 3, 1}, {'v', 3, 1}, {'w', 3, 1},
}};

constexpr bool tableMatchesCodes() {
    if (kOperators.size() != kOperatorCodes.size()) return false;
    for (std::size_t i = 0; i < kOperators.size(); ++i)
        if (kOperators[i].code != kOperatorCodes[i]) return false;
    return true;
}
static_assert(tableMatchesCodes(), "operator table out of step with kOperatorCodes");

constexpr const OperatorInfo* findOperator(char c) {
    for (const OperatorInfo& op : kOperators)
        if (op.code == c) return &op;
    return nullptr;
}

constexpr bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

constexpr bool isArithmetic(char c) {
    return c == '+' || c == '-' || c == '*' || c == '/';
}

} // namespace

bool isOperatorCode(char c) {
    return findOperator(c) != nullptr;
}

int operatorPrecedence(char c) {
    const OperatorInfo* op = findOperator(c);
    return op != nullptr ? op->precedence : 0;
}

int operatorArity(char c) {
    const OperatorInfo* op = findOperator(c);
    return op != nullptr ? op->arity : 0;
}

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
