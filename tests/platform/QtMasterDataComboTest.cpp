#include "platform/QtMasterDataCombo.h"
#include "platform/Defaults.h"
#include "support/RecordingConnection.h"
#include "support/RecordingServices.h"
#include "support/TestDatabase.h"
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>
#include <functional>

using namespace belegadressen;
using namespace batest;

namespace {

using Kind = MasterDataCombo::Kind;

// Binds `combo` to `table`, each column captioned by its name; the statements are recorded.
std::shared_ptr<RecordingConnection> bind(QtMasterDataCombo& combo, SqliteDb& db, const char* table,
                                          std::initializer_list<const char*> columns) {
    auto recorder = std::make_shared<RecordingConnection>(db.connection());
    combo.setTableName(QString::fromUtf8(table));
    combo.setConnection(recorder);
    for (const char* c : columns)
        combo.AddColumn(QString::fromUtf8(c), QString::fromUtf8(c));
    return recorder;
}

class QtMasterDataComboTest : public ::testing::TestWithParam<Kind> {
protected:
    void SetUp() override {
        db.exec(QStringLiteral("create table Währungen (Währung text primary key, Langtext text, "
                               "Kurs real)"));
        db.exec(QStringLiteral("insert into Währungen values ('USD', 'US-Dollar', 1.0845), "
                               "('EUR', 'Euro', 1), ('CHF', 'Franken', 0.9512)"));
        recorder = std::make_shared<RecordingConnection>(db.connection());
        messages = std::make_shared<RecordingMessages>();
        dialogs = std::make_shared<ScriptedDialogRunner>();
        combo.reset(defaultMasterDataCombo(GetParam(), nullptr));
        setMasterDataComboServices(*combo, messages, dialogs);
    }

    // The set-up a host runs on every assignment of its address count.
    void setUp(const ComboDesign& design = {}) {
        combo->setDesign(design);
        combo->setSourceMode(0);
        combo->setServer(nullptr);
        combo->setOwnerForm(nullptr);
        combo->setTableName(QStringLiteral("Währungen"));
        combo->setConnection(recorder);
        combo->setUserName(QStringLiteral("tester"));
        combo->setSettingsKey(QStringLiteral("Wg"));
        combo->ClearColumns();
        combo->AddColumn(QStringLiteral("Währung"), QStringLiteral("Kürzel"));
        combo->AddColumn(QStringLiteral("Langtext"), QStringLiteral("Bezeichnung"));
        combo->AddColumn(QStringLiteral("Kurs"), QStringLiteral("Kurs"),
                         QStringLiteral("###,###,###,###.00000"));
    }

    QtMasterDataCombo& feld() { return *static_cast<QtMasterDataCombo*>(combo.get()); }

    SqliteDb db;
    std::shared_ptr<RecordingConnection> recorder;
    std::shared_ptr<RecordingMessages> messages;
    std::shared_ptr<ScriptedDialogRunner> dialogs;
    std::unique_ptr<MasterDataCombo> combo;
};

TEST_P(QtMasterDataComboTest, KeyRoundTripsWithoutReadingOrSignalling) {
    setUp();
    QSignalSpy changed(combo.get(), &MasterDataCombo::KeyChanged);
    QSignalSpy selected(combo.get(), &MasterDataCombo::ItemSelected);

    EXPECT_TRUE(combo->KeyValue().isNull());
    // A key the table lacks is kept as it is, unchecked.
    combo->setKeyValue(QStringLiteral(" a'b "));
    EXPECT_EQ(combo->KeyValue().toString(), QStringLiteral(" a'b "));
    for (const QVariant& none : {QVariant(), QVariant(QString())}) {
        combo->setKeyValue(QStringLiteral("EUR"));
        combo->setKeyValue(none);
        EXPECT_TRUE(combo->KeyValue().isNull());
    }
    // Setting up again, as every address count change does, reads nothing either.
    setUp();
    EXPECT_TRUE(recorder->statements.isEmpty()) << recorder->statements.join('\n').toStdString();
    EXPECT_EQ(changed.count(), 0);
    EXPECT_EQ(selected.count(), 0);
}

TEST_P(QtMasterDataComboTest, WorksBeforeAnySetUp) {
    bool cancel = false;
    combo->ValidateInput(cancel);
    EXPECT_FALSE(cancel);
    feld().showList();
    ASSERT_NE(feld().listWidget(), nullptr);
    EXPECT_EQ(feld().listWidget()->rowCount(), 0);
    feld().hideList();
    EXPECT_TRUE(combo->KeyValue().isNull());
}

TEST_P(QtMasterDataComboTest, ListIsReadOnceWhenFirstShown) {
    setUp();
    feld().showList();
    ASSERT_EQ(recorder->statements.size(), 1);
    EXPECT_EQ(recorder->statements[0],
              QStringLiteral("Select Währung, Langtext, Kurs from Währungen order by Währung"));
    QTableWidget* list = feld().listWidget();
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->rowCount(), 3);
    EXPECT_EQ(list->item(0, 0)->text(), QStringLiteral("CHF"));
    EXPECT_EQ(list->item(0, 2)->text(), QLocale().toString(0.9512, 'f', 5));
    feld().hideList();
    feld().showList();
    bool cancel = false;
    combo->setKeyValue(QStringLiteral("EUR"));
    combo->ValidateInput(cancel);
    EXPECT_EQ(recorder->statements.size(), 1);
}

