#pragma once
#include "data/DuplicateLookup.h"
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class QLineEdit;

namespace belegadressen {

struct ControlState;
class AddressRecords;
struct Ui;
class ServiceHub;
struct MasterColumns;
struct ForeignChange;

// The address block as it is written back into the master data.
struct MasterAddress {
    QString nummer; // the key, untrimmed
    QString vorname, bez1, bez2, bez3, bez4, strasse, ort, land, plz, postfach, postfachPlz;
    QString anrede; // salutation key
};

// The statements of the write-back, each value through the quoting helper.
namespace masterstatements {
QString kundeExists(const QString& nummer);
QString adresseExists(const QString& nummer);
QString kundeUpdate(const MasterAddress& a);
// The general address has no fourth name line and no PO box.
QString adresseUpdate(const MasterAddress& a);
} // namespace masterstatements

// Writes the shown address back into the customer master and the general
// address master, whichever holds the number (both when both do).
class MasterUpdate {
public:
    MasterUpdate(const ControlState& state, AddressRecords& records, Ui& ui, ServiceHub& services)
        : mState(state), mRecords(records), mUi(ui), mServices(services) {}
    void connectSignals();

    // Updates the customer master, then the address master, each with its
    // notice; no transaction spans the two, so a customer update that already
    // ran stays done. Errors are reported as "btnAktKunde_Click". Where this
    // control loaded the row, a row changed by someone else since is not
    // overwritten unasked; a number typed but not loaded writes nothing.
    void btnAktKundeClick();

    MasterAddress shownAddress() const;

    // Told after a write-back of the rows written, customer first, with the
    // values stored there; not told when nothing was written.
    using WrittenHandler = std::function<void(const std::vector<WrittenRow>&)>;
    void setWrittenHandler(WrittenHandler handler) { mWritten = std::move(handler); }

private:
    void notice(const QString& text);
    bool writeInto(const MasterColumns& master, MasterAddress& a, std::vector<WrittenRow>& written);
    // Puts the other user's values of the changed columns into the fields.
    void takeOver(const MasterColumns& master, const QStringList& stored,
                  const std::vector<ForeignChange>& changes);
    QLineEdit* fieldOf(const QString& column) const;

    const ControlState& mState;
    AddressRecords& mRecords;
    Ui& mUi;
    ServiceHub& mServices;
    WrittenHandler mWritten;
};

} // namespace belegadressen
