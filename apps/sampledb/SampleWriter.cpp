// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "SampleWriter.h"
#include "../../db/CustomerSearchIndex.h"
#include "../../db/DatabaseSetup.h"
#include "SampleData.h"
#include "SampleRemarks.h"
#include "ServiceSamples.h"
#include "data/DuplicateMatch.h"
#include "platform/PostalSpelling.h"
#include <QDate>
#include <QRegularExpression>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <array>
#include <cstdio>
#include <libpq-fe.h>
#include <sqlite3.h>
#include <stdexcept>
#include <utility>
#include <vector>

using sample::Rng;

namespace {

[[noreturn]] void fail(const QString& what, const QSqlError& error) {
    throw std::runtime_error((what + QStringLiteral(": ") + error.text()).toStdString());
}

const QVariant kNull;

QVariant textOrNull(const QString& text) { return text.isEmpty() ? kNull : QVariant(text); }

// Rows of one table, values given by position. On SQLite one prepared
// insert talks to the engine directly through the connection's handle:
// QtSql's binding costs more than SQLite's own work on a million rows. On
// PostgreSQL the rows gather in COPY's text format and go to the server in
// large batches, one COPY each: a round trip per row would take minutes on
// a million rows. Batches never overlap, so several tables may be written in
// turn on the one connection. finish() writes what is left.
class Insert {
public:
    Insert(const QSqlDatabase& db, const QString& table, const QStringList& columns)
        : mColumns(static_cast<int>(columns.size())) {
        const QVariant handle = db.driver()->handle();
        if (qstrcmp(handle.typeName(), "sqlite3*") == 0) {
            const QStringList marks(columns.size(), QStringLiteral("?"));
            const QString sql = QStringLiteral("insert into %1 (%2) values (%3)")
                                    .arg(table, columns.join(QStringLiteral(", ")),
                                         marks.join(QStringLiteral(", ")));
            mSqlite = *static_cast<sqlite3* const*>(handle.constData());
            const QByteArray utf8 = sql.toUtf8();
            if (sqlite3_prepare_v2(mSqlite, utf8.constData(), static_cast<int>(utf8.size()),
                                   &mStatement, nullptr) != SQLITE_OK)
                throw std::runtime_error(sql.toStdString() + ": " + sqlite3_errmsg(mSqlite));
            mText.resize(mColumns);
        } else if (qstrcmp(handle.typeName(), "PGconn*") == 0 ||
                   qstrcmp(handle.typeName(), "pg_conn*") == 0) {
            mPg = *static_cast<PGconn* const*>(handle.constData());
            mCopy = QStringLiteral("COPY %1 (%2) FROM STDIN")
                        .arg(table, columns.join(QStringLiteral(", ")))
                        .toUtf8();
            mBatch.reserve(kBatchBytes + kBatchBytes / 8);
        } else {
            throw std::runtime_error("sampledb: neither SQLite nor PostgreSQL");
        }
    }
    ~Insert() { sqlite3_finalize(mStatement); }
    Insert(const Insert&) = delete;
    Insert& operator=(const Insert&) = delete;

    Insert& operator<<(const QVariant& value) {
        if (mPosition >= mColumns) throw std::logic_error("insert: more values than columns");
        if (mStatement)
            bindSqlite(value);
        else
            appendCopyValue(value);
        ++mPosition;
        return *this;
    }
    void exec() {
        if (mPosition != mColumns)
            throw std::logic_error("insert: " + std::to_string(mPosition) + " values for " +
                                   std::to_string(mColumns) + " columns");
        if (mStatement) {
            const int rc = sqlite3_step(mStatement);
            sqlite3_reset(mStatement);
            if (rc != SQLITE_DONE) throw std::runtime_error(sqlite3_errmsg(mSqlite));
        } else {
            mBatch += '\n';
            if (mBatch.size() >= kBatchBytes) sendBatch();
        }
        mPosition = 0;
        ++mRows;
    }
    // Writes the rows still gathered and answers the number written.
    qint64 finish() {
        if (mPg) sendBatch();
        return mRows;
    }

private:
    static constexpr qsizetype kBatchBytes = 8 << 20;

