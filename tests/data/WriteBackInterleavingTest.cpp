// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

// Users on one customer: the write-back never overwrites another's work
// unseen. Three clerks, each a control on a session of its own: a change that
// reaches the row at any point of another clerk's write-back, before its
// check, while its question is open, between the answer and the write, or
// during the write, is never overwritten unasked.
#include "support/ControlHarness.h"
#include <QMessageBox>
#include <QTest>
#include <QToolButton>

using namespace belegadressen;
using namespace batest;

namespace {

const QString kNotice = QStringLiteral("QelBelAdr/btnAktKunde_Click/0: ");
const QString kKunde = QStringLiteral("Die Adressdaten wurden im Kundenstamm aktualisiert.");
const QString kRow =
    QStringLiteral("SELECT Bez2, Straße, Ort FROM Kundenstamm WHERE Kundennummer = '10001'");

class WriteBackInterleavingTest : public OnEachEngine<> {
protected:
    void SetUp() override {
        OnEachEngine::SetUp();
        if (IsSkipped()) return;
        b = std::make_unique<ControlHarness>(engine());
        a = std::make_unique<ControlHarness>(*b);
        c = std::make_unique<ControlHarness>(*b);
        // Another clerk's write waits only briefly for a lock (the default
        // waits seconds; on PostgreSQL it would wait for this very thread).
        for (ControlHarness* clerk : {a.get(), c.get()})
            clerk->session()->exec(engine() == Engine::SQLite
                                       ? QStringLiteral("PRAGMA busy_timeout = 50")
                                       : QStringLiteral("SET lock_timeout = '100ms'"));
        for (ControlHarness* clerk : {a.get(), b.get(), c.get()}) {
            clerk->control().SetzeAnzSeiten(1, 1);
            clerk->control().setMitKundenaktualisierung(true);
            clerk->typeNumber("10001");
            clerk->clearRecords();
        }
        // C takes over what it is asked about and writes its own change.
        c->services().script = [](QDialog&) { return QMessageBox::No; };
        b->services().script = [this](QDialog& d) {
            if (auto* box = qobject_cast<QMessageBox*>(&d)) questions << box->text();
            if (duringQuestion && questions.size() == 1) duringQuestion();
            return answer;
        };
    }
    void TearDown() override {
        c.reset();
        a.reset();
        b.reset();
    }
    static void writeBack(ControlHarness& clerk, const char* field, const QString& value) {
        clerk.edit(QString::fromLatin1(field))->setText(value);
        static_cast<QToolButton*>(clerk.widget("btnAktKunde"))->click();
    }
    QString row() { return b->database().rows(kRow).value(0); }

