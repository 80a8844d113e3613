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

    // --- window state -------------------------------------------------------
    SkinLabel* activeLabel = nullptr;
    bool closeHot = false;
    signed char linkColourStep = 0;
    bool linkShowsCurrency = false;
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
    /// What entering the conversion and the constants layer shows: the category or group
    /// the calculator selected.
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
