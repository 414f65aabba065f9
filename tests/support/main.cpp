#include <QApplication>
#include <QtGlobal>
#include <gtest/gtest.h>

namespace {
// The offscreen platform warns about window hints it cannot honour; that
// noise would bury the test output.
void quietHandler(QtMsgType type, const QMessageLogContext& ctx, const QString& msg) {
    if (msg.contains(QLatin1String("propagateSizeHints"))) return;
    qt_message_output(type, ctx, msg);
}
} // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(quietHandler);
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
