// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

// The customer info window, field recall, clipboard, command buttons and the remark field.
#include "windows/FrmInfo.h"
#include "windows/InfoSupport.h"
#include <QApplication>
#include <QClipboard>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <gtest/gtest.h>

using namespace belegadressen;
using batest::ScriptedHost;
using batest::SideWindows;

namespace {

FrmInfo& info(QDialog& d) { return static_cast<FrmInfo&>(d); }

struct InfoWindows : SideWindows {
    // Notes the next window's mode, number, text, title, "fett"; types; leaves by Zurück or Esc.
    void look(const QString& typed = {}, bool back = true) { host->then(looking(typed, back)); }
    ScriptedHost::Script looking(const QString& typed = {}, bool back = true) {
        return [this, typed, back](QDialog& d) {
            FrmInfo& w = info(d);
            seen = QStringList{
                w.mode(), w.kundennummer(), w.txtText->toPlainText(), w.windowTitle(),
                w.txtText->document()->toHtml().contains("font-weight:700") ? "fett" : ""};
            if (!typed.isEmpty()) {
                w.txtText->setFocus();
                w.txtText->moveCursor(QTextCursor::End);
                QTest::keyClicks(w.txtText, typed);
            }
            back ? w.btnOk->click() : QTest::keyClick(&d, Qt::Key_Escape);
            return d.result();
        };
    }
    void clickInfo(int index) { click(QStringLiteral("btnInfo_%1").arg(index)); }
    void number(const QString& n) { h.edit("txtDNummer")->setText(n); }
    QStringList seen;
};

class InfoButton : public ::testing::TestWithParam<int> {};

TEST_P(InfoButton, ShowsTheTextAndWritesOnlyAnEdit) {
    const int index = GetParam();
    InfoWindows s;
    const QString text =
        index == 0 ? QString("Stammkunde seit 1998.") : batest::rtfSampleText("formatiert");
    s.number("20001");

    s.look();
    s.clickInfo(index);
    // The remark keeps its formats.
    EXPECT_EQ(s.seen,
              QStringList({QString::number(index), "20001", text,
                           index == 0 ? "Kundeninfo" : "Kundennotizen", index == 1 ? "fett" : ""}));
    EXPECT_TRUE(s.updates().isEmpty()) << "opening and closing writes nothing";
    EXPECT_EQ(s.events, QStringList({QString("btnInfoClick(%1)").arg(index)}));
    EXPECT_EQ(s.host->positions, QStringList({"Restore Korvani frmInfo", "Save Korvani frmInfo"}));

    // An edit left with Escape is dropped; one left with "Zurück" is written.
    s.look(" Neu", false);
    s.clickInfo(index);
    EXPECT_TRUE(s.updates().isEmpty());
    s.look(" Neu");
    s.clickInfo(index);
    const QString column = index == 0 ? "Kundeninfo" : "Internebemerkung";
    EXPECT_EQ(s.updates(), QStringList({"update Kundenstamm SET " + column + " = '" + text +
                                        " Neu' where Kundennummer = '20001'"}));
    EXPECT_EQ(s.remarkOf("20001", column), text + " Neu");
    EXPECT_TRUE(s.host->messages.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(InfoWindow, InfoButton, ::testing::Values(0, 1));

TEST(InfoWindow, ButtonsWithoutACustomerOpenNothingAndStillReport) {
    InfoWindows s;
    s.clickInfo(0);
    EXPECT_EQ(s.host->messages, QStringList({batest::kNoNumber}));
    EXPECT_TRUE(s.h.sql().statements.isEmpty());

    // A failing reader reports under its own name, with the cause.
    s.host->messages.clear();
    s.h.sql().failWhenContains = "Kundeninfo, InterneBemerkung";
    s.number("20001");
    s.clickInfo(0);
    EXPECT_EQ(
        s.host->messages,
        QStringList({"QelBelAdr[4]: LeseKundeInfos: server closed the connection unexpectedly"}));

    EXPECT_TRUE(s.host->shown.isEmpty());
    EXPECT_EQ(s.events, QStringList({"btnInfoClick(0)", "btnInfoClick(0)"}));
}

TEST(InfoWindow, QuotesInTextAndNumberAreDoubled) {
    InfoWindows s;
    s.number("O'Brien");
    s.look("It's");
    s.clickInfo(0);
    EXPECT_EQ(s.updates(), QStringList({"update Kundenstamm SET Kundeninfo = 'It''s' where "
                                        "Kundennummer = 'O''Brien'"}));
    EXPECT_EQ(s.remarkOf("O'Brien", "Kundeninfo"), "It's");
}

// A lost note cannot be typed again from memory: the user is told and the window stays open.
TEST(InfoWindow, AFailingUpdateIsToldAndKeepsTheWindowOpen) {
    InfoWindows s;
    s.h.sql().failWhenContains = "update Kundenstamm";
    s.number("20003");
    s.look("!");
    s.clickInfo(1);
    EXPECT_EQ(s.updates().size(), 1);
    EXPECT_EQ(s.remarkOf("20003"), "  Nur Barzahlung  ");
    ASSERT_EQ(s.host->messages.size(), 1);
    EXPECT_TRUE(s.host->messages[0].contains("konnte nicht gespeichert werden"));
}

TEST(InfoWindow, OpensAfterTheLoadHasFinishedWhenThereIsText) {
    InfoWindows s;
    auto* timer = s.h.control().findChild<QTimer*>("Timer1");
    QStringList eventsWhenShown;
    s.host->then([&](QDialog& d) {
        eventsWhenShown = s.h.events();
        return s.looking()(d);
    });
    s.h.typeNumber("20001");
    EXPECT_TRUE(timer->isActive());
    EXPECT_TRUE(s.host->shown.isEmpty()) << "the load itself shows nothing";

    QTRY_COMPARE(s.host->shown, QStringList({"frmInfo"}));
    EXPECT_TRUE(eventsWhenShown.contains("Change"));
    EXPECT_EQ(s.seen.mid(0, 2), QStringList({"1", "20001"})); // the remark
    QTest::qWait(250);
    EXPECT_EQ(s.host->shown.size(), 1) << "once per load";

    // A remark of formatting only, or none, does not open by itself.
    s.host->shown.clear();
    for (const char* nummer : {"20002", "20004"}) {
        s.h.typeNumber(nummer);
        EXPECT_FALSE(timer->isActive()) << nummer;
        s.h.control().Anzeige_Kundeninfo(nummer);
    }
    QTest::qWait(150);
    EXPECT_TRUE(s.host->shown.isEmpty());
}

// Coming back to the window reloads the stored text only while the user has not edited it.
TEST(InfoWindow, ReturningToTheWindowKeepsTheEdits) {
    InfoWindows s;
    QString afterReturn;
    s.host->then([&](QDialog& d) {
        FrmInfo& w = info(d);
        w.txtText->moveCursor(QTextCursor::End);
        QTest::keyClicks(w.txtText, " erledigt");
        QWidget other;
        other.show();
        other.activateWindow();
        (void)QTest::qWaitForWindowActive(&other);
        d.activateWindow();
        (void)QTest::qWaitForWindowActive(&d);
        afterReturn = w.txtText->toPlainText();
        w.btnOk->click();
        return d.result();
    });
    s.h.control().Anzeige_Kundeninfo("20003");
    EXPECT_EQ(afterReturn, "  Nur Barzahlung   erledigt");
    EXPECT_EQ(s.remarkOf("20003"), "  Nur Barzahlung   erledigt");
}

TEST(FieldRecall, CtrlF3AndTheHostRestoreAnEarlierValue) {
    SideWindows s;
    s.h.typeNumber("10001");
    QLineEdit* bez = s.h.edit("txtDAdr_2");
    bez->setFocus();
    bez->clear();
    QTest::keyClicks(bez, "abc");
    for (int k = 0; k < 2; ++k) // Ctrl+F3 itself keeps nothing
        QTest::keyClick(bez, Qt::Key_F3, Qt::ControlModifier);
    EXPECT_EQ(bez->text(), "ab");

    // The host keeps and restores the focused value.
    BelegAdressen& w = s.h.control();
    QLineEdit* strasse = s.h.edit("txtDAdr_5");
    strasse->setFocus();
    strasse->setText("Hauptstraße 1");
    EXPECT_FALSE(w.Setze_Tag_user().isValid());
    strasse->setText("");
    w.Setze_Tag_user(); // an empty value keeps the tag
    EXPECT_FALSE(w.Hole_Tag_user().isValid());
    EXPECT_EQ(strasse->text(), "Hauptstraße 1");
}

// Acts on the focused field; without one the error goes to the host.
TEST(Clipboard, ActsOnTheFocusedField) {
    for (const char* member : {"mnu_Cut", "mnu_Copy", "mnu_Paste"}) {
        try {
            BelegAdressen().Invoke(member, InvokeKind::Method);
            ADD_FAILURE() << member << " did not fail";
        } catch (const Error& e) {
            EXPECT_EQ(e.number(), 91) << member;
        }
    }
    SideWindows s;
    s.h.typeNumber("10001");
    BelegAdressen& w = s.h.control();
    QLineEdit* bez = s.h.edit("txtDAdr_1");
    bez->setText("Müller GmbH");
    bez->setFocus();
    bez->selectAll();
    w.mnu_Copy();
    EXPECT_EQ(QApplication::clipboard()->text(), "Müller GmbH");
    bez->setSelection(0, 7);
    w.mnu_Cut();
    EXPECT_EQ(bez->text() + "|" + QApplication::clipboard()->text(), "GmbH|Müller ");
    s.h.widget("btnStammblatt")->setFocus(); // a focused button ignores the commands
    EXPECT_NO_THROW(w.mnu_Paste());
}

// The customer sheet and the communication data need a number; the latter a customer's.
TEST(CommandButtons, NeedANumber) {
    SideWindows s;
    for (const char* button : {"btnStammblatt", "BtnKom"})
        s.click(button);
    EXPECT_EQ(s.host->messages, QStringList({batest::kNoNumber, batest::kNoNumber}));
    EXPECT_TRUE(s.events.isEmpty());
    s.host->messages.clear();
    s.h.edit("txtDNummer")->setText("10001");
    s.click("btnStammblatt");
    s.click("btnBelegfreigabe");
    EXPECT_EQ(s.events, QStringList({"StammBlatt(10001)", "btnUebernehme"}));
    s.click("BtnKom");
    s.h.edit("txtDNummer")->setText("A-100"); // an address, no customer
    s.click("BtnKom");
    EXPECT_EQ(s.host->shown, QStringList({"Kommunikationsdaten(1,10001,false,false)"}));
    EXPECT_TRUE(s.host->messages.isEmpty() && s.updates().isEmpty());
}

// The remark ends a one-page address: leaving it goes to the number, or, hidden, to the next page.
TEST(RemarkField, LeavingItOnAOnePageAddressGoesOn) {
    SideWindows s;
    BelegAdressen& w = s.h.control();
    w.setMitKundendienst(true);
    w.AddBelegart(110);
    w.setAktAdresse(2);
    auto leave = [&s] {
        s.h.clearRecords();
        s.h.focus("txtBemerkung");
        s.h.focus("txtTelefon");
    };
    ASSERT_TRUE(s.h.edit("txtBemerkung")->isVisible());
    leave();
    EXPECT_EQ(QApplication::focusWidget(), s.h.widget("txtDNummer"));
    s.h.edit("txtDNummer")->hide();
    leave();
    EXPECT_EQ(s.h.events(), QStringList({"btnSeite2Click"}));
    w.SetzeAnzSeiten(2, 2); // two pages: the remark is not the last field
    leave();
    EXPECT_TRUE(s.h.events().isEmpty());
}

} // namespace
