// SPDX-License-Identifier: MIT
#pragma once
// The calculator window: the view of a Calculator. It holds the controls, one
// handler per control event forwarding to the calculator, and the glue that
// shows what the calculator writes in the rich panes.

#include "core/calculator/calculator.h"

#include <QHash>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <memory>
#include <string>
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

/// Where the window opens on a screen's available area: centred, but never with
/// its top edge (the title line and the close key) above the area.
QPoint initialWindowPosition(const QRect& available, const QSize& size);

class TCalcForm : public QWidget {
    Q_OBJECT

public:
    explicit TCalcForm(QWidget* parent = nullptr);
    ~TCalcForm() override;

    /// What the calculator knows; the window shows it.
    const CalcState& state() const { return m_calc->state(); }

    // --- window state the driver and the tests read or set -------------------
    bool closeHot = false;
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
    int angleMode() const { return static_cast<int>(state().angleMode); }
    int numberSystem() const { return static_cast<int>(state().numberSystem); }

    /// The code text in use (the first exprLen characters of expr).
    std::string codeText() const { return state().codeText(); }

    /// Item number of the bitmap list that the close key and the help keys show.
    int closeGlyphIndex() const;
    int helpGlyphIndex() const;

    // --- shell ------------------------------------------------------------
    void FormActivate();
    void Layer1PanelMouseDown(QMouseEvent* event);
    void Layer1PanelMouseMove();
    void LBtnCloseMouseMove();
    void LHelpREditMouseMove();
    void LHistoryREditMouseMove();
    void Timer1Timer();
    void WebSiteAccessClick();
    /// What entering the conversion and the constants layer shows: the category or group
    /// the calculator selected.
    void enterConversionLayer();
    void enterConstantsLayer();
    void loadLayerHelp();
    /// The window's key handler: a Windows virtual-key code with Shift and Ctrl.
    void FormKeyDown(int key, bool shift, bool ctrl);

public slots:
    // The handlers of the keys, found by the names the keypad's rows give them.

    // --- the window's own keys ----------------------------------------------
    void LBtnCloseClick();
    void LBtnNextLayerClick();
    void L3BtnNextLayerClick();
    void L4BtnHelpClick();

    // --- number entry -----------------------------------------------------
    void LBtn0Click() { m_calc->press(CalcKey::Digit0); }
    void LBtn1Click() { m_calc->press(CalcKey::Digit1); }
    void LBtn2Click() { m_calc->press(CalcKey::Digit2); }
    void LBtn3Click() { m_calc->press(CalcKey::Digit3); }
    void LBtn4Click() { m_calc->press(CalcKey::Digit4); }
    void LBtn5Click() { m_calc->press(CalcKey::Digit5); }
    void LBtn6Click() { m_calc->press(CalcKey::Digit6); }
    void LBtn7Click() { m_calc->press(CalcKey::Digit7); }
    void LBtn8Click() { m_calc->press(CalcKey::Digit8); }
    void LBtn9Click() { m_calc->press(CalcKey::Digit9); }
    void LBtnDotClick() { m_calc->press(CalcKey::Point); }
    void LBtn10toXClick() { m_calc->press(CalcKey::TenToX); }
    void LBtnAnsClick() { m_calc->press(CalcKey::Answer); }
    void L1BtnPlusMinusClick() { m_calc->press(CalcKey::PlusMinus); }

    // --- operators and functions -----------------------------------------
    void LBtnPlusClick() { m_calc->press(CalcKey::Plus); }
    void LBtnMinusClick() { m_calc->press(CalcKey::Minus); }
    void LBtnMulClick() { m_calc->press(CalcKey::Multiply); }
    void LBtnDivClick() { m_calc->press(CalcKey::Divide); }
    void L1BtnXtoYClick() { m_calc->press(CalcKey::Power); }
    void L1BtnInverseClick() { m_calc->press(CalcKey::Inverse); }
    void L1BtnSqrClick() { m_calc->press(CalcKey::Square); }
    void L1BtnSqrtClick() { m_calc->press(CalcKey::SquareRoot); }
    void L1BtnPercentClick() { m_calc->press(CalcKey::Percent); }
    void L1BtnLogClick() { m_calc->press(CalcKey::Log); }
    void L1BtnLnClick() { m_calc->press(CalcKey::Ln); }
    void L1BtnSinClick() { m_calc->press(CalcKey::Sin); }
    void L1BtnCosClick() { m_calc->press(CalcKey::Cos); }
    void L1BtnTanClick() { m_calc->press(CalcKey::Tan); }
    void L1BtnAsinClick() { m_calc->press(CalcKey::Asin); }
    void L1BtnAcosClick() { m_calc->press(CalcKey::Acos); }
    void L1BtnAtanClick() { m_calc->press(CalcKey::Atan); }
    void L1BtnBrStartClick() { m_calc->press(CalcKey::OpenBracket); }
    void L1BtnBrEndClick() { m_calc->press(CalcKey::CloseBracket); }
    void L1BtnDownClick() { m_calc->press(CalcKey::ExponentDown); }
    void L1BtnHypClick() { m_calc->press(CalcKey::Hyp); }

