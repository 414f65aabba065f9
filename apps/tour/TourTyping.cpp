// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

// Tour step of the customer search as a quick typist uses it: the letters of
// a name come faster than the typing pause, so only the whole name is
// searched, once, and the list shows its answer.
#include "DocumentWindow.h"
#include "SearchDialog.h"
#include "Tour.h"
#include "control/BelegAdressen.h"
#include <QAbstractButton>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>
#include <algorithm>

void Tour::runTypingSearch() {
    belegadressen::BelegAdressen& c = mWindow.control();
    // ASCII letters only: the key simulation types nothing else.
    QString name;
    for (int row = 0; row < 50 && name.isEmpty(); ++row) {
        const QString candidate = firstValue(
            QStringLiteral("SELECT Bez1 FROM Kundenstamm ORDER BY Kundennummer LIMIT 1 OFFSET %1")
                .arg(row));
        const bool plain =
            candidate.size() >= 8 && std::all_of(candidate.begin(), candidate.end(), [](QChar ch) {
                return ch == QLatin1Char(' ') || (ch.unicode() < 0x80 && ch.isLetter());
            });
        if (plain) name = candidate;
    }
    auto* button = c.findChild<QAbstractButton*>(QStringLiteral("btnKunde"));
    if (name.isEmpty() || !button) return;
    const QString typed = name.left(8).trimmed();

    step(QStringLiteral("Kundensuche beim schnellen Tippen"));
    mWindow.switchAddress(3);
    mWindow.dialogs().setAnswer([&](QDialog& dialog) {
        auto* search = qobject_cast<SearchDialog*>(&dialog);
        if (!search) return int(QDialog::Rejected);
        search->show();
        settle(100);
        auto* field = search->findChild<QLineEdit*>(QStringLiteral("txtSuche"));
        const int asked = search->searchesAsked();
        // 60 ms between keys, well inside the pause of 150 ms.
        QTest::keyClicks(field, typed, Qt::NoModifier, 60);
        const int whileTyping = search->searchesAsked() - asked;
        settle(SearchDialog::kTypingPause + 400);
        const int searches = search->searchesAsked() - asked;
        say(QStringLiteral("   \"%1\" getippt: %2 Tasten, %3 Suche(n) während des Tippens, %4 "
                           "danach; %5 Treffer")
                .arg(typed)
                .arg(typed.size())
                .arg(whileTyping)
                .arg(searches - whileTyping)
                .arg(search->rowCount()));
        if (whileTyping != 0 || searches != 1)
            mFindings << QStringLiteral("Schnelles Tippen: %1 Suchen statt einer").arg(searches);
        auto* table = search->findChild<QTableWidget*>(QStringLiteral("lstTreffer"));
        if (!table || table->rowCount() == 0 ||
            !table->item(0, 1)->text().contains(typed, Qt::CaseInsensitive))
            mFindings << QStringLiteral("Schnelles Tippen: \"%1\" nicht gefunden").arg(typed);
        shoot(*search, QStringLiteral("suche-tippen"));
        return int(QDialog::Rejected);
    });
    button->click();
    settle(300);
    mWindow.dialogs().setAnswer({});
}