    void bindSqlite(const QVariant& value) {
        const int index = mPosition + 1;
        int rc = SQLITE_OK;
        if (value.isNull()) {
            rc = sqlite3_bind_null(mStatement, index);
        } else {
            switch (value.typeId()) {
            case QMetaType::Int:
            case QMetaType::LongLong:
                rc = sqlite3_bind_int64(mStatement, index, value.toLongLong());
                break;
            case QMetaType::Double:
                rc = sqlite3_bind_double(mStatement, index, value.toDouble());
                break;
            default: {
                // Kept until the row has been written.
                QByteArray& text = mText[mPosition];
                text = value.toString().toUtf8();
                rc = sqlite3_bind_text(mStatement, index, text.constData(),
                                       static_cast<int>(text.size()), SQLITE_STATIC);
            }
            }
        }
        if (rc != SQLITE_OK) throw std::runtime_error(sqlite3_errmsg(mSqlite));
    }

    void appendCopyValue(const QVariant& value) {
        if (mPosition > 0) mBatch += '\t';
        if (value.isNull()) {
            mBatch += "\\N";
            return;
        }
        switch (value.typeId()) {
        case QMetaType::Int:
        case QMetaType::LongLong:
            mBatch += QByteArray::number(value.toLongLong());
            return;
        case QMetaType::Double:
            mBatch += QByteArray::number(value.toDouble(), 'g', 17);
            return;
        default:
            break;
        }
        // The text format reads a backslash as an escape and tab and line
        // end as separators.
        for (const char c : value.toString().toUtf8()) {
            switch (c) {
            case '\\':
                mBatch += "\\\\";
                break;
            case '\t':
                mBatch += "\\t";
                break;
            case '\n':
                mBatch += "\\n";
                break;
            case '\r':
                mBatch += "\\r";
                break;
            default:
                mBatch += c;
            }
        }
    }

    void sendBatch() {
        if (mBatch.isEmpty()) return;
        PGresult* started = PQexec(mPg, mCopy.constData());
        const bool ready = PQresultStatus(started) == PGRES_COPY_IN;
        PQclear(started);
        if (!ready) throw std::runtime_error(mCopy.toStdString() + ": " + PQerrorMessage(mPg));
        if (PQputCopyData(mPg, mBatch.constData(), static_cast<int>(mBatch.size())) != 1 ||
            PQputCopyEnd(mPg, nullptr) != 1)
            throw std::runtime_error(mCopy.toStdString() + ": " + PQerrorMessage(mPg));
        bool failed = false;
        std::string why;
        while (PGresult* result = PQgetResult(mPg)) {
            if (PQresultStatus(result) != PGRES_COMMAND_OK) {
                failed = true;
                why = PQresultErrorMessage(result);
            }
            PQclear(result);
        }
        if (failed) throw std::runtime_error(mCopy.toStdString() + ": " + why);
        mBatch.clear();
    }

