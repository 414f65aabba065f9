#include "data/MasterUpdate.h"
#include "contracts/Connection.h"
#include "contracts/MasterDataCombo.h"
#include "control/ControlState.h"
#include "control/ErrorStyles.h"
#include "control/ServiceHub.h"
#include "control/Ui.h"
#include "platform/GuardedConnect.h"
#include "platform/SqlText.h"
#include <QComboBox>
#include <QLineEdit>
#include <QToolButton>

namespace belegadressen {

namespace masterstatements {

namespace {
QString v(const QString& value) { return doubledQuotes(value); }
} // namespace

QString kundeExists(const QString& nummer) {
    return QStringLiteral("Select Kundennummer from Kundenstamm where Kundennummer = '") +
           v(nummer) + QLatin1Char('\'');
}

QString adresseExists(const QString& nummer) {
    return QStringLiteral("Select AdressNummer from Adressenstamm where AdressNummer = '") +
           v(nummer) + QLatin1Char('\'');
}

QString kundeUpdate(const MasterAddress& a) {
    return QStringLiteral("Update Kundenstamm Set Vorname = '") + v(a.vorname) +
           QStringLiteral("', ") + QStringLiteral("Bez1 = '") + v(a.bez1) + QStringLiteral("', ") +
           QStringLiteral("Bez2 = '") + v(a.bez2) + QStringLiteral("', ") +
           QStringLiteral("Bez3 = '") + v(a.bez3) + QStringLiteral("', ") +
           QStringLiteral("Bez4 = '") + v(a.bez4) + QStringLiteral("', ") +
           QStringLiteral("Straße = '") + v(a.strasse) + QStringLiteral("', ") +
           QStringLiteral("Ort = '") + v(a.ort) + QStringLiteral("', ") +
           QStringLiteral("Land = '") + v(a.land) + QStringLiteral("', ") +
           QStringLiteral("Plz = '") + v(a.plz) + QStringLiteral("', ") +
           QStringLiteral("Postfach = '") + v(a.postfach) + QStringLiteral("', ") +
           QStringLiteral("PostfachPLZ = '") + v(a.postfachPlz) + QStringLiteral("', ") +
           QStringLiteral("Anrede = '") + v(a.anrede) + QStringLiteral("' ") +
           QStringLiteral("where Kundennummer = '") + v(a.nummer) + QLatin1Char('\'');
}

QString adresseUpdate(const MasterAddress& a) {
    return QStringLiteral("Update Adressenstamm Set Vorname = '") + v(a.vorname) +
           QStringLiteral("', ") + QStringLiteral("Bez1 = '") + v(a.bez1) + QStringLiteral("', ") +
           QStringLiteral("Bez2 = '") + v(a.bez2) + QStringLiteral("', ") +
           QStringLiteral("Bez3 = '") + v(a.bez3) + QStringLiteral("', ") +
           QStringLiteral("Straße = '") + v(a.strasse) + QStringLiteral("', ") +
           QStringLiteral("Ort = '") + v(a.ort) + QStringLiteral("', ") +
           QStringLiteral("Land = '") + v(a.land) + QStringLiteral("', ") +
           QStringLiteral("Plz = '") + v(a.plz) + QStringLiteral("', ") +
           QStringLiteral("AnredeHW = '") + v(a.anrede) + QStringLiteral("' ") +
           QStringLiteral("where AdressNummer = '") + v(a.nummer) + QLatin1Char('\'');
}

} // namespace masterstatements

namespace {

const QString kProzedur = QStringLiteral("btnAktKunde_Click");

} // namespace

void MasterUpdate::connectSignals() {
    connectGuarded(mUi.btnAktKunde, &QToolButton::clicked, mUi.btnAktKunde,
                   [this] { btnAktKundeClick(); });
}

MasterAddress MasterUpdate::shownAddress() const {
    const Ui& u = mUi;
    MasterAddress a;
    a.nummer = u.txtDNummer->text();
    a.vorname = u.txtDAdr[0]->text();
    a.bez1 = u.txtDAdr[1]->text();
    a.bez2 = u.txtDAdr[2]->text();
    a.bez3 = u.txtDAdr[3]->text();
    a.bez4 = u.txtDAdr[4]->text();
    a.strasse = u.txtDAdr[5]->text();
    a.ort = u.txtDAdr[6]->text();
    a.land = u.cdoDLand->currentText();
    a.plz = u.txtDPostleitzahl->text();
    a.postfach = u.txtDPostfach->text();
    a.postfachPlz = u.txtDPlzPostfach->text();
    a.anrede = u.ocxAnrede->KeyValue().toString();
    return a;
}

void MasterUpdate::notice(const QString& text) {
    mServices.messages().Fehlermeldung(kModulName, kProzedur, 0, text, true);
}

// Each update stands on its own, as the master data expects: a customer
// update that already ran stays done when the address update fails, and its
// notice has been shown. The command ends at the first failure.
void MasterUpdate::btnAktKundeClick() {
    try {
        const MasterAddress a = shownAddress();
        if (a.nummer == QLatin1String("0") || a.nummer.isEmpty()) {
            notice(QStringLiteral("Es ist keine Nummer vorhanden"));
            return;
        }
        // Both statements are composed before anything is written, so a value
        // the database cannot take stops the command before the first update.
        const QString kundeUpdate = masterstatements::kundeUpdate(a);
        const QString adresseUpdate = masterstatements::adresseUpdate(a);
        const std::shared_ptr<Connection> connection = mServices.connection();
        const auto release = [&] {
            if (mState.mRsKunde) mState.mRsKunde->Close();
            mState.mRsKunde.reset();
        };

        mState.mRsKunde = connection->Execute(masterstatements::kundeExists(a.nummer));
        if (mState.mRsKunde && !mState.mRsKunde->Eof()) {
            connection->Execute(kundeUpdate);
            notice(QStringLiteral("Die Adressdaten wurden im Kundenstamm aktualisiert."));
            release();
        }
        mState.mRsKunde = connection->Execute(masterstatements::adresseExists(a.nummer));
        if (mState.mRsKunde && !mState.mRsKunde->Eof()) {
            connection->Execute(adresseUpdate);
            notice(QStringLiteral("Die Adressdaten wurden in den allgemeinen Adressen "
                                  "aktualisiert."));
            release();
        }
    } catch (...) {
        const std::exception_ptr failure = std::current_exception();
        qint32 number = 0;
        try {
            std::rethrow_exception(failure);
        } catch (const Error& err) {
            number = err.number();
        } catch (...) {
        }
        skipOnError([&] {
            mServices.messages().Fehlermeldung(kModulName, kProzedur, number, errorText(failure),
                                               true);
        });
    }
}

} // namespace belegadressen
