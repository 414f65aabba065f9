// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "data/CustomerReader.h"
#include "contracts/CostAssignment.h"
#include "control/ControlState.h"
#include "control/ErrorStyles.h"
#include "control/Narrowing.h"
#include "control/ServiceHub.h"
#include "data/RowMapping.h"
#include "data/Statements.h"

namespace belegadressen {

using namespace Qt::StringLiterals;

std::shared_ptr<Recordset> CustomerReader::LeseKunde(const QString& nummer) {
    bool failed = false;
    return LeseKunde(nummer, failed);
}

std::shared_ptr<Recordset> CustomerReader::LeseKunde(const QString& nummer, bool& failed) {
    failed = false;
    if (nummer.trimmed().isEmpty()) return nullptr;
    assignment.mKostenstelle.clear();
    assignment.mKostentraeger.clear();
    assignment.mKundengruppe.clear();
    std::shared_ptr<Recordset> row =
        readRow(services, statements::kundeSelect(nummer), QStringLiteral("LeseKunde"), &failed);
    qCDebug(lcLoad) << (row ? "LeseKunde: customer" : "LeseKunde: no customer") << nummer;
    if (!row) return nullptr;
    try {
        LeseKostenzuordnung(*row);
        assignment.mKundengruppe = columnText(*row, u"Kundengruppe"_s);
        return row;
    } catch (...) {
        reportReaderFailure(services, QStringLiteral("LeseKunde"));
        failed = true;
        return nullptr;
    }
}

void CustomerReader::LeseKostenzuordnung(const Recordset& rs) {
    if (!assignment.mKostenzuordnung) {
        assignment.mKostenzuordnung = services.newCostAssignment();
        assignment.mKostenzuordnung->Init(services.connection());
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
    if (assignment.mKostenzuordnung->Suche(*id)) {
        assignment.mKostentraeger = assignment.mKostenzuordnung->Kostentraeger();
        assignment.mKostenstelle = assignment.mKostenzuordnung->Kostenstelle();
    }
}

} // namespace belegadressen
