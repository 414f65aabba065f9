// Writing the shown address back into the customer and address masters.
#include "data/MasterUpdate.h"
#include "contracts/MasterDataCombo.h"
#include "support/ControlHarness.h"
#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using namespace belegadressen;
using namespace batest;

namespace {

const QString kKunde = QStringLiteral("Die Adressdaten wurden im Kundenstamm aktualisiert.");
const QString kAdresse =
    QStringLiteral("Die Adressdaten wurden in den allgemeinen Adressen aktualisiert.");
const QString kNotice = QStringLiteral("QelBelAdr/btnAktKunde_Click/0: ");

template <class E> class MasterUpdateTest : public EngineTest<E> {
protected:
    void SetUp() override {
        EngineTest<E>::SetUp();
        if (this->IsSkipped() || this->HasFailure()) return;
        TestDatabase& db = this->database();
        db.exec("DELETE FROM Kundenstamm");
        db.exec("DELETE FROM Adressenstamm");
        db.exec("INSERT INTO Kundenstamm (Kundennummer, Anrede, Vorname, Bez1, Bez2, Bez3, Bez4, "
                "Straße, Ort, Land, PLZ, Postfach, PostfachPlz, KzDivers, Liefersperre) VALUES "
                "('K-1','Herr','Alt','Alt 1','Alt 2','Alt 3','Alt 4','Altweg 1','Altort','D',"
                "'11111','PF 1','22222',0,0)");
        db.exec("INSERT INTO Adressenstamm (AdressNummer, AnredeHW, Vorname, Bez1, Bez2, Bez3, "
                "Straße, Ort, Land, PLZ) VALUES ('K-1','Herr','Alt','Alt 1','Alt 2','Alt 3',"
                "'Altweg 1','Altort','D','11111')");
        db.exec("INSERT INTO Adressenstamm (AdressNummer, Bez1) VALUES ('A-2','Nur Adresse')");
        sql = std::make_shared<RecordingConnection>(this->connection());
        control = std::make_unique<BelegAdressen>();
        Services s;
        s.messages = notices;
        s.dialogs = notices;
        control->setServices(s);
        control->setAppObj(std::make_shared<FakeHost>(sql));
        control->setAnzAdresse(3);
        control->SetzeAnzSeiten(1, 1);
        control->setAktAdresse(1);
        control->setMitKundenaktualisierung(true);
        control->show();
    }
    void TearDown() override {
        control.reset();
        sql.reset();
    }

    QLineEdit* edit(const QString& name) { return control->findChild<QLineEdit*>(name); }
    void show(const QStringList& values) {
        const char* names[] = {"txtDNummer",       "txtDAdr_0",    "txtDAdr_1",      "txtDAdr_2",
                               "txtDAdr_3",        "txtDAdr_4",    "txtDAdr_5",      "txtDAdr_6",
                               "txtDPostleitzahl", "txtDPostfach", "txtDPlzPostfach"};
        for (int i = 0; i < 11; ++i)
            edit(names[i])->setText(values.value(i));
        control->findChild<QComboBox*>("cdoDLand")->setEditText(values.value(11));
        control->findChild<MasterDataCombo*>("ocxAnrede")->setKeyValue(values.value(12));
        sql->statements.clear();
        notices->messages.clear();
    }
    void update() { control->findChild<QToolButton*>("btnAktKunde")->click(); }
    QStringList row(const QString& select) {
        return this->database().rows(select).value(0).split('|');
    }
    QStringList kunde(const QString& nr) {
        return row(
            "SELECT Vorname, Bez1, Bez2, Bez3, Bez4, Straße, Ort, PLZ, Postfach, PostfachPlz, "
            "Land, Anrede FROM Kundenstamm WHERE Kundennummer = '" +
            nr + "'");
    }
    QStringList adresse(const QString& nr) {
        return row("SELECT Vorname, Bez1, Bez2, Bez3, Straße, Ort, Land, PLZ, AnredeHW FROM "
                   "Adressenstamm WHERE AdressNummer = '" +
                   nr + "'");
    }

    std::shared_ptr<RecordingServices> notices = std::make_shared<RecordingServices>();
    std::shared_ptr<RecordingConnection> sql;
    std::unique_ptr<BelegAdressen> control;
};
TYPED_TEST_SUITE(MasterUpdateTest, BothEngines, EngineNames);

QStringList updates(const QStringList& statements) {
    QStringList out;
    for (const QString& s : statements)
        if (s.startsWith("Update ") || s.startsWith("Select ")) out << s.section(' ', 0, 1);
    return out;
}

TYPED_TEST(MasterUpdateTest, HostileValuesGoBackByteExactCustomerFirst) {
    const QString longLine = QString(999, QChar(u'ä')) + "'";
    const QStringList values{"K-1",
                             "Jörg",
                             "O'Brien & Söhne ''GmbH''",
                             longLine,
                             R"(C:\temp\n \' \\)",
                             "Straße ß Ä Ö Ü €",
                             "Bahnhofstraße 5a",
                             "Zürich '; DROP TABLE Kundenstamm; --",
                             "8001",
                             "Postfach 12",
                             "8021",
                             "CH",
                             "Frau"};
    this->show(values);
    this->update();
    EXPECT_EQ(this->notices->messages, QStringList({kNotice + kKunde, kNotice + kAdresse}));
    EXPECT_EQ(updates(this->sql->statements),
              QStringList({"Select Kundennummer", "Update Kundenstamm", "Select AdressNummer",
                           "Update Adressenstamm"}));
    EXPECT_EQ(this->kunde("K-1"), values.mid(1, 12));
    // The general address has no fourth name line and no PO box.
    EXPECT_EQ(this->adresse("K-1"),
              QStringList({values[1], values[2], values[3], values[4], values[6], values[7],
                           values[11], values[8], values[12]}));
    EXPECT_FALSE(this->sql->statements.filter("Update Adressenstamm").first().contains("Bez4"));
    EXPECT_EQ(this->edit("txtDAdr_2")->text(), longLine);
}

TYPED_TEST(MasterUpdateTest, OnlyTheTableThatHoldsTheNumber) {
    this->show({"A-2", "", "Neu"});
    this->update();
    EXPECT_EQ(this->notices->messages, QStringList{kNotice + kAdresse});
    EXPECT_EQ(this->adresse("A-2").value(1), "Neu");

    this->show({"X-9", "", "Niemand"});
    this->update();
    EXPECT_TRUE(this->notices->messages.isEmpty());
    EXPECT_EQ(updates(this->sql->statements),
              QStringList({"Select Kundennummer", "Select AdressNummer"}));
}

TYPED_TEST(MasterUpdateTest, NoNumberTouchesNoTableBlanksAreANumber) {
    for (const QString& nummer : {QStringLiteral("0"), QString()}) {
        this->show({nummer, "", "Neu"});
        this->update();
        EXPECT_EQ(this->notices->messages, QStringList{kNotice + "Es ist keine Nummer vorhanden"});
        EXPECT_TRUE(this->sql->statements.isEmpty());
    }
    this->show({"  ", "", "Neu"});
    this->update();
    EXPECT_TRUE(this->notices->messages.isEmpty());
    EXPECT_TRUE(this->sql->statements.contains(
        "Select Kundennummer from Kundenstamm where Kundennummer = '  '"));
}

// Each update stands alone: a failing address update keeps the customer update.
TYPED_TEST(MasterUpdateTest, FailingSecondUpdateKeepsTheCustomerUpdate) {
    this->show({"K-1", "Neu", "Neu 1"});
    this->sql->failWhenContains = "Update Adressenstamm";
    this->update();
    ASSERT_EQ(this->notices->messages.size(), 2);
    EXPECT_EQ(this->notices->messages[0], kNotice + kKunde);
    const QString report = this->notices->messages[1];
    EXPECT_TRUE(report.startsWith("QelBelAdr/btnAktKunde_Click/")) << report.toStdString();
    EXPECT_TRUE(report.contains("server closed the connection unexpectedly"));
    EXPECT_EQ(this->kunde("K-1").value(1), "Neu 1");
    EXPECT_EQ(this->adresse("K-1").value(1), "Alt 1");
    EXPECT_EQ(this->sql->statements.filter("TRANSACTION").size(), 0);

    // The connection is usable again afterwards.
    this->sql->failWhenContains.clear();
    this->notices->messages.clear();
    this->update();
    EXPECT_EQ(this->notices->messages, QStringList({kNotice + kKunde, kNotice + kAdresse}));
    EXPECT_EQ(this->adresse("K-1").value(1), "Neu 1");
}

TYPED_TEST(MasterUpdateTest, AValueTheDatabaseCannotTakeWritesNothing) {
    const QStringList before = this->kunde("K-1");
    this->show({"K-1", "Neu", QStringLiteral("Nul") + QChar(0) + "zeichen"});
    this->update();
    ASSERT_EQ(this->notices->messages.size(), 1);
    EXPECT_TRUE(this->notices->messages[0].contains("Nullzeichen"));
    EXPECT_TRUE(this->sql->statements.isEmpty());
    EXPECT_EQ(this->kunde("K-1"), before);
}

TEST(MasterStatements, ComposedPieceByPiece) {
    MasterAddress a{" 7 ", "V", "B1", "B2", "B3", "B4", "S", "O", "L", "P", "PF", "PP", "Herr"};
    EXPECT_EQ(masterstatements::kundeUpdate(a),
              "Update Kundenstamm Set Vorname = 'V', Bez1 = 'B1', Bez2 = 'B2', Bez3 = 'B3', "
              "Bez4 = 'B4', Straße = 'S', Ort = 'O', Land = 'L', Plz = 'P', Postfach = 'PF', "
              "PostfachPLZ = 'PP', Anrede = 'Herr' where Kundennummer = ' 7 '");
    EXPECT_EQ(masterstatements::adresseUpdate(a),
              "Update Adressenstamm Set Vorname = 'V', Bez1 = 'B1', Bez2 = 'B2', Bez3 = 'B3', "
              "Straße = 'S', Ort = 'O', Land = 'L', Plz = 'P', AnredeHW = 'Herr' where "
              "AdressNummer = ' 7 '");
    EXPECT_EQ(masterstatements::adresseExists("O'B"),
              "Select AdressNummer from Adressenstamm where AdressNummer = 'O''B'");
}

// Focus follows the extended address lines, also when the street is hidden.
TEST(ExtendedAddress, FocusFollowsTheShownLines) {
    ControlHarness h;
    auto* button = static_cast<QPushButton*>(h.widget("btnErwAdresse"));
    button->click();
    EXPECT_TRUE(h.edit("txtDAdr_3")->hasFocus());
    button->click();
    EXPECT_TRUE(h.widget("panerwadr_0")->isHidden());
    EXPECT_TRUE(h.edit("txtDAdr_5")->hasFocus());
    button->click();
    h.edit("txtDAdr_5")->hide();
    button->click();
    EXPECT_TRUE(h.edit("txtDAdr_6")->hasFocus());
}

} // namespace