TEST_P(QtMasterDataComboTest, PickFromListReportsChangeSelectionAndConfirm) {
    setUp();
    QSignalSpy changed(combo.get(), &MasterDataCombo::KeyChanged);
    QSignalSpy selected(combo.get(), &MasterDataCombo::ItemSelected);
    QSignalSpy confirmed(combo.get(), &MasterDataCombo::FieldConfirm);
    QSignalSpy edit(combo.get(), &MasterDataCombo::EditChange);

    combo->setKeyValue(QStringLiteral("CHF"));
    feld().showList();
    QTableWidget* list = feld().listWidget();
    ASSERT_TRUE(list->isVisible());
    EXPECT_EQ(list->currentRow(), 0);
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);

    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(combo->KeyValue().toString(), QStringLiteral("EUR"));
    EXPECT_EQ(changed.count(), 1);
    ASSERT_EQ(selected.count(), 1);
    EXPECT_EQ(selected[0][0].toString(), QStringLiteral("EUR"));
    EXPECT_EQ(confirmed.count(), 1);
    if (GetParam() == Kind::Edit) {
        ASSERT_EQ(edit.count(), 1);
        EXPECT_EQ(edit[0][0].toString(), QStringLiteral("EUR"));
        EXPECT_EQ(edit[0][2].toString(), QStringLiteral("CHF"));
        EXPECT_EQ(edit[0][5].toInt(), 1);
    } else {
        EXPECT_EQ(edit.count(), 0);
    }

    // A click picks too.
    feld().showList();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(2, 1)).center());
    EXPECT_EQ(combo->KeyValue().toString(), QStringLiteral("USD"));
    EXPECT_EQ(selected.count(), 2);
}

INSTANTIATE_TEST_SUITE_P(AllKinds, QtMasterDataComboTest,
                         ::testing::Values(Kind::Combo, Kind::ComboEdit, Kind::Edit),
                         [](const auto& info) {
                             return std::string(info.param == Kind::Combo       ? "Combo"
                                                : info.param == Kind::ComboEdit ? "ComboEdit"
                                                                                : "Edit");
                         });

struct ValidationCase {
    const char* name;
    bool keymustexist;
    bool showerrors;
    const char* text;
    bool cancel;
    int messages;
    int statements;
};

class QtMasterDataComboValidationTest : public ::testing::TestWithParam<ValidationCase> {};

