// SPDX-License-Identifier: MIT
#include "ui/script/script_runner.h"

#include "ui/display/rich_text.h"
#include "ui/shell/calc_form.h"
#include "ui/toolkit/colours.h"
#include "ui/toolkit/link_label.h"
#include "ui/toolkit/list_box.h"
#include "ui/toolkit/radio_group.h"
#include "ui/toolkit/rich_pane.h"
#include "ui/toolkit/skin_label.h"

#include <QApplication>
#include <QDesktopServices>
#include <QJsonArray>
#include <QJsonDocument>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>
#include <QWindow>
#include <algorithm>

namespace zc {

namespace {

QString jsonLine(const QJsonObject& o) {
    return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact));
}

struct KeyStroke {
    Qt::Key key = Qt::Key_unknown;
    Qt::KeyboardModifiers mods;
    QString text;
};

struct CharKey {
    char ch;
    Qt::Key key;
    bool shift;
};

// What a US keyboard sends for each printable character under X11.
constexpr CharKey kUsKeys[] = {
    {'*', Qt::Key_Asterisk, true},     {'(', Qt::Key_ParenLeft, true},
    {')', Qt::Key_ParenRight, true},   {'@', Qt::Key_At, true},
    {'%', Qt::Key_Percent, true},      {'^', Qt::Key_AsciiCircum, true},
    {'+', Qt::Key_Plus, true},         {'_', Qt::Key_Underscore, true},
    {'~', Qt::Key_AsciiTilde, true},   {'|', Qt::Key_Bar, true},
    {'!', Qt::Key_Exclam, true},       {'#', Qt::Key_NumberSign, true},
    {'$', Qt::Key_Dollar, true},       {'&', Qt::Key_Ampersand, true},
    {'<', Qt::Key_Less, true},         {'>', Qt::Key_Greater, true},
    {'?', Qt::Key_Question, true},     {':', Qt::Key_Colon, true},
    {'"', Qt::Key_QuoteDbl, true},     {'{', Qt::Key_BraceLeft, true},
    {'}', Qt::Key_BraceRight, true},   {'=', Qt::Key_Equal, false},
    {',', Qt::Key_Comma, false},       {'.', Qt::Key_Period, false},
    {'/', Qt::Key_Slash, false},       {'`', Qt::Key_QuoteLeft, false},
    {'\\', Qt::Key_Backslash, false},  {'-', Qt::Key_Minus, false},
    {';', Qt::Key_Semicolon, false},   {'\'', Qt::Key_Apostrophe, false},
    {'[', Qt::Key_BracketLeft, false}, {']', Qt::Key_BracketRight, false},
    {' ', Qt::Key_Space, false},
};

// The character a US keyboard gives for a key with Shift held.
constexpr const char* kShiftedDigits = ")!@#$%^&*(";
constexpr CharKey kShiftedSymbols[] = {
    {'=', Qt::Key_Plus, true},       {',', Qt::Key_Less, true},
    {'.', Qt::Key_Greater, true},    {'/', Qt::Key_Question, true},
    {'`', Qt::Key_AsciiTilde, true}, {'\\', Qt::Key_Bar, true},
    {'-', Qt::Key_Underscore, true}, {';', Qt::Key_Colon, true},
    {'\'', Qt::Key_QuoteDbl, true},  {'[', Qt::Key_BraceLeft, true},
    {']', Qt::Key_BraceRight, true}};
constexpr const char* kShiftedSymbolText = "+<>?~|_:\"{}";

bool strokeForChar(QChar c, KeyStroke& out) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9') {
        out = {static_cast<Qt::Key>(Qt::Key_0 + (u - '0')), Qt::NoModifier, QString(c)};
        return true;
    }
    if (u >= 'a' && u <= 'z') {
        out = {static_cast<Qt::Key>(Qt::Key_A + (u - 'a')), Qt::NoModifier, QString(c)};
        return true;
    }
    if (u >= 'A' && u <= 'Z') {
        out = {static_cast<Qt::Key>(Qt::Key_A + (u - 'A')), Qt::ShiftModifier, QString(c)};
        return true;
    }
    for (const CharKey& k : kUsKeys) {
        if (u == static_cast<unsigned char>(k.ch)) {
            out = {k.key, k.shift ? Qt::ShiftModifier : Qt::NoModifier, QString(c)};
            return true;
        }
    }
    return false;
}

