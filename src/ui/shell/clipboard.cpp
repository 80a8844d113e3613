// SPDX-License-Identifier: MIT
// Copy and paste: the solution's number to the clipboard, and text from it typed key by key.

#include "ui/shell/calc_form.h"
#include "ui/shell/key_map.h"
#include "ui/toolkit/rich_pane.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QRegularExpression>

namespace zc {

QString TCalcForm::solutionNumber() const {
    // The first line of the pane, without the suffix of a conversion (" [mm] ") or of a
    // financial result ("[pv] ").
    QString text = LResultREdit->toPlainText().section(QLatin1Char('\n'), 0, 0).trimmed();
    static const QRegularExpression suffix(QStringLiteral("\\s*\\[[^\\]]*\\]\\s*$"));
    text.remove(suffix);
    text.replace(QChar(0x2212), QLatin1Char('-'));
    static const QRegularExpression decimal(
        QStringLiteral("^-?[0-9][0-9,]*(\\.[0-9]*)?([eE][-+]?[0-9]+)?$"));
    static const QRegularExpression digits(QStringLiteral("^[0-9A-F][0-9A-F,]*$"));
    const QRegularExpression& number = state().currentLayer == Layer::Programmer ? digits : decimal;
    if (!number.match(text).hasMatch()) return {};
    text.remove(QLatin1Char(','));
    return text;
}

void TCalcForm::copySolution() {
    const QString number = solutionNumber();
    if (!number.isEmpty()) QGuiApplication::clipboard()->setText(number);
}

void TCalcForm::typeText(const QString& text) {
    for (const QChar ch : text) {
        const KeyCode code = windowsKeyCodeForCharacter(ch);
        if (code.key == 0) continue;
        FormKeyDown(code.key, code.shift, false);
        if (state().exprLen >= kMaxCodeChars) break;
    }
}

} // namespace zc
