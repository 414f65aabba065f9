// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

// Text buttons, text-number fields and the long-text preview under a real mouse.
#define QTEST_QPA_MOUSE_HANDLING
#include "contracts/TextKindCatalogue.h"
#include "support/ControlHarness.h"
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using belegadressen::BelegAdressen;

namespace {

const QString kMissing = QStringLiteral("QelBelAdr[4]: Der Textbaustein Text ist nicht vorhanden.");

// A control of the text page outside the rows, to leave a row to.
const QString kAway = QStringLiteral("btnSeite_1");

const QStringList kFields = {"txtDAnNr_0", "txtdAuNr_0", "txtdLsNr_0", "txtdReNr_0", "txtdGuNr_0",
                             "txtDAnNr_1", "txtdAuNr_1", "txtdLsNr_1", "txtdReNr_1", "txtdGuNr_1"};

class TextsTest : public ::testing::Test {
protected:
    void SetUp() override {
        h.database().exec(QString::fromUtf8(
            "INSERT INTO Textbausteine (Textart, Textnummer, SprachKZ, ZusatztextNummer, Langtext) "
            "VALUES ('FRG','000','ÿÿÿ','000','Ohne besonderen Fußtext.'),"
            "('KAN','001','ÿÿÿ','000','Sehr geehrte Damen und Herren,\nanbei unser Angebot.'),"
            "('KAN','001','ENG','000','Dear Sir or Madam'), ('KAN','002','ÿÿÿ','001','Zusatz'),"
            "('FRG','007','ÿÿÿ','000','Zahlbar sofort.'), ('FAB','003','ÿÿÿ','000',NULL)"));
        auto record = [this](const QString& name) {
            return [this, name](qint16 i, const QString& wert, const QString& art) {
                buttons << QStringLiteral("%1(%2,%3,%4)").arg(name).arg(i).arg(wert, art);
            };
        };
        QObject::connect(&w(), &BelegAdressen::btnKopftextClick, record("Kopf"));
        QObject::connect(&w(), &BelegAdressen::btnFusstextClick, record("Fuss"));
        showTexts();
        // The rows stand on page 2, which opens for an address with a number.
        w().AddNummer("10001");
        QMetaObject::invokeMethod(h.widget("btnSeite_0"), "click");
        h.clearRecords();
        hover(&w(), {0, 0}); // away from where an earlier test left the mouse
    }

    BelegAdressen& w() { return h.control(); }
    QLabel* preview() { return w().findChild<QLabel*>("lblText"); }

    // Both rows, for a document of type `belegart` or (0) all kinds at once.
    void showTexts(qint16 belegart = 0) {
        w().setFuerBeleg(belegart != 0);
        if (belegart) w().AddBelegart(belegart);
        w().setMitKopftext(true);
        w().setMitFusstext(true);
        h.clearRecords();
    }
    QStringList texts() {
        QStringList out;
        for (const QString& name : kFields)
            out << h.edit(name)->text();
        return out;
    }
    // A real mouse move through the window system, over the middle of `widget` by default.
    void hover(QWidget* widget, QPoint at = {-1, -1}) {
        QTest::mouseMove(widget, at.x() < 0 ? widget->rect().center() : at);
        QApplication::processEvents();
    }
    QStringList textStatements() { return h.sql().statements.filter("Textbausteine"); }

