// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "platform/QtMasterDataCombo.h"
#include "platform/Defaults.h"
#include "support/RecordingConnection.h"
#include "support/RecordingServices.h"
#include "support/TestDatabase.h"
#include <QApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <array>

using namespace belegadressen;
using namespace batest;

namespace {

using Kind = MasterDataCombo::Kind;

// How often each spy saw its signal, blank-separated.
template <class... Spies> QString counts(const Spies&... spies) {
    return QStringList{QString::number(spies.count())...}.join(' ');
}

// A field beside another input in a window, on its own table, bound to `columns` when given.
struct Field {
    Field(Kind kind, const char* table, const char* definition, const char* values,
          std::initializer_list<const char*> columns = {}, const ComboDesign& design = {})
        : combo(static_cast<QtMasterDataCombo*>(defaultMasterDataCombo(kind, &window))),
          other(new QLineEdit(&window)) {
        db.exec(QStringLiteral("create table %1 (%2)").arg(table, definition));
        db.exec(QStringLiteral("insert into %1 values %2").arg(table, values));
        other->move(0, combo->sizeHint().height());
        setMasterDataComboServices(*combo, messages, dialogs);
        if (columns.size() == 0) return;
        combo->setDesign(design);
        combo->setTableName(QString::fromUtf8(table));
        combo->setConnection(recorder);
        for (const char* c : columns)
            combo->AddColumn(QString::fromUtf8(c), QString::fromUtf8(c));
    }
    bool refuses() {
        bool cancel = false;
        combo->ValidateInput(cancel);
        return cancel;
    }
    // The new row the edit dialog's script adds, its cells in order.
    static void addRow(QDialog& dialog, QStringList cells) {
        dialog.findChild<QPushButton*>("btnNeu")->click();
        auto* table = dialog.findChild<QTableWidget*>("tblDaten");
        for (int i = 0; i < cells.size(); ++i)
            table->item(table->rowCount() - 1, i)->setText(cells[i]);
    }

    SqliteDb db;
    std::shared_ptr<RecordingConnection> recorder =
        std::make_shared<RecordingConnection>(db.connection());
    std::shared_ptr<RecordingMessages> messages = std::make_shared<RecordingMessages>();
    std::shared_ptr<ScriptedDialogRunner> dialogs = std::make_shared<ScriptedDialogRunner>();
    QWidget window;
    QtMasterDataCombo* combo;
    QLineEdit* other;
};

ComboDesign design(const char* caption, const char* keyNotFound = nullptr,
                   bool keymustexist = true) {
    ComboDesign d;
    d.caption = QString::fromUtf8(caption);
    d.messagekeynotfound = keyNotFound ? QString::fromUtf8(keyNotFound) : QString();
    d.keymustexist = keymustexist;
    return d;
}

class QtMasterDataComboTest : public ::testing::TestWithParam<Kind> {
protected:
    // The set-up a host runs on every assignment of its address count.
    void setUp() {
        combo->setDesign({});
        combo->setSourceMode(0);
        combo->setServer(nullptr);
        combo->setOwnerForm(nullptr);
        combo->setTableName("Währungen");
        combo->setConnection(recorder);
        combo->setUserName("tester");
        combo->setSettingsKey("Wg");
        combo->ClearColumns();
        combo->AddColumn("Währung", "Kürzel");
        combo->AddColumn("Langtext", "Bezeichnung");
        combo->AddColumn("Kurs", "Kurs", "###,###,###,###.00000");
    }

