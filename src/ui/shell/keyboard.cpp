// SPDX-License-Identifier: MIT
// The window's key handler: Windows virtual-key codes with Shift and Ctrl. The
// calculator's key table maps them onto the same steps the on-screen keys run.
// It never consumes a key, so the focused pane still receives it (Ctrl+C copies
// a selection).

#include "core/calculator/virtual_keys.h"
#include "ui/shell/calc_form.h"
#include "ui/toolkit/radio_group.h"
#include "ui/toolkit/rich_pane.h"

namespace zc {

void TCalcForm::FormKeyDown(int key, bool shift, bool ctrl) {
    // Ctrl+C is left to the focused pane in every layer, so it copies a selection and enters
    // nothing. Ctrl changes no other key: Ctrl+5 types 5.
    if (ctrl && key == vk::letterKey('C')) return;
    if (key == vk::kEscape) {
        // The placeholder alone means there is nothing to clear: a second Esc ends the program.
        if (LOutputREdit->toPlainText() == QLatin1String("Problem\n"))
            emit quitRequested(0);
        else
            LBtnAcClick();
        return;
    }
    m_calc->keyDown(key, shift);
    // A number system picked from the keyboard leaves the focus where a click on the group does.
    const bool numberSystemKey = key >= vk::functionKey(5) && key <= vk::functionKey(8);
    if (numberSystemKey && state().currentLayer == Layer::Programmer && !state().helpVisible)
        LOutputREdit->setFocus();
    showSelections();
}

} // namespace zc
