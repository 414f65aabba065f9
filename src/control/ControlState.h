// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "contracts/Error.h"
#include "contracts/HostApplication.h"
#include "contracts/Recordset.h"
#include "control/AdressDaten.h"
#include <QFont>
#include <QHash>
#include <QStringList>
#include <exception>
#include <memory>
#include <vector>

namespace belegadressen {

class CostAssignment;
class PostalCodeManager;

// The module variables of the control, grouped by the collaborator that
// writes them. The facade owns the whole state; every collaborator reads it
// through a const reference and is handed, by the wiring in
// facade/Collaborators.h, only the groups it writes, so the compiler says who
// may change what.

// The addresses and their two display pages: written by AddressPages, by the
// stored properties that size them, and by AddressView, which shows a record
// with its own page count.
struct PageState {
    qint16 AnzAdresse = 5;
    qint16 AktAdresse = 0;
    qint16 mSeite = 1;
    qint16 mAngezeigteAdresse = 999;
    qint16 mAnzSeiten = 2;
    bool mSeiteVomBenutzer = true;
    bool mSeiteMausLinks = false;
    bool AnzeigeBreit = false;
};

// The layout flags, in their stored order where they are stored: written by
// PageLayout (and the facade's property lets that do not change the layout).
struct LayoutFlags {
    bool MitWartung = false, MitKundendienst = false, MitPostfach = false;
    bool MitVersandanschrift = false, MitRechnungsanschrift = false;
    bool MitKopftext = false, MitFusstext = false, FuerBeleg = false;
    bool MitVersandarten = false, MitSachbearbeiter = false, MitAuftragsrabatt = false;
    bool MitRechnungPerPDF = false, MitDebitorenkonto = false;
    bool MitKundenaktualisierung = false;
};

// What the host sets at run time: written by the facade and, for the postal
// switches and the default duration, by Accessors.
struct HostSettings {
    std::shared_ptr<HostApplication> mAppObj;
    qint16 mBelegart = 0;
    QString mLandeswaehrung;
    double mStandarddauer = 0;
    bool MitPostleitzahl = false, MitPostleitzahlOnline = false;
    std::shared_ptr<PostalCodeManager> mPlzManager;
    // The country of an address whose country field is empty.
    QString Heimatland = QStringLiteral("D");
    bool designMode = false;
};

// Appearance, held and stored only: written by DesignProperties and the
// facade's property lets.
struct Appearance {
    qint32 BackColor = 0, ForeColor = 0;
    bool Enabled = false;
    QFont Font;
    qint16 BackStyle = 0, BorderStyle = 0;
};

// The cost assignment of the customer read last: written by CustomerReader.
struct CustomerAssignment {
    std::shared_ptr<CostAssignment> mKostenzuordnung;
    QString mKostenstelle, mKostentraeger, mKundengruppe;
};

// The number entry: which search the host was asked for, and whether a load
// is filling the records and raising its events (the host may not re-create
// the records or change the current one then, nor start a second load).
// Written by CustomerLoad, AddressLoad, TechnicianContacts and LoadGuard.
struct EntryState {
    bool mSucheKunde = false, mSucheAdresse = false;
    bool mLaedt = false;
};

struct ControlState : PageState,
                      LayoutFlags,
                      HostSettings,
                      Appearance,
                      CustomerAssignment,
                      EntryState {
    // Whether user edits raise their events: closed while the control fills
    // its own fields. Only ChangeGate and ChangeReportingScope change it.
    bool aenderungMelden() const { return mAenderungMelden; }
    // Raises an event of a user edit; nothing while the control fills its fields.
    template <class F> void raiseWhileReporting(F&& raise) const {
        if (mAenderungMelden) raise();
    }

    // The records of the addresses; written only through AddressRecords.
    std::vector<AdressDaten> mAdressen;

    // What a write-back compares the master rows with (by address index):
    // the address as the last load read it, or, for a document filled back
    // in through the Add accessors, as the host put it in. What differs at
    // the write-back was changed by someone else since. Written through
    // AddressRecords.
    struct GeladeneStammzeile {
        QString tabelle; // "Kundenstamm" or "Adressenstamm"; empty: put in by the host
        QString nummer;
        AdressDaten werte;
    };
    QHash<int, GeladeneStammzeile> mGeladeneStammzeilen;

    bool hasAddress(int number) const {
        return number >= 1 && number <= static_cast<int>(mAdressen.size());
    }
    // The record of address `number`; error 9 when there is none.
    const AdressDaten& address(int number) const {
        if (!hasAddress(number))
            throw Error(Error::IndexOutOfRange,
                        QStringLiteral("Index außerhalb des gültigen Bereichs"));
        return mAdressen[static_cast<size_t>(number - 1)];
    }
    const AdressDaten& current() const { return address(AktAdresse); }
    int currentIndex() const { return AktAdresse - 1; }

private:
    friend class ChangeGate;
    friend class ChangeReportingScope;
    // The gate is closed and opened by scopes that only read the rest of the state.
    mutable bool mAenderungMelden = true;
    mutable int mGateDepth = 0; // open ChangeGates; the outermost one opens the gate again
};

// The records of the addresses, as the fills, the accessors and the view
// write them: handed by the wiring only to the collaborators that fill a
// record.
class AddressRecords {
public:
    explicit AddressRecords(ControlState& st) : mSt(st) {}

