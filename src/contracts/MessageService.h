// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "belegadressen_export.h"
#include <QString>
#include <QVariant>

namespace belegadressen {

/// Modal user messages. The control always passes kind 4 and the module name
/// "QelBelAdr" as title; a message number arrives as an integer QVariant.
class BELEGADRESSEN_EXPORT MessageService {
public:
    virtual ~MessageService() = default;
    /// Shows a message given as text or by number.
    virtual void Meldung(const QVariant& textOrNumber, qint16 kind, const QString& title,
                         qint32 number = 0) = 0;
    /// Reports an error with module, procedure, number and text.
    virtual void Fehlermeldung(const QString& module, const QString& procedure, qint32 number,
                               const QString& text, bool flag) = 0;
};

} // namespace belegadressen
