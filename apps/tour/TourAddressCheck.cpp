// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "DocumentWindow.h"
#include "Tour.h"
#include "control/BelegAdressen.h"
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableWidget>

// The check against the real directory of the sample database: spelling
// that does not matter, a correction only through the marked choice, a code
// of several places typed over a place of another code (kept, both fields
// marked), a misspelt place corrected with its mark and undone, and the
// printed address block beside the document.
void Tour::runAddressCheck() {
    belegadressen::BelegAdressen& c = mWindow.control();
    auto* plz = c.findChild<QLineEdit*>(QStringLiteral("txtDPostleitzahl"));
    auto* place = c.findChild<QLineEdit*>(QStringLiteral("txtDAdr_6"));
    auto* street = c.findChild<QLineEdit*>(QStringLiteral("txtDAdr_5"));
    auto* name = c.findChild<QLineEdit*>(QStringLiteral("txtDAdr_1"));
    auto* land = c.findChild<QComboBox*>(QStringLiteral("cdoDLand"));
    auto* preview = mWindow.findChild<QPlainTextEdit*>(QStringLiteral("txtAnschrift"));
    if (!plz || !place || !street || !name || !land || !preview) {
        mFindings << QStringLiteral("Felder der Anschriftprüfung nicht gefunden");
        return;
    }
    const bool realDirectory =
        firstValue(QStringLiteral("SELECT COUNT(*) FROM Postleitzahlen WHERE Land = 'D'"))
            .toInt() >= 8000;
    if (!realDirectory)
        say(QStringLiteral(
            "   (das Verzeichnis ist nicht das echte deutsche: scripts/demo lädt es)"));
    const auto leave = [&](QLineEdit* field, QLineEdit* next) {
        if (!mWindow.isActiveWindow()) {
            mWindow.activateWindow();
            settle(30);
        }
        field->setFocus(Qt::TabFocusReason);
        settle(20);
        next->setFocus(Qt::TabFocusReason);
        settle(80);
    };
    const auto fields = [&] {
        return QStringLiteral("\"%1\" \"%2\" \"%3\"")
            .arg(plz->text(), place->text(), street->text());
    };
    // The choice dialog: what it offers, a screenshot, then the row the tour takes.
    QString offered;
    const auto answer = [&](const QString& file, const QString& filter) {
        mWindow.dialogs().setAnswer([&, file, filter](QDialog& dialog) {
            auto* table = dialog.findChild<QTableWidget*>(QStringLiteral("tblTreffer"));
            auto* typed = dialog.findChild<QLineEdit*>(QStringLiteral("txtFilter"));
            if (!table || !typed || table->rowCount() == 0) return int(QDialog::Rejected);
            QStringList first;
            for (int col = 0; col < table->columnCount(); ++col)
                first << table->item(0, col)->text();
            offered = QStringLiteral("%1 Zeilen, die erste: %2")
                          .arg(table->rowCount())
                          .arg(first.join(QStringLiteral(" | ")));
            dialog.show();
            settle(50);
            shoot(dialog, file);
            if (!filter.isEmpty()) typed->insert(filter);
            press(typed, Qt::Key_Return);
            return dialog.result();
        });
    };

    step(QStringLiteral("Echtes Verzeichnis: Schreibweise ohne Bedeutung"));
    mWindow.switchAddress(1);
    land->setEditText(QString());
    name->setText(QStringLiteral("Bäckerei Sonnenschein"));
    plz->setText(QStringLiteral("80331"));
    street->setText(QStringLiteral("Marienplatz 8"));
    place->setText(QStringLiteral("MUENCHEN"));
    leave(place, street);
    say(QStringLiteral("   tippt 80331 \"MUENCHEN\", verlässt den Ort: %1").arg(fields()));
    if (place->text() != QStringLiteral("München"))
        mFindings << QStringLiteral("\"MUENCHEN\" nicht als München bestätigt");

    step(QStringLiteral("Korrektur nur mit Auswahl: Frankfurt"));
    offered.clear();
    answer(QStringLiteral("korrektur-markiert"), QString());
    plz->setText(QStringLiteral("60311"));
    street->setText(QStringLiteral("Zeil 1"));
    place->setText(QStringLiteral("Frankfurt"));
    leave(place, street);
    mWindow.dialogs().setAnswer({});
    say(QStringLiteral("   tippt 60311 \"Frankfurt\": Auswahl %1").arg(offered));
    say(QStringLiteral("   übernommen: %1").arg(fields()));
    if (offered.isEmpty()) mFindings << QStringLiteral("\"Frankfurt\" ohne Auswahl geändert");

    // The sign at the end of a field: its tool tip, or empty when none shows.
    const auto mark = [](QLineEdit* field, const char* name) {
        auto* sign = field->findChild<QAction*>(QString::fromLatin1(name));
        return sign && sign->isVisible() ? sign->toolTip() : QString();
    };

    step(QStringLiteral("Postleitzahl eines anderen Orts verlassen: markiert"));
    offered.clear();
    answer(QStringLiteral("unerwartete-auswahl"), QString());
    plz->setText(QStringLiteral("23730"));
    settle(100);
    leave(plz, street);
    mWindow.dialogs().setAnswer({});
    say(QStringLiteral("   tippt 23730 über \"Frankfurt am Main\", verlässt die PLZ: %1")
            .arg(fields()));
    say(QStringLiteral("   Zeichen an PLZ und Ort: %1").arg(mark(place, "actOrtPruefung")));
    say(QStringLiteral("   vorgelesen: %1").arg(place->accessibleDescription()));
    if (!offered.isEmpty()) mFindings << QStringLiteral("Auswahl beim Verlassen der PLZ");
    // Only the real directory knows 23730 and its places.
    if (place->text() != QStringLiteral("Frankfurt am Main"))
        mFindings << QStringLiteral("Getippter Ort beim Verlassen der PLZ ersetzt");
    if (realDirectory && (mark(plz, "actPostleitzahlPruefung").isEmpty() ||
                          !mark(place, "actOrtPruefung").contains(QStringLiteral("Sierksdorf"))))
        mFindings << QStringLiteral("PLZ und Ort eines anderen Orts nicht markiert");
    shoot(QStringLiteral("plz-ort-markiert"));

    step(QStringLiteral("Vertippter Ort: ohne Auswahl berichtigt"));
    plz->setText(QStringLiteral("80331"));
    street->setText(QStringLiteral("Marienplatz 8"));
    place->setFocus(Qt::TabFocusReason);
    settle(20);
    place->selectAll();
    place->insert(QStringLiteral("Müchen"));
    leave(place, street);
    say(QStringLiteral("   tippt 80331 \"Müchen\", verlässt den Ort: %1").arg(fields()));
    say(QStringLiteral("   Zeichen am Ort: %1").arg(mark(place, "actOrtPruefung")));
    if (realDirectory && place->text() != QStringLiteral("München"))
        mFindings << QStringLiteral("\"Müchen\" nicht berichtigt");
    shoot(QStringLiteral("ort-berichtigt"));
    place->setFocus(Qt::TabFocusReason);
    settle(20);
    QKeyEvent undo(QEvent::KeyPress, Qt::Key_Z, Qt::ControlModifier, QStringLiteral("z"));
    QApplication::sendEvent(place, &undo);
    settle(50);
    say(QStringLiteral("   Strg+Z im Ort: \"%1\"").arg(place->text()));
    if (realDirectory && place->text() != QStringLiteral("Müchen"))
        mFindings << QStringLiteral("Strg+Z bringt den getippten Ort nicht zurück");
    place->setText(QStringLiteral("Frankfurt am Main"));
    plz->setText(QStringLiteral("60311"));

    step(QStringLiteral("Anschrift im Fensterumschlag: Herrn, Postfach in den Niederlanden"));
    auto* box = c.findChild<QLineEdit*>(QStringLiteral("txtDPostfach"));
    auto* boxCode = c.findChild<QLineEdit*>(QStringLiteral("txtDPlzPostfach"));
    auto* firstName = c.findChild<QLineEdit*>(QStringLiteral("txtDAdr_0"));
    if (!box || !boxCode || !firstName) {
        mFindings << QStringLiteral("Postfachfelder nicht gefunden");
        return;
    }
    c.AddAnrede(QStringLiteral("Herr"));
    land->setEditText(QStringLiteral("NL"));
    firstName->setText(QStringLiteral("Pieter"));
    name->setText(QStringLiteral("de Vries"));
    for (const char* further : {"txtDAdr_2", "txtDAdr_3", "txtDAdr_4"})
        if (auto* line = c.findChild<QLineEdit*>(QLatin1String(further))) line->clear();
    street->setText(QStringLiteral("Damrak 1"));
    plz->setText(QStringLiteral("1012AB"));
    place->setText(QStringLiteral("Amsterdam"));
    // Typed with its word: printed once, in the Dutch post's word.
    box->setText(QStringLiteral("Postbus 626"));
    boxCode->setText(QStringLiteral("1000AP"));
    settle(150);
    const QStringList lines = c.Anschriftzeilen(c.AktAdresse());
    for (const QString& line : lines)
        say(QStringLiteral("   | %1").arg(line));
    if (preview->toPlainText() != lines.join(QLatin1Char('\n')))
        mFindings << QStringLiteral("Vorschau zeigt nicht die Anschriftzeilen");
    if (lines.value(0) != QStringLiteral("Herrn"))
        mFindings << QStringLiteral("Anrede \"Herr\" nicht als \"Herrn\" gedruckt");
    if (!lines.contains(QStringLiteral("Postbus 626")))
        mFindings << QStringLiteral("Postfach nicht im Wort der niederländischen Post");
    if (lines.isEmpty() || lines.last() != QStringLiteral("NIEDERLANDE"))
        mFindings << QStringLiteral("Auslandsanschrift ohne Länderzeile");
    if (c.GetAnrede() != QStringLiteral("Herr"))
        mFindings << QStringLiteral("Gespeicherte Anrede durch den Druck verändert");
    shoot(QStringLiteral("anschrift-niederlande"));
}
