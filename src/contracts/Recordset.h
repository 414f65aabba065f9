#pragma once
#include <QString>
#include <QVariant>

namespace belegadressen {

// A forward-read result: the current row's columns by name (case-insensitive),
// NULL as a null QVariant.
class Recordset {
public:
    virtual ~Recordset() = default;
    virtual bool Eof() const = 0;
    virtual QVariant Value(const QString& column) const = 0;
    virtual bool HasColumn(const QString& column) const = 0;
    virtual void MoveNext() = 0;
    virtual void MoveFirst() = 0;
    virtual void Close() = 0;
};

} // namespace belegadressen
