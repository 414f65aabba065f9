// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include <QString>

namespace belegadressen {

struct ControlState;
class AddressRecords;
struct Ui;
class ServiceHub;
class EventSink;

// The appointment of a service order (date, time, duration, subject) and the
// dates of the last maintenance and invoice: handing the appointment to the
// host's appointment book, deleting it, and resetting the service fields.
class Appointments {
public:
    Appointments(const ControlState& state, AddressRecords& records, Ui& ui, ServiceHub& services,
                 EventSink& events);
    void connectSignals();

    void btnVergebeTerminClick();
    void btnTerminAssistentClick();
    void LoescheTermin(bool mitAbfrage);
    void txtTerminFertig();
    void txtDatumLetzteWartungFertig();
    void txtStoerTextVerlassen();
    // Refuses a duration the host's hundredths cannot hold, where it is typed.
    bool txtDauerPruefen();
    void LeereWartungsdaten(int index, bool auchTermin);

private:
    // The field values as the host's appointment book takes them.
    QString terminText() const;
    QString uhrzeitText() const;
    bool dauer(qint16& hundredths);

    const ControlState& mState;
    AddressRecords& mRecords;
    Ui& mUi;
    ServiceHub& mServices;
    EventSink& mEvents;
    QString mRefusedDauer; // the duration text last refused on leaving
};

} // namespace belegadressen
