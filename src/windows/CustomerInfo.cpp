// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "windows/CustomerInfo.h"
#include "control/ControlState.h"
#include "control/ErrorStyles.h"
#include "control/EventSink.h"
#include "control/ServiceHub.h"
#include "control/Ui.h"
#include "control/Values.h"
#include "control/Widgets.h"
#include "platform/GuardedConnect.h"
#include "platform/SqlText.h"
#include "windows/FrmInfo.h"
#include "windows/RemarkText.h"

namespace belegadressen {

namespace {

const QString kNoNumber = QStringLiteral("Es ist keine Adressnummer vorhanden.");

QString column(const Recordset& rs, const char* name) {
    return textOf(rs.Value(QString::fromLatin1(name)));
}

} // namespace

CustomerInfo::CustomerInfo(const ControlState& state, Ui& ui, ServiceHub& services,
                           EventSink& events, CustomerReaderPort& customers)
    : mState(state), mUi(ui), mServices(services), mEvents(events), mCustomers(customers) {}

CustomerInfo::~CustomerInfo() { delete mWindow.data(); }

FrmInfo* CustomerInfo::window() const { return mWindow.data(); }

void CustomerInfo::connectSignals() {
    for (qint16 i = 0; i < 2; ++i)
        connectGuarded(mUi.btnInfo[i], &QPushButton::clicked, mUi.btnInfo[i],
                       [this, i] { btnInfoClick(i); });
    connectGuarded(mUi.Timer1, &QTimer::timeout, mUi.Timer1, [this] { timerFired(); });
}

// The host hears of the click in every case, also after the message.
void CustomerInfo::btnInfoClick(qint16 index) {
    skipOnError([&] {
        const QString nummer = mUi.txtDNummer->text();
        if (nummer.isEmpty()) {
            mServices.meldung(kNoNumber);
            return;
        }
        const std::shared_ptr<Recordset> row = LeseKundeInfos(nummer);
        if (!row) return;
        FrmInfo& w = load();
        w.setMode(QString::number(index));
        skipOnError([&] {
            const Recordset& rs = *row;
            w.SetzeWerte(column(rs, "Kundennummer"),
                         column(rs, index == 0 ? "Kundeninfo" : "InterneBemerkung"));
        });
        skipOnError([&] { w.SetzeConnectionDb(mServices.connection()); });
        showAndUnload();
    });
    mEvents.raiseBtnInfoClick(index);
}

std::shared_ptr<Recordset> CustomerInfo::LeseKundeInfos(const QString& nummer) {
    if (nummer.trimmed().isEmpty()) return nullptr;
    return readRow(mServices,
                   QStringLiteral("select Kundennummer, Kundeninfo, InterneBemerkung FROM "
                                  "Kundenstamm where KundenNummer = ") +
                       quoted(nummer),
                   QStringLiteral("LeseKundeInfos"));
}

// The change gate is open while the remark is shown and gets back its value
// afterwards, whatever it was.
void CustomerInfo::Anzeige_Kundeninfo(const QString& nummer) {
    skipOnError([&] {
        const std::shared_ptr<Recordset> row = mCustomers.LeseKunde(nummer);
        if (!row) return;
        ChangeReportingScope reporting(mState);
        const Recordset& rs = *row;
        const QString remark = column(rs, "InterneBemerkung");
        if (!remarkHasText(remark)) return;
        prepareRemark(column(rs, "Kundennummer"), remark);
        showAndUnload();
    });
}

// The window opens from Timer1, once the load has finished.
void CustomerInfo::showInternalRemark(const QString& kundennummer,
                                      const QString& interneBemerkung) {
    if (!remarkHasText(interneBemerkung)) return;
    prepareRemark(kundennummer, interneBemerkung);
    mUi.Timer1->start();
    if (shown(mUi.ocxAnrede)) mUi.ocxAnrede->setFocus(Qt::OtherFocusReason);
}

bool CustomerInfo::remarkHasText(const QString& remark) {
    // Most customers have none: nothing to lay out into the scratch document.
    if (!hasVisibleText(remark)) return false;
    if (!setRemark(*mUi.chkRtf->document(), remark.trimmed()))
        return hasVisibleText(remarkPlainText(remark.trimmed()));
    return hasVisibleText(mUi.chkRtf->toPlainText());
}

void CustomerInfo::prepareRemark(const QString& kundennummer, const QString& remark) {
    FrmInfo& w = load();
    w.setMode(QStringLiteral("1"));
    skipOnError([&] { w.SetzeConnectionDb(mServices.connection()); });
    w.SetzeWerte(kundennummer, remark);
}

// Loading the window restores its position; a window already loaded and not
// yet shown is prepared again.
FrmInfo& CustomerInfo::load() {
    if (!mWindow) {
        mWindow = new FrmInfo(mServices.windowPositions(), mUi.root->window());
        mWindow->setUserDialogs(&mServices.dialogs(),
                                [this](const QString& text) { mServices.meldung(text); });
    }
    return *mWindow;
}

void CustomerInfo::showAndUnload() {
    if (!mWindow) return;
    skipOnError([&] { mServices.dialogs().exec(*mWindow); });
    unload();
}

void CustomerInfo::unload() {
    if (!mWindow) return;
    skipOnError([&] { mWindow->unload(); });
    delete mWindow.data();
}

// Fires once per load; without a prepared window (another opening showed it
// meanwhile) there is nothing to show.
void CustomerInfo::timerFired() {
    mUi.Timer1->stop();
    showAndUnload();
}

} // namespace belegadressen
