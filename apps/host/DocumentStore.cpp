// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "DocumentStore.h"
#include "control/BelegAdressen.h"
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <functional>
#include <stdexcept>

using belegadressen::BelegAdressen;

namespace {

struct Field {
    QString name;
    std::function<QString(const BelegAdressen&)> get;
    std::function<void(BelegAdressen&, const QString&)> add;
};

QString text(bool v) { return v ? QStringLiteral("1") : QStringLiteral("0"); }
QString text(qint16 v) { return QString::number(v); }
QString text(double v) { return QString::number(v, 'g', 17); }
QString text(const QString& v) { return v; }

template <typename T> T value(const QString& s);
template <> bool value<bool>(const QString& s) { return s == QLatin1String("1"); }
template <> qint16 value<qint16>(const QString& s) { return qint16(s.toInt()); }
template <> double value<double>(const QString& s) { return s.toDouble(); }
template <> QString value<QString>(const QString& s) { return s; }

template <typename T, typename C>
Field field(const char* name, T (BelegAdressen::*get)() const, void (BelegAdressen::*add)(C)) {
    using Arg = std::remove_cvref_t<C>;
    return {QString::fromUtf8(name), [get](const BelegAdressen& c) { return text((c.*get)()); },
            [add](BelegAdressen& c, const QString& v) { (c.*add)(value<Arg>(v)); }};
}

// Every Get/Add pair of an address, in the order the values are put back:
// the currency before its rates, customer and site before the equipment
// number (whose Add looks the equipment's name up).
const QList<Field>& fields() {
    using B = BelegAdressen;
    static const QList<Field> list = {
        field("Nummer", &B::GetNummer, &B::AddNummer),
        field("Anrede", &B::GetAnrede, &B::AddAnrede),
        field("Vorname", &B::GetVorname, &B::AddVorname),
        field("Bez1", &B::GetBez1, &B::AddBez1),
        field("Bez2", &B::GetBez2, &B::AddBez2),
        field("Bez3", &B::GetBez3, &B::AddBez3),
        field("Bez4", &B::GetBez4, &B::AddBez4),
        field("Straße", &B::GetStrasse, &B::AddStrasse),
        field("Postleitzahl", &B::GetPostleitzahl, &B::AddPostleitzahl),
        field("Ort", &B::GetOrt, &B::AddOrt),
        field("Land", &B::GetLand, &B::AddLand),
        field("Postfach", &B::GetPostfach, &B::AddPostfach),
        field("PostfachPlz", &B::GetPostfachPlz, &B::AddPostfachPlz),
        field("AnsprechpartnerKD", &B::GetAnsprechpartnerKD, &B::AddAnsprechpartnerKD),
        field("AnsprechpartnerKDID", &B::GetAnsprechpartnerKDID, &B::AddAnsprechpartnerKDID),
        field("DruckAnsprechpartner", &B::GetDruckAnsprechpartner, &B::AddDruckAnsprechpartner),
        field("HauptKonto", &B::GetHauptkonto, &B::AddHauptKonto),
        field("UstIdentNr", &B::GetUstIdentNr, &B::AddUstIdentNr),
        field("MwstKnz", &B::GetMwstKnz, &B::AddMwstKnz),
        field("Zahlungsart", &B::GetZahlungsart, &B::AddZahlungsart),
        field("Zahlungsbedingungen", &B::GetZahlungsbedingungen, &B::AddZahlungsbedingungen),
        field("Versandart", &B::GetVersandart, &B::AddVersandart),
        field("Vertreter1", &B::GetVertreter1, &B::AddVertreter1),
        field("Vertreter2", &B::GetVertreter2, &B::AddVertreter2),
        field("Vertreter3", &B::GetVertreter3, &B::AddVertreter3),
        field("Rabatt", &B::GetRabatt, &B::AddRabatt),
        field("KzDivers", &B::GetKzDivers, &B::AddKzDivers),
        field("DruckAufbewahrungsfrist", &B::GetDruckAufbewahrungsfrist,
              &B::AddDruckAufbewahrungsfrist),
        field("RechnungPerPDF", &B::GetRechnungPerPDF, &B::AddRechnungPerPDF),
        field("MitUeberweisungen", &B::GetMitUeberweisungen, &B::AddMitUeberweisungen),
        field("Liefersperre", &B::GetLiefersperre, &B::AddLiefersperre),
        field("Währung", &B::GetWaehrung, &B::AddWaehrung),
        field("Währungserfassung", &B::GetWaehrungserfassung, &B::AddWaehrungserfassung),
        field("WechselkursHauswährung", &B::GetWechselkursHauswaehrung,
              &B::AddWechselkursHauswaehrung),
        field("Wechselkurs", &B::GetWechselkurs, &B::AddWechselkurs),
        field("Kursbehandlung", &B::GetKursbehandlung, &B::AddKursbehandlung),
        field("VKD_Nr", &B::GetVKD_Nr, &B::AddVKD_Nr),
        field("RKD_Nr", &B::GetRKD_Nr, &B::AddRKD_Nr),
        field("VAD_Nr", &B::GetVAD_Nr, &B::AddVAD_Nr),
        field("RAD_Nr", &B::GetRAD_Nr, &B::AddRAD_Nr),
        field("Versandtext", &B::GetVersandtext, &B::AddVersandtext),
        field("RechnungText", &B::GetRechnungText, &B::AddRechnungText),
        field("KAnNr", &B::GetKAnNr, &B::AddKAnNr),
        field("KAuNr", &B::GetKAuNr, &B::AddKAuNr),
        field("KLsNr", &B::GetKLsNr, &B::AddKLsNr),
        field("KReNr", &B::GetKReNr, &B::AddKReNr),
        field("KGuNr", &B::GetKGuNr, &B::AddKGuNr),
        field("FAnNr", &B::GetFAnNr, &B::AddFAnNr),
        field("FAuNr", &B::GetFAuNr, &B::AddFAuNr),
        field("FLsNr", &B::GetFLsNr, &B::AddFLsNr),
        field("FReNr", &B::GetFReNr, &B::AddFReNr),
        field("FGuNr", &B::GetFGuNr, &B::AddFGuNr),
        field("WartKundennummer", &B::GetWartKundenummer, &B::AddWartKundennummer),
        field("WartStandort", &B::GetWartStandort, &B::AddWartStandort),
        field("WartAnlagennummer", &B::GetWartAnlagennummer, &B::AddWartAnlagennummer),
        field("WartVertragsnummer", &B::GetWartVertragsnummer, &B::AddWartVertragsnummer),
        field("WartMonteur", &B::GetWartMonteur, &B::AddWartMonteur),
        field("WartTermin", &B::GetWartTermin, &B::AddWartTermin),
        field("WartUhrzeit", &B::GetWartUhrzeit, &B::AddWartUhrzeit),
        field("WartDauer", &B::GetWartDauer, &B::AddWartDauer),
        field("WartAnsprechpartner", &B::GetWartAnsprechpartner, &B::AddWartAnsprechpartner),
        field("WartAnsprechpartnerID", &B::GetWartAnsprechpartnerID, &B::AddWartAnsprechpartnerID),
        field("WartAnsprechpartnerTelefon", &B::GetWartAnsprechpartnerTelefon,
              &B::AddWartAnsprechpartnerTelefon),
        field("WartAnsprechpartnerMobil", &B::GetWartAnsprechpartnerMobil,
              &B::AddWartAnsprechpartnerMobil),
        field("WartAnsprechpartnerFax", &B::GetWartAnsprechpartnerFax,
              &B::AddWartAnsprechpartnerFax),
        field("DatumLetzteWartung", &B::GetDatumLetzteWartung, &B::AddDatumLetzteWartung),
        field("DatumLetzteRechnung", &B::GetDatumLetzteRechnung, &B::AddDatumLetzteRechnung),
        field("Bemerkung", &B::GetBemerkung, &B::AddBemerkung),
    };
    return list;
}

// The fault text is no record field: it lives in its own field, shown on the
// address that carries the service order.
const QString kStoerText = QStringLiteral("WartStoerText");
constexpr int kServiceAddress = 2;

[[noreturn]] void fail(const QString& what, const QSqlQuery& q) {
    throw std::runtime_error((what + QStringLiteral(": ") + q.lastError().text()).toStdString());
}

} // namespace

