// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "control/AdressDaten.h"
#include <QString>
#include <QStringList>
#include <vector>

class QLineEdit;

namespace belegadressen {

class Recordset;
struct Ui;

// The address fields a write-back puts into the master data, in the order of
// the update statements: the record's field, the column in each master
// (empty: the general address has no such column), the label the user knows
// and the field of the control it is read from.
struct MasterField {
    QString AdressDaten::*record;
    QString kundeColumn;
    QString adresseColumn;
    QString label;
    enum class Shown { Line, Edit, Country, Salutation } shown = Shown::Line;
    int adrLine = -1;               // Line: the line of txtDAdr
    QLineEdit* Ui::*edit = nullptr; // Edit: the field
};
const std::vector<MasterField>& masterFields();

// The field's text as the write-back reads it (a salutation's key, the
// country's text) and putting a value back into it.
QString shownValue(const Ui& ui, const MasterField& field);
void showValue(Ui& ui, const MasterField& field, const QString& value);
// The text field that shows it; null for the country and the salutation.
QLineEdit* lineEditOf(const Ui& ui, const MasterField& field);

// Which master a write-back goes into, and the columns it writes there, in
// the order of the update statement, each with the label the user knows.
struct MasterColumns {
    QString table;     // "Kundenstamm" or "Adressenstamm"
    QString keyColumn; // "Kundennummer" or "AdressNummer"
    struct Column {
        QString name;
        QString label;
        int field = 0; // index into masterFields()
    };
    std::vector<Column> columns;

    static const MasterColumns& kunde();
    static const MasterColumns& adresse();

    // The values of the written columns in the current row (NULL as empty).
    QStringList valuesOf(const Recordset& row) const;
    // The same columns' values of an address.
    QStringList valuesOf(const AdressDaten& address) const;
    QStringList valuesOf(const QStringList& fieldValues) const;
    // The existence check of the write-back with the compared columns added,
    // so that the row it finds can be compared without a further statement.
    QString checkSelect(const QString& nummer) const;
    // The plain existence check.
    QString existsSelect(const QString& nummer) const;
    // The update statement, values by masterFields().
    QString update(const QString& nummer, const QStringList& fieldValues) const;
};

// A column whose stored value is not the one expected.
struct ForeignChange {
    int column = 0; // index into MasterColumns::columns
    QString loaded; // what this control loaded
    QString stored; // what the row holds now
};

// The columns whose stored value is no longer the loaded one.
std::vector<ForeignChange> foreignChanges(const QStringList& loaded, const QStringList& stored);

// Where the values the row is compared with came from.
enum class Baseline {
    Loaded,     // this control loaded the row
    Document,   // the document's values, put in through the Add accessors
    OtherMaster // the row of the other master with the same number was loaded
};

// The question put to the user: which fields, what they held, what they hold.
QString conflictText(const MasterColumns& master, const QString& nummer,
                     const std::vector<ForeignChange>& changes,
                     Baseline baseline = Baseline::Loaded);

} // namespace belegadressen
