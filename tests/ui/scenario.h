// SPDX-License-Identifier: MIT
#pragma once
// Scenario tests: a script of clicks and keys run on the real window, then a
// check of selected fields of the window's state.

#include "../support/scenario_text.h"
#include "ui/script/script_runner.h"
#include "ui/shell/calc_form.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace zc::test {

/// A shown window with its script driver.
class Window {
public:
    Window() : form(std::make_unique<TCalcForm>()) {
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get())) ADD_FAILURE() << "window not exposed";
        runner = std::make_unique<ScriptRunner>(*form);
    }

    /// Runs the script; returns everything it printed, one line each.
    QStringList run(const char* script) {
        QStringList out;
        const QStringList lines = QString::fromUtf8(script).split(QLatin1Char('\n'));
        for (const QString& line : lines)
            out << runner->run(line);
        return out;
    }

    QJsonObject state() const { return runner->dump(); }

    std::unique_ptr<TCalcForm> form;
    std::unique_ptr<ScriptRunner> runner;
};

/// Compares the fields named in `expect` with the window's state.
inline void expectState(const QJsonObject& state, const char* expect) {
    QJsonParseError err{};
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray(expect), &err);
    ASSERT_EQ(err.error, QJsonParseError::NoError) << "bad expectation: " << expect;
    const QJsonObject want = doc.object();
    for (auto it = want.begin(); it != want.end(); ++it) {
        const QJsonValue got = state.value(it.key());
        const auto text = [](const QJsonValue& v) {
            return QString::fromUtf8(QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Compact))
                .toStdString();
        };
        EXPECT_EQ(text(got), text(it.value())) << "field " << it.key().toStdString();
    }
}

/// Runs one scenario on a fresh window.
inline void runScenario(const Scenario& s) {
    Window w;
    const QStringList out = w.run(s.script);
    for (const QString& line : out)
        EXPECT_FALSE(line.startsWith(QLatin1String("{\"error\""))) << line.toStdString();
    expectState(w.state(), s.expect);
}

} // namespace zc::test
