// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

// Customer notes of two users, and a note the database cannot take: never lost unseen.
#include "windows/FrmInfo.h"
#include "windows/InfoSupport.h"
#include <QMessageBox>
#include <QPushButton>
#include <QSqlQuery>
#include <QTextEdit>

using namespace belegadressen;
using namespace batest;

namespace {

class NoteConflictTest : public OnEachEngine<> {
protected:
    void SetUp() override {
        OnEachEngine::SetUp();
        if (IsSkipped()) return;
        s = std::make_unique<SideWindows>(engine());
        s->h.edit("txtDNummer")->setText("20003");
    }
    // The user appends `typed` and clicks "Zurück"; notes whether the window stayed
    // open and what it shows, then leaves it with Escape when it is still open.
    void typeAndGoBack(const QString& typed, const std::function<void()>& meanwhile = {}) {
        s->host->then([=, this](QDialog& d) {
            auto& w = static_cast<FrmInfo&>(d);
            if (meanwhile) meanwhile();
            w.txtText->moveCursor(QTextCursor::End);
            w.txtText->insertPlainText(typed);
            w.btnOk->click();
            stayedOpen = d.result() != QDialog::Accepted;
            shown = w.txtText->toPlainText();
            if (stayedOpen && retry) {
                retry();
                w.btnOk->click();
                stayedOpen = d.result() != QDialog::Accepted;
            }
            return d.result();
        });
    }
    void openInfo() { qobject_cast<QAbstractButton*>(s->h.widget("btnInfo_0"))->click(); }
    QString stored() { return s->remarkOf("20003", "Kundeninfo"); }

    std::unique_ptr<SideWindows> s;
    bool stayedOpen = false;
    QString shown;
    QStringList questions;
    std::function<void()> retry;
};
INSTANTIATE_TEST_SUITE_P(, NoteConflictTest, engines(), EngineName());

TEST_P(NoteConflictTest, AnotherUsersNoteIsNeverOverwrittenUnasked) {
    // Answer, whether "Zurück" is clicked again, then: stayed open, shown, stored.
    const std::tuple<int, bool, bool, QString, QString> cases[] = {
        {QMessageBox::Cancel, false, true, "Info B", "Info von A"},
        {QMessageBox::No, false, true, "Info von A\n\nInfo B", "Info von A"},
        // Taken over, the next "Zurück" writes both texts without asking again.
        {QMessageBox::No, true, false, "Info von A\n\nInfo B", "Info von A\n\nInfo B"},
        {QMessageBox::Yes, false, false, "Info B", "Info B"}};
    const QString note = "UPDATE Kundenstamm SET Kundeninfo = '%1' WHERE Kundennummer = '20003'";
    for (const auto& [button, again, open, shownAfter, storedAfter] : cases) {
        SCOPED_TRACE(testing::Message() << button << (again ? " again" : ""));
        s->h.database().exec(note.arg("Info"));
        questions.clear();
        retry = again ? std::function<void()>([] {}) : nullptr;
        typeAndGoBack(" B",
                      [&, this] { OtherSession(s->h.database()).exec(note.arg("Info von A")); });
        s->host->then([this, button](QDialog& d) {
            if (auto* box = qobject_cast<QMessageBox*>(&d)) questions << box->text();
            return button;
        });
        openInfo();
        ASSERT_EQ(questions.size(), 1);
        EXPECT_TRUE(questions[0].contains("von einem anderen Benutzer geändert"));
        EXPECT_EQ(stayedOpen, open);
        EXPECT_EQ(shown, shownAfter);
        EXPECT_EQ(stored(), storedAfter);
    }
}

// A full database (SQLite) or a lost server (PostgreSQL): the user is told, the
// window keeps the text, and a later "Zurück" saves it.
TEST_P(NoteConflictTest, ANoteThatCannotBeWrittenKeepsTheWindowOpen) {
    const QString big = QString(QString(79, QChar(u'x')) + "\n").repeated(2500);
    if (engine() == Engine::SQLite) {
        const QString pages = s->h.database().rows("PRAGMA page_count").value(0);
        s->h.database().exec("PRAGMA max_page_count = " + pages);
        retry = [this] { s->h.database().exec("PRAGMA max_page_count = 1073741823"); };
    } else {
        s->h.sql().failWhenContains = "update Kundenstamm";
        retry = [this] { s->h.sql().failWhenContains.clear(); };
    }
    // In between, the text is kept and nothing is half-written.
    retry = [this, unblock = retry] {
        EXPECT_EQ(stored(), "Info");
        unblock();
    };
    typeAndGoBack(big);
    openInfo();
    EXPECT_EQ(shown, "Info" + big);
    EXPECT_FALSE(stayedOpen);
    ASSERT_EQ(s->host->messages.size(), 1);
    EXPECT_TRUE(s->host->messages[0].contains("konnte nicht gespeichert werden"))
        << s->host->messages[0].toStdString();
    EXPECT_EQ(stored(), "Info" + big);
}

// Remarks too large for the box open at once, from their beginning and
// read-only; "Zurück" never writes the shortened text over the stored one.
TEST_P(NoteConflictTest, AHugeRemarkOpensShortenedAndIsNeverWrittenBack) {
    QString runs = "{\\rtf1\\ansi ";
    for (int i = 0; i < 100000; ++i)
        runs += i % 2 ? "\\b0 ab " : "\\b cd ";
    const QString remarks[] = {"{\\rtf1\\ansi " + QString(1 << 20, QChar(u'x')) + "}", runs + "}",
                               QString(1 << 20, QChar(u'y'))};
    for (const QString& remark : remarks) {
        SCOPED_TRACE(remark.left(20).toStdString());
        QSqlQuery q(s->h.database().db());
        q.prepare("UPDATE Kundenstamm SET InterneBemerkung = ? WHERE Kundennummer = '20003'");
        q.bindValue(0, remark);
        ASSERT_TRUE(q.exec());
        s->h.sql().statements.clear();
        bool readOnly = false;
        QString start;
        s->host->then([&](QDialog& d) {
            auto& w = static_cast<FrmInfo&>(d);
            readOnly = !w.complete() && w.txtText->isReadOnly();
            start = w.txtText->toPlainText().left(40);
            w.txtText->setPlainText("gekürzt");
            w.btnOk->click();
            return d.result();
        });
        qobject_cast<QAbstractButton*>(s->h.widget("btnInfo_1"))->click();
        EXPECT_TRUE(readOnly);
        EXPECT_TRUE(start.startsWith("Dieser Text ist mit")) << start.toStdString();
        EXPECT_TRUE(s->updates().isEmpty());
        EXPECT_EQ(s->remarkOf("20003"), remark);
    }
}

} // namespace

