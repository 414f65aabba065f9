// The customer info window from the info buttons, after a load and for Anzeige_Kundeninfo.
#include "windows/FrmInfo.h"
#include "windows/InfoSupport.h"
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <gtest/gtest.h>

using namespace belegadressen;
using batest::ScriptedHost;
using batest::SideWindows;

namespace {

const QString kNoNumber = QStringLiteral("QelBelAdr[4]: Es ist keine Adressnummer vorhanden.");

FrmInfo& info(QDialog& d) { return static_cast<FrmInfo&>(d); }

// What the window showed when it came up.
struct Seen {
    QString mode, number, text, title;
    bool bold = false;
};

// Looks at the window, optionally types at the end of the text, and leaves
// with "Zurück" or with Escape.
ScriptedHost::Script look(Seen& seen, const QString& typed = {}, bool back = true) {
    return [&seen, typed, back](QDialog& d) {
        FrmInfo& w = info(d);
        seen = {w.mode(), w.kundennummer(), w.txtText->toPlainText(), w.windowTitle(),
                w.txtText->document()->toHtml().contains("font-weight:700")};
        if (!typed.isEmpty()) {
            w.txtText->setFocus();
            w.txtText->moveCursor(QTextCursor::End);
            QTest::keyClicks(w.txtText, typed);
        }
        if (back)
            w.btnOk->click();
        else
            QTest::keyClick(&d, Qt::Key_Escape);
        return d.result();
    };
}

void clickInfo(SideWindows& s, int index) {
    s.h.control().findChild<QPushButton*>(QStringLiteral("btnInfo_%1").arg(index))->click();
}

class InfoButton : public ::testing::TestWithParam<int> {};

TEST_P(InfoButton, ShowsTheTextAndWritesOnlyAnEdit) {
    const int index = GetParam();
    SideWindows s;
    const QString text =
        index == 0 ? QString("Stammkunde seit 1998.") : batest::rtfSampleText("formatiert");
    s.h.edit("txtDNummer")->setText("20001");

    Seen seen;
    s.host->then(look(seen));
    clickInfo(s, index);
    EXPECT_EQ(s.host->shown, QStringList({"frmInfo"}));
    EXPECT_EQ(seen.mode, QString::number(index));
    EXPECT_EQ(seen.number, "20001");
    EXPECT_EQ(seen.text, text);
    EXPECT_EQ(seen.bold, index == 1); // the remark keeps its formats
    EXPECT_EQ(seen.title, index == 0 ? "Kundeninfo" : "Kundennotizen");
    EXPECT_TRUE(s.updates().isEmpty()) << "opening and closing writes nothing";
    EXPECT_EQ(s.events, QStringList({QString("btnInfoClick(%1)").arg(index)}));
    EXPECT_EQ(s.host->positions, QStringList({"Restore Korvani frmInfo", "Save Korvani frmInfo"}));

    // An edit left with Escape is dropped; one left with "Zurück" is written.
    s.host->then(look(seen, " Neu", false));
    clickInfo(s, index);
    EXPECT_TRUE(s.updates().isEmpty());
    s.host->then(look(seen, " Neu"));
    clickInfo(s, index);
    const QString column = index == 0 ? "Kundeninfo" : "Internebemerkung";
    EXPECT_EQ(s.updates(), QStringList({"update Kundenstamm SET " + column + " = '" + text +
                                        " Neu' where Kundennummer = '20001'"}));
    EXPECT_EQ(s.remarkOf("20001", column), text + " Neu");
    EXPECT_TRUE(s.host->messages.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(InfoWindow, InfoButton, ::testing::Values(0, 1));

TEST(InfoWindow, ButtonsWithoutACustomerOpenNothingAndStillReport) {
    SideWindows s;
    clickInfo(s, 0);
    EXPECT_EQ(s.host->messages, QStringList({kNoNumber}));
    EXPECT_TRUE(s.h.sql().statements.isEmpty());

    // A number that is no customer: no window, no message.
    s.host->messages.clear();
    s.h.edit("txtDNummer")->setText("99999");
    clickInfo(s, 1);
    EXPECT_TRUE(s.host->messages.isEmpty());

    // A failing reader reports under its own name.
    s.h.sql().failWhenContains = "Kundeninfo, InterneBemerkung";
    s.h.edit("txtDNummer")->setText("20001");
    clickInfo(s, 0);
    EXPECT_EQ(s.host->messages, QStringList({"QelBelAdr[4]: LeseKundeInfos"}));

    EXPECT_TRUE(s.host->shown.isEmpty());
    EXPECT_EQ(s.events, QStringList({"btnInfoClick(0)", "btnInfoClick(1)", "btnInfoClick(0)"}));
}

TEST(InfoWindow, QuotesInTextAndNumberAreDoubled) {
    SideWindows s;
    s.h.edit("txtDNummer")->setText("O'Brien");
    Seen seen;
    s.host->then(look(seen, "It's"));
    clickInfo(s, 0);
    EXPECT_EQ(s.updates(), QStringList({"update Kundenstamm SET Kundeninfo = 'It''s' where "
                                        "Kundennummer = 'O''Brien'"}));
    EXPECT_EQ(s.remarkOf("O'Brien", "Kundeninfo"), "It's");
}

TEST(InfoWindow, AFailingUpdateClosesTheWindowSilently) {
    SideWindows s;
    s.h.sql().failWhenContains = "update Kundenstamm";
    s.h.edit("txtDNummer")->setText("20003");
    Seen seen;
    s.host->then(look(seen, "!"));
    clickInfo(s, 1);
    EXPECT_EQ(s.host->shown.size(), 1);
    EXPECT_EQ(s.updates().size(), 1);
    EXPECT_EQ(s.remarkOf("20003"), "  Nur Barzahlung  ");
    EXPECT_TRUE(s.host->messages.isEmpty());
    EXPECT_EQ(s.events, QStringList({"btnInfoClick(1)"}));
}

TEST(InfoWindow, OpensAfterTheLoadHasFinished) {
    SideWindows s;
    auto* timer = s.h.control().findChild<QTimer*>("Timer1");
    QStringList eventsWhenShown;
    Seen seen;
    s.host->then([&](QDialog& d) {
        eventsWhenShown = s.h.events();
        return look(seen)(d);
    });
    s.h.typeNumber("20001");
    EXPECT_TRUE(timer->isActive());
    EXPECT_TRUE(s.host->shown.isEmpty()) << "the load itself shows nothing";

    QTRY_COMPARE(s.host->shown, QStringList({"frmInfo"}));
    EXPECT_FALSE(timer->isActive());
    EXPECT_TRUE(eventsWhenShown.contains("Change"));
    EXPECT_EQ(seen.mode, "1");
    EXPECT_EQ(seen.text, batest::rtfSampleText("formatiert"));
    QTest::qWait(250);
    EXPECT_EQ(s.host->shown.size(), 1) << "once per load";
}

TEST(InfoWindow, ARemarkOfFormattingOnlyOpensOnlyFromTheButton) {
    SideWindows s;
    auto* timer = s.h.control().findChild<QTimer*>("Timer1");
    for (const char* nummer : {"20002", "20004"}) {
        s.h.typeNumber(nummer);
        EXPECT_FALSE(timer->isActive()) << nummer;
        s.h.control().Anzeige_Kundeninfo(nummer);
    }
    QTest::qWait(150);
    EXPECT_TRUE(s.host->shown.isEmpty());

    s.h.edit("txtDNummer")->setText("20002");
    Seen seen;
    s.host->then(look(seen));
    clickInfo(s, 1);
    EXPECT_EQ(s.host->shown, QStringList({"frmInfo"}));
    EXPECT_EQ(seen.text.trimmed(), "");
    EXPECT_TRUE(s.updates().isEmpty());
}

// Coming back to the window reloads the stored text only while the user has not edited it.
TEST(InfoWindow, ReturningToTheWindowKeepsTheEdits) {
    SideWindows s;
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

} // namespace
