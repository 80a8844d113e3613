// SPDX-License-Identifier: MIT
// calc-script [FILE]: runs the calculator window offscreen from a script of
// commands (one a line) and prints its state as JSON lines.

#include "ui/script/script_runner.h"
#include "ui/shell/calc_form.h"

#include <QApplication>
#include <QFile>
#include <QTest>
#include <QTextStream>
#include <cstdio>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zentorix-calculator"));
    QApplication::setApplicationDisplayName(QStringLiteral("Pellinor Zentorix Calculator"));

    QFile input;
    if (argc > 1) {
        input.setFileName(QString::fromLocal8Bit(argv[1]));
        if (!input.open(QIODevice::ReadOnly | QIODevice::Text)) {
            std::fprintf(stderr, "calc-script: cannot read %s\n", argv[1]);
            return 2;
        }
    } else if (!input.open(stdin, QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "calc-script: cannot read standard input\n");
        return 2;
    }

    zc::TCalcForm form;
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) {
        std::fprintf(stderr, "calc-script: the window could not be shown\n");
        return 2;
    }
    zc::ScriptRunner runner(form);
    QTextStream in(&input);
    while (!in.atEnd() && !runner.finished()) {
        const QString line = in.readLine();
        for (const QString& out : runner.run(line)) {
            std::fputs(out.toUtf8().constData(), stdout);
            std::fputc('\n', stdout);
            std::fflush(stdout);
        }
    }
    return runner.exitCode();
}
