// SPDX-License-Identifier: MIT
#pragma once

#include "ui/toolkit/skin_label.h"

namespace zc {

// A transparent, underlined text with a hand cursor; its hint shows as the tool tip.
class LinkLabel : public SkinLabel {
    Q_OBJECT

public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

    void setHint(const QString& hint);
    QString hint() const { return toolTip(); }

protected:
    void changeEvent(QEvent* event) override;
};

} // namespace zc
