// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "contracts/DialogRunner.h"
#include "contracts/HostApplication.h"
#include "contracts/SiteInformationDialog.h"
#include <memory>

namespace belegadressen {

// The site-information dialog: the customer's sites and equipment to choose
// from, and the customer's communication data to look at. Both show modally
// through the dialog runner, so a headless host or a test answers them.
class StandortAuskunft : public SiteInformationDialog {
public:
    StandortAuskunft(std::shared_ptr<HostApplication> app, std::shared_ptr<DialogRunner> dialogs)
        : mApp(std::move(app)), mDialogs(std::move(dialogs)) {}

    void setKundennummer(const QString& number) override { mKundennummer = number; }
    void showStandortAuskunft() override;
    bool statusUebernehmen() const override { return mUebernehmen; }
    qint32 Standortnummer() const override { return mStandort; }
    qint32 Anlagenummer() const override { return mAnlage; }
    void dispose() override;
    void ShowAuskunftKommunikationsdaten(qint16 mode, const QString& customerNumber, bool flag1,
                                         bool flag2) override;

private:
    std::shared_ptr<HostApplication> mApp;
    std::shared_ptr<DialogRunner> mDialogs;
    QString mKundennummer;
    bool mUebernehmen = false;
    qint32 mStandort = 0;
    qint32 mAnlage = 0;
};

} // namespace belegadressen