bool strokeForSpec(const QString& specIn, KeyStroke& out) {
    QString spec = specIn;
    Qt::KeyboardModifiers mods;
    for (;;) {
        if (spec.startsWith(QLatin1String("Shift+")) && spec.size() > 6) {
            mods |= Qt::ShiftModifier;
            spec = spec.mid(6);
        } else if (spec.startsWith(QLatin1String("Ctrl+")) && spec.size() > 5) {
            mods |= Qt::ControlModifier;
            spec = spec.mid(5);
        } else {
            break;
        }
    }
    struct Named {
        const char* name;
        Qt::Key key;
        const char* text;
        bool keypad;
    };
    static const Named kNamed[] = {
        {"Enter", Qt::Key_Return, "\r", false},
        {"Esc", Qt::Key_Escape, "\x1b", false},
        {"Backspace", Qt::Key_Backspace, "\x08", false},
        {"Delete", Qt::Key_Delete, "\x7f", false},
        {"NumMultiply", Qt::Key_Asterisk, "*", true},
        {"NumAdd", Qt::Key_Plus, "+", true},
        {"NumSubtract", Qt::Key_Minus, "-", true},
        {"NumDecimal", Qt::Key_Period, ".", true},
        {"NumDivide", Qt::Key_Slash, "/", true},
        {"NumEnter", Qt::Key_Enter, "\r", true},
        {"Tab", Qt::Key_Tab, "\t", false},
        {"Space", Qt::Key_Space, " ", false},
        {"Up", Qt::Key_Up, "", false},
        {"Down", Qt::Key_Down, "", false},
        {"Left", Qt::Key_Left, "", false},
        {"Right", Qt::Key_Right, "", false},
        {"Home", Qt::Key_Home, "", false},
        {"End", Qt::Key_End, "", false},
        {"Insert", Qt::Key_Insert, "", false},
    };
    for (const Named& n : kNamed) {
        if (spec == QLatin1String(n.name)) {
            out = {n.key, mods | (n.keypad ? Qt::KeypadModifier : Qt::NoModifier),
                   QString::fromLatin1(n.text)};
            // X11 reports Shift+Tab as its own key.
            if (n.key == Qt::Key_Tab && mods.testFlag(Qt::ShiftModifier)) out.key = Qt::Key_Backtab;
            return true;
        }
    }
    if (spec.size() >= 2 && spec.size() <= 3 && spec.startsWith(QLatin1Char('F'))) {
        bool ok = false;
        const int f = spec.mid(1).toInt(&ok);
        if (ok && f >= 1 && f <= 12) {
            out = {static_cast<Qt::Key>(Qt::Key_F1 + f - 1), mods, QString()};
            return true;
        }
    }
    if (spec.size() == 4 && spec.startsWith(QLatin1String("Num")) && spec.at(3).isDigit()) {
        const int d = spec.at(3).digitValue();
        out = {static_cast<Qt::Key>(Qt::Key_0 + d), mods | Qt::KeypadModifier, QString(spec.at(3))};
        return true;
    }
    if (spec.size() != 1) return false;
    QChar c = spec.at(0);
    if (mods.testFlag(Qt::ShiftModifier)) {
        const char16_t u = c.unicode();
        if (u >= '0' && u <= '9')
            c = QLatin1Char(kShiftedDigits[u - '0']);
        else if (u >= 'a' && u <= 'z')
            c = c.toUpper();
        else {
            for (std::size_t i = 0; i < std::size(kShiftedSymbols); ++i)
                if (u == static_cast<unsigned char>(kShiftedSymbols[i].ch))
                    c = QLatin1Char(kShiftedSymbolText[i]);
        }
    }
    if (!strokeForChar(c, out)) return false;
    out.mods |= mods;
    if (mods.testFlag(Qt::ControlModifier)) {
        const char16_t u = c.toLower().unicode();
        if (u >= 'a' && u <= 'z') out.text = QString(QChar(u - 'a' + 1));
    }
    return true;
}

