#include "data/AddressLoad.h"
#include "control/Collaborators.h"
#include "control/Context.h"
#include "control/ErrorStyles.h"
#include "control/LoadGuard.h"
#include "control/Values.h"
#include "control/Widgets.h"
#include "data/Statements.h"
#include <QCoreApplication>

namespace belegadressen {

void AddressLoad::connectSignals() {
    QObject::connect(c.ui.btnAdresse, &QToolButton::clicked, c.ui.btnAdresse,
                     [this] { guarded([&] { btnAdresseClick(); }); });
}

void AddressLoad::btnAdresseClick() {
    c.ev.raiseBtnAdresseClick();
    c.st.mSucheAdresse = true;
}

bool AddressLoad::LeseAdresse(const QString& nummer) {
    ControlState& st = c.st;
    try {
        if (nummer.trimmed().isEmpty()) return false;
        st.mRsKunde = c.svc.connection()->Execute(statements::adresseSelect(nummer));
        if (st.mRsKunde->Eof()) {
            st.mRsKunde.reset();
            return false;
        }
        return true;
    } catch (...) {
        st.mRsKunde.reset();
        reportReaderFailure(c.svc, QStringLiteral("LeseAdresse"));
        return false;
    }
}

void AddressLoad::fill() {
    ControlState& st = c.st;
    const int i = st.currentIndex();
    AdressDaten& r = st.current();
    const Recordset& rs = *st.mRsKunde;
    auto text = [&](const char* column) { return textOf(rs.Value(QString::fromUtf8(column))); };
    st.mAenderungMelden = false;
    try {
        st.leereAdresse(i, false);
        r.MwstKnz = QStringLiteral("0");
        r.Nummer.clear();
        r.Anrede = text("AnredeHW");
        r.Vorname = text("Vorname");
        r.Bez1 = text("Bez1");
        r.Bez2 = text("Bez2");
        r.Bez3 = text("Bez3");
        r.HauptKonto.clear();
        r.Ort = text("Ort");
        r.Land = text("Land");
        r.Strasse = text("Straße");
        r.Postleitzahl = text("Plz");
    } catch (...) {
        c.parts.customers.leereUndZeige(i);
        throw;
    }
    c.parts.view.ZeigeAdresse();
    skipOnError([&] {
        if (shown(c.ui.ocxAnrede)) c.ui.ocxAnrede->setFocus(Qt::OtherFocusReason);
    });
    c.ev.raiseChange();
    st.mAenderungMelden = true;
}

qint32 AddressLoad::fktDragNummerAdresse(const QString& nummer) {
    return zeroOnError([&]() -> qint32 {
        refuseDuringLoad(c.st, QStringLiteral("fktDragNummerAdresse"));
        c.st.mSucheKunde = c.st.mSucheAdresse = false;
        c.st.current();
        if (LeseAdresse(nummer)) fill();
        return -1;
    });
}

bool AddressLoad::PruefeAdressnummer() {
    if (c.st.mAnzSeiten != 2 || !c.ui.txtDNummer->text().trimmed().isEmpty()) return true;
    QCoreApplication::processEvents();
    c.svc.dialogs().information(QStringLiteral("Information"),
                                QStringLiteral("Bitte erfassen Sie zuerst eine Adressnummer."));
    QCoreApplication::processEvents();
    focusIfShown(c.ui.txtDNummer);
    return false;
}

} // namespace belegadressen