    std::vector<AdressDaten>& all() { return mSt.mAdressen; }
    AdressDaten& address(int number) {
        mSt.address(number); // error 9 when there is none
        return mSt.mAdressen[static_cast<size_t>(number - 1)];
    }
    AdressDaten& current() { return address(mSt.AktAdresse); }
    AdressDaten& at(int index) { return mSt.mAdressen.at(static_cast<size_t>(index)); }
    QHash<int, ControlState::GeladeneStammzeile>& geladeneStammzeilen() {
        return mSt.mGeladeneStammzeilen;
    }
    // Resets element `index` with the control's home currency and default
    // duration, with the change gate closed (see ChangeGate).
    void leereAdresse(int index, bool resetAppointment);

private:
    ControlState& mSt;
};

// Closes the change gate for its lifetime: fills by the control itself raise
// no field-level events. At the end of the outermost gate the gate opens
// again, whatever it was before; a gate inside a fill (a reset, showing the
// record) leaves it closed until the fill is done.
class ChangeGate {
public:
    // What happens when the scope ends by an exception: a load opens the gate
    // all the same; an Add accessor leaves it closed until the next accessor.
    enum class OnError { Open, StayClosed };

    explicit ChangeGate(const ControlState& st, OnError onError = OnError::Open)
        : mSt(st), mOnError(onError), mExceptions(std::uncaught_exceptions()) {
        ++mSt.mGateDepth;
        mSt.mAenderungMelden = false;
    }
    ~ChangeGate() {
        if (--mSt.mGateDepth > 0) return;
        const bool failed = std::uncaught_exceptions() > mExceptions;
        if (!failed || mOnError == OnError::Open) mSt.mAenderungMelden = true;
    }
    ChangeGate(const ChangeGate&) = delete;
    ChangeGate& operator=(const ChangeGate&) = delete;

private:
    const ControlState& mSt;
    OnError mOnError;
    int mExceptions;
};

// Opens the change gate for its lifetime and gives it back its value
// afterwards, whatever it was: for a window that the user edits in the middle
// of a fill.
class ChangeReportingScope {
public:
    explicit ChangeReportingScope(const ControlState& st) : mSt(st), mBefore(st.mAenderungMelden) {
        mSt.mAenderungMelden = true;
    }
    ~ChangeReportingScope() { mSt.mAenderungMelden = mBefore; }
    ChangeReportingScope(const ChangeReportingScope&) = delete;
    ChangeReportingScope& operator=(const ChangeReportingScope&) = delete;

private:
    const ControlState& mSt;
    bool mBefore;
};

inline void AddressRecords::leereAdresse(int index, bool resetAppointment) {
    ChangeGate gate(mSt);
    mSt.mGeladeneStammzeilen.remove(index);
    LeereAdresse(at(index), index, resetAppointment, mSt.mLandeswaehrung, mSt.mStandarddauer);
}

} // namespace belegadressen
