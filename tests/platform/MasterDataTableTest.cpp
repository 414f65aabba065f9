// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "platform/MasterDataTable.h"
#include "contracts/Error.h"
#include "support/ControlHarness.h"
#include "support/TestDatabase.h"
#include <gtest/gtest.h>

using namespace belegadressen;
using namespace batest;

namespace {

// Payment terms of the real schema, through a recording connection that fails on request.
template <class E> class MasterDataTableTest : public EngineTest<E> {
protected:
    void SetUp() override {
        EngineTest<E>::SetUp();
        if (this->IsSkipped() || this->HasFailure()) return;
        db().exec("DELETE FROM Zahlungsbedingungen");
        db().exec(QStringLiteral(
            "INSERT INTO Zahlungsbedingungen (ZahlBedSchl, Kurztext, NettoTage, SkontoProzent1) "
            "VALUES ('14T', '14 Tage netto', 14, 2.5), ('SOFORT', 'sofort', 0, 1.23456)"));
        sql = std::make_shared<RecordingConnection>(this->connection());
        table.setTableName("Zahlungsbedingungen");
        table.setConnection(sql);
        for (const auto& [column, heading] :
             {std::pair{"ZahlBedSchl", "Schlüssel"}, std::pair{"Kurztext", "Bezeichnung"},
              std::pair{"NettoTage", "Netto-Tage"}, std::pair{"SkontoProzent1", "Prozent 1"}})
            table.addColumn(QString::fromUtf8(column), QString::fromUtf8(heading));
        table.load();
    }
    TestDatabase& db() { return EngineTest<E>::database(); }
    QStringList rows() {
        return db().rows(QStringLiteral("SELECT ZahlBedSchl, Kurztext, NettoTage, SkontoProzent1 "
                                        "FROM Zahlungsbedingungen ORDER BY 1"));
    }

    std::shared_ptr<RecordingConnection> sql;
    MasterDataTable table;
};

TYPED_TEST_SUITE(MasterDataTableTest, BothEngines, EngineNames);

TYPED_TEST(MasterDataTableTest, NumbersShownAndTypedInGermanNotation) {
    ASSERT_EQ(this->table.rows().size(), 2);
    EXPECT_EQ(this->table.editTexts()[1], (QStringList{"SOFORT", "sofort", "0", "1,23456"}));
    MasterDataChanges changes;
    changes.edited.append({0, {"14T", "14 Tage netto", "30", "3,75"}});
    changes.added << QStringList{"2%10", "Skonto", "10", "2"};
    this->table.save(changes);
    EXPECT_EQ(this->rows(), (QStringList{"14T|14 Tage netto|30|3.75", "2%10|Skonto|10|2",
                                         "SOFORT|sofort|0|1.23456"}));
    // Read again, a number comes back as it was typed.
    this->table.load();
    EXPECT_EQ(this->table.editText(0, 3), "3,75");
}

// Rows as the user typed them: cells separated by '|', rows by ';'.
QList<QStringList> typedRows(const char* text) {
    QList<QStringList> rows;
    for (const QString& row : QString::fromUtf8(text).split(QLatin1Char(';'), Qt::SkipEmptyParts))
        rows << row.split(QLatin1Char('|'));
    return rows;
}

TYPED_TEST(MasterDataTableTest, RefusedKeysAndValuesExplainedInWords) {
    // Name, rows added, row 0 edited to (empty: none), the reason (empty: accepted).
    const char* cases[][4] = {
        {"accepted", "30T|30 Tage|30|", "", ""},
        {"duplicate ignoring case", "sofort|noch einmal||", "",
         "„sofort“ gibt es schon; jeder „Schlüssel“ darf nur einmal vorkommen."},
        {"edited onto another key", "", "SOFORT|14 Tage netto|14|2,5",
         "„SOFORT“ gibt es schon; jeder „Schlüssel“ darf nur einmal vorkommen."},
        {"too long", "ZWEIUNDDREISSIG|||", "",
         "„ZWEIUNDDREISSIG“ ist zu lang: „Schlüssel“ hat höchstens 10 Zeichen."},
        {"no key", "|ohne||", "", "Ein Eintrag ohne „Schlüssel“ kann nicht gespeichert werden."},
        {"no whole number", "X||1,5|", "",
         "In der Spalte „Netto-Tage“ ist „1,5“ keine ganze Zahl."},
    };
    const QStringList before = this->rows();
    for (const auto& [name, added, edited, why] : cases) {
        SCOPED_TRACE(name);
        MasterDataChanges changes;
        changes.added = typedRows(added);
        if (*edited) changes.edited.append({0, typedRows(edited).first()});
        const QString reason = QString::fromUtf8(why);
        EXPECT_EQ(this->table.checkChanges(changes), reason);
        if (reason.isEmpty()) continue;
        this->sql->statements.clear();
        try {
            this->table.save(changes);
            ADD_FAILURE() << "written";
        } catch (const Error& e) {
            EXPECT_TRUE(e.text().contains(reason)) << e.text().toStdString();
        }
        EXPECT_TRUE(this->sql->statements.isEmpty());
        EXPECT_EQ(this->rows(), before);
        this->table.load();
    }
}

// Delete, update, insert: the third statement fails, the first two are undone.
TYPED_TEST(MasterDataTableTest, FailingThirdStatementLeavesTableUnchanged) {
    const QStringList before = this->rows();
    MasterDataChanges changes;
    changes.deleted << 0;
    changes.edited.append({1, {"SOFORT", "sofort netto", "0", "1,23456"}});
    changes.added << QStringList{"60T", "60 Tage", "60", ""};
    this->sql->failWhenContains = "Insert into";
    this->sql->statements.clear();
    try {
        this->table.save(changes);
        ADD_FAILURE() << "written";
    } catch (const Error& e) {
        EXPECT_EQ(e.text(), QStringLiteral("Die Änderungen an „Zahlungsbedingungen“ wurden nicht "
                                           "gespeichert: „60T“ ließ sich nicht anlegen. Die "
                                           "Tabelle ist unverändert.\nUrsache: server closed "
                                           "the connection unexpectedly"));
    }
    EXPECT_EQ(this->rows(), before);
    EXPECT_TRUE(this->sql->statements.value(1).startsWith("BEGIN"));
    EXPECT_EQ(this->sql->statements.last(), QStringLiteral("ROLLBACK"));

    // The engine itself refuses: another user took the key in the meantime.
    this->sql->failWhenContains.clear();
    this->table.load();
    this->db().exec(QStringLiteral(
        "INSERT INTO Zahlungsbedingungen (ZahlBedSchl, Kurztext) VALUES ('60T', 'fremd')"));
    const QStringList taken = this->rows();
    EXPECT_THROW(this->table.save(changes), Error);
    EXPECT_EQ(this->rows(), taken);
}

} // namespace