QStringList documentFieldNames() {
    QStringList names;
    for (const Field& f : fields())
        names << f.name;
    return names << kStoerText;
}

DocumentValues readFromControl(BelegAdressen& c) {
    DocumentValues values;
    const qint16 current = c.AktAdresse();
    for (qint16 n = 1; n <= c.AnzAdresse(); ++n) {
        c.setAktAdresse(n);
        auto& address = values[n];
        for (const Field& f : fields())
            address.insert(f.name, f.get(c));
        if (n == kServiceAddress) address.insert(kStoerText, c.GetWartStoerText());
    }
    if (current >= 1 && current <= c.AnzAdresse()) c.setAktAdresse(current);
    return values;
}

void writeToControl(const DocumentValues& values, BelegAdressen& c) {
    for (qint16 n = 1; n <= c.AnzAdresse(); ++n) {
        const auto address = values.value(n);
        if (address.isEmpty()) continue;
        c.setAktAdresse(n);
        for (const Field& f : fields())
            if (address.contains(f.name)) f.add(c, address.value(f.name));
        if (n == kServiceAddress && address.contains(kStoerText))
            c.AddWarttxtStoerText(address.value(kStoerText), QString());
    }
    c.setAktAdresse(1);
}

DocumentStore::DocumentStore(QSqlDatabase db) : mDb(std::move(db)) {}

bool DocumentStore::postgres() const { return mDb.driver()->dbmsType() == QSqlDriver::PostgreSQL; }

