// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

// The master-data editing dialog of two users: an edit or delete of the other
// user is never replaced or lost unseen, and the refused input stays open.
#include "contracts/Error.h"
#include "platform/Defaults.h"
#include "platform/MasterDataTable.h"
#include "platform/QtMasterDataCombo.h"
#include "support/RecordingConnection.h"
#include "support/RecordingServices.h"
#include "support/TestDatabase.h"
#include <QSqlDatabase>
#include <QTableWidget>

using namespace belegadressen;
using namespace batest;

namespace {

class MasterDataConflictTest : public OnEachEngine<> {};
INSTANTIATE_TEST_SUITE_P(, MasterDataConflictTest, engines(), EngineName());

TEST_P(MasterDataConflictTest, AnotherUsersEditAndDeleteAreKeptAndTheDialogStaysOpen) {
    TestDatabase db(engine(), false);
    db.exec("create table Versandtexte (Versandart varchar(10) primary key, Kurztext "
            "varchar(40))");
    db.exec("insert into Versandtexte values ('POST','Post'), ('DHL','Paket'), ('ABH','Abholung')");
    QWidget window;
    auto* combo = static_cast<QtMasterDataCombo*>(
        defaultMasterDataCombo(MasterDataCombo::Kind::Edit, &window));
    auto messages = std::make_shared<RecordingMessages>();
    auto dialogs = std::make_shared<ScriptedDialogRunner>();
    setMasterDataComboServices(*combo, messages, dialogs);
    ComboDesign design;
    design.caption = "Versandart";
    combo->setDesign(design);
    combo->setTableName("Versandtexte");
    combo->setConnection(db.connection());
    combo->AddColumn("Versandart", "Versandart");
    combo->AddColumn("Kurztext", "Text");
    const QString all = "select Versandart, Kurztext from Versandtexte order by Versandart";

    // The other session's statement while the dialog is open, the row this
    // user edits (by key: ABH, DHL, POST), the refusal (empty: saved), the rows after.
    const std::tuple<const char*, int, const char*, QStringList> cases[] = {
        {"update Versandtexte set Kurztext = 'Von A' where Versandart = 'DHL'",
         1,
         "„DHL“ wurde geändert (Text)",
         {"ABH|Abholung", "DHL|Von A", "POST|Post"}},
        {"delete from Versandtexte where Versandart = 'POST'",
         2,
         "„POST“ wurde gelöscht",
         {"ABH|Abholung", "DHL|Von A"}},
        {"update Versandtexte set Kurztext = 'Lager' where Versandart = 'ABH'",
         1,
         "",
         {"ABH|Lager", "DHL|Von B"}}};
    for (const auto& [otherUser, row, refusal, after] : cases) {
        SCOPED_TRACE(otherUser);
        messages->messages.clear();
        bool stayedOpen = false;
        dialogs->script = [&](QDialog& dialog) {
            OtherSession(db).exec(QString::fromUtf8(otherUser));
            auto* table = dialog.findChild<QTableWidget*>("tblDaten");
            table->item(row, 1)->setText("Von B");
            dialog.accept();
            stayedOpen =
                dialog.result() != QDialog::Accepted && table->item(row, 1)->text() == "Von B";
            return dialog.result();
        };
        combo->openEditDialog();
        EXPECT_EQ(db.rows(all), after);
        EXPECT_EQ(stayedOpen, *refusal != 0);
        if (!*refusal) {
            EXPECT_TRUE(messages->messages.isEmpty())
                << messages->messages.join('\n').toStdString();
            continue;
        }
        ASSERT_EQ(messages->messages.size(), 1);
        const QString& m = messages->messages[0];
        EXPECT_TRUE(m.contains(QString::fromUtf8(refusal)) && m.contains("anderer Benutzer"))
            << m.toStdString();
    }
}

// The table behind a master-data list, saved through a connection that lets
// another session act in between, or loses an answer.
class MasterDataSaveTest : public OnEachEngine<> {
protected:
    void SetUp() override {
        OnEachEngine::SetUp();
        if (IsSkipped()) return;
        db = std::make_unique<TestDatabase>(engine(), false);
        db->exec("create table Versandtexte (Versandart varchar(10) primary key, Kurztext "
                 "varchar(40) check (Kurztext <> 'verboten'))");
        db->exec("insert into Versandtexte values ('POST','Post'), ('DHL','Paket')");
        sql = std::make_shared<RecordingConnection>(db->connection());
        table.setTableName("Versandtexte");
        table.setConnection(sql);
        table.addColumn("Versandart", "Versandart");
        table.addColumn("Kurztext", "Text");
        table.load();
    }
    // The user's edit of the text of `key`.
    MasterDataChanges edit(const QString& key, const QString& text) {
        MasterDataChanges changes;
        changes.edited.append({table.rowOfKey(key), {key, text}});
        return changes;
    }
    QString saveRefusal(const MasterDataChanges& changes) {
        try {
            table.save(changes);
            return {};
        } catch (const Error& e) {
            return e.text();
        }
    }
    QStringList rows() {
        return db->rows("select Versandart, Kurztext from Versandtexte order by Versandart");
    }

