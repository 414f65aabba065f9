// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "DocumentWindow.h"
#include "HostServices.h"
#include "Tour.h"
#include "control/BelegAdressen.h"
#include <QAbstractButton>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QToolButton>

// A customer who pays in a foreign currency, page 2 with its rates, and the
// editing dialog of the payment terms on the real table.
void Tour::runCommercial() {
    belegadressen::BelegAdressen& c = mWindow.control();
    const QString foreign = firstValue(QStringLiteral(
        "SELECT Kundennummer FROM Kundenstamm WHERE Währung IN ('CHF', 'USD', 'GBP') "
        "ORDER BY Kundennummer LIMIT 1"));
    if (foreign.isEmpty()) {
        mFindings << QStringLiteral("Beispieldaten ohne Kunden in Fremdwährung");
        return;
    }

    step(QStringLiteral("Kunde in Fremdwährung, Seite 2 mit den Kursen"));
    mWindow.switchAddress(1);
    typeNumber(foreign);
    say(QStringLiteral("   GetWährung = \"%1\", GetWechselkurs = %2, GetWährungserfassung = %3")
            .arg(c.GetWaehrung())
            .arg(c.GetWechselkurs())
            .arg(c.GetWaehrungserfassung()));
    if (c.GetWaehrungserfassung() != 2)
        mFindings << QStringLiteral("Kunde %1 nicht als Fremdwährung erfasst").arg(foreign);
    if (auto* page2 = c.findChild<QAbstractButton*>(QStringLiteral("btnSeite_0"))) page2->click();
    if (auto* label = c.findChild<QLabel*>(QStringLiteral("lblWährungserfassung")))
        say(QStringLiteral("   lblWährungserfassung = \"%1\"").arg(label->text()));
    shoot(QStringLiteral("fremdwaehrung-seite2"));
    if (auto* page1 = c.findChild<QAbstractButton*>(QStringLiteral("btnSeite_1"))) page1->click();

    step(QStringLiteral("Zahlungsbedingungen bearbeiten"));
    QWidget* terms = c.findChild<QWidget*>(QStringLiteral("ocxZahlungsbedingungen"));
    auto* edit = terms ? terms->findChild<QToolButton*>(QStringLiteral("btnBearbeiten")) : nullptr;
    if (!edit) {
        mFindings << QStringLiteral("Bearbeiten-Knopf der Zahlungsbedingungen nicht gefunden");
        return;
    }
    bool shown = false;
    mWindow.dialogs().setAnswer([&](QDialog& dialog) {
        auto* table = dialog.findChild<QTableWidget*>(QStringLiteral("tblDaten"));
        if (!table) return int(QDialog::Rejected);
        shown = true;
        dialog.resize(900, 360);
        dialog.show();
        settle(100);
        shoot(dialog, QStringLiteral("stammdaten-dialog"));
        say(QStringLiteral("   \"%1\": %2 Zeilen")
                .arg(dialog.windowTitle())
                .arg(table->rowCount()));
        return int(QDialog::Rejected);
    });
    edit->click();
    settle(200);
    mWindow.dialogs().setAnswer({});
    if (!shown) mFindings << QStringLiteral("Bearbeiten-Dialog nicht gezeigt");
}
