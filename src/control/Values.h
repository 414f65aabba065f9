#pragma once
#include <QString>
#include <QVariant>

namespace belegadressen {

// A value as text, NULL (and no value) as empty text: keys of the
// master-data fields and text columns of the master rows read this way.
inline QString textOf(const QVariant& v) { return v.isNull() ? QString() : v.toString(); }

} // namespace belegadressen
