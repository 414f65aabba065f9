// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "control/SubsystemPorts.h"
#include <QString>

class QLabel;

namespace belegadressen {

struct ControlState;
class AddressRecords;
struct Ui;
class ServiceHub;
class EventSink;

// Home and foreign currency of an address: the rate lookup, the labels and
// rate fields of page 2, and the currency event of a load.
class Currency final : public CurrencyPort {
public:
    Currency(const ControlState& state, AddressRecords& records, Ui& ui, ServiceHub& services,
             EventSink& events)
        : state(state), records(records), ui(ui), services(services), events(events) {}

    // The rate of `code` from the currency table; -1 when the table has none.
    double HoleWaehrungskurs(const QString& code) override;
    // Labels the currency as home or foreign currency.
    void SetzeWaehrungsanzeige(const QString& code);
    bool isHomeCurrency(const QString& code) const;

    // Showing and storing the currency part of an address.
    void zeige(const AdressDaten& r) override;
    void speichere(AdressDaten& r) override;

    // Accessors with currency rules.
    void AddWaehrung(const QString& code);
    void AddWechselkursHauswaehrung(double rate);
    void AddKursbehandlung(qint16 value);

    // Raises Waehrungchange with what the fields show now.
    void raiseWaehrungchange() override;

    static QString formatRate(double rate); // "##0.00000" in the German number format
    static double parseRate(const QString& text);
    // The home rate's caption shows five decimals but keeps the rate as it
    // came, so that a rate with more decimals compares and stores unchanged.
    static void showHomeRate(QLabel* caption, double rate);
    static double homeRate(const QLabel* caption);

private:
    void showRateFields(bool foreign);
    const ControlState& state;
    AddressRecords& records;
    Ui& ui;
    ServiceHub& services;
    EventSink& events;
};

} // namespace belegadressen
