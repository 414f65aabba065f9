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

void AddressLoad::connectSignals() {
    connectGuarded(ui.btnAdresse, &QToolButton::clicked, ui.btnAdresse,
                   [this] { btnAdresseClick(); });
}

void AddressLoad::btnAdresseClick() {
    events.raiseBtnAdresseClick();
    state.mSucheAdresse = true;
}

bool AddressLoad::LeseAdresse(const QString& nummer) {
    try {
        if (nummer.trimmed().isEmpty()) return false;
        state.mRsKunde = services.connection()->Execute(statements::adresseSelect(nummer));
        if (state.mRsKunde->Eof()) {
            state.mRsKunde.reset();
            return false;
        }
        return true;
    } catch (...) {
        state.mRsKunde.reset();
        reportReaderFailure(services, QStringLiteral("LeseAdresse"));
        return false;
    }
}

void AddressLoad::fill() {
    const int i = state.currentIndex();
    AdressDaten& r = state.current();
    ChangeGate gate(state);
    try {
        state.leereAdresse(i, false);
        fillFromAddressRow(r, *state.mRsKunde);
        // The document keeps no number for a general address; the row's own is the key.
        state.mGeladeneStammzeilen[i] = {MasterColumns::adresse().table,
                                         columnText(*state.mRsKunde, "AdressNummer"), r};
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
        state.mSucheKunde = state.mSucheAdresse = false;
        state.current();
        if (LeseAdresse(nummer)) fill();
        return -1;
    });
}

} // namespace belegadressen
