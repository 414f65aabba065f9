// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "platform/WaitCursor.h"
#include <QAbstractEventDispatcher>
#include <QCursor>
#include <QGuiApplication>

namespace belegadressen {

namespace {

// Statements running on the user-interface thread, outermost first.
int gDepth = 0;

// The application's own event dispatcher runs on the user-interface thread;
// another thread has its own or none.
bool onUserInterfaceThread() {
    const auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (!app) return false;
    const QAbstractEventDispatcher* here = QAbstractEventDispatcher::instance();
    return here && here == QAbstractEventDispatcher::instance(app->thread());
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
