// SPDX-License-Identifier: MIT
#pragma once
// The calculator window. It owns all calculator state as plain fields and has
// one handler per control event; its implementation is split by subsystem
// (shell/, entry/, display/, programmer/, units/, constants/, finance/, dms/).

#include "core/calculator/entry_rule.h"
#include "core/calculator/layer.h"
#include "core/text/number_text.h"

#include <QHash>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <string>
#include <string_view>
#include <vector>

class QTimer;
class QTextEdit;

namespace zc {

class BackgroundPanel;
class ImageKey;
class LinkLabel;
class ListBox;
class RadioGroup;
class RichPane;
class SkinLabel;
class SubPanel;
enum class KeyGlyph;

/// Longest code text a problem may hold (the buffer keeps one more for its end).
inline constexpr int kMaxCodeChars = 1023;

/// Written to the history after every evaluation and every error report.
inline constexpr const char* kHistorySeparator = "\n_______________________________\n";

/// Colour values (red in the low byte) of the problem and history panes.
inline constexpr quint32 kProblemColour = 128;
inline constexpr quint32 kHistoryColour = 0;

/// Where the window opens on a screen's available area: centred, but never with
/// its top edge (the title line and the close key) above the area.
QPoint initialWindowPosition(const QRect& available, const QSize& size);

class TCalcForm : public QWidget {
    Q_OBJECT

public:
    explicit TCalcForm(QWidget* parent = nullptr);
    ~TCalcForm() override;

    // --- calculator state -------------------------------------------------
    Layer currentLayer = Layer::Scientific;
    std::string expr; // code text; only the first exprLen characters are in use
    int exprLen = 0;
    bool solved = true;
    std::string ansText;
    double dmsValue = 0.0;
    bool dmsShown = false;
    bool hypMode = false;
    int negatePos = 0;
    std::string resultText;
    unsigned unitCategory = 0;
    unsigned constGroup = 0;
    unsigned lastFromUnit = 0;
    SkinLabel* activeLabel = nullptr;
    bool helpVisible = false;
    int tvmTarget = 0;
    double tvmFV = 0.0;
    double tvmPV = 0.0;
    double tvmPMT = 0.0;
    double tvmRate = 0.0;
    bool tvmRateGiven = false;
    bool tvmNGiven = false;
    double tvmPerYear = 0.0;
    double tvmN = 0.0;
    double textRaise = 0.0;
    bool exponentOpen = false;
    signed char linkColourStep = 0;
    bool linkShowsCurrency = false;

    // The undo records and the +/- state.
    std::vector<lastOperandLength> undoStack;
    std::vector<lastOperandLength> negateStack;
    std::string negateSaved;
    bool closeHot = false;
    int previousNumberSystem = 1;

    // The last address the program asked to open (empty until one was opened).
    QString lastOpenedUrl;
    // Folders searched for the help pages; empty: the working directory, the
    // executable's folder, then the installed data folder.
    QStringList helpSearchDirs;

    // --- controls ---------------------------------------------------------
    BackgroundPanel* Layer1Panel = nullptr;
    RichPane* LHistoryREdit = nullptr;
    RichPane* LOutputREdit = nullptr;
    RichPane* LResultREdit = nullptr;
    RichPane* LHelpREdit = nullptr;
    RadioGroup* L1AnglesGroup = nullptr;
    RadioGroup* L2NumberSysGroup = nullptr;
    ImageKey* LBtnClose = nullptr;
    ImageKey* LBtnHelp = nullptr;
    ImageKey* L3BtnHelp = nullptr;
    ImageKey* L4BtnHelp = nullptr;
    ImageKey* LBtnNextLayer = nullptr;
    LinkLabel* WebSiteAccess = nullptr;
    SubPanel* L1SubPanel = nullptr;
    SubPanel* L2SubPanel = nullptr;
    SubPanel* L3SubPanel = nullptr;
    SubPanel* L4SubPanel = nullptr;
    SubPanel* L5SubPanel = nullptr;
    ListBox* LListFrom = nullptr;
    ListBox* LListTo = nullptr;
    ListBox* L4List = nullptr;
    QTimer* Timer1 = nullptr;
    std::vector<SkinLabel*> categoryLabels; // by unit category id
    std::vector<SkinLabel*> groupLabels;    // by constants group

