// Lost connections and a server timeout mid-work: told in words, nothing half-written, work goes
// on.
#include "platform/QtMasterDataCombo.h"
#include "support/ControlHarness.h"
#include "support/RecordingServices.h"
#include "support/TestDatabase.h"
#include <QPushButton>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

using batest::ControlHarness;
using batest::Engine;

namespace {

// The address is either the whole customer or empty, never a mixture.
void expectWholeOrEmpty(ControlHarness& h) {
    auto& c = h.control();
    if (c.GetNummer().isEmpty()) {
        EXPECT_EQ(c.GetBez1(), QString());
        EXPECT_EQ(c.GetStrasse(), QString());
    } else {
        EXPECT_EQ(c.GetNummer(), "10001");
        EXPECT_EQ(c.GetBez1(), "Müller Haustechnik GmbH");
        EXPECT_EQ(c.GetStrasse(), "Hauptstraße 1");
    }
}

class LostDuringLoad : public ::testing::TestWithParam<const char*> {};

TEST_P(LostDuringLoad, ReportsInWordsLeavesNoMixtureAndLoadsAfterwards) {
    ControlHarness h;
    h.control().AddBelegart(110);
    h.sql().failWhenContains = QString::fromUtf8(GetParam());
    h.typeNumber("10001");
    expectWholeOrEmpty(h);
    if (h.control().GetNummer().isEmpty()) {
        ASSERT_FALSE(h.messages().isEmpty());
        EXPECT_FALSE(h.messages().last().trimmed().isEmpty());
    }
    // The change gate is open again: a user edit (on a one-page address,
    // which needs no number) is reported.
    h.control().setAktAdresse(3);
    h.clearRecords();
    h.focus("txtDAdr_1");
    QTest::keyClicks(h.edit("txtDAdr_1"), "x");
    EXPECT_TRUE(h.events().contains("Change")) << h.events().join(",").toStdString();

    h.sql().failWhenContains.clear();
    h.control().setAktAdresse(1);
    h.typeNumber("10002");
    EXPECT_EQ(h.control().GetBez1(), "Zürcher Bau AG");
}

// Each statement a customer load runs, lost in turn.
INSTANTIATE_TEST_SUITE_P(, LostDuringLoad,
                         ::testing::Values("Kundenstamm", "Kostenzuordnung", "Währungen",
                                           "Anlagenstamm", "Personalstamm"),
                         [](const auto& info) {
                             return QString::fromUtf8(info.param)
                                 .replace(QChar(0xE4), QStringLiteral("ae"))
                                 .toStdString();
                         });

// The connection lost while a master-data edit is written: the field says so
// in words and reads its table again afterwards.
TEST(LostDuringMasterDataEdit, ReportsInWordsAndTheFieldGoesOn) {
    using namespace batest;
    SqliteDb db;
    db.exec("create table Versandtexte (Versandart text, Kurztext text)");
    db.exec("insert into Versandtexte values ('POST', 'Post'), ('DHL', 'Paket')");
    auto recorder = std::make_shared<batest::RecordingConnection>(db.connection());
    auto messages = std::make_shared<RecordingMessages>();
    auto dialogs = std::make_shared<ScriptedDialogRunner>();
    belegadressen::QtMasterDataCombo combo(belegadressen::MasterDataCombo::Kind::Edit);
    combo.setServices(messages, dialogs);
    combo.setTableName("Versandtexte");
    combo.setConnection(recorder);
    combo.AddColumn("Versandart", "Versandart");
    combo.AddColumn("Kurztext", "Kurztext");
    dialogs->script = [](QDialog& dialog) {
        auto* table = dialog.findChild<QTableWidget*>("tblDaten");
        table->item(0, 1)->setText("Paketdienst");
        return int(QDialog::Accepted);
    };
    recorder->failWhenContains = "Update";
    combo.openEditDialog();
    // The user is told in words which entry failed; the table is as it was.
    ASSERT_EQ(messages->messages.size(), 1);
    EXPECT_TRUE(messages->messages[0].contains("ließ sich nicht ändern"))
        << messages->messages[0].toStdString();
    EXPECT_EQ(db.rows("select * from Versandtexte order by Versandart"),
              (QStringList{"DHL|Paket", "POST|Post"}));

    recorder->failWhenContains.clear();
    combo.openEditDialog();
    EXPECT_EQ(db.rows("select * from Versandtexte order by Versandart"),
              (QStringList{"DHL|Paketdienst", "POST|Post"}));
}

// A load cancelled by the statement timeout behind another session's lock is told, then works.
TEST(PostgresTimeout, ACancelledLoadIsReportedAndTheNextOneWorks) {
    if (batest::postgresConnInfo().isEmpty())
        GTEST_SKIP() << "BA_PG_CONNINFO is not set; PostgreSQL tests skipped";
    ControlHarness h(3, Engine::PostgreSQL);
    QSqlQuery(h.database().db()).exec("set statement_timeout = 200");
    QSqlQuery name(h.database().db());
    name.exec("select current_database()");
    name.next();
    {
        QSqlDatabase other =
            batest::openPostgres("ba_locker", batest::postgresConnInfo(), name.value(0).toString());
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
