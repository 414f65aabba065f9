// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "DocumentWindow.h"
#include "Tour.h"
#include "control/BelegAdressen.h"
#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTest>

namespace {

QWidget* focused() { return QApplication::focusWidget(); }

// What a screen reader says for the widget with the focus.
QString spoken(QWidget* w) {
    if (!w) return QStringLiteral("(kein Fokus)");
    // A drop-down list says its value as its name and leaves its label to a
    // relation; the tour prints the name it was given.
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
    QString name = iface ? iface->text(QAccessible::Name) : QString();
    if (iface && iface->role() == QAccessible::ComboBox && !w->accessibleName().isEmpty())
        name = w->accessibleName();
    return name.isEmpty() ? QStringLiteral("(ohne Namen: %1)").arg(w->objectName()) : name;
}

// The named control that has the focus; a master-data field answers for its
// entry.
QString controlName(QWidget* w) {
    if (w && w->parentWidget() && w->parentWidget()->focusProxy() == w) w = w->parentWidget();
    return w ? w->objectName() : QString();
}

} // namespace

// One invoice from the keyboard alone: every key goes to the widget that has
// the focus, as it does for a user without a mouse.
void Tour::runKeyboard() {
    belegadressen::BelegAdressen& c = mWindow.control();
    const QString customer = firstValue(QStringLiteral(
        "SELECT Kundennummer FROM Kundenstamm WHERE Bez1 IS NOT NULL ORDER BY Kundennummer "
        "LIMIT 1 OFFSET 3"));
    const QString plz = firstValue(
        QStringLiteral("SELECT Plz FROM Postleitzahlen GROUP BY Plz HAVING COUNT(DISTINCT Ort) > 1 "
                       "ORDER BY Plz LIMIT 1 OFFSET 1"));
    if (customer.isEmpty()) {
        mFindings << QStringLiteral("Tastatur: Beispieldaten ohne Kunden");
        return;
    }
    const auto key = [this](Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        if (QWidget* w = focused()) QTest::keyClick(w, k, mods);
        // An access key holds its button down for a moment before it clicks.
        settle(mods & Qt::AltModifier ? 300 : 40);
    };
    const auto type = [this](const QString& text) {
        if (QWidget* w = focused()) QTest::keyClicks(w, text);
        settle(40);
    };
    const auto expectFocus = [this](const char* name) {
        if (controlName(focused()) == QLatin1String(name)) return true;
        mFindings << QStringLiteral("Tastatur: Fokus auf \"%1\" statt %2")
                         .arg(controlName(focused()), QLatin1String(name));
        return false;
    };

    step(QStringLiteral("Nur Tastatur: Kundennummer tippen, mit Tab weiter"));
    mWindow.switchAddress(1);
    mWindow.activateWindow();
    // The host puts the focus into the number field when the document opens.
    c.SetzeFocusNummer();
    settle(50);
    if (!expectFocus("txtDNummer")) return;
    key(Qt::Key_A, Qt::ControlModifier);
    type(customer);
    say(QStringLiteral("   tippt \"%1\" in \"%2\", Tab").arg(customer, spoken(focused())));
    key(Qt::Key_Tab);
    settle(100);
    say(QStringLiteral("   GetNummer = \"%1\", GetBez1 = \"%2\"").arg(c.GetNummer(), c.GetBez1()));
    if (c.GetNummer() != customer)
        mFindings << QStringLiteral("Tastatur: Kunde %1 nicht geladen").arg(customer);

    // Tab reads the fields in their order, as a screen reader names them.
    QStringList heard{spoken(focused())};
    for (int i = 0; i < 30 && controlName(focused()) != QLatin1String("txtDPostleitzahl"); ++i) {
        key(Qt::Key_Tab);
        heard << spoken(focused());
    }
    say(QStringLiteral("   Tab: %1").arg(heard.join(QStringLiteral(" → "))));
    shoot(QStringLiteral("tastatur-kunde"));
    if (!expectFocus("txtDPostleitzahl")) return;

    if (!plz.isEmpty()) {
        step(QStringLiteral("Nur Tastatur: Postleitzahl tippen, Suche mit F2, Pfeil und Eingabe"));
        key(Qt::Key_A, Qt::ControlModifier);
        type(plz);
        bool asked = false;
        mWindow.dialogs().setAnswer([&](QDialog& dialog) {
            if (dialog.objectName() != QLatin1String("frmPlzAuswahl"))
                return int(QDialog::Rejected);
            asked = true;
            dialog.show();
            dialog.activateWindow();
            settle(100);
            say(QStringLiteral("   Auswahl offen, Fokus auf \"%1\"; Pfeil nach unten")
                    .arg(spoken(focused())));
            key(Qt::Key_Down);
            shoot(dialog, QStringLiteral("tastatur-plz-auswahl"));
            key(Qt::Key_Return);
            // The window system gives the focus back to the document window
            // when a modal dialog closes; shown by the tour, it is done here.
            dialog.hide();
            mWindow.activateWindow();
            settle(50);
            return dialog.result();
        });
        say(QStringLiteral("   tippt \"%1\", F2").arg(plz));
        key(Qt::Key_F2);
        settle(100);
        mWindow.dialogs().setAnswer({});
        if (!asked) mFindings << QStringLiteral("Tastatur: F2 öffnet keine Ortsauswahl");
        auto* place = c.findChild<QLineEdit*>(QStringLiteral("txtDAdr_6"));
        say(QStringLiteral("   Ort \"%1\", Fokus auf \"%2\"")
                .arg(place ? place->text() : QString(), spoken(focused())));
        shoot(QStringLiteral("tastatur-plz"));
    }

    step(QStringLiteral("Nur Tastatur: Seite 2 mit Alt+2, Währungsliste mit F2, zurück mit Alt+1"));
    key(Qt::Key_2, Qt::AltModifier);
    say(QStringLiteral("   Alt+2: Fokus auf \"%1\"").arg(spoken(focused())));
    if (expectFocus("ocxWaehrung")) {
        key(Qt::Key_F2);
        if (QWidget* list = QApplication::activePopupWidget()) {
            key(Qt::Key_Down);
            shoot(*list, QStringLiteral("tastatur-waehrungsliste"));
            say(QStringLiteral("   F2: Liste offen, Pfeil nach unten, Escape"));
            key(Qt::Key_Escape);
        } else {
            mFindings << QStringLiteral("Tastatur: F2 öffnet die Währungsliste nicht");
        }
        shoot(QStringLiteral("tastatur-seite2"));
    }
    key(Qt::Key_1, Qt::AltModifier);
    say(QStringLiteral("   Alt+1: Fokus auf \"%1\"").arg(spoken(focused())));
    expectFocus("txtDNummer");

    step(QStringLiteral("Nur Tastatur: Adresse 2 mit Strg+2, Tab zur Adresssuche"));
    key(Qt::Key_2, Qt::ControlModifier);
    say(QStringLiteral("   Strg+2: AktAdresse = %1").arg(c.AktAdresse()));
    if (c.AktAdresse() != 2) mFindings << QStringLiteral("Tastatur: Strg+2 wechselt nicht");
    c.SetzeFocusNummer();
    settle(50);
    if (expectFocus("txtDNummer")) {
        key(Qt::Key_Tab);
        say(QStringLiteral("   Tab: \"%1\"").arg(spoken(focused())));
        expectFocus("btnAdresse");
    }
    shoot(QStringLiteral("tastatur-adresse2"));
    key(Qt::Key_1, Qt::ControlModifier);
    say(QStringLiteral("   Strg+1: AktAdresse = %1").arg(c.AktAdresse()));
}
