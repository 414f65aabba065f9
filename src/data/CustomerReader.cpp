#include "data/CustomerReader.h"
#include "contracts/CostAssignment.h"
#include "control/ControlState.h"
#include "control/ErrorStyles.h"
#include "control/Narrowing.h"
#include "control/ServiceHub.h"
#include "data/RowMapping.h"
#include "data/Statements.h"

namespace belegadressen {

bool CustomerReader::LeseKunde(const QString& nummer) {
    try {
        if (nummer.trimmed().isEmpty()) return false;
        state.mRsKunde = services.connection()->Execute(statements::kundeSelect(nummer));
        state.mKostenstelle.clear();
        state.mKostentraeger.clear();
        state.mKundengruppe.clear();
        if (state.mRsKunde->Eof()) {
            qCDebug(lcLoad) << "LeseKunde: no customer" << nummer;
            state.mRsKunde.reset();
            return false;
        }
        qCDebug(lcLoad) << "LeseKunde: customer" << nummer;
        LeseKostenzuordnung(*state.mRsKunde);
        state.mKundengruppe = columnText(*state.mRsKunde, "Kundengruppe");
        return true;
    } catch (...) {
        state.mRsKunde.reset();
        reportReaderFailure(services, QStringLiteral("LeseKunde"));
        return false;
    }
}

void CustomerReader::LeseKostenzuordnung(const Recordset& rs) {
    if (!state.mKostenzuordnung) {
        state.mKostenzuordnung = services.newCostAssignment();
        state.mKostenzuordnung->Init(services.connection());
    }
    const QVariant kostid = rs.Value("kostid");
    if (kostid.isNull() || kostid.toLongLong() == 0) return;
    const std::optional<qint32> id = toInt32(kostid);
    if (!id) {
        services.meldung(QStringLiteral("Die Kostenzuordnung %1 des Kunden liegt außerhalb des "
                                        "gültigen Bereichs und wird nicht gelesen.")
                             .arg(kostid.toString()));
        return;
    }
    if (state.mKostenzuordnung->Suche(*id)) {
        state.mKostentraeger = state.mKostenzuordnung->Kostentraeger();
        state.mKostenstelle = state.mKostenzuordnung->Kostenstelle();
    }
}

void CustomerReader::SchliesseKunde() { state.mRsKunde.reset(); }

} // namespace belegadressen