void DocumentStore::ensureTable() {
    QSqlQuery q(mDb);
    if (!mDb.tables().contains(QStringLiteral("hostbelege"), Qt::CaseInsensitive) &&
        !q.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS HostBelege (BelegNr INTEGER NOT NULL, "
                               "AdrNr INTEGER NOT NULL, Feld VARCHAR(64) NOT NULL, Wert TEXT, "
                               "PRIMARY KEY (BelegNr, AdrNr, Feld))")))
        fail(QStringLiteral("HostBelege anlegen"), q);
    if (!postgres()) return;
    if (!q.exec(QStringLiteral("SELECT to_regclass('hostbelegnr') IS NULL")) || !q.next())
        fail(QStringLiteral("Belegnummernfolge"), q);
    if (!q.value(0).toBool()) return;
    // A table written before the sequence existed: go on after its highest number.
    if (!q.exec(QStringLiteral("CREATE SEQUENCE IF NOT EXISTS HostBelegNr")) ||
        !q.exec(QStringLiteral("SELECT setval('hostbelegnr', MAX(BelegNr)) FROM HostBelege "
                               "HAVING MAX(BelegNr) > 0")))
        fail(QStringLiteral("Belegnummernfolge anlegen"), q);
}

void DocumentStore::begin() {
    QSqlQuery q(mDb);
    // SQLite: take the write lock now, before the number is read, so that a
    // second writer waits instead of reading the same highest number.
    if (!q.exec(postgres() ? QStringLiteral("BEGIN") : QStringLiteral("BEGIN IMMEDIATE")))
        fail(QStringLiteral("Transaktion beginnen"), q);
}

void DocumentStore::commit() {
    QSqlQuery q(mDb);
    if (!q.exec(QStringLiteral("COMMIT"))) fail(QStringLiteral("Beleg speichern (Commit)"), q);
}

void DocumentStore::rollback() {
    // After a failed commit SQLite may still hold the transaction open;
    // PostgreSQL has ended it already and only warns.
    QSqlQuery q(mDb);
    q.exec(QStringLiteral("ROLLBACK"));
}

int DocumentStore::allocateNumber() {
    QSqlQuery q(mDb);
    if (!q.exec(postgres()
                    ? QStringLiteral("SELECT nextval('hostbelegnr')")
                    : QStringLiteral("SELECT COALESCE(MAX(BelegNr), 0) + 1 FROM HostBelege")) ||
        !q.next())
        fail(QStringLiteral("Belegnummer"), q);
    return q.value(0).toInt();
}

QList<DocumentStore::Summary> DocumentStore::list() {
    QSqlQuery q(mDb);
    if (!q.exec(QStringLiteral(
            "SELECT BelegNr, AdrNr, Feld, Wert FROM HostBelege WHERE (AdrNr = 0 AND Feld = "
            "'Belegart') OR (AdrNr = 1 AND Feld = 'Bez1') ORDER BY BelegNr")))
        fail(QStringLiteral("Belege lesen"), q);
    QList<Summary> out;
    while (q.next()) {
        const int number = q.value(0).toInt();
        if (out.isEmpty() || out.last().number != number) out.append({number, 0, {}});
        if (q.value(1).toInt() == 0)
            out.last().belegart = q.value(3).toInt();
        else
            out.last().name = q.value(3).toString();
    }
    return out;
}

int DocumentStore::save(int number, const DocumentValues& values) {
    begin();
    try {
        if (number <= 0) number = allocateNumber();
        // The prepared statements are freed before the commit: behind a
        // pooler of transactions, the next transaction may run in another
        // server session, where they do not exist.
        {
            QSqlQuery q(mDb);
            q.prepare(QStringLiteral("DELETE FROM HostBelege WHERE BelegNr = ?"));
            q.addBindValue(number);
            if (!q.exec()) fail(QStringLiteral("Beleg löschen"), q);
            q.prepare(QStringLiteral(
                "INSERT INTO HostBelege (BelegNr, AdrNr, Feld, Wert) VALUES (?, ?, ?, ?)"));
            for (auto address = values.begin(); address != values.end(); ++address)
                for (auto f = address->begin(); f != address->end(); ++f) {
                    q.addBindValue(number);
                    q.addBindValue(address.key());
                    q.addBindValue(f.key());
                    q.addBindValue(f.value());
                    if (!q.exec()) fail(QStringLiteral("Beleg speichern"), q);
                }
        }
        commit();
    } catch (...) {
        rollback();
        throw;
    }
    return number;
}

DocumentValues DocumentStore::load(int number) {
    // A plain statement, not a prepared one: outside a transaction a pooler
    // may run the preparation and the execution in different server sessions.
    QSqlQuery q(mDb);
    if (!q.exec(QStringLiteral("SELECT AdrNr, Feld, Wert FROM HostBelege WHERE BelegNr = %1")
                    .arg(number)))
        fail(QStringLiteral("Beleg lesen"), q);
    DocumentValues values;
    while (q.next())
        values[q.value(0).toInt()].insert(q.value(1).toString(), q.value(2).toString());
    return values;
}