QJsonArray runsOf(const QTextEdit* pane) {
    QJsonArray runs;
    QString text;
    quint32 colour = 0;
    int raise = 0;
    bool open = false;
    auto flush = [&] {
        if (open && !text.isEmpty())
            runs.append(QJsonArray{text, static_cast<double>(colour), raise});
        text.clear();
        open = false;
    };
    bool first = true;
    for (QTextBlock b = pane->document()->begin(); b.isValid(); b = b.next()) {
        if (!first) {
            if (!open) open = true;
            text += QLatin1Char('\n');
        }
        first = false;
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            if (!f.isValid()) continue;
            const QTextCharFormat cf = f.charFormat();
            const quint32 c = cf.hasProperty(QTextFormat::ForegroundBrush)
                                  ? colourValue(cf.foreground().color())
                                  : colourValue(pane->palette().text().color());
            const int r = cf.property(kRaiseTwipsProperty).toInt();
            if (!open || c != colour || r != raise) {
                flush();
                colour = c;
                raise = r;
                open = true;
            }
            text += f.text();
        }
    }
    flush();
    return runs;
}

QJsonObject listState(const ListBox* list) {
    QJsonArray items;
    for (int i = 0; i < list->count(); ++i)
        items.append(list->item(i)->text());
    return QJsonObject{{QStringLiteral("items"), items},
                       {QStringLiteral("selected"), list->currentRow()}};
}

QString fromStd(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

QString errorLine(const QString& message) {
    return jsonLine(QJsonObject{{QStringLiteral("error"), message}});
}

ScriptRunner::ScriptRunner(TCalcForm& form, QObject* parent) : QObject(parent), m_form(form) {
    m_form.Timer1->stop();
    connect(&m_form, &TCalcForm::quitRequested, this, [this](int code) {
        m_finished = true;
        m_exitCode = code;
        m_pending.append(jsonLine(QJsonObject{{QStringLiteral("quit"), code}}));
    });
    QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "openUrl");
    QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "openUrl");
}

ScriptRunner::~ScriptRunner() {
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
}

void ScriptRunner::openUrl(const QUrl&) {}

void ScriptRunner::settle() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

QStringList ScriptRunner::run(const QString& lineIn) {
    QStringList out;
    if (m_finished) return out;
    const QString line = lineIn.trimmed();
    if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) return out;
    const QString command = line.section(QLatin1Char(' '), 0, 0);
    const QStringList args =
        line.section(QLatin1Char(' '), 1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QString error;
    if (command == QLatin1String("click")) {
        error = click(args, false);
    } else if (command == QLatin1String("dblclick")) {
        error = click(args, true);
    } else if (command == QLatin1String("type")) {
        // Everything after the first space is typed, spaces included.
        QString rest = lineIn;
        while (rest.endsWith(QLatin1Char('\n')) || rest.endsWith(QLatin1Char('\r')))
            rest.chop(1);
        const int sp = rest.indexOf(QLatin1Char(' '), rest.indexOf(command));
        error = type(sp < 0 ? QString() : rest.mid(sp + 1));
    } else if (command == QLatin1String("press")) {
        error = args.size() == 1 ? press(args.at(0)) : QStringLiteral("press needs one key");
    } else if (command == QLatin1String("tick")) {
        m_form.Timer1Timer();
    } else if (command == QLatin1String("screenshot")) {
        if (args.isEmpty() || !m_form.grab().save(args.join(QLatin1Char(' ')), "PNG"))
            error = QStringLiteral("cannot write the screenshot");
    } else if (command == QLatin1String("dump")) {
        settle();
        out.append(jsonLine(dump()));
    } else {
        error = QStringLiteral("unknown command: ") + command;
    }
    settle();
    if (!error.isEmpty()) out.append(errorLine(error));
    out.append(m_pending);
    m_pending.clear();
    return out;
}

