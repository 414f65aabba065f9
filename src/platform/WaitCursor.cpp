#include "platform/WaitCursor.h"
#include <QCursor>
#include <QGuiApplication>
#include <QThread>

namespace belegadressen {

namespace {

// Statements running on the user-interface thread, outermost first.
int gDepth = 0;

bool onUserInterfaceThread() {
    const auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    return app && QThread::currentThread() == app->thread();
}

} // namespace

StatementWaitCursor::StatementWaitCursor() {
    if (!onUserInterfaceThread()) return;
    mShown = gDepth++ == 0;
    if (mShown) QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

StatementWaitCursor::~StatementWaitCursor() {
    if (!onUserInterfaceThread()) return;
    --gDepth;
    if (mShown) QGuiApplication::restoreOverrideCursor();
}

} // namespace belegadressen
