#pragma once
#include <QString>

namespace belegadressen {

// The host framework's site-information dialog.
class SiteInformationDialog {
public:
    virtual ~SiteInformationDialog() = default;
    virtual void setKundennummer(const QString& number) = 0;
    virtual void showStandortAuskunft() = 0;
    virtual bool statusUebernehmen() const = 0;
    virtual qint32 Standortnummer() const = 0;
    virtual qint32 Anlagenummer() const = 0;
    virtual void dispose() = 0;
    virtual void ShowAuskunftKommunikationsdaten(qint16 mode, const QString& customerNumber,
                                                 bool flag1, bool flag2) = 0;
};

} // namespace belegadressen
