// SPDX-License-Identifier: MIT
// Test main for suites that need a QApplication. The offscreen platform is set
// before QApplication exists, also for test discovery, which runs without the
// test's environment.
#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QString>
#include <gtest/gtest.h>

namespace {

QtMessageHandler previousHandler = nullptr;

// The offscreen platform cannot set window masks and says so for every window
// that asks, which is most of the tests' windows; every other message goes on
// to the handler that was there before.
void dropWindowMaskWarning(QtMsgType type, const QMessageLogContext& context,
                           const QString& message) {
    if (message == QLatin1String("This plugin does not support setting window masks")) return;
    previousHandler(type, context, message);
}

} // namespace

int main(int argc, char** argv) {
    previousHandler = qInstallMessageHandler(dropWindowMaskWarning);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QByteArray dir = QDir::tempPath().toUtf8() + "/zc-test-runtime";
        QDir().mkpath(QString::fromUtf8(dir));
        QFile::setPermissions(QString::fromUtf8(dir), QFileDevice::ReadOwner |
                                                          QFileDevice::WriteOwner |
                                                          QFileDevice::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", dir);
    }
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
