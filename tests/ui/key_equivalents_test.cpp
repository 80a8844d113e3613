// SPDX-License-Identifier: MIT
// A key's tool tip and description name its keyboard equivalents; each of them
// must do on the window exactly what a click on the key does.

#include "scenario.h"
#include "ui/toolkit/image_key.h"

#include <QRegularExpression>

namespace zc::test {
namespace {

// What a key press or a click left behind, in the fields an entry key changes.
std::string entryState(const QJsonObject& s) {
    QJsonObject o;
    for (const char* field : {"problem", "expr", "solution", "undo", "solved", "ansText",
                              "exponentOpen", "textRaise", "dmsShown", "helpVisible"})
        o.insert(QLatin1String(field), s.value(QLatin1String(field)));
    return QJsonDocument(o).toJson(QJsonDocument::Compact).toStdString();
}

// The script line that makes one keyboard equivalent as a tool tip writes it.
QString keyLine(const QString& key) {
    static const char* const kKeypad[][2] = {{"Num *", "NumMultiply"},
                                             {"Num +", "NumAdd"},
                                             {"Num -", "NumSubtract"},
                                             {"Num .", "NumDecimal"},
                                             {"Num /", "NumDivide"}};
    for (const auto& k : kKeypad)
        if (key == QLatin1String(k[0])) return QStringLiteral("press ") + QLatin1String(k[1]);
    if (key.startsWith(QLatin1String("Num "))) return QStringLiteral("press Num") + key.mid(4);
    // A letter names the key, typed without Shift; another character is typed as it is.
    if (key.size() == 1 && key.at(0).isLetter()) return QStringLiteral("press ") + key.toLower();
    if (key.size() == 1) return QStringLiteral("type ") + key;
    return QStringLiteral("press ") + key;
}

class KeyEquivalents : public ::testing::TestWithParam<int> {};

TEST_P(KeyEquivalents, EveryKeyTheDescriptionNamesDoesWhatAClickDoes) {
    const int layer = GetParam();
    static const char* const kToLayer[] = {"", TO_LAYER1, TO_LAYER2, TO_LAYER3, TO_LAYER4};
    // A problem under way for every key to act on; HEX so that the letter keys enter digits.
    const QString start =
        layer == 1 ? QStringLiteral("press F5\ntype 12+3") : QStringLiteral("type 12+3");
    // One window clicks, the other presses, through the same steps, so that whatever a step
    // leaves behind (the DMS state, the last answer) is the same on both sides.
    Window clicking;
    Window pressing;
    clicking.run(kToLayer[layer]);
    pressing.run(kToLayer[layer]);
    const auto step = [&](Window& w, const QString& action) {
        w.run("click LBtnAc\nclick LBtnAc");
        w.run(start.toUtf8().constData());
        for (const QString& line : w.run(action.toUtf8().constData()))
            EXPECT_FALSE(line.startsWith(QLatin1String("{\"error\""))) << line.toStdString();
        return entryState(w.state());
    };
    const QRegularExpression keyboard(QStringLiteral("Keyboard: (.*)$"));
    int checked = 0;
    for (const QString& name : clicking.form->controlNames()) {
        const auto* key = qobject_cast<const ImageKey*>(clicking.form->control(name));
        if (key == nullptr || !key->isVisibleTo(clicking.form.get())) continue;
        const QRegularExpressionMatch m = keyboard.match(key->accessibleDescription());
        if (!m.hasMatch()) continue;
        QStringList items;
        for (QString part : m.captured(1).split(QStringLiteral(", "))) {
            // "A or B in the scientific layer": keys that work in the first layer only.
            const QLatin1String scientificOnly(" in the scientific layer");
            if (part.endsWith(scientificOnly)) {
                if (layer != 0) continue;
                part.chop(scientificOnly.size());
                items << part.split(QStringLiteral(" or "));
            } else {
                items << part;
            }
        }
        for (const QString& item : items) {
            const std::string clicked = step(clicking, QStringLiteral("click ") + name);
            const std::string pressed = step(pressing, keyLine(item));
            EXPECT_EQ(pressed, clicked)
                << name.toStdString() << " and " << item.toStdString() << " in layer " << layer;
            ++checked;
        }
    }
    EXPECT_GT(checked, 0);
}

INSTANTIATE_TEST_SUITE_P(EveryLayer, KeyEquivalents, ::testing::Range(0, 5));

} // namespace
} // namespace zc::test
