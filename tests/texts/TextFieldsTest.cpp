// Text buttons, text-number fields and the long-text preview under a real mouse.
#define QTEST_QPA_MOUSE_HANDLING
#include "contracts/TextKindCatalogue.h"
#include "support/ControlHarness.h"
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using batest::ControlHarness;
using belegadressen::BelegAdressen;

namespace {

const QString kMissing = QStringLiteral("QelBelAdr[4]: Der Textbaustein Text ist nicht vorhanden.");
const QString kWrongType = QStringLiteral("QelBelAdr[4]: 10050");

const QStringList kFields = {"txtDAnNr_0", "txtdAuNr_0", "txtdLsNr_0", "txtdReNr_0", "txtdGuNr_0",
                             "txtDAnNr_1", "txtdAuNr_1", "txtdLsNr_1", "txtdReNr_1", "txtdGuNr_1"};

class TextsTest : public ::testing::Test {
protected:
    void SetUp() override {
        h.database().exec(QString::fromUtf8(
            "INSERT INTO Textbausteine (Textart, Textnummer, SprachKZ, ZusatztextNummer, "
            "Langtext) VALUES "
            "('KAN','001','ÿÿÿ','000','Sehr geehrte Damen und Herren,\nanbei unser Angebot.'),"
            "('KAN','001','ENG','000','Dear Sir or Madam'),"
            "('KAN','002','ÿÿÿ','001','Nur ein Zusatztext'),"
            "('FRG','000','ÿÿÿ','000','Ohne besonderen Fußtext.'),"
            "('FRG','007','ÿÿÿ','000','Zahlbar sofort.'),"
            "('FAB','003','ÿÿÿ','000',NULL)"));
        auto record = [this](const char* name) {
            return [this, name](qint16 i, const QString& wert, const QString& art) {
                buttons << QStringLiteral("%1(%2,%3,%4)")
                               .arg(QLatin1String(name))
                               .arg(i)
                               .arg(wert, art);
            };
        };
        QObject::connect(&w(), &BelegAdressen::btnKopftextClick, record("btnKopftextClick"));
        QObject::connect(&w(), &BelegAdressen::btnFusstextClick, record("btnFusstextClick"));
    }

    BelegAdressen& w() { return h.control(); }
    QLineEdit* field(const QString& name) { return h.edit(name); }
    QLabel* preview() { return w().findChild<QLabel*>(QStringLiteral("lblText")); }

    // All kinds at once, both rows.
    void allKinds() {
        w().setFuerBeleg(false);
        w().setMitKopftext(true);
        w().setMitFusstext(true);
        h.clearRecords();
    }
    // A document of type `belegart` with both rows.
    void document(qint16 belegart) {
        w().setFuerBeleg(true);
        w().AddBelegart(belegart);
        w().setMitKopftext(true);
        w().setMitFusstext(true);
        h.clearRecords();
    }
    QStringList texts() {
        QStringList out;
        for (const QString& name : kFields)
            out << field(name)->text();
        return out;
    }
    void settle() { QApplication::processEvents(); }
    // A real mouse move through the window system over the middle of `widget`.
    void hover(QWidget* widget) {
        QTest::mouseMove(widget, widget->rect().center());
        settle();
    }
    QStringList textStatements() {
        return h.sql().statements.filter(QStringLiteral("Textbausteine"));
    }

