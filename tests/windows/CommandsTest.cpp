// Field recall, clipboard, command buttons, the remark field and the image buttons' pictures.
#include "windows/InfoSupport.h"
#include <QApplication>
#include <QClipboard>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace belegadressen;
using batest::SideWindows;

namespace {

const QString kNoNumber = QStringLiteral("QelBelAdr[4]: Es ist keine Adressnummer vorhanden.");

void ctrlF3(QWidget* w) { QTest::keyClick(w, Qt::Key_F3, Qt::ControlModifier); }

TEST(FieldRecall, CtrlF3RestoresTheValueBeforeTheLastKey) {
    SideWindows s;
    s.h.typeNumber("10001");
    QLineEdit* bez = s.h.edit("txtDAdr_2");
    bez->setFocus();
    bez->clear();
    QTest::keyClicks(bez, "abc");
    ctrlF3(bez);
    EXPECT_EQ(bez->text(), "ab");
    // Ctrl+F3 itself keeps nothing: pressing it again gives the same.
    ctrlF3(bez);
    EXPECT_EQ(bez->text(), "ab");

    // A field whose tag is empty stays as it is.
    QLineEdit* ort = s.h.edit("txtDAdr_6");
    ort->setText("Stuttgart");
    ort->setFocus();
    ctrlF3(ort);
    EXPECT_EQ(ort->text(), "Stuttgart");
}

TEST(FieldRecall, TheHostKeepsAndRestoresTheFocusedValue) {
    SideWindows s;
    s.h.typeNumber("10001");
    BelegAdressen& w = s.h.control();
    QLineEdit* strasse = s.h.edit("txtDAdr_5");
    strasse->setFocus();
    strasse->setText("Hauptstraße 1");
    EXPECT_FALSE(w.Setze_Tag_user().isValid());
    strasse->setText("");
    w.Setze_Tag_user(); // an empty value keeps the tag
    EXPECT_FALSE(w.Hole_Tag_user().isValid());
    EXPECT_EQ(strasse->text(), "Hauptstraße 1");

    // Invoked late-bound, too.
    strasse->setText("Nebenweg");
    w.Invoke("Hole_Tag_user", InvokeKind::Method);
    EXPECT_EQ(strasse->text(), "Hauptstraße 1");
}

TEST(Clipboard, ActsOnTheFocusedField) {
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
    EXPECT_EQ(bez->text(), "GmbH");
    EXPECT_EQ(QApplication::clipboard()->text(), "Müller ");
    // A focused button ignores the commands.
    s.h.control().findChild<QPushButton*>("btnStammblatt")->setFocus();
    EXPECT_NO_THROW(w.mnu_Paste());
}

TEST(Clipboard, WithoutAFocusedFieldTheErrorGoesToTheHost) {
    BelegAdressen w;
    for (const char* member : {"mnu_Cut", "mnu_Copy", "mnu_Paste"}) {
        try {
            w.Invoke(member, InvokeKind::Method);
            ADD_FAILURE() << member << " did not fail";
        } catch (const Error& e) {
            EXPECT_EQ(e.number(), 91) << member;
        }
    }
}

TEST(CommandButtons, CustomerSheetNeedsANumber) {
    SideWindows s;
    auto* button = s.h.control().findChild<QPushButton*>("btnStammblatt");
    button->click();
    EXPECT_EQ(s.host->messages, QStringList({kNoNumber}));
    EXPECT_TRUE(s.events.isEmpty());
    s.host->messages.clear();
    s.h.edit("txtDNummer")->setText("10001");
    button->click();
    EXPECT_EQ(s.events, QStringList({"StammBlatt(10001)"}));
    EXPECT_TRUE(s.host->messages.isEmpty());
    EXPECT_TRUE(s.h.sql().statements.isEmpty());

    s.h.control().findChild<QPushButton*>("btnBelegfreigabe")->click();
    EXPECT_EQ(s.events.last(), "btnUebernehme");
}

TEST(CommandButtons, CommunicationDataOnlyForACustomer) {
    SideWindows s;
    auto* button = s.h.control().findChild<QPushButton*>("BtnKom");
    button->click();
    EXPECT_EQ(s.host->messages, QStringList({kNoNumber}));
    s.host->messages.clear();
    s.h.edit("txtDNummer")->setText("A-100"); // an address, no customer
    button->click();
    EXPECT_TRUE(s.host->shown.isEmpty());
    EXPECT_TRUE(s.host->messages.isEmpty());
    s.h.edit("txtDNummer")->setText("10001");
    button->click();
    EXPECT_EQ(s.host->shown, QStringList({"Kommunikationsdaten(1,10001,0,0)"}));
    EXPECT_TRUE(s.updates().isEmpty());
}

// The remark ends a one-page address: leaving it goes to the number, or, hidden, to the next page.
TEST(RemarkField, LeavingItOnAOnePageAddressGoesOn) {
    SideWindows s;
    BelegAdressen& w = s.h.control();
    w.setMitKundendienst(true);
    w.AddBelegart(110);
    w.setAktAdresse(2);
    QLineEdit* bemerkung = s.h.edit("txtBemerkung");
    if (!bemerkung->isVisible()) GTEST_SKIP() << "the service part is not shown";
    s.h.focus("txtBemerkung");
    s.h.clearRecords();
    s.h.focus("txtTelefon");
    EXPECT_EQ(QApplication::focusWidget(), s.h.widget("txtDNummer"));

    s.h.edit("txtDNummer")->hide();
    s.h.focus("txtBemerkung");
    s.h.focus("txtTelefon");
    EXPECT_EQ(s.h.events(), QStringList({"btnSeite2Click"}));

    // Two pages: the remark is not the last field.
    w.SetzeAnzSeiten(2, 2);
    s.h.clearRecords();
    s.h.focus("txtBemerkung");
    s.h.focus("txtTelefon");
    EXPECT_TRUE(s.h.events().isEmpty());
}

} // namespace
