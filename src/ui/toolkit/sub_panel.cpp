// SPDX-License-Identifier: MIT
#include "ui/toolkit/sub_panel.h"

namespace zc {

SubPanel::SubPanel(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(false);
    setFocusPolicy(Qt::NoFocus);
}

} // namespace zc
