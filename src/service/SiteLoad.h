#pragma once
#include <QString>
#include <QVariant>

namespace belegadressen {

struct Context;

// Sites, equipment and technicians of the service address (address 2).
class SiteLoad {
public:
    explicit SiteLoad(Context& c) : c(c) {}

    // Brings the customer's site and equipment into address 2 after a load.
    void LadeStandort(const QString& kundennummer, bool mitMeldung);

    // The equipment's description, or true when there is no such equipment.
    QVariant HoleAnlagenbezeichnung(const QString& kundennummer, qint16 standort, qint16 anlage);
    // "Nachname, Vorname" of a staff number; true when unknown; empty for no number.
    QVariant HoleMonteurname(const QString& personalNr);

private:
    Context& c;
};

} // namespace belegadressen
