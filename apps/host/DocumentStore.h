// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include <QList>
#include <QMap>
#include <QSqlDatabase>
#include <QString>

namespace belegadressen {
class BelegAdressen;
}

// The values of one document: address number -> field name -> value as text.
// Address 0 holds the document's own values ("Belegart").
using DocumentValues = QMap<int, QMap<QString, QString>>;

// Reads every value of every address through the Get accessors. Assigns
// AktAdresse for each address first, so that what the user typed reaches the
// record, and leaves the address that was current before.
DocumentValues readFromControl(belegadressen::BelegAdressen& control);

// Puts the values back through the Add accessors, address by address, and
// shows address 1. The addresses must exist (AnzAdresse set).
void writeToControl(const DocumentValues& values, belegadressen::BelegAdressen& control);

// The field names in the order they are put back.
QStringList documentFieldNames();

// The host's own documents table, HostBelege(BelegNr, AdrNr, Feld, Wert).
class DocumentStore {
public:
    explicit DocumentStore(QSqlDatabase db);

    // Creates the table (and on PostgreSQL the number sequence) when
    // missing; throws std::runtime_error.
    void ensureTable();

    struct Summary {
        int number = 0;
        int belegart = 0;
        QString name; // Bez1 of address 1
    };
    QList<Summary> list();

    // Stores the document in one transaction and answers its number. A new
    // document (number 0) gets the next number inside that transaction, so
    // that hosts saving at the same time never get the same one: on
    // PostgreSQL from a sequence, on SQLite under the write lock taken at
    // its start. On any failure, the commit included, everything is rolled
    // back (std::runtime_error) and the next save starts afresh.
    int save(int number, const DocumentValues& values);
    // Empty when there is no such document.
    DocumentValues load(int number);

private:
    bool postgres() const;
    void begin();
    void commit();
    void rollback();
    int allocateNumber();

    QSqlDatabase mDb;
};
