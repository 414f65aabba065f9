// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "control/SubsystemPorts.h"
#include <QPointer>
#include <QString>

namespace belegadressen {

struct ControlState;
struct Ui;
class ServiceHub;
class EventSink;
class CustomerReaderPort;
class FrmInfo;
class Recordset;

// Opens the customer info window: from the two info buttons, for the host's
// Anzeige_Kundeninfo, and through Timer1 after a customer load whose internal
// remark has text. The window is the one default instance: prepared, shown
// modally and unloaded for each opening.
class CustomerInfo final : public RemarkPort {
public:
    CustomerInfo(const ControlState& state, Ui& ui, ServiceHub& services, EventSink& events,
                 CustomerReaderPort& customers);
    ~CustomerInfo() override;
    CustomerInfo(const CustomerInfo&) = delete;
    CustomerInfo& operator=(const CustomerInfo&) = delete;

    void connectSignals();

    // Click on btnInfo(index): 0 the customer info, 1 the internal remark.
    void btnInfoClick(qint16 index);
    // Number, info and remark of customer `nummer`, or none.
    std::shared_ptr<Recordset> LeseKundeInfos(const QString& nummer);
    void Anzeige_Kundeninfo(const QString& nummer);
    void showInternalRemark(const QString& kundennummer, const QString& interneBemerkung) override;

    // The prepared window, or none.
    FrmInfo* window() const;

private:
    FrmInfo& load();
    // Puts the trimmed remark into the hidden box chkRtf: true when its plain
    // text says anything.
    bool remarkHasText(const QString& remark);
    void prepareRemark(const QString& kundennummer, const QString& remark);
    void showAndUnload();
    void unload();
    void timerFired();

    const ControlState& mState;
    Ui& mUi;
    ServiceHub& mServices;
    EventSink& mEvents;
    CustomerReaderPort& mCustomers;
    QPointer<FrmInfo> mWindow;
};

} // namespace belegadressen
