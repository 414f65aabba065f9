// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

// The tour's service-order steps: a site with equipment on address 2, the
// technician and the appointment, the site window of a customer with 500
// sites driven from the keyboard, and the appointment book.
#include "DocumentWindow.h"
#include "ServicePane.h"
#include "Tour.h"
#include "control/BelegAdressen.h"
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTreeWidget>

void Tour::runService() {
    belegadressen::BelegAdressen& c = mWindow.control();
    const QString technician = firstValue(QStringLiteral(
        "SELECT PersonalNr FROM Personalstamm ORDER BY PersonalNr LIMIT 1 OFFSET 9"));
    if (firstValue(QStringLiteral("SELECT Kundennummer FROM Kundenstamm WHERE Kundennummer = "
                                  "'S-0005'"))
            .isEmpty()) {
        mFindings << QStringLiteral("Beispieldaten ohne Kundendienstkunden S-0001 bis S-0005");
        return;
    }
    auto field = [&](const char* name) { return c.findChild<QLineEdit*>(QString::fromUtf8(name)); };
    auto click = [&](const char* name) {
        if (auto* b = c.findChild<QAbstractButton*>(QString::fromUtf8(name)))
            b->click();
        else
            mFindings << QStringLiteral("%1 nicht gefunden").arg(QString::fromUtf8(name));
    };
    // The choosers are answered with the tour's technician and the contact
    // they propose.
    auto chooser = [&](QDialog& dialog) {
        auto* list = dialog.findChild<QTreeWidget*>(QStringLiteral("lstAuswahl"));
        if (!list || list->topLevelItemCount() == 0) return int(QDialog::Rejected);
        QTreeWidgetItem* row = list->currentItem() ? list->currentItem() : list->topLevelItem(0);
        if (dialog.objectName() == QLatin1String("dlgMonteur")) {
            const auto found = list->findItems(technician, Qt::MatchExactly, 0);
            if (found.isEmpty()) return int(QDialog::Rejected);
            row = found.first();
        }
        list->setCurrentItem(row);
        return int(QDialog::Accepted);
    };
    mWindow.dialogs().setAnswer(chooser);
    auto book = [&](const QString& date, const QString& time, const QString& hours,
                    const QString& subject) {
        click("btnMonteur_0");
        settle(200);
        click("btnAnsprechpartner");
        settle(200);
        say(QStringLiteral("   Monteur \"%1\", Ansprechpartner \"%2\"")
                .arg(field("txtMonteur_0") ? field("txtMonteur_0")->text() : QString(),
                     c.GetWartAnsprechpartner()));
        for (auto [name, text] : {std::pair{"txtTermin", date}, std::pair{"txtUhrzeit", time},
                                  std::pair{"txtDauer", hours}, std::pair{"txtStoerText", subject}})
            if (QLineEdit* e = field(name)) {
                e->setFocus();
                e->selectAll();
                e->insert(text);
            }
        click("btnVergebeTermin");
        settle(50);
    };

    step(QStringLiteral("Kundendienstauftrag: Einsatzort mit einer Anlage"));
    mWindow.newDocument();
    mWindow.setBelegart(110);
    mWindow.switchAddress(1);
    typeNumber(QStringLiteral("S-0003"));
    mWindow.switchAddress(2);
    say(QStringLiteral("   Adresse 2: GetNummer = \"%1\", Standort %2, Anlage %3, \"%4\", %5")
            .arg(c.GetNummer())
            .arg(c.GetWartStandort())
            .arg(c.GetWartAnlagennummer())
            .arg(c.GetBez1(), c.GetOrt()));
    if (c.GetWartAnlagennummer() == 0) mFindings << QStringLiteral("Anlage von S-0003 fehlt");
    book(QStringLiteral("09032026"), QStringLiteral("0800"), QStringLiteral("1,5"),
         QStringLiteral("Jahreswartung Heizkessel"));
    shoot(QStringLiteral("service-einsatzort"));
    if (mWindow.saveDocument() == 0)
        mFindings << QStringLiteral("Kundendienstauftrag nicht gespeichert");

    step(QStringLiteral("Kunde mit 500 Standorten: Standortfenster über die Tastatur"));
    mWindow.newDocument();
    mWindow.setBelegart(110);
    mWindow.switchAddress(1);
    mWindow.dialogs().setAnswer([&](QDialog& dialog) {
        // The site list, found by its names as a host sees it.
        auto* suche = dialog.findChild<QLineEdit*>(QStringLiteral("txtSuche"));
        auto* baum = dialog.findChild<QTreeWidget*>(QStringLiteral("tvwStandorte"));
        if (!suche || !baum) return int(QDialog::Rejected);
        dialog.resize(900, 560);
        dialog.show();
        settle(100);
        suche->setFocus();
        suche->insert(QStringLiteral("Filiale 418"));
        press(suche, Qt::Key_Down);
        settle(100);
        shoot(dialog, QStringLiteral("standortfenster"));
        say(QStringLiteral("   %1 Standorte geladen, Filter \"Filiale 418\"")
                .arg(baum->topLevelItemCount()));
        press(suche, Qt::Key_Return);
        return dialog.result();
    });
    typeNumber(QStringLiteral("S-0005"));
    settle(100);
    mWindow.dialogs().setAnswer(chooser);
    mWindow.switchAddress(2);
    say(QStringLiteral("   Adresse 2: Standort %1, Anlage %2, \"%3\"")
            .arg(c.GetWartStandort())
            .arg(c.GetWartAnlagennummer())
            .arg(c.GetBez1()));
    if (c.GetWartStandort() != 418) mFindings << QStringLiteral("Standort 418 nicht übernommen");
    book(QStringLiteral("09032026"), QStringLiteral("1000"), QStringLiteral("2,25"),
         QStringLiteral("Rolltor klemmt"));
    shoot(QStringLiteral("service-filiale"));
    if (mWindow.saveDocument() == 0)
        mFindings << QStringLiteral("Kundendienstauftrag nicht gespeichert");

    step(QStringLiteral("Terminplanung"));
    auto* pane = mWindow.findChild<ServicePane*>();
    if (!pane) {
        mFindings << QStringLiteral("Terminplanung fehlt");
    } else {
        say(QStringLiteral("   %1 Termine gebucht").arg(pane->bookings().size()));
        if (pane->bookings().size() != 2)
            mFindings << QStringLiteral("Terminplanung zeigt %1 statt 2 Termine")
                             .arg(pane->bookings().size());
        shoot(*pane, QStringLiteral("terminplanung"));
    }
    mWindow.dialogs().setAnswer({});
}
