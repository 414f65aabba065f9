#include "platform/SqlText.h"
#include "contracts/Error.h"

namespace belegadressen {

QString doubledQuotes(const QString& value) {
    if (value.contains(QChar(0)))
        throw Error(Error::Database,
                    QStringLiteral("Der Wert enthält ein Nullzeichen und wird nicht gesendet."));
    QString out = value;
    out.replace(QLatin1Char('\''), QLatin1String("''"));
    return out;
}

QString quoted(const QString& value) {
    return QLatin1Char('\'') + doubledQuotes(value) + QLatin1Char('\'');
}

} // namespace belegadressen
