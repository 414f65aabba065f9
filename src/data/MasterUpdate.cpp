#include "data/MasterUpdate.h"
#include "contracts/Connection.h"
#include "contracts/MasterDataCombo.h"
#include "control/ControlState.h"
#include "control/ErrorStyles.h"
#include "control/ServiceHub.h"
#include "control/Ui.h"
#include "data/MasterConflict.h"
#include "platform/ConflictQuestion.h"
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

void MasterUpdate::takeOver(const MasterColumns& master, const QStringList& stored,
                            const std::vector<ForeignChange>& changes) {
    Ui& u = mUi;
    for (const ForeignChange& c : changes) {
        const QString& column = master.columns[static_cast<size_t>(c.column)].name;
        const QString& value = stored[c.column];
        if (column == QLatin1String("Land"))
            u.cdoDLand->setCurrentText(value);
        else if (column.startsWith(QLatin1String("Anrede")))
            u.ocxAnrede->setKeyValue(value);
        else if (QLineEdit* field = fieldOf(column))
            field->setText(value);
    }
}

QLineEdit* MasterUpdate::fieldOf(const QString& column) const {
    const Ui& u = mUi;
    static const QStringList lines{QStringLiteral("Vorname"), QStringLiteral("Bez1"),
                                   QStringLiteral("Bez2"),    QStringLiteral("Bez3"),
                                   QStringLiteral("Bez4"),    QStringLiteral("Straße"),
                                   QStringLiteral("Ort")};
    const qsizetype line = lines.indexOf(column);
    if (line >= 0) return u.txtDAdr[static_cast<size_t>(line)];
    if (column == QLatin1String("Plz")) return u.txtDPostleitzahl;
    if (column == QLatin1String("Postfach")) return u.txtDPostfach;
    if (column == QLatin1String("PostfachPLZ")) return u.txtDPlzPostfach;
    return nullptr;
}

// One master: the existence check (which, when this control loaded the row,
// also brings the compared columns), the question when someone else changed
// the row since, the update and its notice. False when the user cancelled.
bool MasterUpdate::writeInto(const MasterColumns& master, MasterAddress& a,
                             std::vector<WrittenRow>& written) {
    const std::shared_ptr<Connection> connection = mServices.connection();
    const bool isKunde = &master == &MasterColumns::kunde();
    const int index = mState.currentIndex();
    const ControlState::GeladeneStammzeile loaded = mState.mGeladeneStammzeilen.value(index);
    const bool compare = loaded.tabelle == master.table && loaded.nummer == a.nummer;
    std::shared_ptr<Recordset> row;
    const auto release = [&] {
        if (row) row->Close();
        row.reset();
    };
    const QString check = compare   ? master.checkSelect(a.nummer)
                          : isKunde ? masterstatements::kundeExists(a.nummer)
                                    : masterstatements::adresseExists(a.nummer);
    row = connection->Execute(check);
    if (!row || row->Eof()) return true;

    if (compare) {
        const QStringList stored = master.valuesOf(*row);
        const std::vector<ForeignChange> changes = foreignChanges(loaded.werte, stored);
        if (!changes.empty()) {
            switch (askConflict(mServices.dialogs(), mUi.root,
                                conflictText(master, a.nummer, changes))) {
            case ConflictChoice::Cancel:
                release();
                notice(QStringLiteral("Es wurde nichts gespeichert; die Adresse %1 bleibt, wie "
                                      "der andere Benutzer sie gespeichert hat.")
                           .arg(a.nummer.trimmed()));
                return false;
            case ConflictChoice::TakeOver:
                takeOver(master, stored, changes);
                a = shownAddress();
                break;
            case ConflictChoice::Overwrite:
                break;
            }
        }
    }
    // Composed before the write, so a value the database cannot take writes nothing.
    const QString update =
        isKunde ? masterstatements::kundeUpdate(a) : masterstatements::adresseUpdate(a);
    connection->Execute(update);
    qCDebug(lcWriteback) << "btnAktKunde wrote" << master.table << a.nummer;
    written.push_back({isKunde ? DuplicateSource::Kunde : DuplicateSource::Adresse,
                       a.nummer,
                       {a.vorname, a.bez1, a.strasse, a.plz, a.ort}});
    if (compare) {
        // What is stored now is what this control wrote; a second write-back
        // compares against that.
        MasterAddress written = a;
        const QStringList values =
            isKunde ? QStringList{written.vorname,  written.bez1,        written.bez2,
                                  written.bez3,     written.bez4,        written.strasse,
                                  written.ort,      written.land,        written.plz,
                                  written.postfach, written.postfachPlz, written.anrede}
                    : QStringList{written.vorname, written.bez1,    written.bez2,
                                  written.bez3,    written.strasse, written.ort,
                                  written.land,    written.plz,     written.anrede};
        mRecords.geladeneStammzeilen()[index].werte = values;
    }
    notice(isKunde ? QStringLiteral("Die Adressdaten wurden im Kundenstamm aktualisiert.")
                   : QStringLiteral("Die Adressdaten wurden in den allgemeinen Adressen "
                                    "aktualisiert."));
    release();
    return true;
}

// Each update stands on its own, as the master data expects: a customer
// update that already ran stays done when the address update fails, and its
// notice has been shown. The command ends at the first failure.
void MasterUpdate::btnAktKundeClick() {
    try {
        MasterAddress a = shownAddress();
        if (a.nummer == QLatin1String("0") || a.nummer.isEmpty()) {
            notice(QStringLiteral("Es ist keine Nummer vorhanden"));
            return;
        }
        // A number typed but not yet loaded (the button takes no focus, so
        // the number field was not left): the shown address belongs to
        // another number and must not go into this one.
        if (mUi.txtDNummer->isModified() && a.nummer != mState.current().Nummer) {
            notice(QStringLiteral("Die Nummer %1 ist eingegeben, aber noch nicht geladen; die "
                                  "angezeigte Adresse gehört nicht zu ihr. Es wurde nichts "
                                  "gespeichert. Verlassen Sie das Nummernfeld, damit die Adresse "
                                  "geladen wird, und aktualisieren Sie dann erneut.")
                       .arg(a.nummer.trimmed()));
            return;
        }
        // Both statements are composed before anything is written, so a value
        // the database cannot take stops the command before the first update.
        (void)masterstatements::kundeUpdate(a);
        (void)masterstatements::adresseUpdate(a);
        std::vector<WrittenRow> written;
        if (writeInto(MasterColumns::kunde(), a, written))
            writeInto(MasterColumns::adresse(), a, written);
        if (mWritten && !written.empty()) mWritten(written);
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