    // --- editing and evaluation ------------------------------------------
    void LBtnDelClick() { m_calc->press(CalcKey::Del); }
    void LBtnAcClick() { m_calc->press(CalcKey::AllClear); }
    void LBtnEqualClick() { m_calc->press(CalcKey::Equal); }

    // --- degrees, minutes, seconds ---------------------------------------
    void L1BtnToGmsClick() { m_calc->press(CalcKey::ToDms); }
    void L1BtnFromGmsClick();

    // --- programmer layer ------------------------------------------------
    void L2BtnHexAClick() { m_calc->press(CalcKey::HexA); }
    void L2BtnHexBClick() { m_calc->press(CalcKey::HexB); }
    void L2BtnHexCClick() { m_calc->press(CalcKey::HexC); }
    void L2BtnHexDClick() { m_calc->press(CalcKey::HexD); }
    void L2BtnHexEClick() { m_calc->press(CalcKey::HexE); }
    void L2BtnHexFClick() { m_calc->press(CalcKey::HexF); }
    void L2BtnBrStartClick() { m_calc->press(CalcKey::OpenBracket); }
    void L2BtnBrEndClick() { m_calc->press(CalcKey::CloseBracket); }
    void L2BtnAndClick() { m_calc->press(CalcKey::And); }
    void L2BtnXorClick() { m_calc->press(CalcKey::Xor); }
    void L2BtnModClick() { m_calc->press(CalcKey::Mod); }
    void L2BtnOrClick() { m_calc->press(CalcKey::Or); }
    void L2BtnNotClick() { m_calc->press(CalcKey::Not); }
    void L2BtnLshClick() { m_calc->press(CalcKey::ShiftLeft); }

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
    /// Selects the category: its label lit, its units in both lists.
    void selectCategory(int category);

    // --- constants layer ---------------------------------------------------
    void L4LabelUniversalClick();
    void L4LabelElectromagneticClick();
    void L4LabelAtomicNuclearClick();
    void L4LabelPhysChemClick();
    void L4ListClick();
    /// Selects the group: its label lit, its constants in the list.
    void selectConstGroup(int group);

    // --- financial layer ---------------------------------------------------
    void L5BtnPVClick();
    void L5BtnFVClick();
    void L5BtnPMTClick();
    void L5BtnNClick();
    void L5BtnI_YRClick();
    void L5BtnP_YRClick();

public:
    // --- selections -----------------------------------------------------------
    void L1AnglesGroupChange();
    void L2NumberSysGroupChange(int index);
    void LHistoryREditMouseDown(Qt::MouseButton button, bool doubleClick);

signals:
    /// The program should end with this exit code (close key, Esc on an empty problem).
    void quitRequested(int code);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    SkinLabel* activeLabel = nullptr;
    signed char linkColourStep = 0;
    bool linkShowsCurrency = false;

    /// Cuts the window to its rounded outline.
    void applyOutline();
    void scrollHelpToTop();
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

    // Layout (shell/form_layout.cpp).
    void buildControls();
    // Puts the keyboard-reachable controls into the Tab order.
    void setupTabOrder();
    void registerControl(const QString& name, QWidget* widget);

    void setActiveLabel(SkinLabel* label);
    void fillUnitList(ListBox* list, int category);
    /// The radio groups show the calculator's angle mode and number system.
    void showSelections();

    void setHelpGlyphs(bool open);
    /// Tells assistive technology about a changed hyp state.
    void refreshKeyStates();
    void applyLinkColour();
    // The calculator, writing into the three panes through m_panes.
    std::unique_ptr<PaneSink> m_panes;
    std::unique_ptr<Calculator> m_calc;
    bool m_previewInstalled = false;
    // The hyp key, whose latched state follows hypMode after every key and click.
    ImageKey* m_hypKey = nullptr;
    QPoint m_dragOffset;
    bool m_manualDrag = false;
    QHash<QString, QWidget*> m_controls;
    QStringList m_controlOrder;
};

} // namespace zc
