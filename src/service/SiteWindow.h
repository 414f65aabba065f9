// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "contracts/HostApplication.h"
#include <QDialog>
#include <QRect>
#include <memory>
#include <optional>

class QPushButton;

namespace belegadressen {

class SiteList;
class ServiceHub;

// Where the list and the button of the site window go for an inner size in
// twips; nothing moves (nullopt) at 600 or less in either direction.
struct SiteWindowPlacement {
    QRect liste;
    QRect knopf;
};
std::optional<SiteWindowPlacement> placeSiteWindow(int innerWidth, int innerHeight);

// The control's own window for choosing a site and an equipment: it frames
// the site list, feeds it on activation and tells whether a row was taken
// over. Escape and "Zurück" go back without a choice.
class FrmAnlage : public QDialog {
public:
    // Creating the window is its load: the customer number starts empty and
    // the window takes its place from the position service.
    FrmAnlage(ServiceHub& services, QWidget* parent = nullptr);
    ~FrmAnlage() override; // the unload: the position is saved

    void SetzeObjekte_Werte(const QString& pConnectionString, const QString& pKdnr,
                            std::shared_ptr<HostApplication> mAppObj, bool mGlMitBild);

    // True when the user took a row over. Every window starts with false: a
    // showing closed by the close box leaves false, not an earlier choice.
    bool Uebernommen = false;
    SiteList* ocxStandort() const { return mListe; }
    QPushButton* btnOk() const { return mOk; }

    // Feeds the list and loads it, or reports the missing customer number.
    void Form_Activate();

protected:
    bool event(QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    ServiceHub& mServices;
    SiteList* mListe;
    QPushButton* mOk;
    QString mConnectString;
    QString mKdnr;
    std::shared_ptr<HostApplication> mApp;
    bool mMitBild = false;
    bool mAktiv = false; // fed since it became active last
    bool mMeldet = false;
};

} // namespace belegadressen
