#pragma once
#include "belegadressen_export.h"
#include <QString>
#include <stdexcept>

namespace belegadressen {

/// An error handed back to the host: a number and a German text.
/// 9 = address index out of range, 382 = not allowed in design mode,
/// 438 = unknown late-bound member; database errors carry the driver's text.
class BELEGADRESSEN_EXPORT Error : public std::runtime_error {
public:
    /// An error with its number and German text.
    Error(qint32 number, const QString& text)
        : std::runtime_error(text.toStdString()), mNumber(number), mText(text) {}
    /// The error number.
    qint32 number() const { return mNumber; }
    /// The German error text.
    QString text() const { return mText; }

    /// An address number outside the address array.
    static constexpr qint32 IndexOutOfRange = 9;
    /// A run-time member called in design mode.
    static constexpr qint32 DesignMode = 382;
    /// A member name that late binding does not know.
    static constexpr qint32 UnknownMember = 438;
    /// A database error; the text is the driver's.
    static constexpr qint32 Database = 3146;

private:
    qint32 mNumber;
    QString mText;
};

} // namespace belegadressen
