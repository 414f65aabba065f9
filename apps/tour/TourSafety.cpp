// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

// Tour steps around the safety of a document: a number typed over another
// customer and saved at once, and the question before unsaved edits are
// discarded.
#include "DocumentGuard.h"
#include "DocumentWindow.h"
#include "Tour.h"
#include "control/BelegAdressen.h"
#include "platform/SqlText.h"
#include <QAction>
#include <QLineEdit>
#include <QMessageBox>

void Tour::runSafety() {
    belegadressen::BelegAdressen& c = mWindow.control();
    const QString first =
        firstValue(QStringLiteral("SELECT Kundennummer FROM Kundenstamm ORDER BY Kundennummer "
                                  "LIMIT 1"));
    const QString second =
        firstValue(QStringLiteral("SELECT Kundennummer FROM Kundenstamm ORDER BY Kundennummer "
                                  "LIMIT 1 OFFSET 1"));
    auto* number = c.findChild<QLineEdit*>(QStringLiteral("txtDNummer"));
    auto* save = mWindow.findChild<QAction*>(QStringLiteral("actSpeichern"));
    auto* fresh = mWindow.findChild<QAction*>(QStringLiteral("actNeu"));
    if (first.isEmpty() || second.isEmpty() || !number || !save || !fresh) return;

    step(QStringLiteral("Nummer überschreiben und sofort speichern"));
    mWindow.dialogs().setAnswer([](QDialog&) { return int(QMessageBox::Discard); });
    fresh->trigger();
    mWindow.switchAddress(1);
    typeNumber(first);
    if (!mWindow.isActiveWindow()) {
        mWindow.activateWindow();
        settle(30);
    }
    number->setFocus(Qt::OtherFocusReason);
    settle(30);
    number->selectAll();
    number->insert(second);
    say(QStringLiteral("   tippt \"%1\" ohne das Feld zu verlassen und klickt Speichern")
            .arg(second));
    save->trigger();
    const DocumentValues saved = mWindow.store().load(mWindow.documentNumber());
    const QString expected =
        firstValue(QStringLiteral("SELECT Bez1 FROM Kundenstamm WHERE Kundennummer = ") +
                   belegadressen::quoted(second));
    say(QStringLiteral("   gespeichert: Nummer \"%1\", Bez1 \"%2\"")
            .arg(saved.value(1).value(QStringLiteral("Nummer")),
                 saved.value(1).value(QStringLiteral("Bez1"))));
    if (saved.value(1).value(QStringLiteral("Nummer")) != second ||
        saved.value(1).value(QStringLiteral("Bez1")) != expected)
        mFindings << QStringLiteral("Überschriebene Nummer mit fremder Adresse gespeichert");
    shoot(QStringLiteral("nummer-ueberschrieben-gespeichert"));

    step(QStringLiteral("Neu mit ungespeicherten Änderungen: Rückfrage, Abbrechen"));
    typeNumber(first);
    mWindow.dialogs().setAnswer([&](QDialog& dialog) {
        if (dialog.objectName() != QLatin1String("frmVerwerfen")) return int(QDialog::Rejected);
        dialog.show();
        settle(100);
        shoot(dialog, QStringLiteral("rueckfrage"));
        say(QStringLiteral("   Rückfrage: %1").arg(static_cast<QMessageBox&>(dialog).text()));
        return int(QMessageBox::Cancel);
    });
    fresh->trigger();
    mWindow.dialogs().setAnswer({});
    if (c.GetNummer() != first)
        mFindings << QStringLiteral("Ungespeicherte Änderungen ohne Rückfrage verworfen");
    shoot(QStringLiteral("neu-abgebrochen"));
    mWindow.guard().markSaved();
}
