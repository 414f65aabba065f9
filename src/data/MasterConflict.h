#pragma once
#include <QString>
#include <QStringList>
#include <vector>

namespace belegadressen {

class Recordset;

// Which master a write-back goes into, and the columns it writes there, in
// the order of the update statement, each with the label the user knows.
struct MasterColumns {
    QString table;     // "Kundenstamm" or "Adressenstamm"
    QString keyColumn; // "Kundennummer" or "AdressNummer"
    struct Column {
        QString name;
        QString label;
    };
    std::vector<Column> columns;

    static const MasterColumns& kunde();
    static const MasterColumns& adresse();

    // The values of the written columns in the current row (NULL as empty).
    QStringList valuesOf(const Recordset& row) const;
    // The existence check of the write-back with the compared columns added,
    // so that the row it finds can be compared without a further statement.
    QString checkSelect(const QString& nummer) const;
};

// A column another user changed between the load and the write-back.
struct ForeignChange {
    int column = 0; // index into MasterColumns::columns
    QString loaded; // what this control loaded
    QString stored; // what the row holds now
};

// The columns whose stored value is no longer the loaded one.
std::vector<ForeignChange> foreignChanges(const QStringList& loaded, const QStringList& stored);

// The question put to the user: which fields, what they held, what they hold.
QString conflictText(const MasterColumns& master, const QString& nummer,
                     const std::vector<ForeignChange>& changes);

} // namespace belegadressen
