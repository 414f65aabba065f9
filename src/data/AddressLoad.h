#pragma once
#include <QString>

namespace belegadressen {

struct Context;

// General addresses from the address master, and the guard that refuses
// edits on a two-page address that has no number yet.
class AddressLoad {
public:
    explicit AddressLoad(Context& c) : c(c) {}
    void connectSignals();

    // Reads the address row into mRsKunde; false when there is none.
    bool LeseAdresse(const QString& nummer);
    // Fills the current address from the row read last.
    void fill();
    qint32 fktDragNummerAdresse(const QString& nummer);
    void btnAdresseClick();

    // False (after telling the user) when an edit must be refused.
    bool PruefeAdressnummer();

private:
    Context& c;
};

} // namespace belegadressen