    ControlHarness h;
    QStringList buttons;
};

TEST_F(TextsTest, DocumentDecidesTheKindWhateverButtonIsClicked) {
    document(120);
    w().AddKAuNr(QStringLiteral("011"));
    w().AddFAuNr(QStringLiteral("012"));
    for (int i = 0; i < 5; ++i) {
        w().findChild<QToolButton*>(QStringLiteral("btnKopf_%1").arg(i))->click();
        w().findChild<QToolButton*>(QString::fromUtf8("btnFuß_%1").arg(i))->click();
    }
    QStringList expected;
    for (int i = 0; i < 5; ++i)
        expected << QStringLiteral("btnKopftextClick(%1,011,KAB)").arg(i)
                 << QStringLiteral("btnFusstextClick(%1,012,FAB)").arg(i);
    EXPECT_EQ(buttons, expected);
    // The last click was a footer button: the number goes to the order's footer.
    EXPECT_EQ(w().fktDragTextNummer(QStringLiteral("003")), -1);
    EXPECT_EQ(field("txtdAuNr_1")->text(), QStringLiteral("003"));
    EXPECT_EQ(field("txtdAuNr_0")->text(), QStringLiteral("011"));
}

TEST_F(TextsTest, NumberGoesToTheFieldThatHadTheFocusLast) {
    allKinds();
    h.focus("txtdLsNr_1");
    h.focus("txtDAdr_1");
    EXPECT_EQ(w().fktDragTextNummer(QStringLiteral("004")), -1);
    EXPECT_EQ(field("txtdLsNr_1")->text(), QStringLiteral("004"));
    EXPECT_EQ(QApplication::focusWidget(), field("txtdLsNr_1"));
}

TEST_F(TextsTest, NumberFromPage2BringsThePageOfTheTextsBackQuietly) {
    allKinds();
    w().AddNummer(QStringLiteral("10001"));
    h.focus("txtdReNr_0");
    w().findChild<QWidget*>(QStringLiteral("btnSeite_0"))->setFocus();
    QMetaObject::invokeMethod(w().findChild<QPushButton*>(QStringLiteral("btnSeite_0")), "click");
    ASSERT_TRUE(w().findChild<QWidget*>(QStringLiteral("panSeite_1"))->isHidden());
    h.clearRecords();
    EXPECT_EQ(w().fktDragTextNummer(QStringLiteral("002")), -1);
    EXPECT_FALSE(w().findChild<QWidget*>(QStringLiteral("panSeite_1"))->isHidden());
    EXPECT_EQ(field("txtdReNr_0")->text(), QStringLiteral("002"));
    EXPECT_EQ(h.events(), QStringList{"Change"});
    EXPECT_TRUE(h.messages().isEmpty());
}

TEST_F(TextsTest, TextTypeOfAnotherKindIsRefusedWithItsMessage) {
    document(60);
    h.focus("txtdReNr_0");
    const QStringList before = texts();
    EXPECT_EQ(w().fktDragTextNummerAllgenmein(QStringLiteral("001"), 6), 0);
    EXPECT_EQ(texts(), before);
    EXPECT_EQ(h.messages(), QStringList{kWrongType});
    EXPECT_EQ(w().PruefeTexttyp(QStringLiteral("kein Typ")), 0);
    EXPECT_EQ(h.messages().size(), 2);
    // The invoice's own types pass.
    EXPECT_EQ(w().fktDragTextNummerAllgenmein(QStringLiteral("007"), 0), -1);
    EXPECT_EQ(field("txtdReNr_1")->text(), QStringLiteral("007"));
    EXPECT_EQ(h.messages().size(), 2);
}

TEST_F(TextsTest, LeavingChecksTheModuleAndKeepsTheNumber) {
    allKinds();
    struct Case {
        const char* number;
        bool message;
        int statements;
    };
    // An existing module, a missing one, "000" missing, and a blank field.
    const Case cases[] = {{"001", false, 1}, {"123", true, 1}, {"000", false, 1}, {"  ", false, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        field("txtDAnNr_0")->setText(QLatin1String(c.number));
        h.focus("txtDAnNr_0");
        h.clearRecords();
        h.focus("txtDAdr_1");
        EXPECT_EQ(h.messages(), c.message ? QStringList{kMissing} : QStringList{});
        EXPECT_EQ(textStatements().size(), c.statements);
        EXPECT_EQ(field("txtDAnNr_0")->text(), QLatin1String(c.number));
    }
}

TEST_F(TextsTest, MouseOverAMissingNumberReportsOnceThenWritesNoText) {
    allKinds();
    field("txtDAnNr_1")->setText(QStringLiteral("555"));
    h.focus("txtDAdr_1");
    h.clearRecords();
    hover(field("txtDAnNr_1"));
    EXPECT_EQ(h.messages(), QStringList{kMissing});
    EXPECT_EQ(field("txtDAnNr_1")->text(), QStringLiteral("000"));
    EXPECT_EQ(QApplication::focusWidget(), field("txtDAnNr_1"));
    EXPECT_TRUE(preview()->isHidden());
    EXPECT_TRUE(textStatements().first().contains("Textart = 'FAN' AND Textnummer = '555'"));
    // Further moves find "000" missing too, and say nothing.
    h.focus("txtDAdr_1");
    h.clearRecords();
    QTest::mouseMove(field("txtDAnNr_1"), {3, 3});
    settle();
    EXPECT_TRUE(h.messages().isEmpty() && h.events().isEmpty());
    EXPECT_EQ(field("txtDAnNr_1")->text(), QStringLiteral("000"));
}

TEST_F(TextsTest, PreviewShowsTheModuleAndHidesElsewhere) {
    allKinds();
    // "000" is a number like any other when its module exists.
    field("txtdReNr_1")->setText(QStringLiteral("000"));
    field("txtDAnNr_0")->setText(QStringLiteral("001"));
    hover(field("txtdReNr_1"));
    ASSERT_TRUE(preview()->isVisible());
    EXPECT_EQ(preview()->text(), QStringLiteral("Ohne besonderen Fußtext."));
    hover(field("txtDAnNr_0"));
    EXPECT_EQ(preview()->text(),
              QStringLiteral("Sehr geehrte Damen und Herren,\nanbei unser Angebot."));
    // Anything else of the page hides it: a label, another input, the page itself.
    for (const char* other : {"lblKopftext", "panSeite_1"}) {
        SCOPED_TRACE(other);
        hover(field("txtDAnNr_0"));
        ASSERT_TRUE(preview()->isVisible());
        QWidget* target = h.widget(QLatin1String(other));
        QTest::mouseMove(target,
                         QString(other) == "panSeite_1" ? QPoint(2, 2) : target->rect().center());
        settle();
        EXPECT_TRUE(preview()->isHidden());
    }
    EXPECT_TRUE(h.messages().isEmpty());
}

TEST_F(TextsTest, EmptyFieldOrNullTextOrLostConnection) {
    allKinds();
    field("txtDAnNr_0")->setText(QStringLiteral("001"));
    hover(field("txtDAnNr_0"));
    ASSERT_TRUE(preview()->isVisible());
    // An empty field hides the preview and reads nothing.
    h.clearRecords();
    hover(field("txtdLsNr_0"));
    EXPECT_TRUE(preview()->isHidden());
    EXPECT_TRUE(textStatements().isEmpty());
    EXPECT_EQ(field("txtdLsNr_0")->text(), QString());
    // A module without a text counts as missing, without a message.
    field("txtdAuNr_1")->setText(QStringLiteral("003"));
    hover(field("txtdAuNr_1"));
    EXPECT_EQ(field("txtdAuNr_1")->text(), QStringLiteral("000"));
    EXPECT_TRUE(h.messages().isEmpty());
    // A lookup that fails shows an empty preview and keeps the number.
    field("txtdReNr_1")->setText(QStringLiteral("007"));
    h.sql().failWhenContains = QStringLiteral("Textbausteine");
    hover(field("txtdReNr_1"));
    EXPECT_TRUE(preview()->isVisible());
    EXPECT_EQ(preview()->text(), QString());
    EXPECT_EQ(field("txtdReNr_1")->text(), QStringLiteral("007"));
    EXPECT_TRUE(h.messages().isEmpty());
}

TEST_F(TextsTest, MovingWithinAFieldReadsTheModuleOnce) {
    allKinds();
    field("txtdReNr_1")->setText(QStringLiteral("007"));
    h.clearRecords();
    for (int x = 2; x < 12; x += 2)
        QTest::mouseMove(field("txtdReNr_1"), {x, 4});
    settle();
    EXPECT_EQ(textStatements().size(), 1);
    hover(h.widget("txtDAdr_1"));
    hover(field("txtdReNr_1"));
    EXPECT_EQ(textStatements().size(), 2);
}

// A catalogue that tells which time it was made.
struct CountedKinds : belegadressen::TextKindCatalogue {
    explicit CountedKinds(int made) : made(made) {}
    QString Kopftext(int kind) const override {
        return QStringLiteral("K%1.%2").arg(kind).arg(made);
    }
    QString Fusstext(int kind) const override {
        return QStringLiteral("F%1.%2").arg(kind).arg(made);
    }
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
