// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "data/DuplicateLookup.h"
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

namespace belegadressen {

struct ControlState;
class AddressRecords;
struct Ui;
class Connection;
class ServiceHub;
struct MasterColumns;

// The address block as it is written back into the master data.
struct MasterAddress {
    QString nummer;     // the key, untrimmed
    QStringList values; // by masterFields()
};

// Writes the shown address back into the customer master and the general
// address master, whichever holds the number (both when both do).
class MasterUpdate {
public:
    MasterUpdate(const ControlState& state, AddressRecords& records, Ui& ui, ServiceHub& services)
        : mState(state), mRecords(records), mUi(ui), mServices(services) {}
    void connectSignals();

    // Compares both master rows with what this address was loaded from (or,
    // for a reopened document, with what the host put in) and writes them in
    // one transaction that no other writer can slip into; a row that differs
    // is written only after the user was asked, and a change that arrives
    // while the question is open asks again. Both masters are written or
    // neither. Errors are reported as "btnAktKunde_Click"; a number typed
    // but not loaded writes nothing.
    void btnAktKundeClick();

    MasterAddress shownAddress() const;

    // Told after a write-back of the rows written, customer first, with the
    // values stored there; not told when nothing was written.
    using WrittenHandler = std::function<void(const std::vector<WrittenRow>&)>;
    void setWrittenHandler(WrittenHandler handler) { mWritten = std::move(handler); }

private:
    struct Target;
    void notice(const QString& text);
    // Refuses (with a message) a field that does not hold its record's value.
    bool holdsWholeValues(const MasterAddress& a);
    void write(MasterAddress& a);
    // After a COMMIT whose answer was lost: whether the rows hold what was written.
    bool storedAfterAll(Connection& connection, const std::vector<Target>& targets,
                        const MasterAddress& a);

    const ControlState& mState;
    AddressRecords& mRecords;
    Ui& mUi;
    ServiceHub& mServices;
    WrittenHandler mWritten;
};

} // namespace belegadressen
