// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "data/MasterUpdate.h"
#include "contracts/Connection.h"
#include "control/ControlState.h"
#include "control/ErrorStyles.h"
#include "control/ServiceHub.h"
#include "control/Ui.h"
#include "data/MasterConflict.h"
#include "platform/ConflictQuestion.h"
#include "platform/GuardedConnect.h"
#include "platform/WriteTransaction.h"
#include <QLineEdit>
#include <QToolButton>

namespace belegadressen {

namespace {

const QString kProzedur = QStringLiteral("btnAktKunde_Click");

} // namespace

// One master as the write-back sees it: what its row is compared with and
// what it held when last read.
struct MasterUpdate::Target {
    const MasterColumns* master = nullptr;
    bool compare = false; // there is something to compare the row with
    Baseline baseline = Baseline::Loaded;
    QStringList baselineValues; // what the address was loaded from or put in with
    QStringList expected;       // what the row may hold to be written unasked
    bool exists = false;
    QStringList stored;
};

void MasterUpdate::connectSignals() {
    connectGuarded(mUi.btnAktKunde, &QToolButton::clicked, mUi.btnAktKunde,
                   [this] { btnAktKundeClick(); });
}

MasterAddress MasterUpdate::shownAddress() const {
    MasterAddress a;
    a.nummer = mUi.txtDNummer->text();
    for (const MasterField& f : masterFields())
        a.values << shownValue(mUi, f);
    return a;
}

void MasterUpdate::notice(const QString& text) {
    mServices.messages().Fehlermeldung(kModulName, kProzedur, 0, text, true);
}

// A field shorter than its record's value shows a cut copy of it: writing
// the field would store the cut copy as if it were the whole.
bool MasterUpdate::holdsWholeValues(const MasterAddress& a) {
    if (!mState.hasAddress(mState.AktAdresse)) return true;
    const AdressDaten& r = mRecords.current();
    const std::vector<MasterField>& fields = masterFields();
    for (size_t f = 0; f < fields.size(); ++f) {
        const QLineEdit* edit = lineEditOf(mUi, fields[f]);
        const QString& whole = r.*(fields[f].record);
        const QString& shown = a.values[static_cast<qsizetype>(f)];
        if (!edit || whole.size() <= edit->maxLength() || !whole.startsWith(shown)) continue;
        notice(QStringLiteral("Das Feld „%1“ zeigt nur die ersten %2 der %3 Zeichen seines "
                              "Werts. Es wurde nichts gespeichert, damit der Wert nicht gekürzt "
                              "in den Stammdaten steht.")
                   .arg(fields[f].label)
                   .arg(shown.size())
                   .arg(whole.size()));
        return false;
    }
    return true;
}

bool MasterUpdate::storedAfterAll(Connection& connection, const std::vector<Target>& targets,
                                  const MasterAddress& a) {
    for (const Target& t : targets) {
        if (!t.exists) continue;
        auto rs = connection.Execute(t.master->checkSelect(a.nummer));
        if (!rs || rs->Eof() || t.master->valuesOf(*rs) != t.master->valuesOf(a.values))
            return false;
    }
    return true;
}

void MasterUpdate::write(MasterAddress& a) {
    const int index = mState.currentIndex();
    const auto snapshot = mState.mGeladeneStammzeilen.constFind(index);
    const bool compare =
        snapshot != mState.mGeladeneStammzeilen.constEnd() && snapshot->nummer == a.nummer;
    std::vector<Target> targets;
    for (const MasterColumns* m : {&MasterColumns::kunde(), &MasterColumns::adresse()}) {
        Target t;
        t.master = m;
        t.compare = compare;
        if (compare) {
            t.baseline = snapshot->tabelle.isEmpty()     ? Baseline::Document
                         : snapshot->tabelle == m->table ? Baseline::Loaded
                                                         : Baseline::OtherMaster;
            t.baselineValues = m->valuesOf(snapshot->werte);
            t.expected = t.baselineValues;
        }
        targets.push_back(std::move(t));
    }

    const std::shared_ptr<Connection> connection = mServices.connection();
    for (;;) {
        WriteTransaction tx(*connection);
        std::vector<Target*> differing;
        for (Target& t : targets) {
            auto rs = connection->Execute(tx.lockRows(
                t.compare ? t.master->checkSelect(a.nummer) : t.master->existsSelect(a.nummer)));
            t.exists = rs && !rs->Eof();
            if (t.exists && t.compare) {
                t.stored = t.master->valuesOf(*rs);
                if (t.stored != t.expected) differing.push_back(&t);
            }
        }
        if (differing.empty()) {
            if (!targets[0].exists && !targets[1].exists) {
                tx.rollback();
                notice(QStringLiteral("Die Nummer „%1“ ist weder im Kundenstamm noch in den "
                                      "allgemeinen Adressen vorhanden; es wurde nichts "
                                      "gespeichert.")
                           .arg(a.nummer));
                return;
            }
            for (const Target& t : targets) {
                if (!t.exists) continue;
                connection->Execute(t.master->update(a.nummer, a.values));
                qCDebug(lcWriteback) << "btnAktKunde wrote" << t.master->table << a.nummer;
            }
            try {
                tx.commit();
            } catch (...) {
                // The answer to COMMIT was lost: what the rows hold tells
                // whether it was carried out.
                bool stored = false;
                try {
                    stored = storedAfterAll(*connection, targets, a);
                } catch (...) {
                    throw Error(Error::Database,
                                QStringLiteral("Die Verbindung zur Datenbank brach beim "
                                               "Speichern ab, und ob die Adresse gespeichert "
                                               "wurde, ließ sich nicht nachlesen. Prüfen Sie den "
                                               "Stammsatz, bevor Sie erneut speichern."));
                }
                if (!stored) throw;
            }
            break;
        }
        // Nothing stays locked while the user decides.
        tx.rollback();
        for (Target* t : differing) {
            const std::vector<ForeignChange> changes = foreignChanges(t->baselineValues, t->stored);
            t->expected = t->stored;
            if (changes.empty()) continue; // changed back meanwhile
            switch (askConflict(mServices.dialogs(), mUi.root,
                                conflictText(*t->master, a.nummer, changes, t->baseline))) {
            case ConflictChoice::Cancel:
                notice(QStringLiteral("Es wurde nichts gespeichert; die Adresse %1 bleibt, wie "
                                      "sie gespeichert ist.")
                           .arg(a.nummer.trimmed()));
                return;
            case ConflictChoice::TakeOver:
                for (const ForeignChange& c : changes) {
                    const int field = t->master->columns[static_cast<size_t>(c.column)].field;
                    showValue(mUi, masterFields()[static_cast<size_t>(field)], c.stored);
                }
                a = shownAddress();
                break;
            case ConflictChoice::Overwrite:
                break;
            }
        }
    }

    std::vector<WrittenRow> written;
    const auto at = [&](int f) { return a.values.value(f); };
    for (const Target& t : targets)
        if (t.exists)
            written.push_back({t.master == &MasterColumns::kunde() ? DuplicateSource::Kunde
                                                                   : DuplicateSource::Adresse,
                               a.nummer,
                               {at(0), at(1), at(5), at(8), at(6)}});
    if (compare) {
        // What is stored now is what this control wrote; a second write-back
        // compares against that.
        AdressDaten& werte = mRecords.geladeneStammzeilen()[index].werte;
        const std::vector<MasterField>& fields = masterFields();
        for (size_t f = 0; f < fields.size(); ++f)
            werte.*(fields[f].record) = a.values.value(static_cast<qsizetype>(f));
    }
    for (const Target& t : targets)
        if (t.exists)
            notice(t.master == &MasterColumns::kunde()
                       ? QStringLiteral("Die Adressdaten wurden im Kundenstamm aktualisiert.")
                       : QStringLiteral("Die Adressdaten wurden in den allgemeinen Adressen "
                                        "aktualisiert."));
    if (mWritten) mWritten(written);
}

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
        if (!holdsWholeValues(a)) return;
        // Both statements are composed before anything is written, so a value
        // the database cannot take stops the command before the first statement.
        (void)MasterColumns::kunde().update(a.nummer, a.values);
        (void)MasterColumns::adresse().update(a.nummer, a.values);
        write(a);
    } catch (...) {
        reportCommandFailure(mServices, kProzedur, std::current_exception());
    }
}

} // namespace belegadressen
