// SPDX-License-Identifier: MIT
// Program entry: the command line, the application title, the one window, the message loop.

#include "ui/shell/calc_form.h"
#include "ui/shell/platform.h"
#include "ui/toolkit/key_glyph.h"

#include <QApplication>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QIcon>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <cstdio>
#include <exception>

#ifndef ZC_VERSION
#define ZC_VERSION "0"
#endif

namespace {

constexpr const char* kProgram = "zentorix-calculator";
constexpr const char* kDesktopId = "example.zentorix.Calculator";

/// What the command line asks for. The program itself takes only --help and
/// --version; the options every Qt program understands (-platform, -style,
/// -session ...) are accepted and left for QApplication, so desktop sessions
/// and users can still pass them.
struct CommandLine {
    enum class Action { Run, Help, Version, Error } action = Action::Run;
    QString error;
    bool platformGiven = false; // -platform names the display itself
};

CommandLine parseCommandLine(int argc, char** argv) {
    QCommandLineParser parser;
    // "-platform xcb" is one option with a value, as Qt itself reads it.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
    parser.addOption(help);
    parser.addOption(version);
    for (const char* name : {"platform", "platformpluginpath", "platformtheme", "plugin",
                             "qwindowgeometry", "qwindowicon", "qwindowtitle", "session", "display",
                             "geometry", "name", "title", "style", "stylesheet", "qmljsdebugger"})
        parser.addOption(
            QCommandLineOption(QString::fromLatin1(name), QString(), QStringLiteral("value")));
    for (const char* name : {"reverse", "widgetcount", "nograb", "dograb", "sync"})
        parser.addOption(QCommandLineOption(QString::fromLatin1(name)));

    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    CommandLine out;
    if (!parser.parse(args)) {
        out.action = CommandLine::Action::Error;
        out.error = parser.errorText();
    } else if (!parser.positionalArguments().isEmpty()) {
        out.action = CommandLine::Action::Error;
        out.error = QStringLiteral("Unexpected argument '%1'.")
                        .arg(parser.positionalArguments().constFirst());
    } else if (parser.isSet(help)) {
        out.action = CommandLine::Action::Help;
    } else if (parser.isSet(version)) {
        out.action = CommandLine::Action::Version;
    }
    out.platformGiven = parser.isSet(QStringLiteral("platform"));
    return out;
}

void printHelp() {
    std::printf("Usage: %s [OPTION]\n"
                "A desktop calculator with five layers: scientific, programmer, unit conversion,\n"
                "physical constants and financial (time value of money).\n"
                "\n"
                "  -h, --help     show this help and exit\n"
                "  -v, --version  show the version and exit\n"
                "\n"
                "Qt's own options (-platform, -style, ...) are passed to Qt.\n"
                "Keys and layers are described in the man page and the program's help key.\n",
                kProgram);
}

/// Exceptions escaping an event handler are shown and the program goes on.
class CalculatorApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& e) {
            QMessageBox::critical(nullptr, applicationDisplayName(),
                                  QString::fromLocal8Bit(e.what()));
        } catch (...) {
            QMessageBox::critical(nullptr, applicationDisplayName(), QString());
        }
        return false;
    }
};

/// The program's icon: its own "=" key, drawn at a few sizes.
QIcon programIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128}) {
        QPixmap pm(size, size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        zc::paintKeyGlyph(p, QRectF(0, 0, size, size), zc::KeyGlyph::Equal, zc::KeyLook{});
        p.end();
        icon.addPixmap(pm);
    }
    return icon;
}

} // namespace

int main(int argc, char** argv) {
    // The command line is read before anything needs a display.
    const CommandLine cl = parseCommandLine(argc, argv);
    switch (cl.action) {
    case CommandLine::Action::Help:
        printHelp();
        return 0;
    case CommandLine::Action::Version:
        std::printf("%s %s\n", kProgram, ZC_VERSION);
        return 0;
    case CommandLine::Action::Error:
        std::fprintf(stderr, "%s: %s Try '%s --help'.\n", kProgram,
                     cl.error.toLocal8Bit().constData(), kProgram);
        return 2;
    case CommandLine::Action::Run:
        break;
    }

    const QString reason = cl.platformGiven ? QString() : zc::displayUnavailableReason();
    if (!reason.isEmpty()) {
        std::fprintf(stderr, "%s\n", reason.toLocal8Bit().constData());
        return 1;
    }
    CalculatorApplication app(argc, argv);
    // The application name is also the X11 window class (StartupWMClass in the
    // desktop entry); the desktop file name is the Wayland app id.
    QApplication::setApplicationName(QString::fromLatin1(kProgram));
    QApplication::setApplicationVersion(QStringLiteral(ZC_VERSION));
    QApplication::setApplicationDisplayName(QStringLiteral("Pellinor Zentorix Calculator"));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopId));
    QApplication::setWindowIcon(QIcon::fromTheme(QString::fromLatin1(kDesktopId), programIcon()));
    int code = 0;
    try {
        zc::TCalcForm form;
        QObject::connect(&form, &zc::TCalcForm::quitRequested, &form, [&form, &code](int c) {
            code = c;
            form.close();
            QCoreApplication::exit(c);
        });
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            form.move(zc::initialWindowPosition(screen->availableGeometry(), form.size()));
        }
        form.show();
        const int rc = QApplication::exec();
        if (rc != 0) code = rc;
    } catch (const std::exception& e) {
        QMessageBox::critical(nullptr, QApplication::applicationDisplayName(),
                              QString::fromLocal8Bit(e.what()));
    } catch (...) {
        QMessageBox::critical(nullptr, QApplication::applicationDisplayName(), QString());
    }
    return code;
}
