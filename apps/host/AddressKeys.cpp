// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "AddressKeys.h"
#include "platform/GuardedConnect.h"
#include <QShortcut>
#include <QTabBar>

using belegadressen::connectGuarded;

void addAddressKeys(QWidget* window, QTabBar* tabs) {
    const int keys[] = {Qt::Key_1, Qt::Key_2, Qt::Key_3};
    for (int i = 0; i < tabs->count() && i < 3; ++i) {
        const QKeySequence sequence(QKeyCombination(Qt::ControlModifier, Qt::Key(keys[i])));
        tabs->setTabText(i, tabs->tabText(i).remove(QLatin1Char('&')));
        tabs->setTabToolTip(i, sequence.toString(QKeySequence::NativeText));
        auto* shortcut = new QShortcut(sequence, window);
        shortcut->setContext(Qt::WindowShortcut);
        connectGuarded(shortcut, &QShortcut::activated, tabs,
                       [tabs, i] { tabs->setCurrentIndex(i); });
    }
}
