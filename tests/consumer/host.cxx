// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

// A small host written from the integration guide (docs/HOSTING.md) alone,
// against the installed package: its own SQLite database from the installed
// schema, the search answered through a queued connection, a one-off address
// typed without a number, the document saved address by address into a table
// of its own and opened again from it.
#include "contracts/Error.h"
#include "contracts/HostApplication.h"
#include "control/BelegAdressen.h"
#include "data/SqlConnection.h"
#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <cstdio>
#include <memory>

using belegadressen::BelegAdressen;

namespace {

int failures = 0;

void check(bool ok, const QString& what) {
    if (!ok) {
        std::fprintf(stderr, "host: %s\n", qPrintable(what));
        ++failures;
    }
}

class Host : public belegadressen::HostApplication {
public:
    Host(QSqlDatabase db, QWidget* mainForm, QString file)
        : mConnection(std::make_shared<belegadressen::SqlConnection>(db)), mMainForm(mainForm),
          mFile(std::move(file)) {}
    std::shared_ptr<belegadressen::Connection> ConnectionDB() override { return mConnection; }
    QObject* ComboServer() override { return nullptr; }
    QWidget* MainForm() override { return mMainForm; }
    QString User() override { return QStringLiteral("Gastgeber"); }
    bool PruefeNeueDialoge(const QString&) override { return true; }
    QString ConnectStringDB() override { return mFile; }

private:
    std::shared_ptr<belegadressen::SqlConnection> mConnection;
    QWidget* mMainForm;
    QString mFile;
};

// Statements of the schema end with ';' at the end of a line.
bool runSchema(QSqlDatabase& db, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return false;
    QString statement;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        if (line.trimmed().startsWith(QLatin1String("--"))) continue;
        statement += line + QLatin1Char('\n');
        if (!line.trimmed().endsWith(QLatin1Char(';'))) continue;
        QSqlQuery q(db);
        if (!q.exec(statement)) {
            std::fprintf(stderr, "host: %s\n", qPrintable(q.lastError().text()));
            return false;
        }
        statement.clear();
    }
    return true;
}

void exec(QSqlDatabase& db, const QString& sql) {
    QSqlQuery q(db);
    check(q.exec(sql), QStringLiteral("%1: %2").arg(sql, q.lastError().text()));
}

// The user types into a field of the control and leaves it with the focus.
void type(BelegAdressen& block, const QString& field, const QString& text, const QString& next) {
    auto* edit = block.findChild<QLineEdit*>(field);
    edit->setFocus(Qt::TabFocusReason);
    edit->setText(text);
    block.findChild<QWidget*>(next)->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
}