QString ScriptRunner::click(const QStringList& args, bool doubleClick) {
    if (args.isEmpty() || args.size() > 2)
        return QStringLiteral("click needs a control name and an optional index");
    QWidget* w = m_form.control(args.at(0));
    if (w == nullptr) return QStringLiteral("unknown control: ") + args.at(0);
    if (!w->isVisible()) return QStringLiteral("control not visible: ") + args.at(0);
    QPoint local = w->rect().center();
    if (args.size() == 2) {
        bool ok = false;
        const int index = args.at(1).toInt(&ok);
        if (!ok || index < 0) return QStringLiteral("bad index: ") + args.at(1);
        if (auto* group = qobject_cast<RadioGroup*>(w)) {
            if (index >= group->count()) return QStringLiteral("no such item: ") + args.at(1);
            local = group->itemRect(index).center();
        } else if (auto* list = qobject_cast<ListBox*>(w)) {
            if (index >= list->count()) return QStringLiteral("no such row: ") + args.at(1);
            local = list->rowRect(index).center();
        } else {
            return QStringLiteral("control has no items: ") + args.at(0);
        }
    }
    QWindow* win = m_form.windowHandle();
    if (win == nullptr) return QStringLiteral("the window is not shown");
    const QPoint pos = w->mapTo(&m_form, local);
    if (doubleClick) {
        QTest::mouseDClick(win, Qt::LeftButton, Qt::NoModifier, pos);
    } else {
        QTest::mouseMove(win, pos);
        QTest::mouseClick(win, Qt::LeftButton, Qt::NoModifier, pos);
    }
    return {};
}

QString ScriptRunner::type(const QString& text) {
    QWindow* win = m_form.windowHandle();
    if (win == nullptr) return QStringLiteral("the window is not shown");
    for (const QChar c : text) {
        KeyStroke k;
        if (!strokeForChar(c, k)) return QStringLiteral("cannot type: ") + QString(c);
        QTest::sendKeyEvent(QTest::Press, win, k.key, k.text, k.mods);
        QTest::sendKeyEvent(QTest::Release, win, k.key, k.text, k.mods);
        settle();
        if (m_finished) break;
    }
    return {};
}

QString ScriptRunner::press(const QString& spec) {
    QWindow* win = m_form.windowHandle();
    if (win == nullptr) return QStringLiteral("the window is not shown");
    KeyStroke k;
    if (!strokeForSpec(spec, k)) return QStringLiteral("unknown key: ") + spec;
    QTest::sendKeyEvent(QTest::Press, win, k.key, k.text, k.mods);
    QTest::sendKeyEvent(QTest::Release, win, k.key, k.text, k.mods);
    return {};
}

