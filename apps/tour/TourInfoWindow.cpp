// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "DocumentWindow.h"
#include "Tour.h"
#include "control/BelegAdressen.h"
#include <QAbstractButton>
#include <QDialog>
#include <QTextEdit>
#include <cstdio>

// The customer info window: a customer whose internal remark was written by a
// word processor opens it by itself once the load has finished; the info
// button shows the customer info. Each showing is photographed and left with
// "Zurück".
void Tour::runInfoWindow() {
    belegadressen::BelegAdressen& c = mWindow.control();
    const QString customer = firstValue(
        QStringLiteral("SELECT Kundennummer FROM Kundenstamm WHERE InterneBemerkung LIKE "
                       "'{\\rtf%' ORDER BY Kundennummer LIMIT 1"));
    if (customer.isEmpty()) {
        mFindings << QStringLiteral("Beispieldaten ohne Kunden mit formatierter Notiz");
        return;
    }
    int shown = 0;
    QString text;
    mWindow.dialogs().setAnswer([&](QDialog& dialog) {
        if (dialog.objectName() != QLatin1String("frmInfo")) return int(QDialog::Rejected);
        ++shown;
        dialog.show();
        settle(150);
        if (auto* box = dialog.findChild<QTextEdit*>(QStringLiteral("txtText")))
            text = box->toPlainText();
        shoot(dialog, QStringLiteral("kundeninfo-%1").arg(shown));
        if (auto* back = dialog.findChild<QAbstractButton*>(QStringLiteral("btnOk"))) back->click();
        return dialog.result();
    });

    step(QStringLiteral("Kunde mit formatierter Notiz: das Info-Fenster öffnet nach dem Laden"));
    mWindow.newDocument();
    mWindow.switchAddress(1);
    typeNumber(customer);
    settle(400);
    if (shown != 1) mFindings << QStringLiteral("Info-Fenster nach dem Laden nicht geöffnet");
    std::printf("   Notiz: \"%s\"\n", qPrintable(text.replace(QLatin1Char('\n'), " | ")));
    shoot(QStringLiteral("kunde-mit-notiz"));

    step(QStringLiteral("Kundeninfo über die Schaltfläche"));
    if (auto* button = c.findChild<QAbstractButton*>(QStringLiteral("btnInfo_0"))) {
        button->click();
        settle(100);
        if (shown != 2) mFindings << QStringLiteral("Kundeninfo nicht geöffnet");
    }
    std::fflush(stdout);
    mWindow.dialogs().setAnswer({});
}
