// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "Tour.h"
#include "DocumentWindow.h"
#include "SearchDialog.h"
#include "control/BelegAdressen.h"
#include "platform/GuardedConnect.h"
#include "platform/SqlText.h"
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSqlQuery>
#include <QTimer>
#include <cstdio>

using belegadressen::connectGuarded;

void say(const QString& line) {
    std::fputs(qPrintable(line + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

void press(QWidget* w, int key) {
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(w, &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(w, &up);
}

Tour::Tour(DocumentWindow& window, QString folder) : mWindow(window), mFolder(std::move(folder)) {}

void Tour::settle(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void Tour::step(const QString& title) {
    ++mStep;
    say(QString());
    say(QStringLiteral("== Schritt %1: %2").arg(mStep).arg(title));
}

void Tour::shoot(const QString& name) {
    settle();
    shoot(mWindow, name);
}

void Tour::shoot(QWidget& widget, const QString& name) {
    const QString file = QDir(mFolder).filePath(
        QStringLiteral("%1-%2.png").arg(mStep, 2, 10, QLatin1Char('0')).arg(name));
    if (widget.grab().save(file)) {
        mShots << file;
        say(QStringLiteral("   Bildschirmfoto: %1").arg(file));
    } else {
        mFindings << QStringLiteral("Bildschirmfoto %1 nicht gespeichert").arg(file);
    }
}

QString Tour::firstValue(const QString& sql) {
    QSqlQuery q(mWindow.database());
    return q.exec(sql) && q.next() ? q.value(0).toString() : QString();
}

QString Tour::customerValue(const QString& nummer, const char* column) {
    return firstValue(QStringLiteral("SELECT %1 FROM Kundenstamm WHERE Kundennummer = %2")
                          .arg(QString::fromUtf8(column), belegadressen::quoted(nummer)));
}

QString Tour::firmInTownOfSeveralCodes(int nth, const QString& condition) {
    const QString nummer = firstValue(
        QStringLiteral(
            "SELECT k.Kundennummer FROM Kundenstamm k WHERE k.Land = 'D' AND k.Bez1 "
            "LIKE '% GmbH' AND (%1) AND EXISTS (SELECT 1 FROM Kundenstamm o WHERE "
            "o.Ort = k.Ort AND o.PLZ <> k.PLZ) ORDER BY k.Kundennummer LIMIT 1 OFFSET %2")
            .arg(condition)
            .arg(nth));
    if (nummer.isEmpty())
        mFindings << QStringLiteral("Beispieldaten ohne GmbH in einem Ort mit mehreren PLZ");
    return nummer;
}

QString Tour::otherCodeOfTown(const QString& ort, const QString& plz) {
    return firstValue(
        QStringLiteral("SELECT MIN(PLZ) FROM Kundenstamm WHERE Ort = %1 AND PLZ <> %2")
            .arg(belegadressen::quoted(ort), belegadressen::quoted(plz)));
}

void Tour::typeInto(const char* name, const QString& text) {
    auto* edit = mWindow.control().findChild<QLineEdit*>(QString::fromUtf8(name));
    if (!edit) {
        mFindings << QStringLiteral("%1 nicht gefunden").arg(QString::fromUtf8(name));
        return;
    }
    edit->setFocus(Qt::TabFocusReason);
    settle(20);
    edit->selectAll();
    edit->insert(text);
}

void Tour::typeNumber(const QString& number) {
    belegadressen::BelegAdressen& c = mWindow.control();
    auto* edit = c.findChild<QLineEdit*>(QStringLiteral("txtDNummer"));
    if (!edit) {
        mFindings << QStringLiteral("txtDNummer nicht gefunden");
        c.fktDragNummer(number);
        return;
    }
    say(QStringLiteral("   tippt \"%1\" in txtDNummer und verlässt das Feld").arg(number));
    // A dialog shown before may have taken the activation.
    if (!mWindow.isActiveWindow()) {
        mWindow.activateWindow();
        settle(30);
    }
    edit->setFocus(Qt::OtherFocusReason);
    settle(30);
    edit->selectAll();
    edit->insert(number);
    // The next field of the control that takes the focus.
    QWidget* next = edit->nextInFocusChain();
    while (next && next != edit &&
           !(c.isAncestorOf(next) && next->isVisible() && next->isEnabled() &&
             (next->focusPolicy() & Qt::TabFocus)))
        next = next->nextInFocusChain();
    if (QApplication::focusWidget() == edit && next && next != edit) {
        // The leave has run once the number field lost the focus, even when
        // the control then moves it elsewhere or back (unknown number).
        bool left = false;
        const auto watch =
            connectGuarded(qApp, &QApplication::focusChanged, &c,
                           [&](QWidget* old, QWidget*) { left = left || old == edit; });
        next->setFocus(Qt::TabFocusReason);
        settle(30);
        QObject::disconnect(watch);
        if (left) return;
    }
    say(QStringLiteral("   (Fokuswechsel nicht möglich, Zahl über fktDragNummer übergeben)"));
    c.fktDragNummer(number);
}

bool Tour::compareDocuments() {
    belegadressen::BelegAdressen& c = mWindow.control();
    const DocumentValues shown = readFromControl(c);
    const DocumentValues stored = mWindow.store().load(mWindow.documentNumber());
    int differences = 0;
    for (auto address = shown.begin(); address != shown.end(); ++address)
        for (auto f = address->begin(); f != address->end(); ++f) {
            const QString was = stored.value(address.key()).value(f.key());
            // A home rate of 0 is looked up again when it is put back.
            if (f.key() == QStringLiteral("WechselkursHauswährung") && was == QLatin1String("0")) {
                if (was != f.value())
                    say(QStringLiteral(
                            "   Adresse %1: Kurs der Hauswährung 0 beim Öffnen nachgeschlagen: %2")
                            .arg(address.key())
                            .arg(f.value()));
                continue;
            }
            if (was != f.value()) {
                ++differences;
                say(QStringLiteral(
                        "   Abweichung Adresse %1 %2: gespeichert \"%3\", geöffnet \"%4\"")
                        .arg(address.key())
                        .arg(f.key(), was, f.value()));
            }
        }
    say(QStringLiteral("   %1 Abweichungen zwischen gespeichertem und geöffnetem Beleg")
            .arg(differences));
    return differences == 0;
}

int Tour::run() {
    QDir().mkpath(mFolder);
    belegadressen::BelegAdressen& c = mWindow.control();
    mWindow.show();
    mWindow.activateWindow();
    mWindow.raise();
    settle(200);

    const QString customer = firstValue(
        QStringLiteral("SELECT Kundennummer FROM Kundenstamm ORDER BY Kundennummer LIMIT 1"));
    const QString other = firstValue(QStringLiteral(
        "SELECT Kundennummer FROM Kundenstamm WHERE Bez1 IS NOT NULL ORDER BY Kundennummer "
        "LIMIT 1 OFFSET 7"));
    const QString prefix = firstValue(QStringLiteral("SELECT Bez1 FROM Kundenstamm WHERE "
                                                     "Kundennummer = %1")
                                          .arg(belegadressen::quoted(other)))
                               .left(3)
                               .trimmed();
    const QString address = firstValue(QStringLiteral(
        "SELECT AdressNummer FROM Adressenstamm a WHERE NOT EXISTS (SELECT 1 FROM Kundenstamm k "
        "WHERE k.Kundennummer = a.AdressNummer) ORDER BY AdressNummer LIMIT 1"));
    QString unknown = QStringLiteral("999999999");
    while (
        !firstValue(QStringLiteral("SELECT Kundennummer FROM Kundenstamm WHERE Kundennummer = %1")
                        .arg(belegadressen::quoted(unknown)))
             .isEmpty())
        unknown += QLatin1Char('9');
    say(QStringLiteral("Rundgang mit Kunde %1, Adresse %2, Suche nach \"%3\"")
            .arg(customer, address, prefix));
    if (customer.isEmpty() || address.isEmpty())
        mFindings << QStringLiteral("Beispieldaten ohne Kunden oder allgemeine Adressen");

    step(QStringLiteral("Leerer Beleg (Rechnung)"));
    shoot(QStringLiteral("start"));

    step(QStringLiteral("Kunde auf Adresse 1"));
    mWindow.switchAddress(1);
    typeNumber(customer);
    if (c.GetNummer() != customer)
        mFindings << QStringLiteral("Kunde %1 nicht geladen").arg(customer);
    say(QStringLiteral("   GetBez1 = \"%1\", GetOrt = \"%2\", GetWährung = \"%3\"")
            .arg(c.GetBez1(), c.GetOrt(), c.GetWaehrung()));
    shoot(QStringLiteral("kunde-adresse1"));

    step(QStringLiteral("Allgemeine Adresse auf Adresse 2"));
    mWindow.switchAddress(2);
    typeNumber(address);
    say(QStringLiteral("   GetBez1 = \"%1\", GetNummer = \"%2\"").arg(c.GetBez1(), c.GetNummer()));
    if (c.GetBez1().isEmpty()) mFindings << QStringLiteral("Adresse %1 nicht geladen").arg(address);
    shoot(QStringLiteral("adresse-adresse2"));

    step(QStringLiteral("Kundensuche auf Adresse 3"));
    mWindow.switchAddress(3);
    // The search dialog is answered here instead of by a user.
    mWindow.dialogs().setAnswer([&](QDialog& dialog) {
        auto* search = qobject_cast<SearchDialog*>(&dialog);
        if (!search) return int(QDialog::Rejected);
        search->setSearchText(prefix);
        search->show();
        settle(100);
        shoot(*search, QStringLiteral("suchdialog"));
        say(QStringLiteral("   Suche \"%1\": %2 Treffer").arg(prefix).arg(search->rowCount()));
        search->chooseRow(0);
        return search->result();
    });
    if (auto* button = c.findChild<QAbstractButton*>(QStringLiteral("btnKunde"))) {
        say(QStringLiteral("   klickt btnKunde"));
        button->click();
    } else {
        mFindings << QStringLiteral("btnKunde nicht gefunden");
        emit c.btnKundeClick();
    }
    settle(300);
    mWindow.dialogs().setAnswer({});
    say(QStringLiteral("   GetNummer = \"%1\", GetBez1 = \"%2\"").arg(c.GetNummer(), c.GetBez1()));
    shoot(QStringLiteral("kundensuche-adresse3"));

    runTexts();
    runCommercial();
    runPostal();
    runAddressCheck();
    runDuplicate();
    runDuplicateVariants();
    runDuplicateRewrite();
    runKeyboard();

    step(QStringLiteral("Beleg speichern"));
    const int number = mWindow.saveDocument();
    if (number == 0) mFindings << QStringLiteral("Beleg nicht gespeichert");
    shoot(QStringLiteral("gespeichert"));

    step(QStringLiteral("Unbekannte Nummer auf Adresse 1"));
    mWindow.switchAddress(1);
    typeNumber(unknown);
    shoot(QStringLiteral("unbekannte-nummer"));

    step(QStringLiteral("Gespeicherten Beleg öffnen"));
    if (!mWindow.openDocument(number)) mFindings << QStringLiteral("Beleg nicht geöffnet");
    if (!compareDocuments()) mFindings << QStringLiteral("Geöffneter Beleg weicht ab");
    mWindow.switchAddress(1);
    shoot(QStringLiteral("beleg-geoeffnet"));

    step(QStringLiteral("Nummernfeld auf Adresse 1 leeren"));
    typeNumber(QString());
    say(QStringLiteral("   GetNummer = \"%1\", GetBez1 = \"%2\"").arg(c.GetNummer(), c.GetBez1()));
    shoot(QStringLiteral("feld-geleert"));

    // A service order: the customer's site fills address 2; with several
    // sites the control asks for one (answered "cancel" on the tour).
    const QString oneSite = firstValue(QStringLiteral(
        "SELECT Kundennummer FROM Standorte GROUP BY Kundennummer HAVING COUNT(*) = 1 "
        "ORDER BY Kundennummer LIMIT 1"));
    const QString manySites = firstValue(QStringLiteral(
        "SELECT Kundennummer FROM Standorte GROUP BY Kundennummer HAVING COUNT(*) > 1 "
        "ORDER BY Kundennummer LIMIT 1"));
    if (!oneSite.isEmpty()) {
        step(QStringLiteral("Kundendienstauftrag: Kunde mit einem Standort"));
        mWindow.newDocument();
        mWindow.setBelegart(110);
        typeNumber(oneSite);
        mWindow.switchAddress(2);
        say(QStringLiteral("   Adresse 2: GetNummer = \"%1\", GetWartStandort = %2, "
                           "GetWartAnlagennummer = %3, GetBez1 = \"%4\"")
                .arg(c.GetNummer())
                .arg(c.GetWartStandort())
                .arg(c.GetWartAnlagennummer())
                .arg(c.GetBez1()));
        shoot(QStringLiteral("kundendienst-einsatzort"));
    }
    if (!manySites.isEmpty()) {
        step(QStringLiteral("Kundendienstauftrag: Kunde mit mehreren Standorten"));
        mWindow.switchAddress(1);
        typeNumber(manySites);
        shoot(QStringLiteral("kundendienst-mehrere-standorte"));
    }

    runService();
    runInfoWindow();
    runPartSearch();
    runTypingSearch();
    runSafety();
    runGerman();
    runConflicts();
    mWindow.writeFormProperties();
    say(QString());
    say(QStringLiteral("== Ende: %1 Bildschirmfotos in %2")
            .arg(mShots.size())
            .arg(QDir(mFolder).absolutePath()));
    for (const QString& finding : mFindings)
        say(QStringLiteral("   Auffällig: %1").arg(finding));
    return 0;
}
