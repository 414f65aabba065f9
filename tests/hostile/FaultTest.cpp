// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

// Lost connections and a timeout mid-work: told in words, nothing half-written, work goes on.
#include "platform/QtMasterDataCombo.h"
#include "support/ControlHarness.h"
#include <QSqlQuery>
#include <QTableWidget>
#include <QTest>

using batest::ControlHarness;
using batest::Engine;

namespace {

// Each statement of a customer load lost in turn: whole customer or empty, then loads again.
TEST(LostDuringLoad, ReportsInWordsLeavesNoMixtureAndLoadsAfterwards) {
    for (const char* lost :
         {"Kundenstamm", "Kostenzuordnung", "Währungen", "Anlagenstamm", "Personalstamm"}) {
        SCOPED_TRACE(lost);
        ControlHarness h;
        auto& c = h.control();
        c.AddBelegart(110);
        h.sql().failWhenContains = QString::fromUtf8(lost);
        h.typeNumber("10001");
        const QStringList got{c.GetNummer(), c.GetBez1(), c.GetStrasse()};
        EXPECT_EQ(got, got[0].isEmpty()
                           ? QStringList({"", "", ""})
                           : QStringList({"10001", "Müller Haustechnik GmbH", "Hauptstraße 1"}));
        EXPECT_FALSE(got[0].isEmpty() &&
                     (h.messages().isEmpty() || h.messages().last().trimmed().isEmpty()));
        // The change gate is open again: a user edit on a one-page address is reported.
        c.setAktAdresse(3);
        h.clearRecords();
        h.focus("txtDAdr_1");
        QTest::keyClicks(h.edit("txtDAdr_1"), "x");
        EXPECT_TRUE(h.events().contains("Change")) << h.events().join(",").toStdString();

        h.sql().failWhenContains.clear();
        c.setAktAdresse(1);
        h.typeNumber("10002");
        EXPECT_EQ(c.GetBez1(), "Zürcher Bau AG");
    }
}

// Lost while a master-data edit is written: told which entry, table as it was, next one works.
TEST(LostDuringMasterDataEdit, ReportsInWordsAndTheFieldGoesOn) {
    batest::SqliteDb db;
    db.exec("create table Versandtexte (Versandart text, Kurztext text)");
    db.exec("insert into Versandtexte values ('POST', 'Post'), ('DHL', 'Paket')");
    auto recorder = std::make_shared<batest::RecordingConnection>(db.connection());
    auto services = std::make_shared<batest::RecordingServices>();
    belegadressen::QtMasterDataCombo combo(belegadressen::MasterDataCombo::Kind::Edit);
    combo.setServices(services, services);
    combo.setTableName("Versandtexte");
    combo.setConnection(recorder);
    combo.AddColumn("Versandart", "Versandart");
    combo.AddColumn("Kurztext", "Kurztext");
    services->script = [](QDialog& dialog) {
        dialog.findChild<QTableWidget*>("tblDaten")->item(0, 1)->setText("Paketdienst");
        return int(QDialog::Accepted);
    };
    recorder->failWhenContains = "Update";
    combo.openEditDialog();
    ASSERT_EQ(services->messages.size(), 1);
    EXPECT_TRUE(services->messages[0].contains("ließ sich nicht ändern"))
        << services->messages[0].toStdString();
    const QString select = "select * from Versandtexte order by Versandart";
    EXPECT_EQ(db.rows(select), (QStringList{"DHL|Paket", "POST|Post"}));

    recorder->failWhenContains.clear();
    combo.openEditDialog();
    EXPECT_EQ(db.rows(select), (QStringList{"DHL|Paketdienst", "POST|Post"}));
}

// A load cancelled by the statement timeout behind another session's lock is told, then works.
TEST(PostgresTimeout, ACancelledLoadIsReportedAndTheNextOneWorks) {
    if (batest::postgresConnInfo().isEmpty())
        GTEST_SKIP() << "BA_PG_CONNINFO is not set; PostgreSQL tests skipped";
    ControlHarness h(3, Engine::PostgreSQL);
    QSqlQuery(h.database().db()).exec("set statement_timeout = 200");
    {
        QSqlDatabase other =
            batest::openPostgres("ba_locker", batest::postgresConnInfo(),
                                 h.database().rows("select current_database()").value(0));
        QSqlQuery lock(other);
        ASSERT_TRUE(lock.exec("set search_path to " + h.database().pgSchema()));
        ASSERT_TRUE(lock.exec("begin"));
        ASSERT_TRUE(lock.exec("lock table Kundenstamm in access exclusive mode"));
        h.typeNumber("10001");
        EXPECT_EQ(h.control().GetBez1(), QString());
        EXPECT_FALSE(h.messages().isEmpty());
        lock.exec("commit");
        lock = QSqlQuery();
        other.close();
    }
    QSqlDatabase::removeDatabase("ba_locker");
    h.clearRecords();
    h.typeNumber("");
    h.typeNumber("10001");
    EXPECT_EQ(h.control().GetBez1(), "Müller Haustechnik GmbH");
    EXPECT_EQ(h.messages(), QStringList());
}

} // namespace