    sqlite3* mSqlite = nullptr;
    sqlite3_stmt* mStatement = nullptr;
    QVector<QByteArray> mText;
    PGconn* mPg = nullptr;
    QByteArray mCopy;  // the COPY statement of the table
    QByteArray mBatch; // rows gathered in COPY's text format
    int mColumns;
    int mPosition = 0;
    qint64 mRows = 0;
};

QStringList columns(const char* list) {
    return QString::fromUtf8(list)
        .split(QLatin1Char(','), Qt::SkipEmptyParts)
        .replaceInStrings(QRegularExpression(QStringLiteral("\\s")), QString());
}

QString customerNumber(int index) { return QString::number(10000 + index); }
QString addressNumber(int index) { return QString::number(90000000 + index); }

QString phone(Rng& r) {
    return QStringLiteral("0%1 %2").arg(200 + r.below(780)).arg(100000 + r.below(899999));
}

QString isoDate(Rng& r) { return QDate(2023, 1, 1).addDays(r.below(1000)).toString(Qt::ISODate); }

// A text number for a customer's header or footer field: mostly none.
QVariant textNumber(Rng& r) {
    const int roll = r.below(100);
    if (roll < 70) return QStringLiteral("000");
    if (roll < 95) return QStringLiteral("001");
    if (roll < 99) return QStringLiteral("002");
    return kNull;
}

// Name and address of one customer or general address.
struct Party {
    QString anrede, vorname, bez1, bez2, bez3, bez4;
    QString strasse, plz, ort, land = QStringLiteral("D");
    const sample::ForeignPlace* foreign = nullptr;
    bool company = false;
};

Party makeParty(Rng& r, const QVector<sample::Place>& places) {
    const sample::Lists& l = sample::lists();
    Party p;
    if (r.chance(4)) {
        p.foreign = &l.foreign[r.below(l.foreign.size())];
        p.land = p.foreign->land;
        p.plz = p.foreign->plz;
        p.ort = p.foreign->ort;
        p.strasse = p.foreign->street + QLatin1Char(' ') + QString::number(1 + r.below(120));
    } else {
        const sample::Place& place = places[r.below(places.size())];
        p.plz = place.plz;
        p.ort = place.ort;
        p.strasse = r.pick(place.streets) + QLatin1Char(' ') + QString::number(1 + r.below(150));
        if (r.chance(10)) p.strasse += QLatin1Char('a' + r.below(4));
    }
    const QString last = r.pick(l.lastNames);
    p.company = r.chance(55);
    if (!p.company) {
        const bool male = r.chance(50);
        p.anrede = r.chance(5)   ? QStringLiteral("Familie")
                   : r.chance(4) ? (male ? QStringLiteral("Herr Dr.") : QStringLiteral("Frau Dr."))
                   : male        ? QStringLiteral("Herr")
                                 : QStringLiteral("Frau");
        p.vorname = male ? r.pick(l.maleFirstNames) : r.pick(l.femaleFirstNames);
        p.bez1 = last;
        if (r.chance(5)) p.bez2 = QStringLiteral("c/o ") + r.pick(l.lastNames);
        return p;
    }
    p.anrede = QStringLiteral("Firma");
    switch (r.below(10)) {
    case 0:
        p.bez1 = r.pick(l.quotedCompanies);
        p.bez2 = QStringLiteral("Inh. ") + r.pick(l.maleFirstNames) + QLatin1Char(' ') + last;
        break;
    case 1:
        p.bez1 = r.pick(l.institutions).arg(p.ort);
        p.bez2 = r.chance(50) ? QStringLiteral("Bauamt") : QStringLiteral("Liegenschaften");
        break;
    case 2:
    case 3:
        p.bez1 = r.pick(l.trades) + QLatin1Char(' ') + last;
        p.bez2 = QStringLiteral("Inh. ") + r.pick(l.femaleFirstNames) + QLatin1Char(' ') + last;
        break;
    case 4:
        p.bez1 = last + QStringLiteral(" & ") + r.pick(l.lastNames) + QLatin1Char(' ') +
                 r.pick(l.legalForms);
        p.bez2 = r.pick(l.trades);
        break;
    default:
        p.bez1 = last + QLatin1Char(' ') + r.pick(l.legalForms);
        p.bez2 = r.pick(l.trades);
    }
    if (r.chance(20))
        p.bez3 = QStringLiteral("z. Hd. ") +
                 (r.chance(50) ? QStringLiteral("Herrn ") : QStringLiteral("Frau ")) +
                 r.pick(l.lastNames);
    if (r.chance(3)) p.bez4 = QStringLiteral("Abteilung Einkauf");
    return p;
}

} // namespace

SampleWriter::SampleWriter(QSqlDatabase db, int customers, QVector<sample::Place> places)
    : mDb(std::move(db)), mCustomers(customers),
      mPlaces(places.isEmpty() ? sample::lists().places : std::move(places)) {}

SampleCounts SampleWriter::write(const QString& schemaScript) {
    namespace setup = belegadressen::dbsetup;
    const bool sqlite = mDb.driver()->dbmsType() == QSqlDriver::SQLite;
    QStringList tables, indexes;
    for (const QString& statement : setup::statements(schemaScript))
        (setup::isIndex(statement) ? indexes : tables) << statement;

    if (sqlite) {
        // A bulk load into a fresh file: no rollback journal, no syncing.
        setup::run(mDb, {QStringLiteral("PRAGMA journal_mode = OFF"),
                         QStringLiteral("PRAGMA synchronous = OFF"),
                         QStringLiteral("PRAGMA locking_mode = EXCLUSIVE"),
                         QStringLiteral("PRAGMA temp_store = MEMORY"),
                         QStringLiteral("PRAGMA cache_size = -262144")});
    }
    if (!mDb.transaction()) fail(QStringLiteral("begin"), mDb.lastError());
    setup::run(mDb, tables);
    SampleCounts counts;
    writeMasterData(counts);
    writeCustomers(counts);
    const ServiceSampleCounts service = writeServiceSamples(mDb);
    counts.sites += service.sites;
    counts.equipment += service.equipment;
    writeRemarkSamples(mDb, mCustomers);
    keyRemainingRows();
    if (!mDb.commit()) fail(QStringLiteral("commit"), mDb.lastError());
    // Indexes built once over the loaded rows are far cheaper than kept up
    // row by row.
    setup::run(mDb, indexes);
    if (sqlite) setup::run(mDb, setup::sqliteSearchIndexes());
    setup::run(mDb, setup::duplicateKeyTriggers(mDb));
    writeSearchIndex();
    setup::run(mDb, {QStringLiteral("ANALYZE")});
    if (sqlite)
        setup::run(mDb, {QStringLiteral("PRAGMA journal_mode = DELETE"),
                         QStringLiteral("PRAGMA synchronous = FULL"),
                         QStringLiteral("PRAGMA locking_mode = NORMAL")});
    return counts;
}

