// The master-data editing dialog of two users: an edit or delete of the other
// user is never replaced or lost unseen, and the refused input stays open.
#include "platform/Defaults.h"
#include "platform/QtMasterDataCombo.h"
#include "support/RecordingServices.h"
#include "support/TestDatabase.h"
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
    db.exec("insert into Versandtexte values ('POST','Post'), ('DHL','Paket'), "
            "('ABH','Abholung')");
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

    struct Case {
        const char* name;
        const char* otherUser; // statements of the other session while the dialog is open
        int row;               // the row this user edits (by key: ABH, DHL, POST)
        QString refusal;       // part of the message; empty: saved
        QStringList after;
    };
    const Case cases[] = {
        {"same cell",
         "update Versandtexte set Kurztext = 'Von A' where Versandart = 'DHL'",
         1,
         "„DHL“ wurde geändert (Text)",
         {"ABH|Abholung", "DHL|Von A", "POST|Post"}},
        {"deleted row",
         "delete from Versandtexte where Versandart = 'POST'",
         2,
         "„POST“ wurde gelöscht",
         {"ABH|Abholung", "DHL|Von A"}},
        {"another row",
         "update Versandtexte set Kurztext = 'Lager' where Versandart = 'ABH'",
         1,
         {},
         {"ABH|Lager", "DHL|Von B"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        messages->messages.clear();
        bool stayedOpen = false;
        dialogs->script = [&](QDialog& dialog) {
            OtherSession(db).exec(QString::fromUtf8(c.otherUser));
            auto* table = dialog.findChild<QTableWidget*>("tblDaten");
            table->item(c.row, 1)->setText("Von B");
            dialog.accept();
            stayedOpen =
                dialog.result() != QDialog::Accepted && table->item(c.row, 1)->text() == "Von B";
            return dialog.result();
        };
        combo->openEditDialog();
        EXPECT_EQ(db.rows(all), c.after);
        EXPECT_EQ(stayedOpen, !c.refusal.isEmpty());
        if (c.refusal.isEmpty()) {
            EXPECT_TRUE(messages->messages.isEmpty())
                << messages->messages.join('\n').toStdString();
            continue;
        }
        ASSERT_EQ(messages->messages.size(), 1);
        EXPECT_TRUE(messages->messages[0].contains(c.refusal))
            << messages->messages[0].toStdString();
        EXPECT_TRUE(messages->messages[0].contains("anderer Benutzer"));
    }
}

} // namespace
