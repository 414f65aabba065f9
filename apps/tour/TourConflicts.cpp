// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "DocumentWindow.h"
#include "Tour.h"
#include "control/BelegAdressen.h"
#include "platform/SqlText.h"
#include <QAbstractButton>
#include <QDialog>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QSqlQuery>
#include <QTest>
#include <QTextEdit>

namespace {

// A second user on the same database, through a connection of their own.
class OtherUser {
public:
    explicit OtherUser(const QSqlDatabase& db)
        : mDb(QSqlDatabase::cloneDatabase(db, QStringLiteral("tour-other-user"))) {
        mDb.open();
    }
    ~OtherUser() {
        mDb.close();
        mDb = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("tour-other-user"));
    }
    bool exec(const QString& sql) { return QSqlQuery(mDb).exec(sql); }

private:
    QSqlDatabase mDb;
};

} // namespace

// Two users on one customer, a number typed but not loaded, a note written
// twice and a remark too large for the info window: nothing is overwritten
// unseen, and each question or message is photographed.
void Tour::runConflicts() {
    belegadressen::BelegAdressen& c = mWindow.control();
    const QString customer = firstValue(QStringLiteral(
        "SELECT Kundennummer FROM Kundenstamm WHERE Bez1 IS NOT NULL ORDER BY Kundennummer "
        "LIMIT 1 OFFSET 3"));
    const QString next = firstValue(QStringLiteral(
        "SELECT Kundennummer FROM Kundenstamm WHERE Bez1 IS NOT NULL ORDER BY Kundennummer "
        "LIMIT 1 OFFSET 4"));
    if (customer.isEmpty() || next.isEmpty()) {
        mFindings << QStringLiteral("Beispieldaten ohne Kunden für den Konfliktrundgang");
        return;
    }
    const QString key = belegadressen::quoted(customer);
    OtherUser other(mWindow.database());
    QString question;
    int questionButton = QMessageBox::No;
    // Photographs a question or a window and answers it.
    mWindow.dialogs().setAnswer([&](QDialog& dialog) {
        dialog.show();
        settle(120);
        const QString name =
            dialog.objectName().isEmpty() ? QStringLiteral("dialog") : dialog.objectName();
        shoot(dialog, name);
        if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
            question = box->text();
            say(QStringLiteral("   Frage: %1").arg(question.section(QLatin1Char('\n'), 0, 2)));
            return questionButton;
        }
        return int(QDialog::Rejected);
    });

    step(QStringLiteral("Zwei Benutzer, ein Kunde: der andere hat Name 2 geändert"));
    mWindow.newDocument();
    mWindow.switchAddress(1);
    c.setMitKundenaktualisierung(true);
    typeNumber(customer);
    other.exec(QStringLiteral("UPDATE Kundenstamm SET Bez2 = 'Geändert von Benutzer A' WHERE "
                              "Kundennummer = %1")
                   .arg(key));
    if (auto* street = c.findChild<QLineEdit*>(QStringLiteral("txtDAdr_5")))
        street->setText(QStringLiteral("Neue Straße 7"));
    questionButton = QMessageBox::No;
    say(QStringLiteral("   ändert die Straße, klickt btnAktKunde und wählt „Übernehmen“"));
    if (auto* update = c.findChild<QAbstractButton*>(QStringLiteral("btnAktKunde")))
        update->click();
    say(QStringLiteral("   gespeichert: Name 2 \"%1\", Straße \"%2\"")
            .arg(firstValue(QStringLiteral("SELECT Bez2 FROM Kundenstamm WHERE Kundennummer = %1")
                                .arg(key)),
                 firstValue(QStringLiteral("SELECT Straße FROM Kundenstamm WHERE Kundennummer = %1")
                                .arg(key))));
    if (!question.contains(QStringLiteral("anderen Benutzer")))
        mFindings << QStringLiteral("Keine Frage vor dem Überschreiben fremder Änderungen");
    shoot(QStringLiteral("uebernommen"));

    step(QStringLiteral("Nummer getippt, aber nicht geladen: nichts wird geschrieben"));
    if (auto* nummer = c.findChild<QLineEdit*>(QStringLiteral("txtDNummer"))) {
        nummer->setFocus();
        nummer->selectAll();
        QTest::keyClicks(nummer, next);
        say(QStringLiteral("   tippt \"%1\" und klickt btnAktKunde, ohne das Feld zu verlassen")
                .arg(next));
        if (auto* update = c.findChild<QAbstractButton*>(QStringLiteral("btnAktKunde")))
            update->click();
    }
    shoot(QStringLiteral("nummer-nicht-geladen"));
    typeNumber(customer);

    step(QStringLiteral("Kundeninfo von zwei Benutzern: Abbrechen lässt das Fenster offen"));
    other.exec(QStringLiteral("UPDATE Kundenstamm SET Kundeninfo = 'Info' WHERE Kundennummer = %1")
                   .arg(key));
    bool stayedOpen = false;
    mWindow.dialogs().setAnswer([&, inner = 0](QDialog& dialog) mutable {
        if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
            dialog.show();
            settle(120);
            shoot(dialog, QStringLiteral("frage-notiz"));
            say(QStringLiteral("   Frage: %1 → Abbrechen")
                    .arg(box->text().section(QLatin1Char('\n'), 0, 0)));
            return int(QMessageBox::Cancel);
        }
        ++inner;
        dialog.show();
        settle(120);
        auto* text = dialog.findChild<QTextEdit*>(QStringLiteral("txtText"));
        other.exec(QStringLiteral("UPDATE Kundenstamm SET Kundeninfo = 'Info von Benutzer A' "
                                  "WHERE Kundennummer = %1")
                       .arg(key));
        if (text) {
            text->moveCursor(QTextCursor::End);
            text->insertPlainText(QStringLiteral(" – Rückruf vereinbart"));
        }
        if (auto* back = dialog.findChild<QAbstractButton*>(QStringLiteral("btnOk"))) back->click();
        stayedOpen = dialog.isVisible() && dialog.result() != QDialog::Accepted;
        shoot(dialog, QStringLiteral("notiz-offen"));
        return int(QDialog::Rejected);
    });
    if (auto* button = c.findChild<QAbstractButton*>(QStringLiteral("btnInfo_0"))) button->click();
    if (!stayedOpen) mFindings << QStringLiteral("Kundeninfo-Fenster nach Abbrechen geschlossen");

    step(QStringLiteral("Eine Notiz von 1 MB in einer Zeile öffnet sofort, schreibgeschützt"));
    other.exec(QStringLiteral("UPDATE Kundenstamm SET InterneBemerkung = '%1' WHERE "
                              "Kundennummer = %2")
                   .arg(QStringLiteral("{\\rtf1\\ansi ") + QString(1 << 20, QLatin1Char('x')) +
                            QLatin1Char('}'),
                        key));
    bool readOnly = false;
    mWindow.dialogs().setAnswer([&](QDialog& dialog) {
        dialog.show();
        settle(120);
        if (auto* text = dialog.findChild<QTextEdit*>(QStringLiteral("txtText")))
            readOnly = text->isReadOnly();
        shoot(dialog, QStringLiteral("grosse-notiz"));
        if (auto* back = dialog.findChild<QAbstractButton*>(QStringLiteral("btnOk"))) back->click();
        return dialog.result();
    });
    QElapsedTimer opened;
    opened.start();
    if (auto* button = c.findChild<QAbstractButton*>(QStringLiteral("btnInfo_1"))) button->click();
    say(QStringLiteral("   geöffnet und geschlossen in %1 ms, schreibgeschützt: %2")
            .arg(opened.elapsed())
            .arg(readOnly ? QStringLiteral("ja") : QStringLiteral("nein")));
    if (!readOnly) mFindings << QStringLiteral("Große Notiz nicht schreibgeschützt gezeigt");
    other.exec(
        QStringLiteral("UPDATE Kundenstamm SET InterneBemerkung = NULL WHERE Kundennummer = %1")
            .arg(key));
    mWindow.dialogs().setAnswer({});
}
