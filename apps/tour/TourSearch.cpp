// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

// Tour step of the customer search by a part of a word: a piece from the
// middle of a place's name finds customers there, and every hit holds the
// piece in its name, street or place.
#include "DocumentWindow.h"
#include "SearchDialog.h"
#include "Tour.h"
#include "control/BelegAdressen.h"
#include <QAbstractButton>
#include <QTableWidget>

void Tour::runPartSearch() {
    belegadressen::BelegAdressen& c = mWindow.control();
    const QString place =
        firstValue(QStringLiteral("SELECT Ort FROM Kundenstamm WHERE length(Ort) >= 8 ORDER BY "
                                  "Kundennummer LIMIT 1"));
    auto* button = c.findChild<QAbstractButton*>(QStringLiteral("btnKunde"));
    if (place.isEmpty() || !button) return;
    // From the middle of the word: a search by beginnings would find nothing.
    const QString part = place.mid(2, 4);

    step(QStringLiteral("Kundensuche nach einem Wortteil"));
    mWindow.switchAddress(3);
    const QString before = c.GetNummer();
    mWindow.dialogs().setAnswer([&](QDialog& dialog) {
        auto* search = qobject_cast<SearchDialog*>(&dialog);
        if (!search) return int(QDialog::Rejected);
        search->setSearchText(part);
        search->show();
        settle(100);
        shoot(*search, QStringLiteral("suche-wortteil"));
        say(QStringLiteral("   Suche \"%1\" (aus \"%2\"): %3 Treffer")
                .arg(part, place)
                .arg(search->rowCount()));
        if (search->rowCount() == 0)
            mFindings << QStringLiteral("Wortteil \"%1\" findet keinen Kunden").arg(part);
        auto* table = search->findChild<QTableWidget*>(QStringLiteral("lstTreffer"));
        for (int row = 0; table && row < table->rowCount(); ++row) {
            // Name, street and place are the columns 1, 3 and 5.
            bool holds = false;
            for (int column : {1, 3, 5})
                if (table->item(row, column) &&
                    table->item(row, column)->text().contains(part, Qt::CaseInsensitive))
                    holds = true;
            if (!holds)
                mFindings << QStringLiteral("Treffer %1 enthält \"%2\" nicht")
                                 .arg(table->item(row, 0)->text(), part);
        }
        return int(QDialog::Rejected);
    });
    button->click();
    settle(300);
    mWindow.dialogs().setAnswer({});
    if (c.GetNummer() != before)
        mFindings << QStringLiteral("Abgebrochene Suche hat die Adresse geändert");
}
