// Technician, contact persons and appointment of a service order on address 2.
#include "service/ServiceFixture.h"
#include "support/CaseNames.h"
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using batest::ServiceOrder;
using namespace belegadressen;

namespace {

struct OnAddressTwo : ServiceOrder {
    OnAddressTwo() {
        control().setAktAdresse(2);
        events.clear();
    }
    void type(const char* field, const QString& text) {
        QLineEdit* e = harness.edit(QString::fromUtf8(field));
        e->setFocus(Qt::TabFocusReason);
        e->selectAll();
        if (text.isEmpty())
            QTest::keyClick(e, Qt::Key_Delete);
        else
            QTest::keyClicks(e, text);
    }
    void leaveTo(const char* field) { harness.focus(QString::fromUtf8(field)); }
    QString name() { return control().findChild<QLabel*>("txtMonteurname_0")->text(); }
    void click(const char* button) {
        qobject_cast<QAbstractButton*>(harness.widget(QString::fromUtf8(button)))->click();
    }
};

struct TechnicianCase {
    const char* typed;
    const char* field;   // the field's text after leaving
    const char* name;    // the name label
    const char* message; // empty: none
};

class TechnicianEntry : public ::testing::TestWithParam<TechnicianCase> {};

TEST_P(TechnicianEntry, LeavingTheFieldLooksTheNumberUp) {
    const TechnicianCase& c = GetParam();
    OnAddressTwo o;
    o.control().findChild<QLabel*>("txtMonteurname_0")->setText("alt");
    o.type("txtMonteur_0", QString::fromUtf8(c.typed));
    o.leaveTo("txtAnsprechpartner");
    EXPECT_EQ(o.harness.edit("txtMonteur_0")->text(), QString::fromUtf8(c.field));
    EXPECT_EQ(o.name(), QString::fromUtf8(c.name));
    const QString message = QString::fromUtf8(c.message);
    EXPECT_EQ(o.dialogs->messages, message.isEmpty() ? QStringList() : QStringList{message});
    if (!message.isEmpty()) {
        EXPECT_EQ(QApplication::focusWidget(), o.harness.edit("txtMonteur_0"));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, TechnicianEntry,
    ::testing::Values(TechnicianCase{"M1", "M1", "Amsel, Anna", ""},
                      TechnicianCase{"M2", "M2", "Bussard", ""}, // no first name, no comma
                      TechnicianCase{"O'Neil", "", "",
                                     "QelBelAdr[4]: Der Mitarbeiter O'Neil ist nicht "
                                     "vorhanden."}),
    [](const auto& info) {
        return batest::caseName(info.index, QString::fromUtf8(info.param.typed));
    });

TEST(Technician, AddWartMonteurWithAnUnknownNumberKeepsTheOldName) {
    OnAddressTwo o;
    auto& w = o.control();
    w.AddWartMonteur("M1");
    EXPECT_EQ(o.name(), "Amsel, Anna");
    w.AddWartMonteur("M9");
    EXPECT_EQ(w.GetWartMonteur(), "M9");
    EXPECT_EQ(o.name(), "Amsel, Anna");
    EXPECT_TRUE(o.events.isEmpty());
}

TEST(Technician, DropOfAStaffNumberBelongsToTheFirstButtonOnly) {
    OnAddressTwo o;
    auto& w = o.control();
    o.click("btnMonteur_1");
    EXPECT_EQ(w.fktDragPersonalNummer("M1"), 0);
    EXPECT_EQ(o.harness.edit("txtMonteur_0")->text(), "");
    o.click("btnMonteur_0");
    EXPECT_EQ(w.fktDragPersonalNummer("M3"), -1);
    EXPECT_EQ(o.harness.edit("txtMonteur_0")->text(), "M3");
    EXPECT_EQ(o.name(), "Clemens, Carl");
    EXPECT_EQ(o.events.count("btnMonteurClick"), 2);
}

TEST(Technician, SearchKeyAndButtonsAskTheHost) {
    OnAddressTwo o;
    QLineEdit* monteur = o.harness.edit("txtMonteur_0");
    monteur->setFocus();
    QTest::keyClick(monteur, Qt::Key_F2, Qt::ShiftModifier);
    EXPECT_TRUE(o.events.isEmpty());
    QTest::keyClick(monteur, Qt::Key_F2);
    QTest::keyClick(o.harness.edit("txtAnsprechpartner"), Qt::Key_F2);
    o.click("btnAnpWart");
    o.click("btnAnsprechpartner");
    EXPECT_EQ(o.events, QStringList({"btnMonteurClick", "btnAnsprechpartner(,true)",
                                     "btnAnsprechpartner(,true)", "btnAnsprechpartner(,true)"}));
}

TEST(Technician, EmptyingAContactDropsItsIdentityOnce) {
    OnAddressTwo o;
    auto& w = o.control();
    w.AddWartAnsprechpartner("Frau Rot");
    o.type("txtAnsprechpartner", "");
    o.leaveTo("txtTelefon");
    EXPECT_EQ(o.events, QStringList({"Change"})); // no identity: no reset
    w.AddWartAnsprechpartner("Frau Rot");
    w.AddWartAnsprechpartnerID("77");
    o.events.clear();
    o.type("txtAnsprechpartner", "");
    o.leaveTo("txtTelefon");
    EXPECT_EQ(o.events, QStringList({"Change", "btnAnsprechpartnerReset(true)"}));
    EXPECT_EQ(w.GetWartAnsprechpartnerID(), "");
}

TEST(Appointment, GoesToTheHostWithTheDurationInHundredths) {
    OnAddressTwo o;
    auto& w = o.control();
    w.AddWartMonteur("M1");
    w.AddWartAnsprechpartner("Frau Rot");
    w.AddWartAnsprechpartnerTelefon("0731-77");
    w.AddWartAnsprechpartnerFax("0731-78");
    o.type("txtTermin", "15012025");
    o.type("txtUhrzeit", "0930");
    o.harness.edit("txtDauer")->setText("0,125");
    o.type("txtStoerText", "Kessel tropft");
    o.events.clear();
    o.click("btnVergebeTermin");
    o.click("btnTerminAssistent");
    EXPECT_EQ(o.events, QStringList({"TerminEintragen(M1,15.01.2025,09:30,12,Frau Rot,0731-77,"
                                     "0731-78,Kessel tropft,0)",
                                     "TerminAssistent(M1,15.01.2025,09:30,12)"}));
}

TEST(Appointment, DurationTooLargeIsRefusedWhereItIsTyped) {
    OnAddressTwo o;
    o.type("txtDauer", "400");
    o.leaveTo("txtStoerText");
    EXPECT_EQ(o.dialogs->messages,
              QStringList({"QelBelAdr[4]: Die Dauer von 400,00 Stunden ist zu groß: möglich "
                           "sind höchstens 327,67 Stunden."}));
    EXPECT_EQ(QApplication::focusWidget(), o.harness.edit("txtDauer"));
    o.events.clear();
    o.click("btnVergebeTermin"); // told already: refused without a second message
    EXPECT_TRUE(o.events.isEmpty());
    EXPECT_EQ(o.dialogs->messages.size(), 1);
}

TEST(Appointment, EmptyingTheDateDeletesTheAppointmentWithQuestion) {
    OnAddressTwo o;
    auto& w = o.control();
    w.AddWartTermin("2025-01-15");
    w.AddWartUhrzeit("09:30");
    w.AddWartDauer(150);
    EXPECT_EQ(o.harness.edit("txtTermin")->text(), "15.01.2025");
    // Typing another date deletes nothing.
    o.type("txtTermin", "16012025");
    o.leaveTo("txtUhrzeit");
    EXPECT_EQ(o.events.count("LoescheWarttermin(true)"), 0);
    o.type("txtTermin", "");
    o.leaveTo("txtUhrzeit");
    EXPECT_EQ(o.events.count("LoescheWarttermin(true)"), 1);
    EXPECT_EQ(w.GetWartTermin() + w.GetWartUhrzeit(), "");
    EXPECT_EQ(w.GetWartDauer(), 0);
    o.events.clear();
    o.click("btnLoeTermin");
    EXPECT_EQ(o.events.first(), "LoescheWarttermin(false)");
}

TEST(Appointment, EditedDateOfLastMaintenanceGoesToTheHostInStorageForm) {
    OnAddressTwo o;
    auto& w = o.control();
    w.setAktAdresse(1);
    o.harness.typeNumber("S2"); // site and equipment: the date may be edited
    w.setAktAdresse(2);
    EXPECT_EQ(o.harness.edit("txtDatumLetzteWartung")->text(), "01.03.2024");
    o.events.clear();
    for (const char* typed : {"01032024", "02022025", ""}) { // the first is unchanged
        o.type("txtDatumLetzteWartung", QString::fromUtf8(typed));
        o.leaveTo("txtStoerText");
    }
    EXPECT_EQ(o.events.filter("ChangeDatumLetzteWartung"),
              QStringList({"ChangeDatumLetzteWartung(2025-02-02)", "ChangeDatumLetzteWartung()"}));
    EXPECT_EQ(w.GetDatumLetzteWartung(), "2024-03-01"); // the record is the host's to change
}

} // namespace
