// SPDX-License-Identifier: MIT
#pragma once
// The calculator: its whole state and every rule that changes it. The window
// forwards each key, click and key press here and shows what the calculator
// writes through its PaneSink.

#include "core/calculator/keypad.h"
#include "core/calculator/layer.h"
#include "core/calculator/modes.h"
#include "core/calculator/panes.h"
#include "core/text/number_text.h"

#include <string>
#include <string_view>
#include <vector>

namespace zc {

/// Longest code text a problem may hold (the buffer keeps one more for its end).
inline constexpr int kMaxCodeChars = 1023;

/// Written to the history after every evaluation and every error report.
inline constexpr const char16_t* kHistorySeparator = u"\n_______________________________\n";

/// Everything the calculator knows. The panes show it; nothing here is read back from them.
struct CalcState {
    Layer currentLayer = Layer::Scientific;
    std::string expr; // code text; only the first exprLen characters are in use
    int exprLen = 0;
    bool solved = true;
    std::string ansText;
    std::string resultText;
    double textRaise = 0.0;
    bool exponentOpen = false;
    bool hypMode = false;
    // The undo records and the +/- state.
    std::vector<lastOperandLength> undoStack;
    std::vector<lastOperandLength> negateStack;
    std::string negateSaved;
    int negatePos = 0;
    // Selections.
    AngleMode angleMode = AngleMode::Degrees;
    NumberSystem numberSystem = NumberSystem::Dec;
    NumberSystem previousNumberSystem = NumberSystem::Dec;
    bool helpVisible = false;
    // Degrees, minutes, seconds.
    double dmsValue = 0.0;
    bool dmsShown = false;
    // Conversion layer: the category and the rows selected in the two unit lists.
    int unitCategory = 0;
    int unitFrom = 0;
    int unitTo = 0;
    int lastFromUnit = 0;
    // Constants layer.
    int constGroup = 0;
    // Financial layer.
    TvmQuantity tvmTarget = TvmQuantity::PresentValue;
    double tvmPV = 0.0;
    double tvmFV = 0.0;
    double tvmPMT = 0.0;
    double tvmRate = 0.0;
    double tvmN = 0.0;
    double tvmPerYear = 0.0;
    bool tvmRateGiven = false;
    bool tvmNGiven = false;
    // What the problem and solution panes hold: their length, and the solution's text.
    int problemLength = 0;
    std::u16string solutionText;

    /// The code text in use (the first exprLen characters of expr).
    std::string codeText() const { return expr.substr(0, static_cast<std::size_t>(exprLen)); }
};

class Calculator : private CalcState {
public:
    explicit Calculator(PaneSink& panes);

    const CalcState& state() const { return *this; }

    /// Writes the panes' first texts: "History:", "Problem" and "Solution".
    void start();

    /// The step of a calculator key, as its row in kKeyEntries says; nothing for CalcKey::None.
    void press(CalcKey key);

    // --- selections and layers
    void setAngleMode(AngleMode mode);
    /// The number system group changed to `system`: a problem being built is converted.
    void changeNumberSystem(NumberSystem system);
    void nextLayer();
    /// The help key: opening the page only marks it shown; closing it clears the problem.
    void helpKey();
    void selectCategory(int category);
    void setUnitRows(int from, int to);
    void selectConstGroup(int group);
    /// Enters the value of the constant in the row (of the selected group).
    void chooseConstant(int row);
    void tvmKey(TvmQuantity quantity);
    /// The decimal separator the DMS key's way back writes.
    void setDecimalSeparator(char separator) { m_decimalSeparator = separator; }

    /// A key of the key table: a Windows virtual-key code with the Shift state. Returns
    /// whether a row of the table took it (the key may still have changed nothing).
    bool keyDown(int key, bool shift);

private:
    // Pane writes; the problem's length and the solution's text are kept here.
    void appendTo(Pane pane, std::u16string_view text, int raise);
    void appendBoth(std::u16string_view text, double raise);
    void clearProblem();
    void setProblemText(std::u16string_view text);
    void setSolution(std::u16string_view text);
    void insertBeforeEnd(Pane pane, int fromEnd, std::u16string_view text);
    void deleteRangeBeforeEnd(Pane pane, int fromEnd, int start, int end);
    void deleteLast(Pane pane, int n);

    void startValueRule();
    void operatorRule();
    bool fitsAfterRule(int codeChars, EntryRule rule) const;
    void appendCode(std::string_view code);
    void pushRecord(int codeChars, int displayChars);
    void appendNumberText(std::string_view text);
    /// Enters the row's texts under its entry rule (the hyperbolic texts while hyp is on).
    /// With `programmerOnly` the operator rule runs in every layer but the texts are entered
    /// only in the programmer layer. Returns whether the texts were entered.
    bool enterKey(const KeyEntry& e, bool programmerOnly = false);
    void digit(const KeyEntry& e);
    void hexDigit(const KeyEntry& e);
    void point();
    void answer();
    void plusMinus();
    void exponentDown(const KeyEntry& e);
    void del();
    void allClear();
    void equal();
    void toDms();
    void fromDms();
    void reportFailure(std::u16string_view message, std::u16string_view lead, int raise);
    void reportSyntaxError();
    void balanceBrackets(std::string_view code);
    void sourceUnitStep();
    double conversionStep(double value) const;
    void targetUnitStep();
    /// The financial layer starts afresh: every quantity cleared, one period a year, no problem.
    void tvmReset();

    PaneSink& m_panes;
    char m_decimalSeparator = '.';
};

} // namespace zc
