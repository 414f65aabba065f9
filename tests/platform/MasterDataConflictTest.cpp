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

} // namespace
