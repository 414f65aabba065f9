// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "DocumentWindow.h"
#include "Tour.h"
#include "control/BelegAdressen.h"
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTest>
#include <cstdio>

// The dialogs with Qt's standard buttons, the control's and the host's own:
// every button says German.
void Tour::runGerman() {
    belegadressen::BelegAdressen& c = mWindow.control();
    const QString customer = firstValue(QStringLiteral(
        "SELECT Kundennummer FROM Kundenstamm WHERE Bez1 IS NOT NULL ORDER BY Kundennummer "
        "LIMIT 1"));
    const QStringList english = {QStringLiteral("Cancel"), QStringLiteral("Close"),
                                 QStringLiteral("Apply"),  QStringLiteral("Yes"),
                                 QStringLiteral("No"),     QStringLiteral("Save")};
    QString name;
    mWindow.dialogs().setAnswer([&](QDialog& dialog) {
        dialog.show();
        settle(150);
        QStringList texts;
        for (const QAbstractButton* b : dialog.findChildren<QAbstractButton*>())
            if (b->isVisible() && !b->text().isEmpty()) texts << b->text().remove(QLatin1Char('&'));
        say(QStringLiteral("   %1: Knöpfe %2").arg(dialog.windowTitle(), texts.join(", ")));
        for (const QString& text : texts)
            if (english.contains(text))
                mFindings << QStringLiteral("Englischer Knopf \"%1\" in \"%2\"")
                                 .arg(text, dialog.windowTitle());
        shoot(dialog, name);
        return int(QDialog::Rejected);
    });

    step(QStringLiteral("Deutsche Knöpfe: Stammdaten bearbeiten (Umschalt+F2)"));
    mWindow.newDocument();
    mWindow.switchAddress(1);
    typeNumber(customer);
    mWindow.activateWindow();
    if (QWidget* field = c.findChild<QWidget*>(QStringLiteral("ocxZahlungsart"))) {
        field->setFocus(Qt::TabFocusReason);
        name = QStringLiteral("deutsch-stammdaten-bearbeiten");
        if (QWidget* w = QApplication::focusWidget())
            QTest::keyClick(w, Qt::Key_F2, Qt::ShiftModifier);
        settle(200);
    }

    step(QStringLiteral("Deutsche Knöpfe: Kundensuche des Beispiels"));
    name = QStringLiteral("deutsch-kundensuche");
    if (auto* search = c.findChild<QAbstractButton*>(QStringLiteral("btnKunde"))) {
        search->click();
        settle(300); // the host answers the search request queued
    }
    mWindow.dialogs().setAnswer({});
    // A cancelled search leaves the control waiting for the search's number:
    // the next leave of the number field only ends that wait and loads nothing.
    if (auto* number = c.findChild<QLineEdit*>(QStringLiteral("txtDNummer"))) {
        mWindow.activateWindow(); // the search dialog had the activation
        settle(30);
        number->setFocus(Qt::OtherFocusReason);
        settle(30);
        QTest::keyClick(number, Qt::Key_Tab);
        settle(30);
        say(QStringLiteral("   Suche abgebrochen: das nächste Verlassen des Nummernfelds beendet "
                           "nur die Suche und lädt nichts"));
    }
    std::fflush(stdout);
}