    Field f = Field(GetParam(), "Währungen", "Währung text primary key, Langtext text, Kurs real",
                    "('USD', 'US-Dollar', 1.0845), ('EUR', 'Euro', 1), ('CHF', 'Franken', 0.9512)");
    QtMasterDataCombo* combo = f.combo;
    std::shared_ptr<RecordingConnection> recorder = f.recorder;
};

TEST_P(QtMasterDataComboTest, KeyRoundTripsUnreadListReadOncePickReportsChangeAndConfirm) {
    // Before any set-up the field works too, with an empty list.
    EXPECT_FALSE(f.refuses());
    combo->showList();
    EXPECT_EQ(combo->listWidget() ? combo->listWidget()->rowCount() : -1, 0);
    combo->hideList();
    EXPECT_TRUE(combo->KeyValue().isNull());
    setUp();
    QSignalSpy changed(combo, &MasterDataCombo::KeyChanged);
    QSignalSpy selected(combo, &MasterDataCombo::ItemSelected);
    // A key the table lacks is kept as it is, unchecked.
    combo->setKeyValue(" a'b ");
    EXPECT_EQ(combo->KeyValue().toString(), " a'b ");
    for (const QVariant& none : {QVariant(), QVariant(QString())}) {
        combo->setKeyValue("EUR");
        combo->setKeyValue(none);
        EXPECT_TRUE(combo->KeyValue().isNull());
    }
    setUp(); // as every address count change does
    EXPECT_TRUE(recorder->statements.isEmpty()) << recorder->statements.join('\n').toStdString();
    EXPECT_EQ(changed.count() + selected.count(), 0);

    // The list is read once, when first shown; a pick reports change, selection and confirm.
    QSignalSpy confirmed(combo, &MasterDataCombo::FieldConfirm);
    QSignalSpy edit(combo, &MasterDataCombo::EditChange);

    combo->setKeyValue("CHF");
    combo->showList();
    EXPECT_EQ(recorder->statements,
              QStringList{QStringLiteral("Select Währung, Langtext, Kurs from Währungen order by "
                                         "Währung")});
    QTableWidget* list = combo->listWidget();
    ASSERT_EQ(list->rowCount(), 3);
    EXPECT_EQ(QStringList({list->item(0, 0)->text(), list->item(0, 2)->text()}),
              QStringList({"CHF", QLocale().toString(0.9512, 'f', 5)}));
    ASSERT_EQ(std::pair(list->isVisible(), list->currentRow()), std::pair(true, 0));
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);

    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(QStringList({combo->KeyValue().toString(), selected.value(0).value(0).toString()}),
              QStringList({"EUR", "EUR"}));
    EXPECT_EQ(counts(changed, selected, confirmed, edit),
              GetParam() == Kind::Edit ? "1 1 1 1" : "1 1 1 0");
    // The edit kind tells key, old key and row.
    EXPECT_EQ(QStringList({edit.value(0).value(0).toString(), edit.value(0).value(2).toString(),
                           edit.value(0).value(5).toString()}),
              GetParam() == Kind::Edit ? QStringList({"EUR", "CHF", "1"})
                                       : QStringList({"", "", ""}));

    // A click picks too.
    combo->showList();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(2, 1)).center());
    EXPECT_EQ(combo->KeyValue().toString(), "USD");
    EXPECT_EQ(selected.count(), 2);
    EXPECT_FALSE(f.refuses());
    EXPECT_EQ(recorder->statements.size(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    AllKinds, QtMasterDataComboTest, ::testing::Values(Kind::Combo, Kind::ComboEdit, Kind::Edit),
    [](const auto& info) {
        return std::string(std::array{"Combo", "ComboEdit", "Edit"}[info.index]);
    });

TEST(QtMasterDataComboValidation, ChecksTypedKeyAgainstTable) {
    // Keys must exist, typed, refused, statements: unknown, known ignoring case, empty, anything.
    for (const auto& [keymustexist, text, refused, statements] :
         {std::tuple{true, "30N", true, 1}, std::tuple{true, "sofort", false, 1},
          std::tuple{true, "", false, 0}, std::tuple{false, "30N", false, 0}}) {
        SCOPED_TRACE(std::string(text) + (keymustexist ? "" : " free"));
        Field f(Kind::Combo, "Zahlungsbedingungen", "ZahlBedSchl text, Kurztext text",
                "('14N', '14 Tage netto'), ('SOFORT', 'sofort')", {"ZahlBedSchl", "Kurztext"},
                design("Zahlungsbedingung", "Die Zahlungsbedingung ist nicht vorhanden.",
                       keymustexist));
        QTest::keyClicks(f.combo->keyEntry(), QString::fromUtf8(text));
        EXPECT_EQ(f.refuses(), refused);
        // The message's wording is pinned where the control places this field.
        EXPECT_EQ(counts(f.messages->messages, f.recorder->statements),
                  QStringLiteral("%1 %2").arg(int(refused)).arg(statements));
        // The typed text stays, refused or not.
        EXPECT_EQ(f.combo->KeyValue().toString(), QString::fromUtf8(text));
    }
}

// The field shown the way a host places it; a leave request is answered with the field's check.
class QtMasterDataComboFocusTest : public ::testing::Test {
protected:
    void SetUp() override {
        QObject::connect(combo, &MasterDataCombo::ValidateRequest, combo,
                         [this](bool* cancel) { combo->ValidateInput(*cancel); });
        f.window.show();
        f.window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&f.window));
    }
    void type(const char* text) {
        combo->keyEntry()->selectAll();
        QTest::keyClicks(combo->keyEntry(), QString::fromUtf8(text));
    }

    Field f = Field(Kind::ComboEdit, "Anreden", "Anrede text", "('Herr'), ('Frau'), ('Firma')",
                    {"Anrede"}, design("Anrede", "Die Anrede wurde nicht gefunden"));
    QtMasterDataCombo* combo = f.combo;
    QLineEdit* other = f.other;
};

