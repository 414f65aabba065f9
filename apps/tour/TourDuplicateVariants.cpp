// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "DocumentWindow.h"
#include "Tour.h"
#include "control/BelegAdressen.h"
#include "platform/SqlText.h"
#include <QAbstractButton>
#include <QLineEdit>

// A customer typed in again as a clerk might: another legal form, the street
// abbreviated, under another postal code of its town. The hint names the
// customer with street and place and says why; passing the place line again
// offers nothing new, and a general address taken from the hint is not
// offered again either.
void Tour::runDuplicateVariants() {
    belegadressen::BelegAdressen& c = mWindow.control();
    const QString nummer = firmInTownOfSeveralCodes(0, QStringLiteral("k.Straße LIKE '%straße %'"));
    if (nummer.isEmpty()) return;
    const auto column = [&](const char* name) { return customerValue(nummer, name); };
    const QString bez1 = column("Bez1"), strasse = column("Straße"), plz = column("PLZ"),
                  ort = column("Ort");
    const QString otherPlz = otherCodeOfTown(ort, plz);
    QString typedName = bez1;
    typedName.replace(QStringLiteral(" GmbH"), QStringLiteral(" GmbH & Co. KG"));
    QString typedStreet = strasse;
    typedStreet.replace(QStringLiteral("straße"), QStringLiteral("str."));

    const auto leavePlace = [&] {
        typeInto("txtDAdr_6", c.findChild<QLineEdit*>(QStringLiteral("txtDAdr_6"))->text());
        if (auto* street = c.findChild<QLineEdit*>(QStringLiteral("txtDAdr_5")))
            street->setFocus(Qt::TabFocusReason);
        settle(50);
    };
    const auto hint = [&] { return c.findChild<QWidget*>(QStringLiteral("panDuplikat")); };
    const auto shown = [&] { return hint() && hint()->isVisible(); };

    step(QStringLiteral("Dieselbe Firma, andere Schreibweise und andere PLZ"));
    mWindow.switchAddress(3);
    typeNumber(QString());
    if (!mWindow.isActiveWindow()) {
        mWindow.activateWindow();
        settle(30);
    }
    typeInto("txtDAdr_1", typedName);
    typeInto("txtDAdr_5", typedStreet);
    typeInto("txtDPostleitzahl", otherPlz);
    typeInto("txtDAdr_6", ort);
    leavePlace();
    say(QStringLiteral("   tippt \"%1\", \"%2\", \"%3 %4\" und verlässt den Ort")
            .arg(typedName, typedStreet, otherPlz, ort));
    auto* first = c.findChild<QAbstractButton*>(QStringLiteral("btnDuplikat_0"));
    if (!shown() || !first || !first->text().startsWith(QStringLiteral("Kunde ") + nummer)) {
        mFindings
            << QStringLiteral("Kein Dublettenhinweis für Kunde %1 unter anderer PLZ").arg(nummer);
        return;
    }
    say(QStringLiteral("   Hinweis: %1").arg(first->text()));
    shoot(QStringLiteral("dublette-andere-plz"));

    step(QStringLiteral("Ort noch einmal verlassen: kein neuer Hinweis"));
    press(hint(), Qt::Key_Escape);
    leavePlace();
    say(QStringLiteral("   Hinweis sichtbar: %1").arg(shown() ? "ja" : "nein"));
    if (shown()) mFindings << QStringLiteral("Dublettenhinweis beim zweiten Verlassen erneut");

    step(QStringLiteral("Allgemeine Adresse übernehmen: kein Hinweis danach"));
    const QString adresse = firstValue(QStringLiteral(
        "SELECT AdressNummer FROM Adressenstamm WHERE Bez1 IS NOT NULL AND PLZ IS NOT NULL "
        "ORDER BY AdressNummer LIMIT 1"));
    c.fktDragNummerAdresse(adresse);
    settle(50);
    leavePlace();
    say(QStringLiteral("   Adresse %1 übernommen (\"%2\"); Hinweis sichtbar: %3")
            .arg(adresse, c.GetBez1(), shown() ? "ja" : "nein"));
    if (shown()) mFindings << QStringLiteral("Dublettenhinweis nach übernommener Adresse");
    shoot(QStringLiteral("adresse-uebernommen-ohne-hinweis"));
}
