#include "data/MasterUpdate.h"
#include "contracts/Connection.h"
#include "contracts/MasterDataCombo.h"
#include "control/ControlState.h"
#include "control/ErrorStyles.h"
#include "control/ServiceHub.h"
#include "control/Ui.h"
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

// A transaction around the write-back where the database takes one. Without
// one each statement stands on its own, as the database commits it.
class WriteTransaction {
public:
    explicit WriteTransaction(Connection& connection) : mConnection(connection) {
        try {
            mConnection.Execute(QStringLiteral("BEGIN TRANSACTION"));
            mOpen = true;
        } catch (...) {
        }
    }
    ~WriteTransaction() { rollback(); }
    bool open() const { return mOpen; }
    void commit() {
        if (!mOpen) return;
        mConnection.Execute(QStringLiteral("COMMIT"));
        mOpen = false;
    }
    // True when the work of the transaction was undone.
    bool rollback() {
        if (!mOpen) return false;
        mOpen = false;
        try {
            mConnection.Execute(QStringLiteral("ROLLBACK"));
            return true;
        } catch (...) {
            return false;
        }
    }

private:
    Connection& mConnection;
    bool mOpen = false;
};

} // namespace

void MasterUpdate::connectSignals() {
    QObject::connect(mUi.btnAktKunde, &QToolButton::clicked, mUi.btnAktKunde,
                     [this] { guarded([&] { btnAktKundeClick(); }); });
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

void MasterUpdate::btnAktKundeClick() {
    // The connection outlives the transaction that may still roll back on it.
    std::shared_ptr<Connection> connection;
    std::unique_ptr<WriteTransaction> transaction;
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
        connection = mServices.connection();
        transaction = std::make_unique<WriteTransaction>(*connection);
        QStringList pending;
        const auto tell = [&](const QString& text) {
            if (transaction->open())
                pending << text;
            else
                notice(text);
        };
        const auto release = [&] {
            if (mState.mRsKunde) mState.mRsKunde->Close();
            mState.mRsKunde.reset();
        };

        mState.mRsKunde = connection->Execute(masterstatements::kundeExists(a.nummer));
        if (mState.mRsKunde && !mState.mRsKunde->Eof()) {
            connection->Execute(kundeUpdate);
            tell(QStringLiteral("Die Adressdaten wurden im Kundenstamm aktualisiert."));
            release();
        }
        mState.mRsKunde = connection->Execute(masterstatements::adresseExists(a.nummer));
        if (mState.mRsKunde && !mState.mRsKunde->Eof()) {
            connection->Execute(adresseUpdate);
            tell(QStringLiteral("Die Adressdaten wurden in den allgemeinen Adressen "
                                "aktualisiert."));
            release();
        }
        transaction->commit();
        for (const QString& text : pending)
            notice(text);
    } catch (...) {
        const std::exception_ptr failure = std::current_exception();
        const bool undone = transaction && transaction->rollback();
        qint32 number = 0;
        try {
            std::rethrow_exception(failure);
        } catch (const Error& err) {
            number = err.number();
        } catch (...) {
        }
        QString text = errorText(failure);
        if (undone) text += QStringLiteral("\nEs wurden keine Adressdaten geändert.");
        skipOnError(
            [&] { mServices.messages().Fehlermeldung(kModulName, kProzedur, number, text, true); });
    }
}

} // namespace belegadressen
