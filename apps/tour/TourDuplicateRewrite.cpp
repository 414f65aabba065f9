// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "DocumentWindow.h"
#include "Tour.h"
#include "control/BelegAdressen.h"
#include "platform/SqlText.h"
#include <QAbstractButton>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>

// A customer's new street written back with btnAktKunde is known at once:
// typed again under another postal code of its town, with the house-number
// range written otherwise, the hint names it. The same firm typed at the
// number the range's digits make ("79" for "7-9") is another house, and the
// hint does not offer the customer.
void Tour::runDuplicateRewrite() {
    belegadressen::BelegAdressen& c = mWindow.control();
    const QString nummer = firmInTownOfSeveralCodes(1);
    if (nummer.isEmpty()) return;
    const QString key = belegadressen::quoted(nummer);
    const auto column = [&](const char* name) { return customerValue(nummer, name); };
    const QString bez1 = column("Bez1"), plz = column("PLZ"), ort = column("Ort");
    const QString otherPlz = otherCodeOfTown(ort, plz);
    // The notices of the write-back are answered as a user would.
    mWindow.dialogs().setAnswer([&](QDialog& dialog) {
        if (auto* box = qobject_cast<QMessageBox*>(&dialog))
            say(QStringLiteral("   Meldung: %1").arg(box->text().section(QLatin1Char('\n'), 0, 0)));
        return int(QDialog::Accepted);
    });

    const auto hint = [&] { return c.findChild<QWidget*>(QStringLiteral("panDuplikat")); };
    const auto offered = [&] {
        auto* first = c.findChild<QAbstractButton*>(QStringLiteral("btnDuplikat_0"));
        return hint() && hint()->isVisible() && first &&
               first->text().startsWith(QStringLiteral("Kunde ") + nummer);
    };
    const auto enter = [&](const QString& strasse, const QString& code) {
        typeInto("txtDAdr_1", bez1);
        typeInto("txtDAdr_5", strasse);
        typeInto("txtDPostleitzahl", code);
        typeInto("txtDAdr_6", ort);
        if (auto* street = c.findChild<QLineEdit*>(QStringLiteral("txtDAdr_5")))
            street->setFocus(Qt::TabFocusReason);
        settle(50);
        say(QStringLiteral("   tippt \"%1\", \"%2\", \"%3 %4\" und verlässt den Ort")
                .arg(bez1, strasse, code, ort));
    };

    step(QStringLiteral("Neue Straße in den Kundenstamm zurückgeschrieben"));
    mWindow.newDocument();
    mWindow.switchAddress(1);
    typeNumber(nummer);
    if (auto* street = c.findChild<QLineEdit*>(QStringLiteral("txtDAdr_5")))
        street->setText(QStringLiteral("Lindenallee 7-9"));
    say(QStringLiteral("   Kunde %1: Straße \"Lindenallee 7-9\", klickt btnAktKunde").arg(nummer));
    if (auto* update = c.findChild<QAbstractButton*>(QStringLiteral("btnAktKunde")))
        update->click();
    const QString keys = firstValue(
        QStringLiteral("SELECT COALESCE(Anschriftschluessel, '(leer)') FROM Kundenstamm WHERE "
                       "Kundennummer = %1")
            .arg(key));
    say(QStringLiteral("   Anschriftschlüssel danach: %1").arg(keys));
    if (!keys.endsWith(QStringLiteral("lindenallee 7-9")))
        mFindings << QStringLiteral("Kunde %1 nach btnAktKunde ohne neuen Schlüssel").arg(nummer);

    step(QStringLiteral("Dieselbe Firma unter anderer PLZ: sofort als Dublette erkannt"));
    mWindow.switchAddress(3);
    typeNumber(QString());
    enter(QStringLiteral("Lindenallee 7 - 9"), otherPlz);
    if (auto* first = c.findChild<QAbstractButton*>(QStringLiteral("btnDuplikat_0")))
        say(QStringLiteral("   Hinweis: %1").arg(first->text()));
    if (!offered())
        mFindings << QStringLiteral("Kein Hinweis auf den zurückgeschriebenen Kunden %1 unter "
                                    "anderer PLZ")
                         .arg(nummer);
    shoot(QStringLiteral("dublette-nach-aktualisierung"));

    step(QStringLiteral("Hausnummer 79 statt 7-9: ein anderes Haus"));
    if (hint()) press(hint(), Qt::Key_Escape);
    mWindow.switchAddress(2);
    mWindow.switchAddress(3);
    typeNumber(QString());
    enter(QStringLiteral("Lindenallee 79"), plz);
    say(QStringLiteral("   Kunde %1 angeboten: %2").arg(nummer, offered() ? "ja" : "nein"));
    if (offered()) mFindings << QStringLiteral("Hausnummer 79 als Dublette von 7-9 angeboten");
    shoot(QStringLiteral("hausnummer-79-kein-hinweis"));
}