void click(BelegAdressen& block, const QString& button) {
    block.findChild<QAbstractButton*>(button)->click();
    QApplication::processEvents(); // the queued answer of the host arrives
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("host.sqlite"));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
        db.setDatabaseName(file);
        if (!db.open() || !runSchema(db, QStringLiteral(BA_SCHEMA_FILE))) {
            std::fputs("host: the installed schema does not apply\n", stderr);
            return 1;
        }
        exec(db, "INSERT INTO Kundenstamm (Kundennummer, Bez1, Straße, PLZ, Ort, Währung) VALUES "
                 "('10010', 'Alpha Bau', 'Erste Straße 1', '10115', 'Berlin', 'EUR'), "
                 "('10020', 'Beta Dach', 'Zweite Straße 2', '20095', 'Hamburg', 'EUR')");
        exec(db, "INSERT INTO Adressenstamm (AdressNummer, Bez1, Straße, PLZ, Ort) VALUES "
                 "('A-1', 'Lager Gamma', 'Hafenweg 3', '28195', 'Bremen')");
        exec(db, "CREATE TABLE Belegadressen (Adresse INTEGER, Nummer TEXT, Bez1 TEXT, "
                 "Strasse TEXT, Plz TEXT, Ort TEXT)");

        QWidget form;
        auto* layout = new QVBoxLayout(&form);
        auto* ownField = new QLineEdit(&form); // the host's own field, beside the block
        auto* block = new BelegAdressen(&form);
        layout->addWidget(ownField);
        layout->addWidget(block);
        block->setAppObj(std::make_shared<Host>(db, &form, file));
        block->AddLandeswaehrung(QStringLiteral("EUR"));
        block->AddBelegart(50);
        block->setAnzAdresse(3);
        // One page for every address that may be typed without a number, the
        // address to show last; without it a typed address would be discarded.
        block->SetzeAnzSeiten(3, 1);
        block->SetzeAnzSeiten(2, 1);
        block->SetzeAnzSeiten(1, 1);
        block->setAktAdresse(1);
        form.show();
        form.activateWindow();
        QApplication::processEvents();

        // Queued: the control marks the search as started after the event returns.
        QObject::connect(
            block, &BelegAdressen::btnKundeClick, &form,
            [block] { block->fktDragNummer(QStringLiteral("10010")); }, Qt::QueuedConnection);
        QObject::connect(
            block, &BelegAdressen::btnAdresseClick, &form,
            [block] { block->fktDragNummerAdresse(QStringLiteral("A-1")); }, Qt::QueuedConnection);

        // Main address: the search finds 10010, then the user types 10020 over it.
        click(*block, QStringLiteral("btnKunde"));
        type(*block, QStringLiteral("txtDNummer"), QStringLiteral("10020"),
             QStringLiteral("txtDAdr_1"));
        // Shipping address: the general address search (a general address keeps
        // no customer number).
        block->setAktAdresse(2);
        click(*block, QStringLiteral("btnAdresse"));
        // Invoice address: a one-off address in no master, typed field by field.
        block->setAktAdresse(3);
        type(*block, QStringLiteral("txtDAdr_1"), QStringLiteral("Delta Einmalkunde"),
             QStringLiteral("txtDAdr_5"));
        type(*block, QStringLiteral("txtDAdr_5"), QStringLiteral("Vierte Gasse 4"),
             QStringLiteral("txtDPostleitzahl"));
        type(*block, QStringLiteral("txtDPostleitzahl"), QStringLiteral("04109"),
             QStringLiteral("txtDAdr_6"));
        type(*block, QStringLiteral("txtDAdr_6"), QStringLiteral("Leipzig"),
             QStringLiteral("txtDAdr_1"));

        // Save: finish the field being typed in, then every address.
        if (block->isAncestorOf(QApplication::focusWidget()))
            ownField->setFocus(Qt::TabFocusReason);
        try {
            for (qint16 n = 1; n <= block->AnzAdresse(); ++n) {
                block->setAktAdresse(n);
                QSqlQuery q(db);
                q.prepare(QStringLiteral("INSERT INTO Belegadressen VALUES (?, ?, ?, ?, ?, ?)"));
                q.addBindValue(n);
                q.addBindValue(block->GetNummer());
                q.addBindValue(block->GetBez1());
                q.addBindValue(block->GetStrasse());
                q.addBindValue(block->GetPostleitzahl());
                q.addBindValue(block->GetOrt());
                check(q.exec(), q.lastError().text());
            }
            // A number beyond AnzAdresse is accepted; the accessors refuse it with 9.
            block->setAktAdresse(99);
            try {
                block->GetBez1();
                check(false, QStringLiteral("GetBez1 on address 99 did not refuse"));
            } catch (const belegadressen::Error& e) {
                check(e.number() == 9, QStringLiteral("address 99 gave error %1").arg(e.number()));
            }
        } catch (const belegadressen::Error& e) {
            check(false, QStringLiteral("error %1: %2").arg(e.number()).arg(e.text()));
        }

        QSqlQuery saved(db);
        saved.exec(QStringLiteral("SELECT Adresse, Nummer, Bez1, Strasse, Plz, Ort FROM "
                                  "Belegadressen ORDER BY Adresse"));
        QStringList rows;
        while (saved.next())
            rows << QStringLiteral("%1 %2 %3, %4, %5 %6")
                        .arg(saved.value(0).toInt())
                        .arg(saved.value(1).toString(), saved.value(2).toString(),
                             saved.value(3).toString(), saved.value(4).toString(),
                             saved.value(5).toString());
        const QStringList expected = {
            QStringLiteral("1 10020 Beta Dach, Zweite Straße 2, 20095 Hamburg"),
            QStringLiteral("2  Lager Gamma, Hafenweg 3, 28195 Bremen"),
            QStringLiteral("3  Delta Einmalkunde, Vierte Gasse 4, 04109 Leipzig")};
        check(rows == expected,
              QStringLiteral("saved:\n  %1\nexpected:\n  %2")
                  .arg(rows.join(QStringLiteral("\n  ")), expected.join(QStringLiteral("\n  "))));

        // Open: the stored document goes back through the Add accessors, and
        // the one-off address shows as it was typed.
        try {
            block->setAnzAdresse(3);
            block->SetzeAnzSeiten(3, 1);
            block->SetzeAnzSeiten(2, 1);
            block->SetzeAnzSeiten(1, 1);
            saved.exec(QStringLiteral("SELECT Adresse, Nummer, Bez1, Strasse, Plz, Ort FROM "
                                      "Belegadressen ORDER BY Adresse"));
            while (saved.next()) {
                block->setAktAdresse(static_cast<qint16>(saved.value(0).toInt()));
                block->AddNummer(saved.value(1).toString());
                block->AddBez1(saved.value(2).toString());
                block->AddStrasse(saved.value(3).toString());
                block->AddPostleitzahl(saved.value(4).toString());
                block->AddOrt(saved.value(5).toString());
            }
            block->setAktAdresse(3);
            const auto shown = [block](const char* field) {
                return block->findChild<QLineEdit*>(QLatin1String(field))->text();
            };
            const QString opened = shown("txtDAdr_1") + QLatin1Char('|') + shown("txtDAdr_5") +
                                   QLatin1Char('|') + shown("txtDPostleitzahl") + QLatin1Char('|') +
                                   shown("txtDAdr_6");
            check(opened == QStringLiteral("Delta Einmalkunde|Vierte Gasse 4|04109|Leipzig"),
                  QStringLiteral("the opened one-off address shows %1").arg(opened));
        } catch (const belegadressen::Error& e) {
            check(false, QStringLiteral("open: error %1: %2").arg(e.number()).arg(e.text()));
        }
        delete block;
    }
    QSqlDatabase::removeDatabase(QLatin1String(QSqlDatabase::defaultConnection));
    if (failures == 0) std::puts("host: the document holds the addresses the user chose");
    return failures == 0 ? 0 : 1;
}