    std::unique_ptr<ControlHarness> a, b, c;
    QStringList questions;
    int answer = QMessageBox::Yes;
    std::function<void()> duringQuestion;
};
INSTANTIATE_TEST_SUITE_P(, WriteBackInterleavingTest, engines(), EngineName());

// A writes name line 2 before B's write-back; C writes the place while B's
// question about A's change is open. Whatever B answers, C's change is
// asked about again, and what B keeps is what B chose with both in view.
TEST_P(WriteBackInterleavingTest, AChangeWhileTheQuestionIsOpenAsksAgain) {
    // B's answer, then the row afterwards (Bez2|Straße|Ort).
    const std::tuple<int, QString> cases[] = {
        {QMessageBox::Yes, "Heizung & Sanitär|Weg B|Stuttgart"},
        {QMessageBox::No, "Von A|Weg B|Von C"}};
    for (const auto& [button, after] : cases) {
        SCOPED_TRACE(button);
        for (ControlHarness* clerk : {a.get(), b.get(), c.get()}) {
            clerk->typeNumber("");
            clerk->typeNumber("10001");
            clerk->clearRecords();
        }
        questions.clear();
        answer = button;
        writeBack(*a, "txtDAdr_2", "Von A");
        ASSERT_EQ(a->messages(), QStringList{kNotice + kKunde});
        duringQuestion = [this] { writeBack(*c, "txtDAdr_6", "Von C"); };
        writeBack(*b, "txtDAdr_5", "Weg B");
        EXPECT_EQ(c->messages(), QStringList{kNotice + kKunde});
        ASSERT_EQ(questions.size(), 2) << questions.join("\n---\n").toStdString();
        EXPECT_TRUE(questions[0].contains("Name 2: „Von A“")) << questions[0].toStdString();
        EXPECT_FALSE(questions[0].contains("Ort:"));
        EXPECT_TRUE(questions[1].contains("Ort: „Von C“")) << questions[1].toStdString();
        EXPECT_EQ(c->services().shown.size(), 1) << "C was asked about A's change";
        EXPECT_EQ(row(), after);
    }
}

// C writes right after B answered, before B's write begins: B's second
// reading finds it and asks again; B cancels and nothing of B's is written.
TEST_P(WriteBackInterleavingTest, AChangeBetweenTheAnswerAndTheWriteAsksAgain) {
    writeBack(*a, "txtDAdr_2", "Von A");
    // B's first transaction reads; the second one begins after the answer.
    int begins = 0;
    b->sql().before = [&, this](const QString& sql) {
        if (!sql.startsWith("BEGIN") || ++begins != 2) return;
        b->sql().before = nullptr;
        writeBack(*c, "txtDAdr_6", "Von C");
    };
    b->services().script = [this](QDialog& d) {
        if (auto* box = qobject_cast<QMessageBox*>(&d)) questions << box->text();
        return questions.size() == 1 ? QMessageBox::Yes : QMessageBox::Cancel;
    };
    writeBack(*b, "txtDAdr_5", "Weg B");
    EXPECT_EQ(c->messages(), QStringList{kNotice + kKunde});
    ASSERT_EQ(questions.size(), 2) << questions.join("\n---\n").toStdString();
    EXPECT_TRUE(questions[1].contains("Ort: „Von C“")) << questions[1].toStdString();
    EXPECT_EQ(row(), "Von A|Hauptstraße 1|Von C");
}

// C writes while B's write is under way (after B's check, before B's
// update): C's write waits for B's and is refused as locked, so nothing of
// C's is overwritten; C's next try is asked about B's change.
TEST_P(WriteBackInterleavingTest, NoWriterSlipsBetweenTheCheckAndTheWrite) {
    b->sql().before = [this](const QString& sql) {
        if (!sql.startsWith("Update Kundenstamm")) return;
        b->sql().before = nullptr;
        writeBack(*c, "txtDAdr_6", "Von C");
    };
    writeBack(*b, "txtDAdr_5", "Weg B");
    EXPECT_TRUE(questions.isEmpty());
    EXPECT_EQ(b->messages(), QStringList{kNotice + kKunde});
    ASSERT_EQ(c->messages().size(), 1);
    EXPECT_TRUE(c->messages()[0].contains("gesperrt")) << c->messages()[0].toStdString();
    EXPECT_EQ(row(), "Heizung & Sanitär|Weg B|Stuttgart");

    c->clearRecords();
    writeBack(*c, "txtDAdr_6", "Von C");
    EXPECT_EQ(c->services().shown.size(), 1);
    EXPECT_EQ(row(), "Heizung & Sanitär|Weg B|Von C");
}

// A transaction the host has open on the shared connection is not joined:
// the control's COMMIT would end it, and the host's ROLLBACK would take back
// what the user was told is saved.
TEST_P(WriteBackInterleavingTest, AHostTransactionIsNotJoined) {
    QSqlDatabase host = b->database().db();
    ASSERT_TRUE(host.transaction());
    b->database().exec("UPDATE Kundenstamm SET Bez3 = 'vom Programm' WHERE Kundennummer = "
                       "'10002'");
    writeBack(*b, "txtDAdr_5", "Weg B");
    ASSERT_TRUE(host.rollback());
    ASSERT_EQ(b->messages().size(), 1);
    EXPECT_TRUE(b->messages()[0].contains("Transaktion des Programms offen"))
        << b->messages()[0].toStdString();
    EXPECT_EQ(row(), "Heizung & Sanitär|Hauptstraße 1|Stuttgart");
    EXPECT_EQ(b->database().rows("SELECT Bez3 FROM Kundenstamm WHERE Kundennummer = '10002'"),
              QStringList{""});
    // Afterwards the write-back works as always.
    b->clearRecords();
    writeBack(*b, "txtDAdr_5", "Weg B");
    EXPECT_EQ(b->messages(), QStringList{kNotice + kKunde});
    EXPECT_EQ(row(), "Heizung & Sanitär|Weg B|Stuttgart");
}

// A customer another clerk deleted: the write-back says that nothing was
// written, instead of saying nothing.
TEST_P(WriteBackInterleavingTest, ADeletedCustomerIsTold) {
    c->session()->exec("DELETE FROM Kundenstamm WHERE Kundennummer = '10001'");
    writeBack(*b, "txtDAdr_5", "Weg B");
    ASSERT_EQ(b->messages().size(), 1);
    EXPECT_TRUE(b->messages()[0].contains("weder im Kundenstamm noch in den allgemeinen Adressen"))
        << b->messages()[0].toStdString();
}

// The answer to COMMIT is lost after the server carried it out: reading the
// rows back tells the user the truth.
TEST_P(WriteBackInterleavingTest, ALostAnswerToTheCommitIsCheckedByReadingBack) {
    b->sql().loseReplyWhenContains = "COMMIT";
    writeBack(*b, "txtDAdr_5", "Weg B");
    b->sql().loseReplyWhenContains.clear();
    EXPECT_EQ(b->messages(), QStringList{kNotice + kKunde});
    EXPECT_EQ(row(), "Heizung & Sanitär|Weg B|Stuttgart");
}

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
    QString row() { return h->database().rows(kRow).value(0); }

    std::unique_ptr<ControlHarness> h;
    QStringList questions;
    int answer = QMessageBox::Cancel;
};
INSTANTIATE_TEST_SUITE_P(, MasterConflictTest, engines(), EngineName());

TEST_P(MasterConflictTest, TheUserChoosesWhatHappensToTheOtherUsersChange) {
    // Answer, Bez2|Straße|Ort and the shown name line 2 afterwards.
    const std::tuple<int, QString, QString> cases[] = {
        {QMessageBox::Cancel, "Von A|Hauptstraße 1|Stuttgart", "Heizung & Sanitär"},
        {QMessageBox::Yes, "Heizung & Sanitär|Neue Straße 2|Stuttgart", "Heizung & Sanitär"},
        {QMessageBox::No, "Von A|Neue Straße 2|Stuttgart", "Von A"}};
    for (const auto& [button, after, shownLine2] : cases) {
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
        EXPECT_EQ(row(), after);
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
    EXPECT_EQ(row(), "Heizung & Sanitär|Dritte Straße 3|Stuttgart");
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
        EXPECT_EQ(row(), button == QMessageBox::Cancel ? "Heizung & Sanitär|Hauptstraße 1|Stuttgart"
                                                       : "Heizung alt|Hauptstraße 1|Stuttgart");
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
    EXPECT_EQ(row(), "Heizung & Sanitär|Hauptstraße 1|Stuttgart");
}

} // namespace
