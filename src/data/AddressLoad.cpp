// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "data/AddressLoad.h"
#include "control/AddressView.h"
#include "control/ControlState.h"
#include "control/ErrorStyles.h"
#include "control/EventSink.h"
#include "control/LoadGuard.h"
#include "control/ServiceHub.h"
#include "control/Ui.h"
#include "control/Widgets.h"
#include "data/MasterConflict.h"
#include "data/RowMapping.h"
#include "data/Statements.h"
#include "platform/GuardedConnect.h"

namespace belegadressen {

using namespace Qt::StringLiterals;

void AddressLoad::connectSignals() {
    connectGuarded(ui.btnAdresse, &QToolButton::clicked, ui.btnAdresse,
                   [this] { btnAdresseClick(); });
}

void AddressLoad::btnAdresseClick() {
    events.raiseBtnAdresseClick();
    entry.mSucheAdresse = true;
}

std::shared_ptr<Recordset> AddressLoad::LeseAdresse(const QString& nummer, bool* failed) {
    if (failed) *failed = false;
    if (nummer.trimmed().isEmpty()) return nullptr;
    std::shared_ptr<Recordset> row =
        readRow(services, statements::adresseSelect(nummer), QStringLiteral("LeseAdresse"), failed);
    qCDebug(lcLoad) << (row ? "LeseAdresse: general address" : "LeseAdresse: no general address")
                    << nummer;
    return row;
}

void AddressLoad::fill(const Recordset& row) {
    const int i = state.currentIndex();
    AdressDaten& r = records.current();
    ChangeGate gate(state);
    try {
        records.leereAdresse(i, false);
        fillFromAddressRow(r, row);
        // The document keeps no number for a general address; the row's own is the key.
        records.geladeneStammzeilen()[i] = {MasterColumns::adresse().table,
                                            columnText(row, u"AdressNummer"_s), r};
    } catch (...) {
        view.leereUndZeige(i);
        throw;
    }
    view.ZeigeAdresse();
    if (mFilled) skipOnError(mFilled);
    skipOnError([&] {
        if (shown(ui.ocxAnrede)) ui.ocxAnrede->setFocus(Qt::OtherFocusReason);
    });
    events.raiseChange();
}

qint32 AddressLoad::fktDragNummerAdresse(const QString& nummer) {
    return zeroOnError([&]() -> qint32 {
        refuseDuringLoad(state, QStringLiteral("fktDragNummerAdresse"));
        entry.mSucheKunde = entry.mSucheAdresse = false;
        state.current();
        if (const std::shared_ptr<Recordset> row = LeseAdresse(nummer)) fill(*row);
        return -1;
    });
}

} // namespace belegadressen
