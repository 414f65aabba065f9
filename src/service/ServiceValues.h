// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "contracts/Error.h"
#include <QString>
#include <QVariant>

namespace belegadressen {

// Site and equipment numbers are 16-bit in the document. A larger number in
// the database is refused with its own words instead of being wrapped or cut.
class NumberOutOfRange : public Error {
public:
    explicit NumberOutOfRange(const QString& text) : Error(Error::Overflow, text) {}
};

// `value` as a 16-bit number; `what` names it in the message ("Standortnummer").
// Throws NumberOutOfRange when it does not fit or is no whole number.
qint16 smallNumber(const QVariant& value, const QString& what);

// A duration in decimal hours as whole hundredths, halves to the even
// hundredth (0.125 h gives 12), as the host's appointment book takes it.
struct Duration {
    bool ok = true;
    qint16 hundredths = 0;
    QString message; // why the text was refused, in words
};

// Reads the text of the duration field ("1,5", "1.5", empty for 0).
Duration durationFromText(const QString& text);
// The same for a value already read; refused when 16 bits cannot hold it.
Duration durationFromHours(double hours);

} // namespace belegadressen