    batest::ControlHarness h;
    QStringList buttons;
};

TEST_F(TextsTest, DocumentDecidesTheKindWhateverButtonIsClicked) {
    showTexts(120);
    w().AddKAuNr("011");
    w().AddFAuNr("012");
    QStringList expected;
    for (int i = 0; i < 5; ++i) {
        w().findChild<QToolButton*>(QStringLiteral("btnKopf_%1").arg(i))->click();
        w().findChild<QToolButton*>(QString::fromUtf8("btnFuß_%1").arg(i))->click();
        expected << QStringLiteral("Kopf(%1,011,KAB)").arg(i)
                 << QStringLiteral("Fuss(%1,012,FAB)").arg(i);
    }
    EXPECT_EQ(buttons, expected);
    // The last click was a footer button: the number goes to the order's footer.
    EXPECT_EQ(w().fktDragTextNummer("003"), -1);
    EXPECT_EQ(texts().mid(1, 6), QStringList({"011", "", "", "", "", "003"}));
}

TEST_F(TextsTest, NumberGoesToTheFieldThatHadTheFocusLast) {
    h.focus("txtdLsNr_1");
    h.focus(kAway);
    EXPECT_EQ(w().fktDragTextNummer("004"), -1);
    EXPECT_EQ(h.edit("txtdLsNr_1")->text(), "004");
    EXPECT_EQ(QApplication::focusWidget(), h.edit("txtdLsNr_1"));

    // From page 1 the page of the texts comes back, quietly.
    h.focus("txtdReNr_0");
    h.widget("btnSeite_1")->setFocus();
    QMetaObject::invokeMethod(h.widget("btnSeite_1"), "click");
    ASSERT_TRUE(h.widget("panSeite_0")->isHidden());
    ASSERT_TRUE(w().fktAnzeigeSeite1().toBool());
    h.clearRecords();
    EXPECT_EQ(w().fktDragTextNummer("002"), -1);
    EXPECT_FALSE(h.widget("panSeite_0")->isHidden());
    EXPECT_TRUE(h.widget("panSeite_1")->isHidden());
    EXPECT_FALSE(w().fktAnzeigeSeite1().toBool());
    EXPECT_EQ(h.edit("txtdReNr_0")->text(), "002");
    EXPECT_EQ(h.events() + h.messages(), QStringList{"Change"});
}

// An address of one page has no page 2 to turn to: its rows stand on page 1,
// and a dropped number turns no page.
TEST_F(TextsTest, RowsOfAnAddressOfOnePageStandOnItsOnlyPage) {
    w().setAktAdresse(2);
    ASSERT_TRUE(h.edit("txtdReNr_0")->isVisible());
    h.focus("txtdReNr_0");
    h.focus("txtDAdr_1");
    h.clearRecords();
    EXPECT_EQ(w().fktDragTextNummer("005"), -1);
    EXPECT_TRUE(h.widget("panSeite_0")->isHidden());
    EXPECT_EQ(h.edit("txtdReNr_0")->text(), "005");
    w().setAktAdresse(1);
    EXPECT_TRUE(h.widget("panSeite_0")->isAncestorOf(h.edit("txtdReNr_0")));
}

TEST_F(TextsTest, TextTypeOfAnotherKindIsRefusedWithItsMessage) {
    showTexts(60);
    h.focus("txtdReNr_0");
    const QStringList before = texts();
    EXPECT_EQ(w().fktDragTextNummerAllgenmein("001", 6), 0);
    EXPECT_EQ(texts(), before);
    EXPECT_EQ(h.messages(), QStringList{"QelBelAdr[4]: 10050"});
    EXPECT_EQ(w().PruefeTexttyp("kein Typ"), 0);
    EXPECT_EQ(h.messages().size(), 2);
    // The invoice's own types pass.
    EXPECT_EQ(w().fktDragTextNummerAllgenmein("007", 0), -1);
    EXPECT_EQ(h.edit("txtdReNr_1")->text(), "007");
    EXPECT_EQ(h.messages().size(), 2);
}

TEST_F(TextsTest, LeavingChecksTheModuleAndKeepsTheNumber) {
    // An existing module, a missing one, "000" missing, and a blank field: told, statements.
    for (const auto& [number, told, statements] :
         {std::tuple{"001", false, 1}, std::tuple{"123", true, 1}, std::tuple{"000", false, 1},
          std::tuple{"  ", false, 0}}) {
        SCOPED_TRACE(number);
        h.edit("txtDAnNr_0")->setText(QLatin1String(number));
        h.focus("txtDAnNr_0");
        h.clearRecords();
        h.focus(kAway);
        EXPECT_EQ(h.messages(), told ? QStringList{kMissing} : QStringList{});
        EXPECT_EQ(textStatements().size(), statements);
        EXPECT_EQ(h.edit("txtDAnNr_0")->text(), QLatin1String(number));
    }
}

TEST_F(TextsTest, MissingEmptyNullOrLostModulesUnderTheMouse) {
    h.edit("txtDAnNr_1")->setText("555");
    h.focus(kAway);
    h.clearRecords();
    hover(h.edit("txtDAnNr_1"));
    EXPECT_EQ(h.messages() << h.edit("txtDAnNr_1")->text(), QStringList({kMissing, "000"}));
    EXPECT_EQ(QApplication::focusWidget(), h.edit("txtDAnNr_1"));
    EXPECT_TRUE(preview()->isHidden());
    EXPECT_TRUE(textStatements().first().contains("Textart = 'FAN' AND Textnummer = '555'"));
    // Further moves find "000" missing too, and say nothing.
    h.focus(kAway);
    h.clearRecords();
    hover(h.edit("txtDAnNr_1"), {3, 3});
    EXPECT_EQ(h.messages() + h.events() << h.edit("txtDAnNr_1")->text(), QStringList{"000"});

    h.edit("txtDAnNr_0")->setText("001");
    hover(h.edit("txtDAnNr_0"));
    ASSERT_TRUE(preview()->isVisible());
    // An empty field hides the preview and reads nothing.
    h.clearRecords();
    hover(h.edit("txtdLsNr_0"));
    EXPECT_TRUE(preview()->isHidden());
    EXPECT_EQ(textStatements() << h.edit("txtdLsNr_0")->text(), QStringList{""});
    // A module without a text counts as missing, without a message.
    h.edit("txtdAuNr_1")->setText("003");
    hover(h.edit("txtdAuNr_1"));
    EXPECT_EQ(h.messages() << h.edit("txtdAuNr_1")->text(), QStringList{"000"});
    // A lookup that fails shows an empty preview and keeps the number.
    h.edit("txtdReNr_1")->setText("007");
    h.sql().failWhenContains = "Textbausteine";
    hover(h.edit("txtdReNr_1"));
    EXPECT_TRUE(preview()->isVisible());
    EXPECT_EQ(h.messages() << preview()->text() << h.edit("txtdReNr_1")->text(),
              QStringList({"", "007"}));
}

TEST_F(TextsTest, PreviewShowsTheModuleAndHidesElsewhere) {
    // "000" is a number like any other when its module exists.
    h.edit("txtdReNr_1")->setText("000");
    h.edit("txtDAnNr_0")->setText("001");
    hover(h.edit("txtdReNr_1"));
    ASSERT_TRUE(preview()->isVisible());
    EXPECT_EQ(preview()->text(), "Ohne besonderen Fußtext.");
    hover(h.edit("txtDAnNr_0"));
    EXPECT_EQ(preview()->text(), "Sehr geehrte Damen und Herren,\nanbei unser Angebot.");
    // Anything else of the page hides it.
    hover(h.widget("panSeite_0"), {2, 2});
    EXPECT_TRUE(preview()->isHidden());
    EXPECT_TRUE(h.messages().isEmpty());

    // Moving within a field reads its module once.
    h.edit("txtdReNr_1")->setText("007");
    h.clearRecords();
    for (int x = 2; x < 12; x += 2)
        hover(h.edit("txtdReNr_1"), {x, 4});
    EXPECT_EQ(textStatements().size(), 1);
    hover(h.widget(kAway));
    hover(h.edit("txtdReNr_1"));
    EXPECT_EQ(textStatements().size(), 2);
}

// A catalogue that tells which time it was made.
struct CountedKinds : belegadressen::TextKindCatalogue {
    explicit CountedKinds(int made) : made(made) {}
    QString Kopftext(int kind) const override { return QString("K%1.%2").arg(kind).arg(made); }
    QString Fusstext(int kind) const override { return QString("F%1.%2").arg(kind).arg(made); }
    int made;
};

TEST(HostTextKinds, AreAskedForEveryTimeAndNeverKept) {
    BelegAdressen w;
    int made = 0;
    belegadressen::Services services;
    services.textKinds = [&]() -> std::shared_ptr<belegadressen::TextKindCatalogue> {
        if (made == 3) return nullptr; // then the standard codes are in charge
        return std::make_shared<CountedKinds>(++made);
    };
    w.setServices(services);
    QStringList codes;
    auto record = [&](qint16, const QString&, const QString& art) { codes << art; };
    QObject::connect(&w, &BelegAdressen::btnKopftextClick, record);
    QObject::connect(&w, &BelegAdressen::btnFusstextClick, record);
    for (const char* button : {"btnKopf_1", "btnKopf_1", "btnFuß_4", "btnKopf_1"})
        w.findChild<QToolButton*>(QString::fromUtf8(button))->click();
    EXPECT_EQ(codes, QStringList({"K1.1", "K1.2", "F4.3", "KAB"}));
}

} // namespace