TEST_F(QtMasterDataComboFocusTest, RefusedKeyKeepsFocusAcceptedKeyIsConfirmedOnLeaving) {
    QSignalSpy entered(combo, &MasterDataCombo::FieldEnter);
    QSignalSpy requested(combo, &MasterDataCombo::ValidateRequest);
    QSignalSpy confirmed(combo, &MasterDataCombo::FieldConfirm);
    auto seen = [&] { return counts(entered, requested, confirmed); };

    other->setFocus();
    entered.clear();
    requested.clear();
    combo->setFocus();
    EXPECT_EQ(QApplication::focusWidget(), combo->keyEntry());
    EXPECT_EQ(seen(), "1 0 0");

    type("Dr.");
    other->setFocus();
    EXPECT_EQ(QApplication::focusWidget(), combo->keyEntry());
    EXPECT_EQ(f.messages->messages.size(), 1);
    EXPECT_EQ(seen(), "1 1 0");

    type("Frau");
    other->setFocus();
    EXPECT_EQ(QApplication::focusWidget(), other);
    EXPECT_EQ(seen(), "1 2 1");
    EXPECT_EQ(combo->KeyValue().toString(), "Frau");

    // Passing through without a change confirms nothing.
    combo->setFocus();
    other->setFocus();
    EXPECT_EQ(seen(), "2 3 1");

    // Keys sent to the field itself are typed into its entry.
    combo->setFocus();
    combo->keyEntry()->clear();
    QSignalSpy changed(combo, &MasterDataCombo::KeyChanged);
    QTest::keyClicks(combo, "Herr");
    QTest::keyClick(combo, Qt::Key_Return);
    EXPECT_EQ(combo->KeyValue().toString(), "Herr");
    EXPECT_EQ(counts(changed, confirmed), "4 2");
}

TEST_F(QtMasterDataComboFocusTest, HiddenOrDisabledFieldIsLeftWithoutCheck) {
    QSignalSpy requested(combo, &MasterDataCombo::ValidateRequest);
    for (auto away : {&QWidget::setVisible, &QWidget::setEnabled}) {
        combo->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), combo->keyEntry());
        type("Dr.");
        (combo->*away)(false);
        EXPECT_NE(QApplication::focusWidget(), combo->keyEntry());
        (combo->*away)(true);
    }
    EXPECT_EQ(requested.count(), 0);
    EXPECT_TRUE(f.messages->messages.isEmpty());
}

TEST(QtMasterDataComboKeyColumn, StaffListedByNumberAndPickedByIt) {
    Field f(Kind::Combo, "Personalstamm",
            "PersonalNr integer primary key, Titel text, Vorname text, Nachname text",
            "(7, '', 'Eva', 'Meier'), (3, 'Dr.', 'Paul', 'Kurz')",
            {"Titel", "Vorname", "Nachname"});
    QSignalSpy selected(f.combo, &MasterDataCombo::ItemSelected);
    f.combo->showList();
    EXPECT_EQ(f.recorder->statements,
              QStringList{QStringLiteral("Select PersonalNr, Titel, Vorname, Nachname from "
                                         "Personalstamm order by PersonalNr")});
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Return})
        QTest::keyClick(f.combo->listWidget(), key);
    EXPECT_EQ(f.combo->KeyValue().toString(), "7");
    EXPECT_EQ(selected.value(0).value(0), QVariant(qlonglong(7)));
}

