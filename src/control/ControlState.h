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

// The module variables of the control: addresses, configuration flags and the
// state of the number entry. Plain data; the collaborators change it.
struct ControlState {
    // Whether user edits raise their events: closed while the control fills
    // its own fields. Only ChangeGate and ChangeReportingScope change it.
    bool aenderungMelden() const { return mAenderungMelden; }
    // Raises an event of a user edit; nothing while the control fills its fields.
    template <class F> void raiseWhileReporting(F&& raise) const {
        if (mAenderungMelden) raise();
    }

    std::vector<AdressDaten> mAdressen;
    qint16 AnzAdresse = 5;
    qint16 AktAdresse = 0;
    qint16 mSeite = 1;
    qint16 mAngezeigteAdresse = 999;
    qint16 mAnzSeiten = 2;
    qint16 mBelegart = 0;
    QString mLandeswaehrung;
    double mStandarddauer = 0;

    std::shared_ptr<HostApplication> mAppObj;
    std::shared_ptr<Recordset> mRsKunde;
    std::shared_ptr<Recordset> mRsStandort;
    std::shared_ptr<Recordset> mRsAnlage;
    std::shared_ptr<CostAssignment> mKostenzuordnung;
    std::shared_ptr<PostalCodeManager> mPlzManager;
    QString mKostenstelle, mKostentraeger, mKundengruppe;

    // Layout flags, in their stored order where they are stored.
    bool MitWartung = false, MitKundendienst = false, MitPostfach = false;
    bool MitVersandanschrift = false, MitRechnungsanschrift = false;
    bool MitKopftext = false, MitFusstext = false, FuerBeleg = false;
    bool MitVersandarten = false, MitSachbearbeiter = false, MitAuftragsrabatt = false;
    bool MitRechnungPerPDF = false, MitDebitorenkonto = false;
    bool MitPostleitzahl = false, MitPostleitzahlOnline = false;
    // The country of an address whose country field is empty.
    QString Heimatland = QStringLiteral("D");
    bool MitKundenaktualisierung = false;
    bool AnzeigeBreit = false;

    // Appearance, held and stored only.
    qint32 BackColor = 0, ForeColor = 0;
    bool Enabled = false;
    QFont Font;
    qint16 BackStyle = 0, BorderStyle = 0;

    bool mSeiteVomBenutzer = true;
    bool mSeiteMausLinks = false;
    bool mSucheKunde = false, mSucheAdresse = false;
    bool mOrtGeprueft = false;
    bool designMode = false;
    // A customer load is filling the records and raising its events: the
    // host may not re-create the records or change the current one then,
    // nor start a second load.
    bool mLaedt = false;

    // What a write-back compares the master rows with (by address index):
    // the address as the last load read it, or, for a document filled back
    // in through the Add accessors, as the host put it in. What differs at
    // the write-back was changed by someone else since.
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
    AdressDaten& address(int number) {
        if (!hasAddress(number))
            throw Error(Error::IndexOutOfRange,
                        QStringLiteral("Index außerhalb des gültigen Bereichs"));
        return mAdressen[static_cast<size_t>(number - 1)];
    }
    AdressDaten& current() { return address(AktAdresse); }
    int currentIndex() const { return AktAdresse - 1; }

    // Resets element `index` with the control's home currency and default
    // duration, with the change gate closed (see ChangeGate).
    void leereAdresse(int index, bool resetAppointment);

private:
    friend class ChangeGate;
    friend class ChangeReportingScope;
    bool mAenderungMelden = true;
    int mGateDepth = 0; // open ChangeGates; the outermost one opens the gate again
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

    explicit ChangeGate(ControlState& st, OnError onError = OnError::Open)
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
    ControlState& mSt;
    OnError mOnError;
    int mExceptions;
};

// Opens the change gate for its lifetime and gives it back its value
// afterwards, whatever it was: for a window that the user edits in the middle
// of a fill.
class ChangeReportingScope {
public:
    explicit ChangeReportingScope(ControlState& st) : mSt(st), mBefore(st.mAenderungMelden) {
        mSt.mAenderungMelden = true;
    }
    ~ChangeReportingScope() { mSt.mAenderungMelden = mBefore; }
    ChangeReportingScope(const ChangeReportingScope&) = delete;
    ChangeReportingScope& operator=(const ChangeReportingScope&) = delete;

private:
    ControlState& mSt;
    bool mBefore;
};

inline void ControlState::leereAdresse(int index, bool resetAppointment) {
    ChangeGate gate(*this);
    mGeladeneStammzeilen.remove(index);
    LeereAdresse(mAdressen.at(static_cast<size_t>(index)), index, resetAppointment, mLandeswaehrung,
                 mStandarddauer);
}

} // namespace belegadressen