    std::unique_ptr<TestDatabase> db;
    std::shared_ptr<RecordingConnection> sql;
    MasterDataTable table;
};
INSTANTIATE_TEST_SUITE_P(, MasterDataSaveTest, engines(), EngineName());

// Another user's change between this user's check and write waits for the
// write and is refused as locked, instead of being overwritten unseen.
TEST_P(MasterDataSaveTest, NoWriterSlipsBetweenTheCheckAndTheWrite) {
    OtherSession other(*db);
    other.exec(engine() == Engine::SQLite ? "PRAGMA busy_timeout = 50"
                                          : "SET lock_timeout = '100ms'");
    bool otherWrote = false;
    sql->before = [&](const QString& statement) {
        if (!statement.startsWith("Update Versandtexte")) return;
        sql->before = nullptr;
        try {
            other.exec("update Versandtexte set Kurztext = 'Von A' where Versandart = 'DHL'");
            otherWrote = true;
        } catch (const std::exception&) {
        }
    };
    EXPECT_EQ(saveRefusal(edit("DHL", "Von B")), QString());
    EXPECT_FALSE(otherWrote);
    EXPECT_EQ(rows(), QStringList({"DHL|Von B", "POST|Post"}));
}

// A refused save names the database's reason; a host transaction is not joined.
TEST_P(MasterDataSaveTest, ARefusedSaveSaysWhy) {
    const QString refusal = saveRefusal(edit("DHL", "verboten"));
    EXPECT_TRUE(refusal.contains("„DHL“ ließ sich nicht ändern") && refusal.contains("Ursache:") &&
                refusal.contains("check", Qt::CaseInsensitive))
        << refusal.toStdString();
    EXPECT_EQ(rows(), QStringList({"DHL|Paket", "POST|Post"}));

    QSqlDatabase host = db->db();
    ASSERT_TRUE(host.transaction());
    db->exec("insert into Versandtexte values ('ABH','vom Programm')");
    const QString open = saveRefusal(edit("DHL", "Von B"));
    ASSERT_TRUE(host.rollback());
    EXPECT_TRUE(open.contains("Transaktion des Programms offen")) << open.toStdString();
    EXPECT_EQ(rows(), QStringList({"DHL|Paket", "POST|Post"}));
}

// The answer to COMMIT is lost after the server carried it out: the user is
// not told that nothing was saved, and the next save blames no other user.
TEST_P(MasterDataSaveTest, ALostAnswerToTheCommitIsCheckedByReadingBack) {
    sql->loseReplyWhenContains = "COMMIT";
    EXPECT_EQ(saveRefusal(edit("DHL", "Von B")), QString());
    sql->loseReplyWhenContains.clear();
    EXPECT_EQ(rows(), QStringList({"DHL|Von B", "POST|Post"}));
    table.load();
    EXPECT_EQ(saveRefusal(edit("POST", "Brief")), QString());
}

} // namespace
