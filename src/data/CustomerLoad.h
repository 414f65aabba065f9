#pragma once
#include "control/CustomerReader.h"
#include <QString>

namespace belegadressen {

struct Context;
struct AdressDaten;
class Recordset;

// The number entry: a customer number typed into the number field (or handed
// in by the host's search) loads the customer master row into the current
// address and tells the host through its events.
class CustomerLoad : public CustomerReader {
public:
    explicit CustomerLoad(Context& c) : c(c) {}
    void connectSignals();

    // Leaving the number field. Throws on a database failure after the row
    // was read; the address is then cleared again.
    void nummerVerlassen();
    qint32 fktDragNummer(const QString& nummer);
    void btnKundeClick();

    // Reads the customer row into mRsKunde; false when there is none.
    bool LeseKunde(const QString& nummer) override;
    void SchliesseKunde();

    // Resets address i keeping its Kennzeichen, and shows it.
    void leereUndZeige(int i);

private:
    void userLeftNummer();
    void fill(AdressDaten& r, Recordset& rs, int i);
    void fillCurrency(AdressDaten& r, Recordset& rs);
    void LeseKostenzuordnung(Recordset& rs);
    void showInternalRemark(Recordset& rs);
    Context& c;
};

} // namespace belegadressen