TEST_P(QtMasterDataComboValidationTest, ChecksTypedKeyAgainstTable) {
    const ValidationCase& c = GetParam();
    SqliteDb db;
    db.exec(QStringLiteral("create table Zahlungsbedingungen (ZahlBedSchl text, Kurztext text)"));
    db.exec(QStringLiteral("insert into Zahlungsbedingungen values ('14N', '14 Tage netto'), "
                           "('SOFORT', 'sofort')"));
    auto messages = std::make_shared<RecordingMessages>();
    QtMasterDataCombo combo(Kind::Combo);
    combo.setServices(messages, std::make_shared<ScriptedDialogRunner>());
    ComboDesign design;
    design.caption = QStringLiteral("Zahlungsbedingung");
    design.keymustexist = c.keymustexist;
    design.showerrors = c.showerrors;
    design.messagekeynotfound = QStringLiteral("Die Zahlungsbedingung ist nicht vorhanden.");
    combo.setDesign(design);
    auto recorder = bind(combo, db, "Zahlungsbedingungen", {"ZahlBedSchl", "Kurztext"});

    QTest::keyClicks(combo.keyEntry(), QString::fromUtf8(c.text));
    bool cancel = false;
    combo.ValidateInput(cancel);
    EXPECT_EQ(cancel, c.cancel);
    EXPECT_EQ(messages->messages,
              c.messages ? QStringList{"Zahlungsbedingung[48]: Die Zahlungsbedingung ist nicht "
                                       "vorhanden."}
                         : QStringList());
    EXPECT_EQ(recorder->statements.size(), c.statements);
    // The typed text stays, refused or not.
    EXPECT_EQ(combo.KeyValue().toString(), QString::fromUtf8(c.text));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, QtMasterDataComboValidationTest,
    ::testing::Values(ValidationCase{"UnknownKeyRefusedWithMessage", true, true, "30N", true, 1, 1},
                      ValidationCase{"KnownKeyIgnoringCase", true, true, "sofort", false, 0, 1},
                      ValidationCase{"EmptyEntryPasses", true, true, "", false, 0, 0},
                      ValidationCase{"AnythingWithoutKeyMustExist", false, true, "30N", false, 0,
                                     0}),
    [](const auto& info) { return std::string(info.param.name); });

// A field in a window together with another input, the way a host places it.
class QtMasterDataComboFocusTest : public ::testing::Test {
protected:
    void SetUp() override {
        db.exec(QStringLiteral("create table Anreden (Anrede text)"));
        db.exec(QStringLiteral("insert into Anreden values ('Herr'), ('Frau'), ('Firma')"));
        auto* layout = new QVBoxLayout(&window);
        combo = new QtMasterDataCombo(Kind::ComboEdit, &window);
        other = new QLineEdit(&window);
        layout->addWidget(combo);
        layout->addWidget(other);
        combo->setServices(messages, std::make_shared<ScriptedDialogRunner>());
        ComboDesign design;
        design.caption = QStringLiteral("Anrede");
        design.messagekeynotfound = QStringLiteral("Die Anrede wurde nicht gefunden");
        combo->setDesign(design);
        bind(*combo, db, "Anreden", {"Anrede"});
        // The host answers a leave request with the field's own check.
        QObject::connect(combo, &MasterDataCombo::ValidateRequest, combo,
                         [this](bool* cancel) { combo->ValidateInput(*cancel); });
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    SqliteDb db;
    std::shared_ptr<RecordingMessages> messages = std::make_shared<RecordingMessages>();
    QWidget window;
    QtMasterDataCombo* combo = nullptr;
    QLineEdit* other = nullptr;
};

TEST_F(QtMasterDataComboFocusTest, RefusedKeyKeepsFocusAcceptedKeyIsConfirmedOnLeaving) {
    QSignalSpy entered(combo, &MasterDataCombo::FieldEnter);
    QSignalSpy requested(combo, &MasterDataCombo::ValidateRequest);
    QSignalSpy confirmed(combo, &MasterDataCombo::FieldConfirm);

    other->setFocus();
    entered.clear();
    requested.clear();
    combo->setFocus();
    EXPECT_EQ(QApplication::focusWidget(), combo->keyEntry());
    EXPECT_EQ(entered.count(), 1);

    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Dr."));
    other->setFocus();
    EXPECT_EQ(requested.count(), 1);
    EXPECT_EQ(QApplication::focusWidget(), combo->keyEntry());
    EXPECT_EQ(messages->messages,
              QStringList{QStringLiteral("Anrede[48]: Die Anrede wurde nicht gefunden")});
    EXPECT_EQ(confirmed.count(), 0);
    EXPECT_EQ(entered.count(), 1);

    combo->keyEntry()->selectAll();
    QTest::keyClicks(combo->keyEntry(), QStringLiteral("Frau"));
    other->setFocus();
    EXPECT_EQ(requested.count(), 2);
    EXPECT_EQ(QApplication::focusWidget(), other);
    EXPECT_EQ(confirmed.count(), 1);
    EXPECT_EQ(combo->KeyValue().toString(), QStringLiteral("Frau"));

    // Passing through without a change confirms nothing.
    combo->setFocus();
    other->setFocus();
    EXPECT_EQ(entered.count(), 2);
    EXPECT_EQ(requested.count(), 3);
    EXPECT_EQ(confirmed.count(), 1);
}

TEST_F(QtMasterDataComboFocusTest, KeysSentToTheFieldAreTypedIntoItsEntry) {
    QSignalSpy changed(combo, &MasterDataCombo::KeyChanged);
    QSignalSpy confirmed(combo, &MasterDataCombo::FieldConfirm);
    combo->setFocus();
    QTest::keyClicks(combo, QStringLiteral("Herr"));
    QTest::keyClick(combo, Qt::Key_Return);
    EXPECT_EQ(combo->KeyValue().toString(), QStringLiteral("Herr"));
    EXPECT_EQ(changed.count(), 4);
    EXPECT_EQ(confirmed.count(), 1);
}

TEST_F(QtMasterDataComboFocusTest, HiddenOrDisabledFieldIsLeftWithoutCheck) {
    QSignalSpy requested(combo, &MasterDataCombo::ValidateRequest);
    for (const std::function<void(bool)>& away :
         {std::function<void(bool)>([this](bool on) { combo->setVisible(on); }),
          std::function<void(bool)>([this](bool on) { combo->setEnabled(on); })}) {
        combo->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), combo->keyEntry());
        combo->keyEntry()->clear();
        QTest::keyClicks(combo->keyEntry(), QStringLiteral("Dr."));
        away(false);
        EXPECT_NE(QApplication::focusWidget(), combo->keyEntry());
        away(true);
    }
    EXPECT_EQ(requested.count(), 0);
    EXPECT_TRUE(messages->messages.isEmpty());
}

