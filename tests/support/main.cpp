// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include <QApplication>
#include <QtGlobal>
#include <gtest/gtest.h>

// The sample host's tests run under the host's own application object.
#ifdef BA_HOST_APPLICATION
#include "SafeApplication.h"
using Application = SafeApplication;
#else
using Application = QApplication;
#endif

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
    Application app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
