// The technician, the contact persons and the appointment of a service
// order, typed and clicked on address 2 of the real control.
#include "control/ControlState.h"
#include "control/ServiceHub.h"
#include "platform/StandortAuskunft.h"
#include "service/ServiceFixture.h"
#include "support/CaseNames.h"
#include <QCheckBox>
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
                      TechnicianCase{"   ", "", "", ""},
                      TechnicianCase{"M9", "", "",
                                     "QelBelAdr[4]: Der Mitarbeiter M9 ist nicht "
                                     "vorhanden."},
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
    o.events.clear();
    o.control().setAktAdresse(1);
    o.harness.typeNumber("10001");
    o.events.clear();
    o.click("btnAnpBel");
    QTest::keyClick(o.harness.edit("txtAnsprechpartnerKD"), Qt::Key_F2);
    EXPECT_EQ(o.events,
              QStringList({"btnAnsprechpartner(10001,false)", "btnAnsprechpartner(10001,false)"}));
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

TEST(Technician, PrintContactBoxReportsAChangeOnlyForAnAddressWithNumber) {
    ServiceOrder o;
    auto* box = o.control().findChild<QCheckBox*>("chkDruckInAnschriftKD");
    box->click();
    EXPECT_TRUE(o.events.isEmpty());
    EXPECT_EQ(o.dialogs->messages,
              QStringList({"Information: Bitte erfassen Sie zuerst eine Adressnummer."}));
    o.harness.typeNumber("10001");
    o.events.clear();
    box->click();
    EXPECT_EQ(o.events, QStringList({"Change"}));
}

struct DurationCase {
    const char* typed;
    const char* dauer;
};

class AppointmentDuration : public ::testing::TestWithParam<DurationCase> {};

TEST_P(AppointmentDuration, GoesToTheHostInHundredthsHalvesToEven) {
    OnAddressTwo o;
    auto& w = o.control();
    w.AddWartMonteur("M1");
    w.AddWartAnsprechpartner("Frau Rot");
    w.AddWartAnsprechpartnerTelefon("0731-77");
    w.AddWartAnsprechpartnerFax("0731-78");
    w.AddWartAnsprechpartnerMobil("0160-77");
    o.type("txtTermin", "15012025");
    o.type("txtUhrzeit", "0930");
    o.harness.edit("txtDauer")->setText(QString::fromUtf8(GetParam().typed));
    o.type("txtStoerText", "Kessel tropft");
    o.events.clear();
    o.click("btnVergebeTermin");
    o.click("btnTerminAssistent");
    const QString d = QString::fromUtf8(GetParam().dauer);
    EXPECT_EQ(o.events, QStringList({"TerminEintragen(M1,15.01.2025,09:30," + d +
                                         ",Frau Rot,0731-77,0731-78,Kessel tropft,0)",
                                     "TerminAssistent(M1,15.01.2025,09:30," + d + ")"}));
}

INSTANTIATE_TEST_SUITE_P(Table, AppointmentDuration,
                         ::testing::Values(DurationCase{"1,5", "150"}, DurationCase{"0,125", "12"},
                                           DurationCase{"0,375", "38"},
                                           DurationCase{"327,67", "32767"}),
                         [](const auto& info) {
                             return batest::caseName(info.index,
                                                     QString::fromUtf8(info.param.typed));
                         });

TEST(Appointment, EmptyDateAndTimeGoAsEmptyTexts) {
    OnAddressTwo o;
    o.click("btnVergebeTermin");
    EXPECT_EQ(o.events, QStringList({"TerminEintragen(,,,100,,,,,0)"}));
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
    o.type("txtDauer", "2");
    o.leaveTo("txtStoerText");
    o.events.clear();
    o.click("btnTerminAssistent");
    EXPECT_EQ(o.events, QStringList({"TerminAssistent(,,,200)"}));
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
    EXPECT_EQ(w.GetWartTermin(), "");
    EXPECT_EQ(w.GetWartUhrzeit(), "");
    EXPECT_EQ(w.GetWartDauer(), 0);
    o.events.clear();
    o.click("btnLoeTermin");
    EXPECT_EQ(o.events.first(), "LoescheWarttermin(false)");
}

TEST(Appointment, SubjectChangesAreReportedOnAddressTwo) {
    OnAddressTwo o;
    o.type("txtStoerText", "Ab");
    EXPECT_EQ(o.events, QStringList({"ChangeBetreff(A)", "ChangeBetreff(Ab)"}));
}

TEST(SiteDialog, CommunicationDataAreShownReadOnly) {
    batest::TestDatabase db(batest::Engine::SQLite);
    db.exec(
        "INSERT INTO Kundenstamm (Kundennummer, Bez1, KzDivers, Liefersperre, Telefon, "
        "Telefax, EMail, Hompage) VALUES ('K1','Eins',0,0,'030-1','030-2','a@b.de','www.b.de')");
    auto dialogs = std::make_shared<batest::ScriptedDialogs>();
    QStringList seen;
    dialogs->script.push_back([&](QDialog& d) {
        for (const char* name : {"txtTelefon", "txtTelefax", "txtEMail", "txtHompage"}) {
            auto* e = d.findChild<QLineEdit*>(QString::fromUtf8(name));
            if (!e) return 0;
            EXPECT_TRUE(e->isReadOnly());
            seen << e->text();
        }
        return 0;
    });
    StandortAuskunft dialog(std::make_shared<batest::ServiceHost>(db.connection()), dialogs);
    dialog.ShowAuskunftKommunikationsdaten(1, "K1", false, false);
    EXPECT_EQ(seen, QStringList({"030-1", "030-2", "a@b.de", "www.b.de"}));
}

} // namespace

namespace {

TEST(Appointment, EditedDateOfLastMaintenanceGoesToTheHostInStorageForm) {
    ServiceOrder o;
    o.harness.typeNumber("S2"); // site and equipment: the date may be edited
    auto& w = o.control();
    w.setAktAdresse(2);
    QLineEdit* date = o.harness.edit("txtDatumLetzteWartung");
    ASSERT_FALSE(date->isReadOnly());
    EXPECT_EQ(date->text(), "01.03.2024");
    o.events.clear();
    auto typeAndLeave = [&](const QString& text) {
        date->setFocus(Qt::TabFocusReason);
        date->selectAll();
        if (text.isEmpty())
            QTest::keyClick(date, Qt::Key_Delete);
        else
            QTest::keyClicks(date, text);
        o.harness.focus("txtStoerText");
    };
    typeAndLeave("01032024"); // unchanged: nothing
    typeAndLeave("02022025");
    typeAndLeave("");
    QStringList raised = o.events.filter("ChangeDatumLetzteWartung");
    EXPECT_EQ(raised,
              QStringList({"ChangeDatumLetzteWartung(2025-02-02)", "ChangeDatumLetzteWartung()"}));
    EXPECT_EQ(w.GetDatumLetzteWartung(), "2024-03-01"); // the record is the host's to change
}

} // namespace