TEST(QtMasterDataComboKeyColumn, StaffListedByNumberAndPickedByIt) {
    SqliteDb db;
    db.exec(QStringLiteral("create table Personalstamm (PersonalNr integer primary key, Titel "
                           "text, Vorname text, Nachname text)"));
    db.exec(QStringLiteral("insert into Personalstamm values (7, '', 'Eva', 'Meier'), "
                           "(3, 'Dr.', 'Paul', 'Kurz')"));
    QtMasterDataCombo combo(Kind::Combo);
    combo.setServices(std::make_shared<RecordingMessages>(),
                      std::make_shared<ScriptedDialogRunner>());
    auto recorder = bind(combo, db, "Personalstamm", {"Titel", "Vorname", "Nachname"});
    QSignalSpy selected(&combo, &MasterDataCombo::ItemSelected);

    combo.showList();
    EXPECT_EQ(recorder->statements,
              QStringList{QStringLiteral("Select PersonalNr, Titel, Vorname, Nachname from "
                                         "Personalstamm order by PersonalNr")});
    QTableWidget* list = combo.listWidget();
    ASSERT_EQ(list->rowCount(), 2);
    EXPECT_EQ(list->columnCount(), 4);
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(combo.KeyValue().toString(), QStringLiteral("7"));
    ASSERT_EQ(selected.count(), 1);
    EXPECT_EQ(selected[0][0], QVariant(qlonglong(7)));
}

