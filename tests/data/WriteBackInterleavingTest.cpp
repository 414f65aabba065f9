// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

// Three clerks on one customer, each a control on a session of its own: a
// change that reaches the row at any point of another clerk's write-back,
// before its check, while its question is open, between the answer and the
// write, or during the write, is never overwritten unasked.
#include "support/ControlHarness.h"
#include <QMessageBox>
#include <QToolButton>

using namespace belegadressen;
using namespace batest;

namespace {

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
        ASSERT_EQ(a->messages(), QStringList{"QelBelAdr/btnAktKunde_Click/0: " + kKunde});
        duringQuestion = [this] { writeBack(*c, "txtDAdr_6", "Von C"); };
        writeBack(*b, "txtDAdr_5", "Weg B");
        EXPECT_EQ(c->messages(), QStringList{"QelBelAdr/btnAktKunde_Click/0: " + kKunde});
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
    EXPECT_EQ(c->messages(), QStringList{"QelBelAdr/btnAktKunde_Click/0: " + kKunde});
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
    EXPECT_EQ(b->messages(), QStringList{"QelBelAdr/btnAktKunde_Click/0: " + kKunde});
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
    EXPECT_EQ(b->messages(), QStringList{"QelBelAdr/btnAktKunde_Click/0: " + kKunde});
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
    EXPECT_EQ(b->messages(), QStringList{"QelBelAdr/btnAktKunde_Click/0: " + kKunde});
    EXPECT_EQ(row(), "Heizung & Sanitär|Weg B|Stuttgart");
}

} // namespace
