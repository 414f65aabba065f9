#pragma once
#include <QVariant>

namespace belegadressen {

struct Context;

// The addresses of the document and their two display pages: creating and
// switching addresses, the page buttons and the page-level commands.
class AddressPages {
public:
    explicit AddressPages(Context& c) : c(c) {}
    void connectSignals();

    void setAnzAdresse(qint16 n);
    void sizeAddresses(qint16 n); // the array only, as the stored value is read
    void setAktAdresse(qint16 n);
    void LeereAlleAdressen();
    QVariant SetzeAnzSeiten(qint16 adrNr, qint16 anzSeiten);
    void btnSeiteClick(int index);
    QVariant fktAnzeigeSeite1() const;
    void SetzeFocusNummer();
    void Refresh();
    void AddAnzeigeBreit(bool wide);

    // Runs a page switch that the control makes itself, not the user.
    void switchToPage1Quietly();

private:
    void watchPageMouse();
    Context& c;
};

} // namespace belegadressen
