// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "control/SubsystemPorts.h"
#include <QString>
#include <QVariant>
#include <memory>

namespace belegadressen {

struct ControlState;
class AddressRecords;
struct Ui;
class ServiceHub;
class EventSink;
class AddressView;
class Appointments;
class Recordset;
enum class Takeover;

// The site and equipment of a service order in address 2: found after a
// customer load, or chosen by the user with btnAnlage in the host's site
// dialog or in the control's own site window.
class SiteLoad final : public ServiceDataPort {
public:
    SiteLoad(const ControlState& state, AddressRecords& records, Ui& ui, ServiceHub& services,
             EventSink& events, AddressView& view, Appointments& appointments);
    void connectSignals();

    // Brings the customer's site and equipment into address 2 after a load.
    void LadeStandort(const QString& kundennummer, bool mitMeldung) override;
    void btnAnlage_Click();
    // Closes the site and equipment rows of the last load (SchliesseSelect, termination).
    void releaseRows();

    // The equipment's description, or true when there is no such equipment.
    QVariant HoleAnlagenbezeichnung(const QString& kundennummer, qint16 standort,
                                    qint16 anlage) override;
    // "Nachname, Vorname" of a staff number; true when unknown; empty for no number.
    QVariant HoleMonteurname(const QString& personalNr) override;

private:
    void dialogAuswahl(const QString& kunde);
    void fensterAuswahl(const QString& kunde);
    void uebernehmeStandort(const Recordset& site, Takeover how);
    void uebernehmeAnlage(const Recordset& equipment, Takeover how, bool bezeichnungRoh);
    void automatischeAuswahl();
    void kopiereAdresse1();

    const ControlState& mState;
    AddressRecords& mRecords;
    Ui& mUi;
    ServiceHub& mServices;
    EventSink& mEvents;
    AddressView& mView;
    Appointments& mAppointments;
    bool mAutoAuswahl = false;
    std::shared_ptr<Recordset> mRsStandort;
    std::shared_ptr<Recordset> mRsAnlage;
};

} // namespace belegadressen
