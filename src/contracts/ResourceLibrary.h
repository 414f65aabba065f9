// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "belegadressen_export.h"
#include <QIcon>
#include <QString>
#include <QStringList>

namespace belegadressen {

/// Pictures and message texts by number (234 pressed, 235 released image button,
/// 189 delete appointment, 338 postal code; text 10050, 13048).
class BELEGADRESSEN_EXPORT ResourceLibrary {
public:
    virtual ~ResourceLibrary() = default;
    /// A picture by number.
    virtual QIcon Bild(int number) = 0;
    /// A message text by number with its placeholders filled.
    virtual QString Text(int number, const QStringList& values = {}) = 0;
};

} // namespace belegadressen
