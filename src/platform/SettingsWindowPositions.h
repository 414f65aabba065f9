#pragma once
#include "contracts/WindowPositionService.h"

namespace belegadressen {

// Keeps window geometries in QSettings under "Fensterpositionen/<key>".
// Without a file the settings of the running application (its organisation
// and application names) are used.
class SettingsWindowPositions : public WindowPositionService {
public:
    SettingsWindowPositions() = default;
    explicit SettingsWindowPositions(const QString& iniFile) : mIniFile(iniFile) {}

    // A window without a saved position keeps its geometry.
    void Restore(const QString& key, QWidget& window) override;
    void Save(const QString& key, const QWidget& window) override;

private:
    QString mIniFile;
};

} // namespace belegadressen
