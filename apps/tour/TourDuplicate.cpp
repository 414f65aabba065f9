// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "DocumentWindow.h"
#include "Tour.h"
#include "control/BelegAdressen.h"
#include "platform/SqlText.h"
#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>

// A customer typed in again as a new address, spelled without umlauts: the
// control lists the customer beside the number field, and the user takes it.
void Tour::runDuplicate() {
    belegadressen::BelegAdressen& c = mWindow.control();
    const QString nummer = firstValue(
        QStringLiteral("SELECT Kundennummer FROM Kundenstamm WHERE Bez1 LIKE '%ü%' AND Land = 'D' "
                       "ORDER BY Kundennummer LIMIT 1"));
    if (nummer.isEmpty()) {
        mFindings << QStringLiteral("Beispieldaten ohne Kunden mit Umlaut im Namen");
        return;
    }
    const auto column = [&](const char* name) { return customerValue(nummer, name); };
    const QString bez1 = column("Bez1"), plz = column("PLZ"), ort = column("Ort");
    QString typed = bez1;
    typed.replace(QStringLiteral("ü"), QStringLiteral("ue"));

    step(QStringLiteral("Neue Adresse, die es schon gibt: Dublettenhinweis"));
    mWindow.switchAddress(3);
    typeNumber(QString());
    if (!mWindow.isActiveWindow()) {
        mWindow.activateWindow();
        settle(30);
    }
    typeInto("txtDAdr_1", typed);
    typeInto("txtDPostleitzahl", plz);
    typeInto("txtDAdr_6", ort);
    if (auto* street = c.findChild<QLineEdit*>(QStringLiteral("txtDAdr_5")))
        street->setFocus(Qt::TabFocusReason);
    settle(50);
    say(QStringLiteral("   tippt \"%1\", \"%2 %3\" als neue Adresse und verlässt den Ort")
            .arg(typed, plz, ort));
    auto* hint = c.findChild<QWidget*>(QStringLiteral("panDuplikat"));
    auto* first = c.findChild<QAbstractButton*>(QStringLiteral("btnDuplikat_0"));
    if (!hint || !hint->isVisible() || !first) {
        mFindings << QStringLiteral("Kein Dublettenhinweis für Kunde %1").arg(nummer);
        return;
    }
    say(QStringLiteral("   Hinweis: %1").arg(first->text()));
    shoot(QStringLiteral("dublettenhinweis"));

    step(QStringLiteral("Dublette übernehmen"));
    first->click();
    settle(100);
    say(QStringLiteral("   GetNummer = \"%1\", GetBez1 = \"%2\"").arg(c.GetNummer(), c.GetBez1()));
    if (c.GetNummer() != nummer)
        mFindings << QStringLiteral("Dublette %1 nicht übernommen").arg(nummer);
    shoot(QStringLiteral("dublette-uebernommen"));
}
