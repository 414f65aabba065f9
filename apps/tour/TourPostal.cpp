// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "DocumentWindow.h"
#include "Tour.h"
#include "control/BelegAdressen.h"
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableWidget>

// A postal code shared by several villages: the search button asks which one
// is meant, the user narrows the list by typing and takes a row with the keys.
void Tour::runPostal() {
    belegadressen::BelegAdressen& c = mWindow.control();
    const QString plz = firstValue(
        QStringLiteral("SELECT Plz FROM Postleitzahlen GROUP BY Plz HAVING COUNT(DISTINCT Ort) > 2 "
                       "ORDER BY Plz LIMIT 1"));
    if (plz.isEmpty()) {
        mFindings << QStringLiteral("Postleitzahlenverzeichnis ohne Postleitzahl mehrerer Orte");
        return;
    }
    const QString secondPlace = firstValue(
        QStringLiteral("SELECT DISTINCT Ort FROM Postleitzahlen WHERE Plz = '%1' ORDER BY Ort "
                       "LIMIT 1 OFFSET 1")
            .arg(plz));
    // A street the directory does not know: the place cannot be settled by it.
    const QString typedStreet = QStringLiteral("Zum Mühlenteich 7a");
    auto* plzField = c.findChild<QLineEdit*>(QStringLiteral("txtDPostleitzahl"));
    auto* place = c.findChild<QLineEdit*>(QStringLiteral("txtDAdr_6"));
    auto* street = c.findChild<QLineEdit*>(QStringLiteral("txtDAdr_5"));
    auto* button = c.findChild<QAbstractButton*>(QStringLiteral("btnPlz"));
    if (!plzField || !place || !street || !button) {
        mFindings << QStringLiteral("Felder der Postleitzahlprüfung nicht gefunden");
        return;
    }

    step(QStringLiteral("Postleitzahl mehrerer Orte: Auswahl"));
    mWindow.switchAddress(1);
    plzField->setText(plz);
    place->clear();
    street->setText(typedStreet);
    say(QStringLiteral("   PLZ \"%1\", Ort leer, Straße \"%2\"; klickt btnPlz")
            .arg(plz, typedStreet));
    bool asked = false;
    mWindow.dialogs().setAnswer([&](QDialog& dialog) {
        // The control's choice dialog, found by its names as a host sees it.
        auto* filter = dialog.findChild<QLineEdit*>(QStringLiteral("txtFilter"));
        auto* table = dialog.findChild<QTableWidget*>(QStringLiteral("tblTreffer"));
        if (dialog.objectName() != QLatin1String("frmPlzAuswahl") || !filter || !table)
            return int(QDialog::Rejected);
        auto* choice = &dialog;
        const auto visibleRows = [table] {
            int n = 0;
            for (int r = 0; r < table->rowCount(); ++r)
                if (!table->isRowHidden(r)) ++n;
            return n;
        };
        asked = true;
        choice->show();
        settle(50);
        press(filter, Qt::Key_Down);
        settle(100);
        shoot(*choice, QStringLiteral("plz-auswahl"));
        const int all = table->rowCount();
        filter->insert(secondPlace.left(3));
        say(QStringLiteral("   %1 Orte; Pfeil nach unten, tippt \"%2\": %3 Zeile(n), Eingabetaste")
                .arg(all)
                .arg(secondPlace.left(3))
                .arg(visibleRows()));
        press(filter, Qt::Key_Return);
        return choice->result();
    });
    button->click();
    settle(100);
    mWindow.dialogs().setAnswer({});
    if (!asked) mFindings << QStringLiteral("Postleitzahl %1: keine Ortsauswahl").arg(plz);
    say(QStringLiteral("   PLZ \"%1\", Ort \"%2\", Straße \"%3\"")
            .arg(plzField->text(), place->text(), street->text()));
    if (place->text().isEmpty())
        mFindings << QStringLiteral("Postleitzahl %1: kein Ort übernommen").arg(plz);
    shoot(QStringLiteral("plz-uebernommen"));
}
