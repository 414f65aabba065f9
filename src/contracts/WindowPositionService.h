// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "belegadressen_export.h"
#include <QString>

class QWidget;

namespace belegadressen {

/// Keeps the positions of windows by key.
class BELEGADRESSEN_EXPORT WindowPositionService {
public:
    virtual ~WindowPositionService() = default;
    /// Puts a window where it was saved under the key.
    virtual void Restore(const QString& key, QWidget& window) = 0;
    /// Saves the position of a window under the key.
    virtual void Save(const QString& key, const QWidget& window) = 0;
};

} // namespace belegadressen
