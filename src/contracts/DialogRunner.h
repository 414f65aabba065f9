// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "belegadressen_export.h"
#include <QString>

class QDialog;

namespace belegadressen {

/// Every modal showing goes through here, so that tests and headless hosts can
/// answer dialogs instead of blocking on them.
class BELEGADRESSEN_EXPORT DialogRunner {
public:
    virtual ~DialogRunner() = default;
    /// Shows a dialog modally and answers its result code.
    virtual int exec(QDialog& dialog) = 0;
    /// Shows a message with an OK button.
    virtual void information(const QString& title, const QString& text) = 0;
};

} // namespace belegadressen