void SampleWriter::keyRemainingRows() {
    // The few rows written by fixed statements (the service samples) get
    // their duplicate keys here, as the control's code computes them.
    for (const auto& [table, number] :
         {std::pair{"Kundenstamm", "Kundennummer"}, std::pair{"Adressenstamm", "AdressNummer"}}) {
        QSqlQuery read(mDb), write(mDb);
        if (!read.exec(QStringLiteral("SELECT %1, Vorname, Bez1, Straße, Ort FROM %2 WHERE "
                                      "Namensschluessel IS NULL")
                           .arg(QLatin1String(number), QLatin1String(table))))
            fail(QStringLiteral("read keys"), read.lastError());
        std::vector<std::array<QString, 4>> rows;
        while (read.next())
            rows.push_back(
                {read.value(0).toString(),
                 belegadressen::nameKey(read.value(1).toString(), read.value(2).toString()),
                 belegadressen::addressKey(read.value(3).toString(), read.value(4).toString()),
                 belegadressen::streetKey(read.value(3).toString())});
        write.prepare(QStringLiteral("UPDATE %1 SET Namensschluessel = ?, Anschriftschluessel = ?, "
                                     "Strassenschluessel = ? WHERE %2 = ?")
                          .arg(QLatin1String(table), QLatin1String(number)));
        for (const auto& row : rows) {
            write.addBindValue(row[1]);
            write.addBindValue(row[2]);
            write.addBindValue(row[3]);
            write.addBindValue(row[0]);
            if (!write.exec()) fail(QStringLiteral("write keys"), write.lastError());
        }
    }
}

void SampleWriter::writeSearchIndex() {
    // Without the index the customer search still finds beginnings; the
    // sample is worth writing all the same.
    try {
        belegadressen::dbsetup::createCustomerSearchIndex(mDb);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "Hinweis: %s\n", e.what());
    }
}

