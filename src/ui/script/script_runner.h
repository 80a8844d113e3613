// SPDX-License-Identifier: MIT
#pragma once
// Drives the real window from a script of clicks and key presses and reports
// its state as JSON lines. Used by the calc-script program and by the tests.

#include <QJsonObject>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>

namespace zc {

class TCalcForm;

class ScriptRunner : public QObject {
    Q_OBJECT

public:
    /// Takes over the form's timer (ticks come from the script) and its quit requests.
    explicit ScriptRunner(TCalcForm& form, QObject* parent = nullptr);
    ~ScriptRunner() override;

    /// Runs one command line; returns the lines it prints (none for most commands).
    QStringList run(const QString& line);
    /// True once the program would have ended; no further command runs.
    bool finished() const { return m_finished; }
    int exitCode() const { return m_exitCode; }

    /// The window's state as the dump command prints it.
    QJsonObject dump() const;

public slots:
    /// Receives the addresses the program asks to open instead of a browser.
    void openUrl(const QUrl& url);

private:
    QString click(const QStringList& args, bool doubleClick);
    QString type(const QString& text);
    QString press(const QString& spec);
    void settle();

    TCalcForm& m_form;
    bool m_finished = false;
    int m_exitCode = 0;
    QStringList m_pending;
};

/// A compact JSON line for an error message.
QString errorLine(const QString& message);

} // namespace zc
