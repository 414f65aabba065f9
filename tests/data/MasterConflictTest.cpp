// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

// Two users on one customer: the write-back never overwrites the other's work unseen.
#include "support/ControlHarness.h"
#include <QMessageBox>
#include <QTest>
#include <QToolButton>

using namespace belegadressen;
using namespace batest;

namespace {

const QString kNotice = QStringLiteral("QelBelAdr/btnAktKunde_Click/0: ");
const QString kKunde = QStringLiteral("Die Adressdaten wurden im Kundenstamm aktualisiert.");
const QString kKundeRow =
    QStringLiteral("SELECT Bez2, Straße FROM Kundenstamm WHERE Kundennummer = '10001'");
const QString kVonA =
    QStringLiteral("UPDATE Kundenstamm SET Bez2 = 'Von A' WHERE Kundennummer = '10001'");

// This control (B) loads 10001; the other user (A) then writes name line 2
// through a connection of their own; B changes the street.
class MasterConflictTest : public OnEachEngine<> {
protected:
    void SetUp() override {
        OnEachEngine::SetUp();
        if (IsSkipped()) return;
        h = std::make_unique<ControlHarness>(engine());
        h->control().SetzeAnzSeiten(1, 1);
        h->control().setMitKundenaktualisierung(true);
        h->services().script = [this](QDialog& d) {
            if (auto* box = qobject_cast<QMessageBox*>(&d)) questions << box->text();
            return answer;
        };
    }
    void loadAndEdit() {
        h->typeNumber("10001");
        h->edit("txtDAdr_5")->setText("Neue Straße 2");
        h->clearRecords();
    }
    void otherUserWrites(const QString& sql) { OtherSession(h->database()).exec(sql); }
    void update() { static_cast<QToolButton*>(h->widget("btnAktKunde"))->click(); }

