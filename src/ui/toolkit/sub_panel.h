// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

namespace zc {

// A transparent container without background or bevel; its children move and hide with it.
class SubPanel : public QWidget {
    Q_OBJECT

public:
    explicit SubPanel(QWidget* parent = nullptr);
};

} // namespace zc
