// The small services of the control: field recall, clipboard, the command
// buttons, the remark field and the pressed pictures of the image buttons.
#include "windows/InfoSupport.h"
#include <QApplication>
#include <QClipboard>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
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
    QTest::keyClick(bez, Qt::Key_Backspace);
    QTest::keyClick(bez, Qt::Key_Backspace);
    ctrlF3(bez);
    EXPECT_EQ(bez->text(), "a");

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
    QLineEdit* ort = s.h.edit("txtDAdr_6");
    ort->setFocus();
    ort->setCursorPosition(0);
    w.mnu_Paste();
    EXPECT_EQ(ort->text(), "Müller Stuttgart");
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
    s.h.edit("txtDNummer")->setText("   ");
    button->click();
    s.h.edit("txtDNummer")->setText("10001");
    button->click();
    EXPECT_EQ(s.events, QStringList({"StammBlatt(   )", "StammBlatt(10001)"}));
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

TEST(RemarkField, ReportsUserEditsOnly) {
    SideWindows s;
    BelegAdressen& w = s.h.control();
    w.setAktAdresse(2);
    s.h.clearRecords();
    w.AddBemerkung("Heizung tropft");
    EXPECT_TRUE(s.h.events().isEmpty());
    QLineEdit* bemerkung = s.h.edit("txtBemerkung");
    bemerkung->setText("Heizung tropft stark");
    EXPECT_EQ(s.h.events(), QStringList({"Change"}));
}

QImage imageOf(const QToolButton* b) { return b->icon().pixmap(16, 16).toImage(); }

TEST(ImageButtons, ShowTheirPressedPictureWhileTheMouseIsDown) {
    SideWindows s;
    BelegAdressen& w = s.h.control();
    for (const char* name : {"btnKunde", "btnKopf_2"}) {
        auto* b = w.findChild<QToolButton*>(name);
        ASSERT_NE(b, nullptr);
        b->show();
        const QImage released = imageOf(b);
        QTest::mousePress(b, Qt::LeftButton);
        const QImage pressed = imageOf(b);
        EXPECT_NE(pressed, released) << name;
        QTest::mouseRelease(b, Qt::LeftButton);
        EXPECT_EQ(imageOf(b), released) << name;
    }
    // After SchliesseSelect the simple buttons have no pictures left to show.
    w.SchliesseSelect();
    auto* kunde = w.findChild<QToolButton*>("btnKunde");
    QTest::mousePress(kunde, Qt::LeftButton);
    EXPECT_TRUE(kunde->icon().isNull());
    QTest::mouseRelease(kunde, Qt::LeftButton);
}

} // namespace

namespace {

// On a one-page address the remark is the last field: leaving it goes round
// to the number, or, with the number hidden, asks the host for the next page.
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