    /// The named control, or nullptr.
    QWidget* control(const QString& name) const;
    /// Names of all named controls.
    QStringList controlNames() const;

    /// Selected items of the two radio groups.
    int angleMode() const;
    int numberSystem() const;

    /// The code text in use (the first exprLen characters of expr).
    std::string codeText() const { return expr.substr(0, static_cast<std::size_t>(exprLen)); }

    /// Item number of the bitmap list that the close key and the help keys show.
    int closeGlyphIndex() const;
    int helpGlyphIndex() const;

    // --- shell ------------------------------------------------------------
    void FormActivate();
    /// Cuts the window to its rounded outline.
    void applyOutline();
    void Layer1PanelMouseDown(QMouseEvent* event);
    void Layer1PanelMouseMove();
    void LBtnCloseClick();
    void LBtnCloseMouseMove();
    void LHelpREditMouseMove();
    void LHistoryREditMouseMove();
    void Timer1Timer();
    void WebSiteAccessClick();
    void LBtnNextLayerClick();
    void L3BtnNextLayerClick();
    /// What entering the conversion and the constants layer selects.
    void enterConversionLayer();
    void enterConstantsLayer();
    void L4BtnHelpClick();
    void loadLayerHelp();
    void scrollHelpToTop();
    /// The window's key handler: a Windows virtual-key code with Shift and Ctrl.
    void FormKeyDown(int key, bool shift, bool ctrl);

    // --- clipboard ----------------------------------------------------------
    /// The number the solution pane shows, as a plain number another program can read: no
    /// thousands separators and no unit or quantity suffix (programmer layer: its digits as
    /// shown). Empty when the pane shows no number.
    QString solutionNumber() const;
    /// Ctrl+C without a selection in the focused pane: the solution's number to the clipboard,
    /// or nothing when there is none.
    void copySolution();
    /// Types the text as the keyboard would, each character through the key it is on; a
    /// character no key makes (line breaks included) is skipped, and typing stops once the code
    /// text is full.
    void typeText(const QString& text);

    // --- number entry -----------------------------------------------------
    void LBtn0Click();
    void LBtn1Click();
    void LBtn2Click();
    void LBtn3Click();
    void LBtn4Click();
    void LBtn5Click();
    void LBtn6Click();
    void LBtn7Click();
    void LBtn8Click();
    void LBtn9Click();
    void LBtnDotClick();
    void LBtn10toXClick();
    void LBtnAnsClick();
    void L1BtnPlusMinusClick();
    /// Enters a number text into the code text and pushes one record.
    void appendNumberText(std::string_view text);

    // --- operators and functions -----------------------------------------
    void LBtnPlusClick();
    void LBtnMinusClick();
    void LBtnMulClick();
    void LBtnDivClick();
    void L1BtnXtoYClick();
    void L1BtnInverseClick();
    void L1BtnSqrClick();
    void L1BtnSqrtClick();
    void L1BtnPercentClick();
    void L1BtnLogClick();
    void L1BtnLnClick();
    void L1BtnSinClick();
    void L1BtnCosClick();
    void L1BtnTanClick();
    void L1BtnAsinClick();
    void L1BtnAcosClick();
    void L1BtnAtanClick();
    void L1BtnBrStartClick();
    void L1BtnBrEndClick();
    void L1BtnDownClick();
    void L1BtnHypClick();
    void L1AnglesGroupChange();

    // --- editing and evaluation ------------------------------------------
    void LBtnDelClick();
    void LBtnAcClick();
    void LHistoryREditMouseDown(Qt::MouseButton button, bool doubleClick);
    void LBtnEqualClick();
    void balanceBrackets(std::string_view code);

    // --- degrees, minutes, seconds ---------------------------------------
    void L1BtnToGmsClick();
    void L1BtnFromGmsClick();

