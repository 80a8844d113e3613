// SPDX-License-Identifier: MIT
// The two programs as a user or a checking script runs them.

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString program(const char* name) {
    return QStringLiteral(ZC_BIN_DIR "/") + QLatin1String(name);
}

QProcessEnvironment withoutDisplay() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    return env;
}

struct ProgramRun {
    int exitCode = -1;
    QStringList out;
    QString err;
};

ProgramRun runScript(const QByteArray& script) {
    QProcess p;
    p.setProcessEnvironment(withoutDisplay());
    p.start(program("calc-script"), {});
    p.write(script);
    p.closeWriteChannel();
    ProgramRun r;
    if (!p.waitForFinished(30000)) {
        p.kill();
        p.waitForFinished();
        ADD_FAILURE() << "calc-script did not finish";
        return r;
    }
    r.exitCode = p.exitCode();
    r.out =
        QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

QJsonObject parse(const QString& line) {
    return QJsonDocument::fromJson(line.toUtf8()).object();
}

TEST(Calculator, WithoutDisplaySaysSoAndExitsOne) {
    QProcess p;
    p.setProcessEnvironment(withoutDisplay());
    p.start(program("zentorix-calculator"), {});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p.exitCode(), 1);
    const QStringList lines =
        QString::fromUtf8(p.readAllStandardError()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(lines.front().contains(QLatin1String("display")));
}

struct CommandLineCase {
    QStringList args;
    int exitCode;
    const char* stdoutStart; // nullptr: nothing on standard output
    bool oneErrorLine;
};

// --help and --version answer without a display; anything else is refused before one is needed.
TEST(Calculator, CommandLineWithoutDisplay) {
    const CommandLineCase cases[] = {
        {{QStringLiteral("--version")}, 0, "zentorix-calculator " ZC_VERSION "\n", false},
        {{QStringLiteral("-v")}, 0, "zentorix-calculator " ZC_VERSION "\n", false},
        {{QStringLiteral("--help")}, 0, "Usage: zentorix-calculator", false},
        {{QStringLiteral("-h")}, 0, "Usage: zentorix-calculator", false},
        {{QStringLiteral("--frobnicate")}, 2, nullptr, true},
        {{QStringLiteral("-x")}, 2, nullptr, true},
        {{QStringLiteral("notes.txt")}, 2, nullptr, true},
        {{QStringLiteral("--version"), QStringLiteral("extra")}, 2, nullptr, true},
        {{QStringLiteral("-platform")}, 2, nullptr, true}, // a Qt option without its value
    };
    for (const CommandLineCase& c : cases) {
        SCOPED_TRACE(c.args.join(QLatin1Char(' ')).toStdString());
        QProcess p;
        p.setProcessEnvironment(withoutDisplay());
        p.start(program("zentorix-calculator"), c.args);
        ASSERT_TRUE(p.waitForFinished(30000));
        EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(p.exitCode(), c.exitCode);
        const QString out = QString::fromUtf8(p.readAllStandardOutput());
        const QString err = QString::fromUtf8(p.readAllStandardError());
        if (c.stdoutStart != nullptr)
            EXPECT_TRUE(out.startsWith(QString::fromUtf8(c.stdoutStart))) << out.toStdString();
        else
            EXPECT_TRUE(out.isEmpty()) << out.toStdString();
        if (c.oneErrorLine) {
            EXPECT_EQ(err.count(QLatin1Char('\n')), 1) << err.toStdString();
            EXPECT_TRUE(err.startsWith(QLatin1String("zentorix-calculator: ")))
                << err.toStdString();
        } else {
            EXPECT_TRUE(err.isEmpty()) << err.toStdString();
        }
    }
}

// Qt's own options are left to Qt: with one of them the program still goes on
// to look for a display.
TEST(Calculator, QtOptionsAreAccepted) {
    QProcess p;
    p.setProcessEnvironment(withoutDisplay());
    p.start(program("zentorix-calculator"), {QStringLiteral("-style"), QStringLiteral("fusion")});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 1);
    EXPECT_TRUE(QString::fromUtf8(p.readAllStandardError()).contains(QLatin1String("display")));
}

TEST(CalcScript, RunsOffscreenAndPrintsJsonLines) {
    const ProgramRun r = runScript("# a comment\n\ntype 2*3\npress Enter\ndump\n");
    EXPECT_EQ(r.exitCode, 0);
    ASSERT_EQ(r.out.size(), 1);
    const QJsonObject o = parse(r.out.front());
    EXPECT_EQ(o.value(QStringLiteral("problem")).toString(), QStringLiteral("2\u00D73="));
    EXPECT_EQ(o.value(QStringLiteral("solution")).toString(), QStringLiteral("6"));
    EXPECT_TRUE(o.value(QStringLiteral("opened")).isNull());
}

TEST(CalcScript, ErrorsDoNotStopTheRun) {
    const ProgramRun r =
        runScript("frobnicate\nclick NoSuchKey\nclick L2BtnHexA\nclick LBtn1\ndump\n");
    ASSERT_EQ(r.out.size(), 4);
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(parse(r.out.at(i)).contains(QStringLiteral("error")))
            << r.out.at(i).toStdString();
    EXPECT_EQ(parse(r.out.at(3)).value(QStringLiteral("problem")).toString(), QStringLiteral("1"));
}

TEST(CalcScript, QuitStopsTheRun) {
    const ProgramRun r = runScript("type 5\npress Esc\npress Esc\ndump\n");
    ASSERT_EQ(r.out.size(), 1);
    EXPECT_EQ(parse(r.out.front()).value(QStringLiteral("quit")).toInt(-1), 0);
    EXPECT_EQ(r.exitCode, 0);
}

TEST(CalcScript, CloseKeyQuits) {
    const ProgramRun r = runScript("click LBtnClose\ndump\n");
    ASSERT_EQ(r.out.size(), 1);
    EXPECT_TRUE(parse(r.out.front()).contains(QStringLiteral("quit")));
}

TEST(CalcScript, ScreenshotWritesPng) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("shot.png"));
    const ProgramRun r = runScript(QByteArray("type 12\nscreenshot ") + file.toUtf8() + "\n");
    EXPECT_TRUE(r.out.isEmpty()) << r.out.join(QLatin1Char('\n')).toStdString();
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.read(8).startsWith("\x89PNG"));
}

} // namespace