TEST(QtMasterDataComboEditDialog, WritesUserChangesAndTakesChosenRow) {
    Field f(Kind::Edit, "Versandtexte", "Versandart text, Kurztext text",
            "('POST', 'Post'), ('DHL', 'Paket'), ('ABH', 'Abholung')", {"Versandart", "Kurztext"},
            design("Versandart"));
    f.combo->setKeyValue("DHL");
    QSignalSpy changed(f.combo, &MasterDataCombo::KeyChanged);
    QSignalSpy selected(f.combo, &MasterDataCombo::ItemSelected);

    f.dialogs->script = [](QDialog& dialog) {
        auto* table = dialog.findChild<QTableWidget*>("tblDaten");
        EXPECT_EQ(table->currentRow(), 1); // rows by key: ABH, DHL, POST
        table->item(2, 1)->setText("Brief");
        table->setCurrentCell(0, 0);
        dialog.findChild<QPushButton*>("btnLoeschen")->click();
        Field::addRow(dialog, {"O'NEIL", "Kurier"});
        return int(QDialog::Accepted);
    };
    QTest::mouseClick(f.combo->dialogButton(), Qt::LeftButton);

    EXPECT_EQ(f.db.rows("select * from Versandtexte order by Versandart"),
              (QStringList{"DHL|Paket", "O'NEIL|Kurier", "POST|Brief"}));
    // The new row was current when the user confirmed: it becomes the key.
    EXPECT_EQ(QStringList({f.combo->KeyValue().toString(), selected.value(0).value(0).toString()}),
              QStringList({"O'NEIL", "O'NEIL"}));
    EXPECT_EQ(counts(changed, selected), "1 1");

    // A cancelled dialog writes nothing.
    const qsizetype before = f.recorder->statements.size();
    f.dialogs->script = [](QDialog& dialog) {
        Field::addRow(dialog, {});
        return int(QDialog::Rejected);
    };
    f.combo->openEditDialog();
    EXPECT_EQ(f.recorder->statements.size(), before);
}

// A key already in the table, typed into a new row: OK is refused in words, nothing written.
TEST(QtMasterDataComboEditDialog, DuplicateKeyRefusedInWords) {
    Field f(Kind::ComboEdit, "Anreden", "Anrede text primary key", "('Herr'), ('Frau')", {"Anrede"},
            design("Anrede"));
    bool stayedOpen = false;
    f.dialogs->script = [&](QDialog& dialog) {
        Field::addRow(dialog, {"frau"});
        dialog.accept();
        stayedOpen = dialog.result() != QDialog::Accepted;
        return int(QDialog::Accepted);
    };
    f.combo->openEditDialog();
    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(f.messages->messages.size(), 2);
    EXPECT_TRUE(f.messages->messages[0].contains("„frau“ gibt es schon"));
    EXPECT_EQ(f.recorder->statements, QStringList{"Select Anrede from Anreden order by Anrede"});
}

// A host-set table or column name that is not a plain name runs nothing.
TEST(MasterDataNames, HostileTableOrColumnNameRunsNothing) {
    const std::pair<QString, QString> cases[] = {
        {"Versandtexte; delete from Versandtexte", "Versandart"},
        {"Versandtexte", "Versandart from Versandtexte; delete from Versandtexte --"},
    };
    for (const auto& [table, column] : cases) {
        SCOPED_TRACE(table.toStdString() + " / " + column.toStdString());
        Field f(Kind::Edit, "Versandtexte", "Versandart text, Kurztext text", "('POST', 'Post')");
        f.combo->setTableName(table);
        f.combo->setConnection(f.recorder);
        f.combo->AddColumn(column, "Versandart");
        f.combo->AddColumn("Kurztext", "Kurztext");
        f.combo->showList();
        f.dialogs->script = [](QDialog& dialog) {
            Field::addRow(dialog, {"DHL"});
            return int(QDialog::Accepted);
        };
        f.combo->openEditDialog();

        EXPECT_EQ(f.recorder->statements, QStringList());
        EXPECT_TRUE(f.messages->messages.value(0).contains("kein gültiger"))
            << f.messages->messages.join('\n').toStdString();
        EXPECT_EQ(f.db.rows("select * from Versandtexte"), QStringList{"POST|Post"});
    }
}

} // namespace