QJsonObject ScriptRunner::dump() const {
    const TCalcForm& f = m_form;
    QJsonObject o;
    o.insert(QStringLiteral("problem"), f.LOutputREdit->toPlainText());
    o.insert(QStringLiteral("solution"), f.LResultREdit->toPlainText());
    o.insert(QStringLiteral("history"), f.LHistoryREdit->toPlainText());
    o.insert(QStringLiteral("help"), f.LHelpREdit->toPlainText());
    o.insert(QStringLiteral("problemRuns"), runsOf(f.LOutputREdit));
    o.insert(QStringLiteral("expr"), fromStd(f.codeText()));
    o.insert(QStringLiteral("exprLen"), f.state().exprLen);
    o.insert(QStringLiteral("solved"), f.state().solved);
    o.insert(QStringLiteral("ansText"), fromStd(f.state().ansText));
    o.insert(QStringLiteral("resultText"), fromStd(f.state().resultText));
    QJsonArray undo;
    for (const auto& r : f.state().undoStack)
        undo.append(QJsonArray{r.codeChars, r.displayChars});
    o.insert(QStringLiteral("undo"), undo);
    o.insert(QStringLiteral("layer"), static_cast<int>(f.state().currentLayer));
    o.insert(QStringLiteral("helpVisible"), f.state().helpVisible);
    o.insert(QStringLiteral("hypMode"), f.state().hypMode);
    o.insert(QStringLiteral("exponentOpen"), f.state().exponentOpen);
    o.insert(QStringLiteral("textRaise"), f.state().textRaise);
    o.insert(QStringLiteral("angleMode"), f.angleMode());
    o.insert(QStringLiteral("numberSystem"), f.numberSystem());
    QStringList visible;
    QStringList highlighted;
    for (const QString& name : f.controlNames()) {
        const QWidget* w = f.control(name);
        if (w->isVisibleTo(&f)) visible << name;
        if (const auto* l = qobject_cast<const SkinLabel*>(w); l && l->isHighlighted()) {
            const bool selectable =
                std::find(f.categoryLabels.begin(), f.categoryLabels.end(), l) !=
                    f.categoryLabels.end() ||
                std::find(f.groupLabels.begin(), f.groupLabels.end(), l) != f.groupLabels.end();
            if (selectable) highlighted << name;
        }
    }
    visible.sort();
    highlighted.sort();
    o.insert(QStringLiteral("visible"), QJsonArray::fromStringList(visible));
    o.insert(QStringLiteral("highlighted"), QJsonArray::fromStringList(highlighted));
    o.insert(QStringLiteral("link"),
             QJsonObject{{QStringLiteral("caption"), f.WebSiteAccess->text()},
                         {QStringLiteral("hint"), f.WebSiteAccess->hint()},
                         {QStringLiteral("colour"),
                          static_cast<double>(colourValue(f.WebSiteAccess->fontColour()))}});
    o.insert(QStringLiteral("opened"),
             f.lastOpenedUrl.isEmpty() ? QJsonValue() : QJsonValue(f.lastOpenedUrl));
    o.insert(QStringLiteral("closeGlyph"), f.closeGlyphIndex());
    o.insert(QStringLiteral("helpGlyph"), f.helpGlyphIndex());
    o.insert(QStringLiteral("dmsValue"), f.state().dmsValue);
    o.insert(QStringLiteral("dmsShown"), f.state().dmsShown);
    o.insert(QStringLiteral("unitCategory"), static_cast<int>(f.state().unitCategory));
    o.insert(QStringLiteral("lastFromUnit"), static_cast<int>(f.state().lastFromUnit));
    o.insert(QStringLiteral("constGroup"), static_cast<int>(f.state().constGroup));
    o.insert(QStringLiteral("lists"),
             QJsonObject{{QStringLiteral("LListFrom"), listState(f.LListFrom)},
                         {QStringLiteral("LListTo"), listState(f.LListTo)},
                         {QStringLiteral("L4List"), listState(f.L4List)}});
    o.insert(QStringLiteral("tvmTarget"), static_cast<int>(f.state().tvmTarget));
    o.insert(QStringLiteral("tvmPV"), f.state().tvmPV);
    o.insert(QStringLiteral("tvmFV"), f.state().tvmFV);
    o.insert(QStringLiteral("tvmPMT"), f.state().tvmPMT);
    o.insert(QStringLiteral("tvmRate"), f.state().tvmRate);
    o.insert(QStringLiteral("tvmRateGiven"), f.state().tvmRateGiven);
    o.insert(QStringLiteral("tvmNGiven"), f.state().tvmNGiven);
    o.insert(QStringLiteral("tvmPerYear"), f.state().tvmPerYear);
    o.insert(QStringLiteral("tvmN"), f.state().tvmN);
    o.insert(QStringLiteral("helpScroll"), f.LHelpREdit->verticalScrollBar()->value());
    o.insert(QStringLiteral("historyScroll"), f.LHistoryREdit->verticalScrollBar()->value());
    // The named control that has the keyboard focus; empty while the window itself has it.
    QString focus;
    for (const QWidget* w = QApplication::focusWidget(); w != nullptr && w != &f;
         w = w->parentWidget()) {
        if (f.control(w->objectName()) == w) {
            focus = w->objectName();
            break;
        }
    }
    o.insert(QStringLiteral("focus"), focus);
    return o;
}

} // namespace zc