void SampleWriter::writeMasterData(SampleCounts& counts) {
    const sample::Lists& l = sample::lists();

    Insert anreden(mDb, QStringLiteral("Anreden"), {QStringLiteral("Anrede")});
    for (const char* a : {"Herr", "Frau", "Firma", "Familie", "Herr Dr.", "Frau Dr.", "Eheleute",
                          "Herren", "Damen und Herren"}) {
        anreden << QString::fromUtf8(a);
        anreden.exec();
    }

    Insert versand(mDb, QStringLiteral("Versandtexte"), columns("Versandart, Kurztext"));
    for (const auto& [key, text] : {std::pair{"ABH", "Selbstabholung"},
                                    {"PAK", "Paketdienst"},
                                    {"SPE", "Spedition"},
                                    {"MON", "Lieferung durch Monteur"},
                                    {"KUR", "Kurierdienst"},
                                    {"BRF", "Briefpost"}}) {
        versand << QString::fromUtf8(key) << QString::fromUtf8(text);
        versand.exec();
    }

    Insert mwst(mDb, QStringLiteral("MWStKennzeichenKunde"), columns("MWStKZ, Kurztext"));
    for (const auto& [key, text] : {std::pair{"0", "Inland"},
                                    {"1", "EU-Ausland mit USt-IdNr."},
                                    {"2", "Drittland"},
                                    {"3", "Bauleistung § 13b UStG"}}) {
        mwst << QString::fromUtf8(key) << QString::fromUtf8(text);
        mwst.exec();
    }

    Insert zahlungsarten(mDb, QStringLiteral("Zahlungsarten"),
                         columns("Zahlungsart, Kurztext, ZahlungsartFibu"));
    for (const auto& [key, text, fibu] : {std::tuple{"UEB", "Überweisung", "1"},
                                          {"LS", "Lastschrift", "2"},
                                          {"BAR", "Barzahlung", "3"},
                                          {"EC", "Kartenzahlung", "4"},
                                          {"VK", "Vorkasse", "5"}}) {
        zahlungsarten << QString::fromUtf8(key) << QString::fromUtf8(text)
                      << QString::fromUtf8(fibu);
        zahlungsarten.exec();
    }

    Insert bedingungen(mDb, QStringLiteral("Zahlungsbedingungen"),
                       columns("ZahlBedSchl, Kurztext, NettoTage, SkontoTage1, SkontoProzent1, "
                               "SkontoTage2, SkontoProzent2, SkontoTage3, SkontoProzent3, "
                               "TextNummer, AlternativeTextNummer"));
    struct Terms {
        const char* key;
        const char* text;
        int netto, t1;
        double p1;
        int t2;
        double p2;
        int t3;
        double p3;
        const char* textNr;
        const char* altTextNr;
    };
    for (const Terms& t : {
             Terms{"01", "Sofort ohne Abzug", 0, 0, 0, 0, 0, 0, 0, "001", "000"},
             Terms{"02", "8 Tage 2 % Skonto, 30 Tage netto", 30, 8, 2, 0, 0, 0, 0, "002", "001"},
             Terms{"03", "14 Tage 3 %, 30 Tage 2 %, 60 Tage netto", 60, 14, 3, 30, 2, 0, 0, "002",
                   "001"},
             Terms{"04", "30 Tage netto", 30, 0, 0, 0, 0, 0, 0, "001", "000"},
             Terms{"05", "Vorkasse", 0, 0, 0, 0, 0, 0, 0, "000", "000"},
             Terms{"10", "Abschlag nach Baufortschritt, 10/20/30 Tage", 30, 10, 3, 20, 2, 30, 0.5,
                   "003", "001"},
         }) {
        bedingungen << QString::fromUtf8(t.key) << QString::fromUtf8(t.text) << t.netto << t.t1
                    << t.p1 << t.t2 << t.p2 << t.t3 << t.p3 << QString::fromUtf8(t.textNr)
                    << QString::fromUtf8(t.altTextNr);
        bedingungen.exec();
    }
    counts.masterData = anreden.finish() + versand.finish() + mwst.finish() +
                        zahlungsarten.finish() + bedingungen.finish();

    Insert waehrungen(mDb, QStringLiteral("Währungen"),
                      columns("Währung, Langtext, Kurs, Shiftfaktor, KZFibu"));
    for (const auto& [code, text, rate, fibu] : {std::tuple{"EUR", "Euro", 1.0, "0"},
                                                 {"CHF", "Schweizer Franken", 0.9412, "1"},
                                                 {"USD", "US-Dollar", 1.0856, "1"},
                                                 {"GBP", "Pfund Sterling", 0.8573, "1"}}) {
        waehrungen << QString::fromUtf8(code) << QString::fromUtf8(text) << rate << 1
                   << QString::fromUtf8(fibu);
        waehrungen.exec();
    }
    counts.currencies = waehrungen.finish();

    Insert kosten(mDb, QStringLiteral("Kostenzuordnung"),
                  columns("KostID, Kostenstelle, Kostentraeger"));
    const char* centres[] = {"100", "200", "300", "400"};
    const char* units[] = {"Kundendienst", "Wartung", "Neubau", "Sanierung", "Notdienst"};
    for (int id = 1; id <= 12; ++id) {
        kosten << id << QString::fromUtf8(centres[id % 4])
               << QStringLiteral("KTR-") + QString::fromUtf8(units[id % 5]);
        kosten.exec();
    }
    counts.costAssignments = kosten.finish();

    Insert personal(mDb, QStringLiteral("Personalstamm"),
                    columns("PersonalNr, Titel, Vorname, NachName, Durchwahl, Kurzzeichen"));
    for (const sample::StaffMember& s : l.staff) {
        personal << s.nr << textOrNull(s.titel) << s.vorname << s.nachname << s.durchwahl
                 << s.kurzzeichen;
        personal.exec();
    }
    counts.staff = personal.finish();

    Insert texte(mDb, QStringLiteral("Textbausteine"),
                 columns("Textart, Textnummer, SprachKZ, ZusatztextNummer, Langtext"));
    for (const sample::TextModule& t : l.texts) {
        texte << t.textart << t.textnummer << t.sprache << QStringLiteral("000") << t.langtext;
        texte.exec();
    }
    counts.textModules = texte.finish();

    Insert plz(mDb, QStringLiteral("Postleitzahlen"),
               columns("Land, Plz, Ort, Ortsteil, Strasse, OrtWort, StrasseSuche"));
    for (const sample::Place& p : l.places) {
        for (const QString& street : p.streets) {
            // The search spellings as the importer writes them.
            plz << QStringLiteral("D") << p.plz << p.ort << textOrNull(p.ortsteil) << street
                << belegadressen::placeWord(p.ort) << belegadressen::streetSpelling(street);
            plz.exec();
        }
    }
    counts.postalRows = plz.finish();
}

