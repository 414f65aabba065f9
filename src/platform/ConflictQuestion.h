// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "belegadressen_export.h"
#include <QString>

class QWidget;

namespace belegadressen {

class DialogRunner;

// What the user chose when a row they are about to write was changed by
// someone else since they read it.
enum class ConflictChoice { Overwrite, TakeOver, Cancel };

// Asks through the dialog runner, so that hosts and tests can answer. The
// buttons are "Überschreiben" (Yes), "Übernehmen" (No) and "Abbrechen"
// (Cancel, also Escape and closing the box); `takeOver` false leaves out the
// middle one where there is nothing to take over.
BELEGADRESSEN_EXPORT ConflictChoice askConflict(DialogRunner& dialogs, QWidget* parent,
                                                const QString& text, bool takeOver = true);

} // namespace belegadressen
