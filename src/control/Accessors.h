// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "contracts/Connection.h"
#include "control/AddressView.h"
#include "control/ControlState.h"
#include <memory>
#include <type_traits>

namespace belegadressen {

struct Ui;
class ServiceHub;
class ServiceDataPort;

// The Get/Add members of the host interface. A Get reads the current record;
// an Add closes the change gate, stores into the current record, shows the
// value in its control and opens the gate again. Error 9 when there is no
// current record, before anything changes.
class Accessors {
public:
    Accessors(const ControlState& state, HostSettings& settings, AddressRecords& records, Ui& ui,
              ServiceHub& services, AddressView& view, ServiceDataPort& serviceData)
        : state(state), settings(settings), records(records), ui(ui), services(services),
          view(view), serviceData(serviceData) {}

    template <class T> T get(T AdressDaten::*field) const { return state.current().*field; }

    template <class T> void add(T AdressDaten::*field, const T& value) {
        AdressDaten& r = records.current();
        if constexpr (std::is_same_v<T, QString>) view.requireRoomFor(FieldRef(field), value);
        ChangeGate gate(state, ChangeGate::OnError::StayClosed);
        r.*field = value;
        if constexpr (std::is_same_v<T, QString>)
            noteDocumentValues(field == &AdressDaten::Nummer);
        else
            noteDocumentValues(false);
        show(FieldRef(field));
    }

    // Values with conversions of their own.
    qint16 GetWartDauer() const;
    void AddWartDauer(qint16 hundredths);
    void AddStandarddauer(qint16 hundredths);
    QString GetWartTermin() const;
    QString GetWartUhrzeit() const;
    void AddWartUhrzeit(const QString& v);
    QString GetBemerkung() const;
    void AddBemerkung(const QString& v);
    bool GetDruckAnsprechpartner() const;
    void AddDruckAnsprechpartner(bool v);
    void AddWarttxtStoerText(const QString& text, const QString& rtf);
    QString GetWartStoerText() const;
    void AddWartAnlagennummer(qint16 v);
    void AddWartMonteur(const QString& v);
    void AddMitPostleitzahl(const QString& mit, std::shared_ptr<HostApplication> app,
                            const QString& connectString, std::shared_ptr<Connection> connection,
                            bool ortsteile);
    void AddMitPostleitzahlOnline(const QString& v);

private:
    void show(const FieldRef& field);
    // A document filled back in: what the host puts in stands for the master
    // row a write-back compares with, unless a load of this number left one.
    void noteDocumentValues(bool nummer);
    const ControlState& state;
    HostSettings& settings;
    AddressRecords& records;
    Ui& ui;
    ServiceHub& services;
    AddressView& view;
    ServiceDataPort& serviceData;
};

} // namespace belegadressen
