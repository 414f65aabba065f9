// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include <QString>
#include <QVariant>
#include <memory>

namespace belegadressen {

struct AdressDaten;
class Recordset;

// What the control core and the number entry need of the subsystems. The core
// knows only these small interfaces; the facade's wiring hands it the
// subsystem objects that implement them, so no core file includes a
// subsystem and no subsystem includes a sibling.

// The currency part of an address (commercial settings).
class CurrencyPort {
public:
    virtual ~CurrencyPort() = default;
    // The rate of `code` from the currency table; -1 when the table has none.
    virtual double HoleWaehrungskurs(const QString& code) = 0;
    // Raises Waehrungchange with what the currency fields show now.
    virtual void raiseWaehrungchange() = 0;
    // Shows and stores the currency fields of a record.
    virtual void zeige(const AdressDaten& r) = 0;
    virtual void speichere(AdressDaten& r) = 0;
};

// Configures the master-data selection fields for new address records.
class MasterDataSetupPort {
public:
    virtual ~MasterDataSetupPort() = default;
    virtual void setup() = 0;
};

// Sites, equipment and technicians of service documents.
class ServiceDataPort {
public:
    virtual ~ServiceDataPort() = default;
    // Brings the customer's site and equipment into address 2.
    virtual void LadeStandort(const QString& kundennummer, bool mitMeldung) = 0;
    // The equipment's name; True (a bool) when there is no such equipment.
    virtual QVariant HoleAnlagenbezeichnung(const QString& kundennummer, qint16 standort,
                                            qint16 anlage) = 0;
    // "Nachname, Vorname" of a staff number; True (a bool) when unknown.
    virtual QVariant HoleMonteurname(const QString& personalNr) = 0;
};

// Reads a customer row the way the number entry does (failures reported
// with the reader's name).
class CustomerReaderPort {
public:
    virtual ~CustomerReaderPort() = default;
    // The customer row, or none when there is no such customer.
    virtual std::shared_ptr<Recordset> LeseKunde(const QString& nummer) = 0;
};

// The customer info window, opened after a load that found an internal remark.
class RemarkPort {
public:
    virtual ~RemarkPort() = default;
    // Shows the customer's internal remark once the load has finished.
    virtual void showInternalRemark(const QString& kundennummer, const QString& remark) = 0;
};

} // namespace belegadressen
