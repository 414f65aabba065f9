// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "belegadressen_export.h"
#include <QString>
#include <stdexcept>

namespace belegadressen {

/// An error handed back to the host: a number and a German text. The numbers
/// the control raises are the constants below; database errors carry the
/// driver's text.
class BELEGADRESSEN_EXPORT Error : public std::runtime_error {
public:
    /// An error with its number and German text.
    Error(qint32 number, const QString& text)
        : std::runtime_error(text.toStdString()), mNumber(number), mText(text) {}
    /// The error number.
    qint32 number() const { return mNumber; }
    /// The German error text.
    QString text() const { return mText; }

    /// A call that is not possible now: a host call into a running load, a
    /// text field that cannot take the focus.
    static constexpr qint32 InvalidCall = 5;
    /// A number outside the range of its type (a duration, a 16-bit value).
    static constexpr qint32 Overflow = 6;
    /// An address number outside the address array.
    static constexpr qint32 IndexOutOfRange = 9;
    /// A late-bound argument of the wrong type.
    static constexpr qint32 TypeMismatch = 13;
    /// A missing object: no host application, no connection, a component
    /// that could not be created, a control that is gone.
    static constexpr qint32 ObjectMissing = 91;
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
