#include "service/SiteLoad.h"
#include "control/ControlState.h"
#include "control/DocumentKinds.h"
#include "control/ServiceHub.h"
#include "platform/SqlText.h"

namespace belegadressen {

void SiteLoad::LadeStandort(const QString& kundennummer, bool mitMeldung) {
    Q_UNUSED(kundennummer);
    Q_UNUSED(mitMeldung);
    const ControlState& st = state;
    if (!(st.MitWartung || st.MitKundendienst) || !documentKinds::loadsServiceData(st.mBelegart))
        return;
    // Taking sites and equipment over into address 2 is not built yet.
}

QVariant SiteLoad::HoleAnlagenbezeichnung(const QString& kundennummer, qint16 standort,
                                          qint16 anlage) {
    auto rs = services.connection()->Execute(
        "Select Bezeichnung from Anlagenstamm where Kundennummer = " + quoted(kundennummer) +
        " AND Standortnummer = " + QString::number(standort) +
        " AND Anlagenummer = " + QString::number(anlage));
    if (rs->Eof()) return true;
    return rs->Value("Bezeichnung").toString();
}

QVariant SiteLoad::HoleMonteurname(const QString& personalNr) {
    if (personalNr.isEmpty()) return {};
    auto rs = services.connection()->Execute(
        "Select NachName, Vorname from Personalstamm where PersonalNr = " + quoted(personalNr));
    if (rs->Eof()) return true;
    const QString nachname = rs->Value("NachName").toString();
    const QString vorname = rs->Value("Vorname").toString();
    return vorname.isEmpty() ? nachname : nachname + ", " + vorname;
}

} // namespace belegadressen