TEST(QtMasterDataComboEditDialog, WritesUserChangesAndTakesChosenRow) {
    SqliteDb db;
    db.exec(QStringLiteral("create table Versandtexte (Versandart text, Kurztext text)"));
    db.exec(QStringLiteral("insert into Versandtexte values ('POST', 'Post'), ('DHL', 'Paket'), "
                           "('ABH', 'Abholung')"));
    auto dialogs = std::make_shared<ScriptedDialogRunner>();
    QtMasterDataCombo combo(Kind::Edit);
    combo.setServices(std::make_shared<RecordingMessages>(), dialogs);
    ComboDesign design;
    design.caption = QStringLiteral("Versandart");
    design.dlgcaption = QStringLiteral("Versandarten bearbeiten");
    combo.setDesign(design);
    auto recorder = bind(combo, db, "Versandtexte", {"Versandart", "Kurztext"});
    combo.setKeyValue(QStringLiteral("DHL"));
    QSignalSpy changed(&combo, &MasterDataCombo::KeyChanged);
    QSignalSpy selected(&combo, &MasterDataCombo::ItemSelected);

    dialogs->script = [](QDialog& dialog) {
        auto* table = dialog.findChild<QTableWidget*>(QStringLiteral("tblDaten"));
        EXPECT_EQ(table->currentRow(), 1); // rows by key: ABH, DHL, POST
        table->item(2, 1)->setText(QStringLiteral("Brief"));
        table->setCurrentCell(0, 0);
        dialog.findChild<QPushButton*>(QStringLiteral("btnLoeschen"))->click();
        dialog.findChild<QPushButton*>(QStringLiteral("btnNeu"))->click();
        table->item(table->rowCount() - 1, 0)->setText(QStringLiteral("O'NEIL"));
        table->item(table->rowCount() - 1, 1)->setText(QStringLiteral("Kurier"));
        return int(QDialog::Accepted);
    };
    QTest::mouseClick(combo.dialogButton(), Qt::LeftButton);

    EXPECT_EQ(dialogs->shown, QStringList{QStringLiteral("Versandarten bearbeiten")});
    EXPECT_EQ(db.rows(QStringLiteral("select * from Versandtexte order by Versandart")),
              (QStringList{QStringLiteral("DHL|Paket"), QStringLiteral("O'NEIL|Kurier"),
                           QStringLiteral("POST|Brief")}));
    EXPECT_TRUE(recorder->statements.contains(
        QStringLiteral("Insert into Versandtexte (Versandart, Kurztext) values ('O''NEIL', "
                       "'Kurier')")));
    // The new row was current when the user confirmed: it becomes the key.
    EXPECT_EQ(combo.KeyValue().toString(), QStringLiteral("O'NEIL"));
    EXPECT_EQ(changed.count(), 1);
    ASSERT_EQ(selected.count(), 1);
    EXPECT_EQ(selected[0][0], QVariant(QStringLiteral("O'NEIL")));

    // A cancelled dialog writes nothing.
    const qsizetype before = recorder->statements.size();
    dialogs->script = [](QDialog& dialog) {
        dialog.findChild<QPushButton*>(QStringLiteral("btnNeu"))->click();
        return int(QDialog::Rejected);
    };
    combo.openEditDialog();
    EXPECT_EQ(recorder->statements.size(), before);
}

// A key already in the table, typed into a new row: OK is refused in words, nothing written.
TEST(QtMasterDataComboEditDialog, DuplicateKeyRefusedInWords) {
    SqliteDb db;
    db.exec(QStringLiteral("create table Anreden (Anrede text primary key)"));
    db.exec(QStringLiteral("insert into Anreden values ('Herr'), ('Frau')"));
    auto dialogs = std::make_shared<ScriptedDialogRunner>();
    auto messages = std::make_shared<RecordingMessages>();
    QtMasterDataCombo combo(MasterDataCombo::Kind::ComboEdit);
    combo.setServices(messages, dialogs);
    ComboDesign design;
    design.caption = QStringLiteral("Anrede");
    combo.setDesign(design);
    auto recorder = bind(combo, db, "Anreden", {"Anrede"});

    bool stayedOpen = false;
    dialogs->script = [&](QDialog& dialog) {
        dialog.findChild<QPushButton*>(QStringLiteral("btnNeu"))->click();
        auto* table = dialog.findChild<QTableWidget*>(QStringLiteral("tblDaten"));
        table->item(table->rowCount() - 1, 0)->setText(QStringLiteral("frau"));
        dialog.accept();
        stayedOpen = dialog.result() != QDialog::Accepted;
        return int(QDialog::Accepted);
    };
    recorder->statements.clear();
    combo.openEditDialog();
    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(messages->messages.size(), 2);
    EXPECT_TRUE(messages->messages[0].contains("„frau“ gibt es schon"));
    EXPECT_EQ(recorder->statements,
              QStringList{QStringLiteral("Select Anrede from Anreden order by Anrede")});
    EXPECT_EQ(db.rows(QStringLiteral("select * from Anreden order by Anrede")),
              (QStringList{QStringLiteral("Frau"), QStringLiteral("Herr")}));
}

} // namespace
