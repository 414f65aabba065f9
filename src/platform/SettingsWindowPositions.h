// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "belegadressen_export.h"
#include "contracts/WindowPositionService.h"

namespace belegadressen {

/// Keeps window geometries in QSettings under "Fensterpositionen/<key>".
/// Without a file the settings of the running application (its organisation
/// and application names) are used.
class BELEGADRESSEN_EXPORT SettingsWindowPositions : public WindowPositionService {
public:
    /// Keeps positions in the running application's settings.
    SettingsWindowPositions() = default;
    /// Keeps positions in the given INI file.
    explicit SettingsWindowPositions(const QString& iniFile) : mIniFile(iniFile) {}

    /// A window without a saved position keeps its geometry.
    void Restore(const QString& key, QWidget& window) override;
    void Save(const QString& key, const QWidget& window) override;

private:
    QString mIniFile;
};

} // namespace belegadressen
