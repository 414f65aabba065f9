// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "belegadressen_export.h"
#include <QString>

namespace belegadressen {

/// The host framework's site-information dialog.
class BELEGADRESSEN_EXPORT SiteInformationDialog {
public:
    virtual ~SiteInformationDialog() = default;
    /// The customer whose sites are shown.
    virtual void setKundennummer(const QString& number) = 0;
    /// Shows the dialog modally.
    virtual void showStandortAuskunft() = 0;
    /// Whether the user took a site over.
    virtual bool statusUebernehmen() const = 0;
    /// The site taken over.
    virtual qint32 Standortnummer() const = 0;
    /// The equipment taken over.
    virtual qint32 Anlagenummer() const = 0;
    /// Releases the dialog.
    virtual void dispose() = 0;
    /// Shows the communication data of a customer.
    virtual void ShowAuskunftKommunikationsdaten(qint16 mode, const QString& customerNumber,
                                                 bool flag1, bool flag2) = 0;
};

} // namespace belegadressen
