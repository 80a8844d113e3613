// SPDX-License-Identifier: MIT
// The entry rules, editing, evaluation and the steps of every layer.

#include "core/calculator/calculator.h"

#include "core/constants/constants_table.h"
#include "core/dms/dms.h"
#include "core/engine/evaluate.h"
#include "core/finance/tvm.h"
#include "core/programmer/int_engine.h"
#include "core/text/utf16.h"
#include "core/units/unit_catalogue.h"

#include <algorithm>
#include <cmath>

namespace zc {

namespace {

int lengthOf(std::u16string_view text) {
    return static_cast<int>(text.size());
}

/// The "(" of the code text that have no matching ")".
int unclosedBrackets(std::string_view code) {
    int open = 0;
    for (const char c : code) {
        if (c == '(')
            ++open;
        else if (c == ')' && open > 0)
            --open;
    }
    return open;
}

/// The number text as the solution pane shows it: grouped in thousands where it can be.
std::u16string shownNumber(const std::string& text) {
    const auto grouped = groupThousands(text);
    return utf16(grouped ? *grouped : text);
}

/// The category the conversion layer opens with: distances.
constexpr int kFirstUnitCategory = 3;

} // namespace

Calculator::Calculator(PaneSink& panes) : m_panes(panes) {}

void Calculator::start() {
    appendTo(Pane::History, u"History:\n", 0);
    setProblemText(u"Problem\n");
    setSolution(u"Solution\n");
}

// --- pane writes ---------------------------------------------------------

void Calculator::appendTo(Pane pane, std::u16string_view text, int raise) {
    if (text.empty()) return;
    m_panes.append(pane, text, raise);
    if (pane == Pane::Problem) problemLength += lengthOf(text);
    if (pane == Pane::Solution) solutionText += text;
}

void Calculator::appendBoth(std::u16string_view text, double raise) {
    appendTo(Pane::Problem, text, static_cast<int>(raise));
    appendTo(Pane::History, text, static_cast<int>(raise));
}

void Calculator::clearProblem() {
    m_panes.clear(Pane::Problem);
    problemLength = 0;
}

void Calculator::setProblemText(std::u16string_view text) {
    m_panes.setText(Pane::Problem, text);
    problemLength = lengthOf(text);
}

void Calculator::setSolution(std::u16string_view text) {
    m_panes.setText(Pane::Solution, text);
    solutionText = text;
}

void Calculator::insertBeforeEnd(Pane pane, int fromEnd, std::u16string_view text) {
    m_panes.insertBeforeEnd(pane, fromEnd, text);
    if (pane == Pane::Problem) problemLength += lengthOf(text);
}

void Calculator::deleteRangeBeforeEnd(Pane pane, int fromEnd, int start, int end) {
    m_panes.deleteRangeBeforeEnd(pane, fromEnd, start, end);
    if (pane != Pane::Problem) return;
    const int shift = std::max(0, problemLength - fromEnd);
    const int a = std::clamp(start + shift, 0, problemLength);
    const int b = std::clamp(end + shift, 0, problemLength);
    if (b > a) problemLength -= b - a;
}

void Calculator::deleteLast(Pane pane, int n) {
    if (n <= 0) return;
    m_panes.deleteLast(pane, n);
    if (pane == Pane::Problem) problemLength -= std::min(n, problemLength);
}

// --- what every entry key shares ----------------------------------------

void Calculator::appendCode(std::string_view code) {
    expr.resize(static_cast<std::size_t>(exprLen));
    expr.append(code);
    exprLen = static_cast<int>(expr.size());
}

void Calculator::pushRecord(int codeChars, int displayChars) {
    undoStack.push_back({codeChars, displayChars});
}

void Calculator::startValueRule() {
    if (!solved) return;
    clearProblem();
    exprLen = 0;
    // A new problem starts with no records: those of an earlier problem would
    // make DEL and AC cut into the history's earlier entries.
    undoStack.clear();
}

void Calculator::operatorRule() {
    if (!solved) return;
    clearProblem();
    exprLen = 0;
    undoStack.clear();
    appendBoth(utf16(ansText), textRaise);
    appendNumberText(ansText);
    solved = false;
}

bool Calculator::fitsAfterRule(int codeChars, EntryRule rule) const {
    int base = exprLen;
    if (solved) {
        if (rule == EntryRule::StartValue || rule == EntryRule::EnterAnswer) base = 0;
        if (rule == EntryRule::ContinueFromResult)
            base = static_cast<int>(numberTextToCode(ansText).code.size());
    }
    return base + codeChars <= kMaxCodeChars;
}

void Calculator::appendNumberText(std::string_view text) {
    const NumberCode nc = numberTextToCode(text);
    appendCode(nc.code);
    undoStack.push_back(nc.record);
}

bool Calculator::enterKey(const KeyEntry& e, bool programmerOnly) {
    if (e.decimalOnly && currentLayer == Layer::Programmer) return false;
    const bool hyperbolic = hypMode && !e.hypCode.empty();
    const std::u16string_view display = hyperbolic ? e.hypDisplay : e.display;
    std::string_view code = hyperbolic ? e.hypCode : e.code;
    if (e.rule == EntryRule::NeedOperand && solved) return false;
    if (!fitsAfterRule(static_cast<int>(code.size()) + e.reserve, e.rule)) return false;
    if (e.rule == EntryRule::StartValue) startValueRule();
    if (e.rule == EntryRule::ContinueFromResult) operatorRule();
    // The previous result is re-entered first; the operator itself only in its own layer.
    if (programmerOnly && currentLayer != Layer::Programmer) return false;
    if (exprLen == 0 && !e.startCode.empty()) code = e.startCode;
    solved = false;
    appendBoth(display, textRaise + e.raise);
    appendCode(code);
    pushRecord(static_cast<int>(code.size()), lengthOf(display));
    if (e.opensExponent) {
        textRaise += 60;
        exponentOpen = true;
    }
    // hyp is used up by the one function it could have made hyperbolic.
    if (!e.hypCode.empty()) hypMode = false;
    return true;
}

void Calculator::reportFailure(std::u16string_view message, std::u16string_view lead, int raise) {
    setSolution(message);
    appendTo(Pane::History, lead, raise);
    appendTo(Pane::History, message, raise);
    appendTo(Pane::History, kHistorySeparator, raise);
    m_panes.scrollToEnd(Pane::History);
    undoStack.clear();
    solved = true;
}

void Calculator::reportSyntaxError() {
    reportFailure(u"Syntax Error", u"\n", 0);
}

// --- number entry --------------------------------------------------------

void Calculator::digit(const KeyEntry& e) {
    const char d = e.code.front();
    if (currentLayer == Layer::Programmer) {
        if (numberSystem == NumberSystem::Bin && d >= '2') return;
        if (numberSystem == NumberSystem::Oct && (d == '8' || d == '9')) return;
    }
    enterKey(e);
}

void Calculator::hexDigit(const KeyEntry& e) {
    if (numberSystem != NumberSystem::Hex) return;
    enterKey(e);
}

void Calculator::point() {
    if (currentLayer == Layer::Programmer) return;
    // The engine reads ".5" only as "0.5": the hidden "0" lives in the code text alone.
    const int base = solved ? 0 : exprLen;
    const char last = base > 0 ? expr[static_cast<std::size_t>(base - 1)] : '\0';
    const bool hiddenZero = base == 0 || last < '0' || last > '9';
    if (!fitsAfterRule(hiddenZero ? 2 : 1, EntryRule::StartValue)) return;
    startValueRule();
    solved = false;
    const KeyEntry& e = keyEntry(CalcKey::Point);
    appendBoth(e.display, textRaise);
    if (hiddenZero) {
        appendCode("0");
        pushRecord(1, 0);
    }
    appendCode(e.code);
    pushRecord(static_cast<int>(e.code.size()), lengthOf(e.display));
}

void Calculator::answer() {
    if (!fitsAfterRule(static_cast<int>(numberTextToCode(ansText).code.size()),
                       EntryRule::EnterAnswer))
        return;
    if (solved) {
        clearProblem();
        exprLen = 0;
        undoStack.clear();
    }
    solved = false;
    appendBoth(utf16(ansText), textRaise);
    appendNumberText(ansText);
}

void Calculator::plusMinus() {
    // Nothing to negate once the problem is solved, even if a DEL that found
    // nothing to delete left a hidden record behind.
    if (undoStack.empty() || solved) return;
    // In the financial layer the stored values stay as they are: only what was
    // typed since the last stored value (after its label record) is negated.
    const bool finance = currentLayer == Layer::Financial;
    std::size_t prefix = 0;
    if (finance) {
        for (std::size_t i = undoStack.size(); i-- > 0;) {
            if (undoStack[i].codeChars == 0 && undoStack[i].displayChars > 0) {
                prefix = i + 1;
                break;
            }
        }
        if (prefix == undoStack.size()) return;
    }
    const auto tailBegin = undoStack.begin() + static_cast<std::ptrdiff_t>(prefix);
    const std::string code = codeText();
    const std::size_t saved = negateSaved.size();
    const std::string wrapper = "m(" + negateSaved + ")";
    const std::size_t tail = undoStack.size() - prefix;
    // Un-negate only while the wrapper of the last negation is still in place,
    // so that no other problem is ever rebuilt from the saved text.
    const bool wrapped =
        !code.empty() && code.size() >= wrapper.size() &&
        code.compare(0, wrapper.size(), wrapper) == 0 && code.back() == ')' &&
        tail >= negateStack.size() + 2 && *tailBegin == lastOperandLength{2, 2} &&
        tailBegin[static_cast<std::ptrdiff_t>(negateStack.size() + 1)] == lastOperandLength{1, 1};
    const int n = displayCharsOf(tailBegin, undoStack.end());
    if (!wrapped && exprLen + 3 > kMaxCodeChars) return;
    exponentOpen = false;
    // Where the negated part begins: n characters before the history's end, and in the
    // problem pane at its start, or (financial layer) also n characters before its end.
    const auto partStart = [&](Pane pane, int fromEnd) {
        return pane == Pane::Problem && !finance ? problemLength : fromEnd;
    };
    if (!wrapped) {
        const int L = exprLen;
        negateSaved = code;
        expr = "m(" + code + ")";
        negatePos = L;
        exprLen = L + 3;
        negateStack.assign(tailBegin, undoStack.end());
        undoStack.erase(tailBegin, undoStack.end());
        insertBeforeEnd(Pane::Problem, partStart(Pane::Problem, n), u"-(");
        insertBeforeEnd(Pane::History, n, u"-(");
        // The wrapper's bracket closes whatever exponent was open.
        textRaise = 0;
        appendBoth(u")", 0);
        undoStack.push_back({2, 2});
        undoStack.insert(undoStack.end(), negateStack.begin(), negateStack.end());
        undoStack.push_back({1, 1});
        return;
    }
    const std::string after = code.size() > saved + 3 ? code.substr(saved + 3) : std::string();
    expr = negateSaved + after;
    exprLen = static_cast<int>(expr.size());
    const int ds = displayCharsOf(negateStack.begin(), negateStack.end());
    for (const Pane pane : {Pane::Problem, Pane::History}) {
        deleteRangeBeforeEnd(pane, partStart(pane, n), 2 + ds, 3 + ds);
        deleteRangeBeforeEnd(pane, partStart(pane, n - 1), 0, 2);
    }
    std::vector<lastOperandLength> rebuilt(undoStack.begin(), tailBegin);
    rebuilt.insert(rebuilt.end(), negateStack.begin(), negateStack.end());
    rebuilt.insert(rebuilt.end(), tailBegin + static_cast<std::ptrdiff_t>(negateStack.size() + 2),
                   undoStack.end());
    undoStack = std::move(rebuilt);
    negateStack.clear();
}

// --- operators and functions ---------------------------------------------

void Calculator::exponentDown(const KeyEntry& e) {
    if (!exponentOpen || !enterKey(e)) return;
    if (textRaise > 0) textRaise -= 60;
    if (textRaise == 0) exponentOpen = false;
}

// --- editing and evaluation ------------------------------------------------

void Calculator::del() {
    textRaise = 0;
    if (exprLen == 0) return;
    if (undoStack.empty() || solved || problemLength == 0) {
        solved = true;
        exponentOpen = false;
    } else {
        const lastOperandLength top = undoStack.back();
        undoStack.pop_back();
        deleteLast(Pane::Problem, top.displayChars);
        deleteLast(Pane::History, top.displayChars);
        exprLen = std::max(0, exprLen - top.codeChars);
    }
    if (problemLength == 0) exponentOpen = false;
}

void Calculator::allClear() {
    textRaise = 0;
    exponentOpen = false;
    const int d = displayCharsOf(undoStack.begin(), undoStack.end());
    undoStack.clear();
    if (!solved) {
        deleteLast(Pane::History, d);
        deleteLast(Pane::Problem, d);
    }
    setProblemText(u"Problem\n");
    setSolution(u"Solution\n");
    solved = true;
    ansText.clear();
    exprLen = 0;
}

void Calculator::balanceBrackets(std::string_view code) {
    const int open = unclosedBrackets(code);
    for (int i = 0; i < open; ++i) {
        appendTo(Pane::History, u")", 0);
        appendTo(Pane::Problem, u")", 0);
    }
}

void Calculator::equal() {
    textRaise = 0;
    if (exprLen == 0 || helpVisible) return;
    const bool conversion = currentLayer == Layer::Conversion;
    if (solved && !conversion) {
        undoStack.clear();
        return;
    }
    if (exponentOpen) {
        // Close the exponent only if its bracket is still there: DEL may have
        // taken the "p(" back, and a ")" without its "(" would fail the problem.
        // A full code text is evaluated as it stands: the engine closes an
        // open bracket at the end, and the text never grows past its bound.
        if (expr[static_cast<std::size_t>(exprLen - 1)] != ')' &&
            unclosedBrackets(codeText()) > 0 && exprLen < kMaxCodeChars)
            appendCode(")");
    } else if (!(conversion && solved)) {
        // A problem converted again was closed on screen by its first "=".
        balanceBrackets(codeText());
    }
    const std::string code = codeText();
    if (!conversion) exprLen = 0;
    if (conversion) sourceUnitStep();
    if (!conversion) appendTo(Pane::Problem, u"=", 0);
    appendTo(Pane::History, u"=", 0);
    solved = true;
    exponentOpen = false;

    std::string output;
    bool evaluated = false;
    try {
        if (currentLayer == Layer::Programmer) {
            output = evaluateIntProblem(code, numberSystem);
        } else {
            double value = evaluateCode(code, angleMode);
            resultText = formatResult(value);
            evaluated = true;
            if (conversion) {
                value = conversionStep(value);
                // A converted value beyond the double range is a failure, not an infinity.
                if (!std::isfinite(value)) throw EvaluationError("conversion out of range");
            }
            output = formatResult(value);
        }
    } catch (...) {
        // A problem that has no value leaves none for a repeated conversion to show.
        if (conversion && !evaluated) resultText.clear();
        reportSyntaxError();
        return;
    }

    appendTo(Pane::History, u" ", 0);
    m_panes.clear(Pane::Solution);
    const std::u16string shown = shownNumber(output);
    setSolution(shown);
    appendTo(Pane::History, shown, 0);
    ansText = output;
    if (conversion) targetUnitStep();
    appendTo(Pane::History, kHistorySeparator, 0);
    m_panes.scrollToEnd(Pane::History);
    undoStack.clear();
}

// --- degrees, minutes, seconds -------------------------------------------

void Calculator::toDms() {
    if (helpVisible) return;
    if (exprLen == 0) {
        undoStack.clear();
        return;
    }
    if (problemLength == 0) return;
    const std::string code = codeText();
    const int raise = static_cast<int>(textRaise);
    DmsParts parts;
    double value = 0.0;
    try {
        value = evaluateCode(code, angleMode);
        parts = splitDms(angleInDegrees(value, angleMode));
    } catch (...) {
        reportFailure(u"Syntax Error", u"=\n", raise);
        return;
    }
    dmsValue = value;
    const std::u16string shown = utf16(formatDms(parts));
    m_panes.clear(Pane::Solution);
    setSolution(shown);
    if (solved) appendTo(Pane::History, utf16(code), raise);
    appendTo(Pane::History, u"= ", raise);
    appendTo(Pane::History, shown, raise);
    appendTo(Pane::History, kHistorySeparator, raise);
    m_panes.scrollToEnd(Pane::History);
    solved = true;
    dmsShown = true;
    undoStack.clear();
}

void Calculator::fromDms() {
    if (!dmsShown || dmsValue == 0.0 || exprLen == 0) return;
    setSolution(utf16(formatGeneral(dmsValue, m_decimalSeparator)));
    dmsShown = false;
}

// --- selections and layers ---------------------------------------------------

void Calculator::setAngleMode(AngleMode mode) {
    angleMode = mode;
}

void Calculator::changeNumberSystem(NumberSystem system) {
    numberSystem = system;
    if (helpVisible) {
        previousNumberSystem = system;
        return;
    }
    const NumberSystem from = previousNumberSystem;
    const NumberSystem to = system;
    // Only a problem still being built is converted: one whose change failed is finished.
    if (exprLen > 0 && !solved) {
        std::string converted;
        try {
            const std::string value = evaluateIntProblem(codeText(), from);
            converted = convertNumberText(value, from, to);
        } catch (...) {
            // The problem and the number system its digits are written in stay as they were.
            reportSyntaxError();
            return;
        }
        expr = converted;
        const std::u16string text = utf16(converted);
        setProblemText(text);
        setSolution(shownNumber(converted));
        const auto hist = [this](std::u16string_view s) { appendTo(Pane::History, s, 0); };
        hist(u"[");
        hist(utf16(numberSystemName(from)));
        hist(u"]");
        hist(u"= ");
        hist(text);
        hist(u"[");
        hist(utf16(numberSystemName(to)));
        hist(u"]");
        hist(kHistorySeparator);
        m_panes.scrollToEnd(Pane::History);
        hist(text);
        exprLen = static_cast<int>(converted.size());
    }
    previousNumberSystem = system;
    undoStack.clear();
    undoStack.push_back({exprLen, exprLen});
}

void Calculator::nextLayer() {
    textRaise = 0;
    allClear();
    const Layer next = zc::nextLayer(currentLayer);
    switch (next) {
    case Layer::Conversion:
        selectCategory(kFirstUnitCategory);
        break;
    case Layer::Constants:
        selectConstGroup(0);
        break;
    case Layer::Financial:
        tvmReset();
        break;
    default:
        break;
    }
    currentLayer = next;
}

void Calculator::helpKey() {
    if (helpVisible) {
        // Whatever was typed while the page was showing is discarded.
        allClear();
        helpVisible = false;
    } else {
        helpVisible = true;
    }
}

// --- conversion layer ----------------------------------------------------------

void Calculator::selectCategory(int category) {
    if (category < 0 || category >= kUnitCategoryCount) return;
    unitCategory = category;
    // The lists are filled anew with their first row selected.
    unitFrom = 0;
    unitTo = 0;
}

void Calculator::setUnitRows(int from, int to) {
    unitFrom = std::max(0, from);
    unitTo = std::max(0, to);
}

void Calculator::sourceUnitStep() {
    const int from = unitFrom;
    if (!solved) lastFromUnit = from;
    const std::u16string suffix = utf16(unitSuffix(unitCategory, from));
    if (from != lastFromUnit || !solved) {
        appendTo(Pane::Problem, suffix, 0);
        appendTo(Pane::Problem, u"=", 0);
        lastFromUnit = from;
    }
    if (solved) appendTo(Pane::History, utf16(resultText), 0);
    appendTo(Pane::History, suffix, 0);
}

double Calculator::conversionStep(double value) const {
    return convertUnits(unitCategory, value, unitFrom, unitTo);
}

void Calculator::targetUnitStep() {
    const std::u16string suffix = utf16(unitSuffix(unitCategory, unitTo));
    setSolution(solutionText + suffix);
    appendTo(Pane::History, suffix, 0);
}

// --- constants layer -----------------------------------------------------------

void Calculator::selectConstGroup(int group) {
    if (group < 0 || group >= kConstantGroupCount) return;
    constGroup = group;
}

void Calculator::chooseConstant(int row) {
    if (row < 0 || row >= constantCount(constGroup)) return;
    const std::string text = formatResult(constantValue(constGroup, row));
    const int codeChars = static_cast<int>(numberTextToCode(text).code.size());
    const char last = exprLen > 0 ? expr[static_cast<std::size_t>(exprLen - 1)] : '\0';
    const bool after = !solved && exprLen > 0 && ((last >= '0' && last <= '9') || last == ')');
    if ((solved ? 0 : exprLen) + codeChars + (after ? 1 : 0) > kMaxCodeChars) return;
    if (solved) {
        clearProblem();
        exprLen = 0;
        undoStack.clear();
    }
    solved = false;
    // A constant right after a number or a closing bracket multiplies it.
    if (after) press(CalcKey::Multiply);
    appendNumberText(text);
    appendBoth(utf16(text), textRaise);
}

// --- financial layer -------------------------------------------------------------

void Calculator::tvmReset() {
    tvmFV = 0;
    tvmPV = 0;
    tvmPMT = 0;
    tvmRate = 0;
    tvmN = 0;
    tvmRateGiven = false;
    tvmNGiven = false;
    tvmPerYear = 1.0;
    solved = true;
    exprLen = 0;
}

void Calculator::tvmKey(TvmQuantity quantity) {
    static constexpr const char16_t* kLabels[] = {u"[pv] ", u"[fv] ",   u"[pmt] ",
                                                  u"[n] ",  u"[i/yr] ", u"[p/yr] "};
    tvmTarget = quantity;
    if (solved || helpVisible) return;
    const std::u16string label = kLabels[static_cast<int>(quantity)];
    const int raise = static_cast<int>(textRaise);
    const auto toHistory = [&](std::u16string_view s) { appendTo(Pane::History, s, raise); };
    const auto toProblem = [&](std::u16string_view s) { appendTo(Pane::Problem, s, raise); };
    // Every failure ends the financial problem: the stored quantities go too.
    const auto fail = [&](std::u16string_view message, std::u16string_view lead) {
        reportFailure(message, lead, raise);
        tvmReset();
    };
    const auto syntaxError = [&] { fail(u"Syntax Error", u"\n"); };

    if (exprLen > 0) {
        double value = 0.0;
        try {
            value = evaluateCode(codeText(), angleMode);
        } catch (...) {
            syntaxError();
            return;
        }
        switch (quantity) {
        case TvmQuantity::PresentValue:
            tvmPV = value;
            break;
        case TvmQuantity::FutureValue:
            tvmFV = value;
            break;
        case TvmQuantity::Payment:
            tvmPMT = value;
            break;
        case TvmQuantity::Periods:
            tvmN = value;
            tvmNGiven = true;
            break;
        case TvmQuantity::Rate:
            tvmRate = value;
            tvmRateGiven = true;
            break;
        case TvmQuantity::PerYear:
            tvmPerYear = value;
            break;
        }
        appendBoth(label, textRaise);
        pushRecord(0, lengthOf(label));
        exprLen = 0;
        return;
    }

    if ((!tvmRateGiven && quantity != TvmQuantity::Rate) ||
        (!tvmNGiven && quantity != TvmQuantity::Periods)) {
        fail(u"Not enough data to solve " + label, u"= ");
        return;
    }

    double result = 0.0;
    try {
        switch (quantity) {
        case TvmQuantity::PresentValue:
            result = tvmPresentValue(tvmRate, tvmN, tvmFV, tvmPMT, tvmPerYear);
            break;
        case TvmQuantity::FutureValue:
            result = tvmFutureValue(tvmRate, tvmN, tvmPV, tvmPMT, tvmPerYear);
            break;
        case TvmQuantity::Payment:
            result = tvmPayment(tvmRate, tvmN, tvmFV, tvmPV, tvmPerYear);
            break;
        case TvmQuantity::Periods:
            result = tvmPeriods(tvmRate, tvmFV, tvmPV, tvmPMT, tvmPerYear);
            break;
        case TvmQuantity::Rate:
        case TvmQuantity::PerYear:
            break;
        }
    } catch (...) {
        syntaxError();
        return;
    }
    if (quantity == TvmQuantity::Rate || quantity == TvmQuantity::PerYear) {
        TvmSolution s;
        try {
            s = quantity == TvmQuantity::Rate
                    ? tvmSolveRate(tvmN, tvmFV, tvmPV, tvmPMT, tvmPerYear)
                    : tvmSolvePerYear(tvmN, tvmFV, tvmPV, tvmPMT, tvmRate);
        } catch (...) {
            toProblem(u"= Can't calculate " + label);
            fail(u"Can't calculate " + label, u"= ");
            return;
        }
        if (!s.found) {
            toProblem(u"= ");
            fail(u"Can't calculate " + label, u"= ");
            return;
        }
        result = s.value;
    }

    tvmReset();
    const std::string text = formatResult(result);
    setSolution(shownNumber(text) + label);
    toProblem(u"= ");
    toProblem(utf16(text));
    toProblem(label);
    toHistory(u"= ");
    toHistory(utf16(text));
    toHistory(label);
    toHistory(kHistorySeparator);
    m_panes.scrollToEnd(Pane::History);
}

// --- the keys ----------------------------------------------------------------------

void Calculator::press(CalcKey key) {
    const KeyEntry& e = keyEntry(key);
    switch (e.step) {
    case KeyStep::None:
        break;
    case KeyStep::Enter:
        enterKey(e);
        break;
    case KeyStep::Digit:
        digit(e);
        break;
    case KeyStep::HexDigit:
        hexDigit(e);
        break;
    case KeyStep::ProgrammerOperator:
        enterKey(e, true);
        break;
    case KeyStep::CloseExponent:
        exponentDown(e);
        break;
    case KeyStep::Point:
        point();
        break;
    case KeyStep::Answer:
        answer();
        break;
    case KeyStep::PlusMinus:
        plusMinus();
        break;
    case KeyStep::Hyp:
        hypMode = true;
        break;
    case KeyStep::Del:
        del();
        break;
    case KeyStep::AllClear:
        allClear();
        break;
    case KeyStep::Equal:
        equal();
        break;
    case KeyStep::ToDms:
        toDms();
        break;
    case KeyStep::FromDms:
        fromDms();
        break;
    }
}

} // namespace zc
