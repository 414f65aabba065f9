// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "contracts/Connection.h"
#include <QVariant>

namespace belegadressen {

// The staff member's name for a technician number: "Nachname, Vorname", the
// bare surname without a first name, true when the number is not in the
// staff table, an empty variant for an empty number (nothing is read then).
QVariant HoleMonteurname(Connection& connection, const QString& personalNr);

// Callers only react to "not found"; anything else is a name to show.
inline bool isNotFound(const QVariant& answer) { return answer.typeId() == QMetaType::Bool; }

} // namespace belegadressen
