// The GUI tests' main: one QApplication (offscreen unless a platform is set) for every
// test, and settings in a private folder so that no test touches the user's.

#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

QtMessageHandler default_handler = nullptr;

// The offscreen platform reports every window feature it lacks; that says nothing about
// the editor.
void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String("This plugin does not support"))) return;
    default_handler(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
    default_handler = qInstallMessageHandler(QuietHandler);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