    std::unique_ptr<ControlHarness> h;
    QStringList questions;
    int answer = QMessageBox::Cancel;
};
INSTANTIATE_TEST_SUITE_P(, MasterConflictTest, engines(), EngineName());

TEST_P(MasterConflictTest, TheUserChoosesWhatHappensToTheOtherUsersChange) {
    // Answer, Bez2|Straße and the shown name line 2 afterwards.
    const std::tuple<int, QString, QString> cases[] = {
        {QMessageBox::Cancel, "Von A|Hauptstraße 1", "Heizung & Sanitär"},
        {QMessageBox::Yes, "Heizung & Sanitär|Neue Straße 2", "Heizung & Sanitär"},
        {QMessageBox::No, "Von A|Neue Straße 2", "Von A"}};
    for (const auto& [button, row, shownLine2] : cases) {
        SCOPED_TRACE(button);
        h->database().exec(
            "UPDATE Kundenstamm SET Bez2 = 'Heizung & Sanitär', Straße = 'Hauptstraße 1' "
            "WHERE Kundennummer = '10001'");
        h->typeNumber("");
        loadAndEdit();
        otherUserWrites(kVonA);
        questions.clear();
        answer = button;
        update();
        ASSERT_EQ(questions.size(), 1);
        EXPECT_TRUE(
            questions[0].contains("Name 2: „Von A“ (von Ihnen geladen: „Heizung & Sanitär“)"))
            << questions[0].toStdString();
        EXPECT_FALSE(questions[0].contains("Straße:"));
        EXPECT_EQ(h->database().rows(kKundeRow), QStringList{row});
        EXPECT_EQ(h->edit("txtDAdr_2")->text(), shownLine2);
        QStringList selects;
        for (const QString& s : h->sql().statements)
            if (s.startsWith("Select ") || s.startsWith("Update ")) selects << s.section(' ', 0, 1);
        // The existence checks bring the rows along; after the answer both
        // are read again, and the update follows only when they are unchanged.
        const QStringList check{"Select Kundennummer,", "Select AdressNummer,"};
        if (button == QMessageBox::Cancel) {
            ASSERT_EQ(h->messages().size(), 1);
            EXPECT_TRUE(h->messages()[0].contains("Es wurde nichts gespeichert"));
            EXPECT_EQ(selects, check);
            continue;
        }
        EXPECT_EQ(h->messages(), QStringList{kNotice + kKunde});
        EXPECT_EQ(selects, check + check + QStringList{"Update Kundenstamm"});
    }
}

// Writing twice, and writing a row nobody else touched, asks nothing.
TEST_P(MasterConflictTest, OwnWritesAreNoConflict) {
    loadAndEdit();
    update();
    h->edit("txtDAdr_5")->setText("Dritte Straße 3");
    update();
    EXPECT_TRUE(questions.isEmpty());
    EXPECT_EQ(h->messages(), QStringList({kNotice + kKunde, kNotice + kKunde}));
    EXPECT_EQ(h->database().rows(kKundeRow), QStringList{"Heizung & Sanitär|Dritte Straße 3"});
}

// A host that filled the address itself has loaded nothing to compare with:
// the statements are exactly those of the plain write-back.
TEST_P(MasterConflictTest, AHostFilledAddressRunsThePlainStatements) {
    h->edit("txtDNummer")->setText("10001");
    h->edit("txtDAdr_1")->setText("Vom Beleg");
    otherUserWrites(kVonA);
    h->clearRecords();
    update();
    EXPECT_TRUE(questions.isEmpty());
    const QString plain = "Select Kundennummer from Kundenstamm where Kundennummer = '10001'";
    EXPECT_EQ(h->sql().statements.filter(plain).size(), 1);
    EXPECT_EQ(h->messages(), QStringList{kNotice + kKunde});
}

// A number typed but not left: the shown address of 10001 never goes into 10002.
TEST_P(MasterConflictTest, ATypedNumberNotYetLoadedWritesNothing) {
    h->typeNumber("10001");
    const QStringList before = h->database().rows("SELECT * FROM Kundenstamm ORDER BY 1");
    QLineEdit* nummer = h->edit("txtDNummer");
    nummer->setFocus();
    nummer->selectAll();
    QTest::keyClicks(nummer, "10002");
    h->clearRecords();
    update();
    EXPECT_EQ(h->database().rows("SELECT * FROM Kundenstamm ORDER BY 1"), before);
    EXPECT_TRUE(h->sql().statements.isEmpty());
    ASSERT_EQ(h->messages().size(), 1);
    EXPECT_TRUE(
        h->messages()[0].contains("Die Nummer 10002 ist eingegeben, aber noch nicht geladen"))
        << h->messages()[0].toStdString();
}

// A general address the control loaded, its number then shown by the host:
// the address master is compared just like the customer master.
TEST_P(MasterConflictTest, AGeneralAddressIsComparedLikeACustomer) {
    h->control().setAktAdresse(2);
    h->typeNumber("A-100");
    h->edit("txtDNummer")->setText("A-100");
    h->edit("txtDAdr_5")->setText("Neue Straße 2");
    otherUserWrites("UPDATE Adressenstamm SET Bez2 = 'Rampe' WHERE AdressNummer = 'A-100'");
    h->clearRecords();
    answer = QMessageBox::No;
    update();
    ASSERT_EQ(questions.size(), 1);
    EXPECT_TRUE(questions[0].contains("in den allgemeinen Adressen") &&
                questions[0].contains("Name 2: „Rampe“ (von Ihnen geladen: „Lager“)"))
        << questions[0].toStdString();
    EXPECT_EQ(h->database().rows("SELECT Bez2, Straße FROM Adressenstamm WHERE AdressNummer = "
                                 "'A-100'"),
              QStringList{"Rampe|Neue Straße 2"});
}

// A stored document filled back in through the accessors, months after its
// address was taken from the master: the master row is compared with what
// the document holds, and a row that differs is written only when asked.
TEST_P(MasterConflictTest, AReopenedDocumentIsComparedWithWhatItHolds) {
    for (const int button : {int(QMessageBox::Cancel), int(QMessageBox::Yes)}) {
        SCOPED_TRACE(button);
        auto& w = h->control();
        w.AddNummer("10001");
        w.AddAnrede("Firma");
        w.AddVorname("Jörg");
        w.AddBez1("Müller Haustechnik GmbH");
        w.AddBez2("Heizung alt");
        w.AddStrasse("Hauptstraße 1");
        w.AddPostleitzahl("70173");
        w.AddOrt("Stuttgart");
        w.AddLand("D");
        h->clearRecords();
        questions.clear();
        answer = button;
        update();
        ASSERT_EQ(questions.size(), 1);
        EXPECT_TRUE(questions[0].contains("anders als in diesem Beleg") &&
                    questions[0].contains("Name 2: „Heizung & Sanitär“ (im Beleg: „Heizung alt“)"))
            << questions[0].toStdString();
        EXPECT_FALSE(questions[0].contains("Name 1:"));
        EXPECT_EQ(h->database().rows(kKundeRow),
                  QStringList{button == QMessageBox::Cancel ? "Heizung & Sanitär|Hauptstraße 1"
                                                            : "Heizung alt|Hauptstraße 1"});
    }
    // Written once, the document's values are what the row holds.
    h->clearRecords();
    questions.clear();
    update();
    EXPECT_TRUE(questions.isEmpty());
    EXPECT_EQ(h->messages(), QStringList{kNotice + kKunde});
}

// A general address under the number of the loaded customer is another
// party's address: it is not replaced by the customer's unasked.
TEST_P(MasterConflictTest, AGeneralAddressSharingTheNumberIsNotReplacedUnasked) {
    h->database().exec("INSERT INTO Adressenstamm (AdressNummer, Bez1, Ort) VALUES "
                       "('10001', 'Lager Nord', 'Esslingen')");
    loadAndEdit();
    answer = QMessageBox::Cancel;
    update();
    ASSERT_EQ(questions.size(), 1);
    EXPECT_TRUE(questions[0].contains("in den allgemeinen Adressen eine andere Adresse") &&
                questions[0].contains(
                    "Name 1: „Lager Nord“ (von Ihnen geladen: „Müller Haustechnik GmbH“)"))
        << questions[0].toStdString();
    EXPECT_EQ(h->database().rows("SELECT Bez1, Ort FROM Adressenstamm WHERE AdressNummer = "
                                 "'10001'"),
              QStringList{"Lager Nord|Esslingen"});
    // Neither master is written: the customer's update waits with the other.
    EXPECT_EQ(h->database().rows(kKundeRow), QStringList{"Heizung & Sanitär|Hauptstraße 1"});
}

} // namespace
