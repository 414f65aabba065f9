// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "service/SiteWindow.h"
#include "contracts/SiteList.h"
#include "control/ErrorStyles.h"
#include "control/ServiceHub.h"
#include "control/Twips.h"
#include "platform/GuardedConnect.h"
#include <QEvent>
#include <QPushButton>

namespace belegadressen {

namespace {
const QString kPositionKey = QStringLiteral("AnlagenAuskunft");

int toTwips(const QWidget* w, int px) {
    const int dpi = w->logicalDpiX() > 0 ? w->logicalDpiX() : 96;
    return (px * 1440 + dpi / 2) / dpi;
}

QRect toPixels(const QWidget* w, const QRect& tw) {
    return {twipsToPixels(w, tw.x()), twipsToPixels(w, tw.y()), twipsToPixels(w, tw.width()),
            twipsToPixels(w, tw.height())};
}
} // namespace

std::optional<SiteWindowPlacement> placeSiteWindow(int innerWidth, int innerHeight) {
    if (innerWidth <= 600 || innerHeight <= 600) return std::nullopt;
    return SiteWindowPlacement{QRect(0, 0, innerWidth, innerHeight - 500),
                               QRect(innerWidth - 1320, innerHeight - 420, 1275, 375)};
}

FrmAnlage::FrmAnlage(ServiceHub& services, QWidget* parent) : QDialog(parent), mServices(services) {
    setObjectName(QStringLiteral("frmAnlage"));
    setWindowTitle(QStringLiteral("Auskunft Standorte / Anlage"));
    mListe = services.newSiteList(this);
    mListe->setObjectName(QStringLiteral("ocxStandort"));
    mOk = new QPushButton(QStringLiteral("Zurück"), this);
    mOk->setObjectName(QStringLiteral("btnOk"));
    // Enter belongs to the list (take over), never to "Zurück".
    mOk->setAutoDefault(false);
    mOk->setDefault(false);
    connectGuarded(mListe, &SiteList::Uebernommen, this, [this] {
        Uebernommen = true;
        accept();
    });
    connectGuarded(mOk, &QPushButton::clicked, this, [this] {
        Uebernommen = false;
        reject();
    });
    resize(twipsToPixels(this, 9000), twipsToPixels(this, 6000));
    skipOnError([&] { mServices.windowPositions().Restore(kPositionKey, *this); });
}

FrmAnlage::~FrmAnlage() {
    skipOnError([&] { mServices.windowPositions().Save(kPositionKey, *this); });
    mApp.reset();
}

void FrmAnlage::SetzeObjekte_Werte(const QString& pConnectionString, const QString& pKdnr,
                                   std::shared_ptr<HostApplication> mAppObj, bool mGlMitBild) {
    mConnectString = pConnectionString;
    mKdnr = pKdnr;
    mApp = std::move(mAppObj);
    mMitBild = mGlMitBild;
}

void FrmAnlage::Form_Activate() {
    if (mKdnr.isEmpty()) {
        // The message box taking the activation is no return from another window.
        mMeldet = true;
        skipOnError([&] {
            mServices.messages().Meldung(QStringLiteral("Es ist keine Kundennummer vorhanden."), 4,
                                         QStringLiteral("frmAnlage"), 0);
        });
        mMeldet = false;
        return;
    }
    skipOnError([&] { mListe->setConnectString(mConnectString); });
    skipOnError([&] { mListe->setKundennummer(mKdnr); });
    skipOnError([&] { mListe->setAppObj(mApp); });
    skipOnError([&] { mListe->setBilderAnzeigen(mMitBild); });
    skipOnError([&] { mListe->Laden(); });
    mListe->setFocus(Qt::OtherFocusReason);
}

// The list is fed each time the window becomes active, so it is refilled
// when the user comes back from another window. A window shown without ever
// becoming active (a headless showing) is fed once when shown.
bool FrmAnlage::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate && !mAktiv) {
        mAktiv = true;
        guarded([&] { Form_Activate(); });
    } else if (e->type() == QEvent::WindowDeactivate && isVisible() && !mMeldet) {
        mAktiv = false;
    }
    return QDialog::event(e);
}

void FrmAnlage::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (!mAktiv) {
        mAktiv = true;
        guarded([&] { Form_Activate(); });
    }
}

void FrmAnlage::resizeEvent(QResizeEvent* e) {
    QDialog::resizeEvent(e);
    const auto placement = placeSiteWindow(toTwips(this, width()), toTwips(this, height()));
    if (!placement) return;
    mListe->setGeometry(toPixels(this, placement->liste));
    mOk->setGeometry(toPixels(this, placement->knopf));
}

} // namespace belegadressen
