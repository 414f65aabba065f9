// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "belegadressen_export.h"
#include "contracts/DialogRunner.h"

namespace belegadressen {

/// Runs dialogs modally on the caller's thread.
class BELEGADRESSEN_EXPORT QtDialogRunner : public DialogRunner {
public:
    int exec(QDialog& dialog) override;
    /// A plain message box with an OK button, shown through exec() so that a
    /// subclass sees every modal showing in one place.
    void information(const QString& title, const QString& text) override;
};

} // namespace belegadressen