namespace {

// A third user writes while the question about the second user's note is
// open: the answer given without it in view does not overwrite it; the
// user is asked again.
TEST_P(NoteConflictTest, ANoteWrittenWhileTheQuestionIsOpenAsksAgain) {
    const QString note = "UPDATE Kundenstamm SET Kundeninfo = '%1' WHERE Kundennummer = '20003'";
    s->h.database().exec(note.arg("Info"));
    typeAndGoBack(" B", [&, this] { OtherSession(s->h.database()).exec(note.arg("Info von A")); });
    for (const int round : {1, 2}) {
        s->host->then([&, this, round](QDialog& d) {
            if (auto* box = qobject_cast<QMessageBox*>(&d)) questions << box->text();
            if (round == 1) OtherSession(s->h.database()).exec(note.arg("Info von C"));
            return round == 1 ? QMessageBox::Yes : QMessageBox::Cancel;
        });
    }
    openInfo();
    EXPECT_EQ(questions.size(), 2);
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(stored(), "Info von C");
}

// The answer to the note's save is lost after the server ran it; the user
// clicks "Zurück" again and takes over what is stored: the text the user
// wrote is not put in twice.
TEST_P(NoteConflictTest, ALostAnswerNeverDoublesTheNote) {
    s->h.database().exec("UPDATE Kundenstamm SET Kundeninfo = 'Info' WHERE Kundennummer = '20003'");
    for (const char* lost : {"update Kundenstamm", "COMMIT"}) {
        SCOPED_TRACE(lost);
        s->h.sql().loseReplyWhenContains = lost;
        retry = [this] { s->h.sql().loseReplyWhenContains.clear(); };
        questions.clear();
        s->host->messages.clear();
        typeAndGoBack(" B");
        s->host->then([this](QDialog& d) {
            if (auto* box = qobject_cast<QMessageBox*>(&d)) questions << box->text();
            return QMessageBox::No;
        });
        openInfo();
        s->host->clearScripts();
        EXPECT_TRUE(questions.isEmpty()) << questions.join('\n').toStdString();
        EXPECT_FALSE(stayedOpen);
        EXPECT_EQ(stored(), "Info B");
        s->h.database().exec(
            "UPDATE Kundenstamm SET Kundeninfo = 'Info' WHERE Kundennummer = '20003'");
    }
}

} // namespace
