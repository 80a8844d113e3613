// SPDX-License-Identifier: MIT
// Program entry: the application title, the one window, the message loop.

#include "ui/shell/calc_form.h"
#include "ui/shell/platform.h"
#include "ui/toolkit/key_glyph.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

#include <cstdio>
#include <exception>

namespace {

/// Exceptions escaping an event handler are shown and the program goes on.
class CalculatorApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& e) {
            QMessageBox::critical(nullptr, applicationDisplayName(), QString::fromLocal8Bit(e.what()));
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
    const QString reason = zc::displayUnavailableReason();
    if (!reason.isEmpty()) {
        std::fprintf(stderr, "%s\n", reason.toLocal8Bit().constData());
        return 1;
    }
    CalculatorApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zentorix-calculator"));
    QApplication::setApplicationDisplayName(QStringLiteral("Pellinor Zentorix Calculator"));
    QApplication::setWindowIcon(programIcon());
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
        QMessageBox::critical(nullptr, QApplication::applicationDisplayName(), QString::fromLocal8Bit(e.what()));
    } catch (...) {
        QMessageBox::critical(nullptr, QApplication::applicationDisplayName(), QString());
    }
    return code;
}
