// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

// The local directory answers a whole check in one statement; the answers
// must be the ones its single questions give, on both engines.
#include "platform/PostalImport.h"
#include "platform/PostalSpelling.h"
#include "support/RecordingConnection.h"
#include "support/TestDatabase.h"
#include <QRegularExpression>

using namespace belegadressen;
using namespace batest;

namespace {

QString text(const PostalCheckAnswer& a) {
    QStringList out{a.ort};
    for (const QList<PostalEntry>* list : {&a.byCode, &a.byPlaceStreet, &a.byPlace}) {
        QStringList entries;
        for (const PostalEntry& e : *list)
            entries << QStringList{e.plz, e.ort, e.ortsteil, e.strasse}.join('/');
        out << entries.join(", ");
    }
    return out.join(" | ");
}

class Directory : public OnEachEngine<> {
protected:
    void fill(TestDatabase& db) {
        PostalImport::write(db.db(), "D",
                            {{"12345", "Musterstadt", "Nord", "Hauptstraße"},
                             {"12345", "Musterstadt", "Süd", "Hauptstraße"},
                             {"12345", "Musterstadt", "Süd", "Bahnhofstraße"},
                             {"12346", "Musterstadt", "", "Hauptstraße"},
                             {"12346", "MUSTERSTADT ", "", ""},
                             {"77777", "O'Hara", "", ""},
                             {"54321", "Beispielort", "", "Dorfweg"},
                             {"54321", "Anderort", "", "Dorfweg"},
                             {"60311", "Frankfurt am Main", "", "Zeil"},
                             {"15230", "Frankfurt (Oder)", "", "Zeil"},
                             {"60999", "Frankfurter Berg", "", "Zeil"},
                             {"31111", "Neustadt", "", "Marktplatz"},
                             {"31112", "Neustadt", "", "Lindenweg"},
                             {"40000", "--", "", "Weg"}});
        // The same code and place in another country.
        PostalImport::write(db.db(), "A", {{"12345", "Musterstadt", "", "Hauptstraße"}});
    }
};

// Postal code, place, street spellings (separated by '/'), country; every one
// with and without districts.
TEST_P(Directory, OneStatementAnswersAsTheSingleQuestions) {
    TestDatabase db(engine());
    fill(db);
    const char* cases[][4] = {
        {"12345", "", "", "D"},                       // the code alone
        {"12345", "Musterstadt", "Hauptstraße", "D"}, // everything typed
        {"12345", "", "Hauptstr./Hauptstraße", "D"},  // the code's only place
        {"54321", "", "Dorfweg", "D"},                // a code of two places: none
        {"31111", "", "Lindenweg", "D"},              // the place's street under another code
        {"", "Neustadt", "Lindenweg", "D"},           // place and street, no code
        {"", "Frankfurt", "Zeil", "D"},               // places the typed one begins
        {"", "frankfurt am", "", "D"},                // ... word by word only
        {"", "musterstadt", "", "D"},                 // spellings and trailing blanks
        {"77777", "O'Hara", "", "D"},                 // a quote
        {"40000", "", "Weg", "D"},                    // a place without a word
        {"", "--", "", "D"},                          // a typed place without a word
        {"12345", "Musterstadt", "Hauptstraße", "A"}, // another country
        {"12345", "Musterstadt", "Hauptstraße", ""},  // any country
        {"99999", "Nirgendwo", "Weg", "D"},           // nothing at all
        {"", "", "", "D"},                            // nothing asked
    };
    for (bool districts : {false, true}) {
        auto recorder = std::make_shared<RecordingConnection>(db.connection());
        SqlPostalDirectory table(recorder, districts);
        for (const auto& c : cases) {
            SCOPED_TRACE(QStringList({c[0], c[1], c[2], c[3], districts ? "T" : ""})
                             .join('|')
                             .toStdString());
            const QStringList streets = *c[2] ? QString::fromUtf8(c[2]).split('/') : QStringList();
            const PostalCheckQuery query{QString::fromUtf8(c[0]), QString::fromUtf8(c[1]), streets,
                                         QString::fromUtf8(c[3])};
            // The base check asks find() question by question, as a host's own
            // directory is asked.
            const QString expected = text(table.PostalDirectory::check(query));
            recorder->statements.clear();
            EXPECT_EQ(text(table.check(query)), expected);
            EXPECT_LE(recorder->statements.size(), 1)
                << recorder->statements.join('\n').toStdString();
        }
    }
}

// Each branch of the statement is answered from an index, not by reading the
// table: with a typed place, and with the place of the code.
TEST_P(Directory, TheStatementIsAnsweredByTheIndexes) {
    TestDatabase db(engine());
    fill(db);
    auto recorder = std::make_shared<RecordingConnection>(db.connection());
    SqlPostalDirectory table(recorder, true);
    table.check({"12345", "Musterstadt", {"Hauptstraße"}, "D"});
    table.check({"12345", "", {"Hauptstraße"}, "D"});
    ASSERT_EQ(recorder->statements.size(), 2);
    for (const QString& sql : recorder->statements) {
        SCOPED_TRACE(sql.toStdString());
        // A table this small is read whole unless told otherwise; the question
        // is whether the indexes can answer at all.
        const bool lite = engine() == Engine::SQLite;
        if (!lite) db.exec("SET enable_seqscan = off");
        const QString plan = db.rows((lite ? "EXPLAIN QUERY PLAN " : "EXPLAIN ") + sql).join('\n');
        if (!lite) db.exec("SET enable_seqscan = on");
        EXPECT_FALSE(plan.contains(lite ? "SCAN" : "Seq Scan")) << plan.toStdString();
        // Every index is entered by code or place word, never read through a
        // whole country.
        const QRegularExpression entered("\\bplz\\b|ortwort",
                                         QRegularExpression::CaseInsensitiveOption);
        for (const QString& line : plan.split('\n'))
            if (line.contains(lite ? "SEARCH" : "Index Cond")) {
                EXPECT_TRUE(line.contains(entered)) << plan.toStdString();
            }
        EXPECT_TRUE(plan.contains("ix_postleitzahlen_plz")) << plan.toStdString();
        EXPECT_TRUE(plan.contains("ix_postleitzahlen_ort")) << plan.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(, Directory, engines(), EngineName());

// What counts as a slip of the same place and as its short form.
TEST(PlaceSpelling, SlipsAndShortForms) {
    // typed|place|misspelt|short form
    for (const char* row :
         {"Müchen|München|1|0", "Munchen|München|1|0", "Mnchen|München|1|0", "Münhcen|München|1|0",
          "Mümchen|München|1|0", "MÜNCHEN|München|0|0", "Muenchen|München|0|0", "Mchen|München|0|0",
          "Lera|Leer|0|0", "Lerr|Leer|1|0", "Mönchengldbch|Mönchengladbach|1|0",
          "Mönchngldbch|Mönchengladbach|0|0", "Frankfurt a. M.|Frankfurt am Main|0|1",
          "Frankfurt a.M.|Frankfurt am Main|0|1", "St. Ingbert|Sankt Ingbert|0|1",
          "Frankfurt a. O.|Frankfurt am Main|0|0", "Frankfurt am Main|Frankfurt am Main|0|0",
          "Frankfurt M.|Frankfurt am Main|0|0", "|München|0|0"}) {
        const QStringList r = QString::fromUtf8(row).split('|');
        EXPECT_EQ(QStringList({QString::number(misspeltPlace(r[0], r[1])),
                               QString::number(abbreviatesPlace(r[0], r[1]))}),
                  r.mid(2))
            << row;
    }
}

} // namespace
