// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "SampleData.h"
#include <QSqlDatabase>
#include <QString>

// Rows written per table.
struct SampleCounts {
    qint64 customers = 0;
    qint64 addresses = 0;
    qint64 sites = 0;
    qint64 equipment = 0;
    qint64 staff = 0;
    qint64 postalRows = 0;
    qint64 textModules = 0;
    qint64 currencies = 0;
    qint64 costAssignments = 0;
    qint64 masterData = 0; // salutations, shipping texts, tax keys, payment methods and terms
};

// Writes the deterministic sample data of a craft business into an empty
// database: the schema, `customers` customers and everything they refer to.
// The same count always gives the same rows, and customer 10001 is the same
// whatever the count. Throws std::runtime_error on a database error.
class SampleWriter {
public:
    // `places`, when given, replaces the sample's crowded set of postal codes
    // for the customers' and general addresses' home places.
    SampleWriter(QSqlDatabase db, int customers, QVector<sample::Place> places = {});
    SampleCounts write(const QString& schemaScript);

private:
    void writeMasterData(SampleCounts& counts);
    void writeCustomers(SampleCounts& counts);
    void writeSearchIndex();
    void keyRemainingRows();

    QSqlDatabase mDb;
    int mCustomers;
    QVector<sample::Place> mPlaces;
};