    // --- programmer layer ------------------------------------------------
    void L2BtnHexAClick();
    void L2BtnHexBClick();
    void L2BtnHexCClick();
    void L2BtnHexDClick();
    void L2BtnHexEClick();
    void L2BtnHexFClick();
    void L2BtnBrStartClick();
    void L2BtnBrEndClick();
    void L2BtnAndClick();
    void L2BtnXorClick();
    void L2BtnModClick();
    void L2BtnOrClick();
    void L2BtnNotClick();
    void L2BtnLshClick();
    void L2NumberSysGroupChange(int index);
    /// The evaluation step of "=" in the programmer layer: the output text.
    std::string evaluateIntegerProblem(const std::string& code);

    // --- conversion layer --------------------------------------------------
    void LLabelAngleClick();
    void LLabelTimeClick();
    void LLabelDataClick();
    void LLabelDistClick();
    void LLabelMassClick();
    void LLabelTempClick();
    void LLabelAreaClick();
    void LLabelVolClick();
    void LLabelSpeedClick();
    void LLabelPressClick();
    void LLabelEnergyClick();
    void LLabelPowerClick();
    void LLabelForceClick();
    void fillUnitList(ListBox* list, unsigned category);

    // --- constants layer ---------------------------------------------------
    void L4LabelUniversalClick();
    void L4LabelElectromagneticClick();
    void L4LabelAtomicNuclearClick();
    void L4LabelPhysChemClick();
    void L4ListClick();

    // --- financial layer ---------------------------------------------------
    void L5BtnPVClick();
    void L5BtnFVClick();
    void L5BtnPMTClick();
    void L5BtnNClick();
    void L5BtnI_YRClick();
    void L5BtnP_YRClick();
    void tvmKey(const QString& label);
    void tvmReset();

signals:
    /// The program should end with this exit code (close key, Esc on an empty problem).
    void quitRequested(int code);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Layout (shell/form_layout.cpp).
    void buildControls();
    // Puts the keyboard-reachable controls into the Tab order.
    void setupTabOrder();
    void registerControl(const QString& name, QWidget* widget);

    // Entry helpers (entry/entry_common.cpp).
    /// Applies new-problem rule 1 (start a value): clears the problem when solved.
    void startValueRule();
    /// Applies new-problem rule 2 (operator): continues from ansText when solved.
    void operatorRule();
    /// Would `codeChars` more code characters fit after the rule of the key has run?
    bool fitsAfterRule(int codeChars, EntryRule rule) const;
    void appendCode(std::string_view code);
    void pushRecord(int codeChars, int displayChars);
    /// Appends display text to the problem pane (maroon) and the history pane (black).
    void appendBoth(const QString& text, double raise);
    void appendBothChar(char16_t ch, double raise);
    void clearProblemPane();
    void setSolutionText(const QString& text);
    /// The one shape of every failure report: the message in the solution pane;
    /// `lead`, the message and the separator in the history (raised by `raise`),
    /// scrolled to its end; the records emptied; the problem solved.
    void reportFailure(const QString& message, const QString& lead, int raise);
    /// A failed evaluation: "Syntax Error", led in the history by a line break.
    void reportSyntaxError();
    /// The common path of keys that append one display text and one code text.
    bool enterStep(EntryRule rule, const QString& display, std::string_view code);
    void digitKey(char digit);
    void operatorKey(char code, char16_t display);
    void trigKey(const char* plainDisplay, char plainCode, const char* hypDisplay, char hypCode);
    void programmerOperatorKey(bool programmerOnly, const QString& display, char code);
    void hexDigitKey(char letter);
    void selectCategory(unsigned category);
    void selectConstGroup(unsigned group);
    void setActiveLabel(SkinLabel* label);
    // The conversion layer's steps inside "=" (units/conversion_layer.cpp).
    void sourceUnitStep();
    double conversionStep(double value) const;
    void targetUnitStep();

    void setHelpGlyphs(bool open);
    /// Tells assistive technology about a changed hyp state.
    void refreshKeyStates();
    void applyLinkColour();
    bool m_previewInstalled = false;
    // The hyp key, whose latched state follows hypMode after every key and click.
    ImageKey* m_hypKey = nullptr;
    QPoint m_dragOffset;
    bool m_manualDrag = false;
    QHash<QString, QWidget*> m_controls;
    QStringList m_controlOrder;
};

} // namespace zc