void SampleWriter::writeCustomers(SampleCounts& counts) {
    const sample::Lists& l = sample::lists();
    const int addressCount = std::max(20, mCustomers / 10);
    const int representatives = 8; // staff 001..008 sell, the others are technicians

    Insert kunde(mDb, QStringLiteral("Kundenstamm"),
                 columns("Kundennummer, Anrede, Vorname, Bez1, Bez2, Bez3, Bez4, HauptKonto, "
                         "MwSt_KZ, UStIdentNr, Auftragsrabatt, Zahlungsart, KostID, PostfachPlz, "
                         "Postfach, ZahlungsbedSchl, KzDivers, DruckAufbewahrungsfrist, Ort, "
                         "Straße, Land, PLZ, Versandart, Währung, Währungserfassung, "
                         "Liefersperre, MitUeberweisungen, VertreterNr1, VertreterNr2, "
                         "VertreterNr3, Telefon, Telefon2, Telefon3, Telefax, EMail, Hompage, "
                         "BezTelefon1, BezTelefon2, BezTelefon3, BezTelefax, BezEMail, "
                         "BezHompage, RG_KdNr, VS_KdNr, VS_AdrNr, RG_AdrNr, KopftextAN, "
                         "KopftextAB, KopftextLS, KopftextRG, KopftextGS, FußtextAN, FußtextAB, "
                         "FußtextLS, FußtextRG, FußtextGS, Kundeninfo, InterneBemerkung, "
                         "Kundengruppe, RechnungPerPDF, Namensschluessel, Anschriftschluessel, "
                         "Strassenschluessel"));
    Insert standort(mDb, QStringLiteral("Standorte"),
                    columns("Kundennummer, Standortnummer, StandortKdnr, VertragsNummer, "
                            "MonteurNummer, StandortAnrede, StandortVorname, StandortBez1, "
                            "StandortBez2, StandortBez3, StandortBez4, StandortPostfachPLZ, "
                            "StandortPostfach, StandortOrt, StandortLand, StandortStraße, "
                            "StandortPlz, Ansprechpartner, AnsprechpartnerTelefon, "
                            "AnsprechpartnerMobil, AnsprechpartnerFax, ErloesKontoKennung, "
                            "StandortKundenInfo"));
    Insert anlage(mDb, QStringLiteral("Anlagenstamm"),
                  columns("Kundennummer, Standortnummer, Anlagenummer, Bezeichnung, "
                          "LetzteWartung, VertragsNummer, ErloesKontoKennung, FormularST, "
                          "FormularWA"));
    const QString labels[] = {QStringLiteral("Telefon"), QStringLiteral("Mobil"),
                              QStringLiteral("Büro"),    QStringLiteral("Telefax"),
                              QStringLiteral("E-Mail"),  QStringLiteral("Internet")};
    const char* groupsCompany[] = {"GEWERBE", "HANDWERK", "WOHNBAU", "OEFFENTL"};

    for (int k = 1; k <= mCustomers; ++k) {
        Rng r(static_cast<quint64>(k));
        const QString nummer = customerNumber(k);
        const Party p = makeParty(r, mPlaces);
        const QString domain = sample::slug(p.bez1);

        QString taxKey = QStringLiteral("0");
        QVariant vatId;
        // Home customers mostly carry "EUR"; some leave the currency empty,
        // "0" or NULL, which all mean the home currency as well.
        QVariant currency = QStringLiteral("EUR");
        bool home = true;
        if (p.foreign) {
            taxKey = p.foreign->taxKey;
            currency = p.foreign->currency;
            home = p.foreign->currency == QLatin1String("EUR");
            if (!p.foreign->vatPrefix.isEmpty())
                vatId = p.foreign->vatPrefix + QString::number(100000000 + r.below(899999999));
        } else {
            if (p.company && r.chance(30))
                vatId = QStringLiteral("DE") + QString::number(100000000 + r.below(899999999));
            if (p.company && r.chance(8)) taxKey = QStringLiteral("3");
            const int roll = r.below(100);
            if (roll < 5)
                currency = QString();
            else if (roll < 8)
                currency = QStringLiteral("0");
            else if (roll < 10)
                currency = kNull;
            else if (roll < 12) {
                currency = r.chance(50) ? QStringLiteral("USD") : QStringLiteral("CHF");
                home = false;
            }
        }

        QVariant rabatt;
        if (const int roll = r.below(100); roll >= 70)
            rabatt = roll < 85 ? 0.0 : QList<double>{2, 2.5, 3, 5, 7.5, 10}[r.below(6)];
        QVariant kostId;
        if (const int roll = r.below(100); roll < 20)
            kostId = 1 + r.below(12);
        else if (roll < 21)
            kostId = 99; // an id without cost assignment
        else if (roll < 23)
            kostId = 0;
        QString zahlungsart = r.pick(QStringList{"UEB", "UEB", "UEB", "LS", "BAR", "EC", "VK"});
        if (r.chance(5)) zahlungsart += QStringLiteral("  "); // fixed-width keys of old data
        QVariant postfach, postfachPlz;
        if (p.company && !p.foreign && r.chance(8)) {
            postfach = QStringLiteral("%1 %2").arg(10 + r.below(89)).arg(10 + r.below(89));
            postfachPlz = p.plz.left(4) + QString::number(r.below(10));
        }
        auto vertreter = [&](int percent) {
            return r.chance(percent) ? QVariant(QStringLiteral("%1").arg(
                                           1 + r.below(representatives), 3, 10, QLatin1Char('0')))
                                     : kNull;
        };
        auto flag = [&](int nullPercent, int truePercent) -> QVariant {
            if (r.chance(nullPercent)) return kNull;
            return r.chance(truePercent) ? -1 : 0;
        };
        const QVariant rgKd =
            r.chance(2) && k > 1 ? QVariant(customerNumber(1 + r.below(k - 1))) : kNull;
        const QVariant vsKd =
            r.chance(1) && k > 1 ? QVariant(customerNumber(1 + r.below(k - 1))) : kNull;
        const QVariant vsAdr = r.chance(3) ? QVariant(addressNumber(1 + r.below(20))) : kNull;
        const QVariant rgAdr = r.chance(2) ? QVariant(addressNumber(1 + r.below(20))) : kNull;

        kunde << nummer << p.anrede << textOrNull(p.vorname) << p.bez1 << textOrNull(p.bez2)
              << textOrNull(p.bez3) << textOrNull(p.bez4)
              << (r.chance(5) ? kNull : QVariant(r.chance(5) ? QStringLiteral("1400") : nummer))
              << (r.chance(2) ? kNull : QVariant(taxKey)) << vatId << rabatt << zahlungsart
              << kostId << postfachPlz << postfach
              << r.pick(QStringList{"01", "02", "02", "03", "04", "04", "05", "10"})
              << (r.chance(5) ? -1 : 0) << (p.company ? flag(10, 5) : flag(10, 90)) << p.ort
              << p.strasse << p.land << p.plz
              << (r.chance(30) ? QVariant(r.pick(QStringList{"ABH", "PAK", "SPE", "MON"})) : kNull)
              << currency << (home ? 1 : 2) << (r.chance(1) ? -1 : 0) << flag(30, 20)
              << vertreter(60) << vertreter(15) << vertreter(3) << phone(r)
              << (r.chance(40) ? QVariant(phone(r)) : kNull)
              << (r.chance(10) ? QVariant(phone(r)) : kNull)
              << (p.company ? QVariant(phone(r)) : kNull)
              << QVariant(QStringLiteral("info@") + domain + QStringLiteral(".example"))
              << (p.company ? QVariant(QStringLiteral("www.") + domain + QStringLiteral(".example"))
                            : kNull);
        for (const QString& label : labels)
            kunde << label;
        kunde << rgKd << vsKd << vsAdr << rgAdr;
        // Most customers leave all ten text numbers at "000" (no text).
        const bool ownTexts = r.chance(40);
        for (int t = 0; t < 10; ++t)
            kunde << (ownTexts ? textNumber(r) : QVariant(QStringLiteral("000")));
        kunde << (r.chance(5) ? QVariant(r.pick(l.infos)) : kNull)
              << (r.chance(2) ? QVariant(r.pick(l.remarks)) : kNull)
              << (p.company ? (r.chance(5) ? kNull
                                           : QVariant(QString::fromUtf8(groupsCompany[r.below(4)])))
                            : QVariant(QStringLiteral("PRIVAT")))
              << flag(20, 50);
        kunde << belegadressen::nameKey(p.vorname, p.bez1)
              << belegadressen::addressKey(p.strasse, p.ort) << belegadressen::streetKey(p.strasse);
        kunde.exec();

        // Sites with their equipment for some customers, many for a few.
        int sites = 0;
        if (r.chance(12))
            sites = 1 + r.below(3);
        else if (r.chance(1))
            sites = 5 + r.below(4);
        for (int s = 1; s <= sites; ++s) {
            const Party sp = s == 1 ? p : makeParty(r, mPlaces);
            const QVariant vertrag = r.chance(60)
                                         ? QVariant(QStringLiteral("WV-%1-%2")
                                                        .arg(2019 + r.below(6))
                                                        .arg(k * 10 + s, 7, 10, QLatin1Char('0')))
                                         : kNull;
            const QVariant erloes = r.chance(30) ? kNull
                                                 : QVariant(r.chance(70) ? QStringLiteral("8400")
                                                                         : QStringLiteral("8401"));
            standort
                << nummer << s << (r.chance(10) ? kNull : QVariant(nummer)) << vertrag
                << (r.chance(20)
                        ? kNull
                        : QVariant(
                              l.staff[representatives + r.below(l.staff.size() - representatives)]
                                  .nr))
                << sp.anrede << textOrNull(sp.vorname)
                << (s == 1 ? sp.bez1 : QStringLiteral("Objekt ") + sp.strasse)
                << textOrNull(s == 1 ? sp.bez2 : p.bez1) << textOrNull(sp.bez3) << kNull << kNull
                << kNull << sp.ort << sp.land << sp.strasse << sp.plz
                << QVariant(r.pick(l.contactRoles) + QLatin1Char(' ') + r.pick(l.lastNames))
                << phone(r) << (r.chance(50) ? QVariant(phone(r)) : kNull)
                << (r.chance(20) ? QVariant(phone(r)) : kNull) << erloes
                << (r.chance(15) ? QVariant(r.pick(l.infos)) : kNull);
            standort.exec();
            const int items = 1 + r.below(3);
            for (int a = 1; a <= items; ++a) {
                const QString what = r.pick(l.equipment);
                const bool heating = what.contains(QStringLiteral("kessel")) ||
                                     what.contains(QStringLiteral("Wärmepumpe"));
                anlage << nummer << s << a << what << (r.chance(15) ? kNull : QVariant(isoDate(r)))
                       << vertrag << erloes
                       << (heating ? QStringLiteral("ST_Heizung") : QStringLiteral("ST_Allgemein"))
                       << (r.chance(10) ? kNull
                                        : QVariant(heating ? QStringLiteral("WA_Heizung")
                                                           : QStringLiteral("WA_Allgemein")));
                anlage.exec();
            }
        }
    }
    counts.customers = kunde.finish();
    counts.sites = standort.finish();
    counts.equipment = anlage.finish();

    Insert adresse(
        mDb, QStringLiteral("Adressenstamm"),
        columns("AdressNummer, AnredeHW, Vorname, Bez1, Bez2, Bez3, Straße, Land, PLZ, "
                "Ort, Telefon, Telefon2, Telefon3, Telefax, EMail, Homepage, "
                "BezTelefon1, BezTelefon2, BezTelefon3, BezTelefax, BezEMail, "
                "BezHomepage, Namensschluessel, Anschriftschluessel, Strassenschluessel"));
    for (int a = 1; a <= addressCount; ++a) {
        // Seeded apart from the customers so that both stay independent of the count.
        Rng r(0x4164726573736500ull + static_cast<quint64>(a));
        const Party p = makeParty(r, mPlaces);
        const QString domain = sample::slug(p.bez1);
        adresse << addressNumber(a) << p.anrede << textOrNull(p.vorname) << p.bez1
                << textOrNull(p.bez2) << textOrNull(p.bez3) << p.strasse << p.land << p.plz << p.ort
                << phone(r) << (r.chance(40) ? QVariant(phone(r)) : kNull) << kNull
                << (p.company ? QVariant(phone(r)) : kNull)
                << QVariant(QStringLiteral("kontakt@") + domain + QStringLiteral(".example"))
                << (p.company
                        ? QVariant(QStringLiteral("www.") + domain + QStringLiteral(".example"))
                        : kNull);
        for (const QString& label : labels)
            adresse << label;
        adresse << belegadressen::nameKey(p.vorname, p.bez1)
                << belegadressen::addressKey(p.strasse, p.ort)
                << belegadressen::streetKey(p.strasse);
        adresse.exec();
    }
    counts.addresses = adresse.finish();
}
