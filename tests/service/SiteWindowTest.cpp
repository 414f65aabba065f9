// The control's own site window: a missing number is told, hundreds of sites filtered by keyboard.
#include "service/SiteWindow.h"
#include "control/ServiceHub.h"
#include "platform/StandortListe2.h"
#include "service/ServiceFixture.h"
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace belegadressen;

namespace {

// Keeps positions in memory so the tests leave no settings behind.
struct MemoryPositions : WindowPositionService {
    void Restore(const QString& key, QWidget&) override { restored << key; }
    void Save(const QString& key, const QWidget&) override { saved << key; }
    QStringList restored, saved;
};

struct WindowFixture {
    WindowFixture() : hub(state) {
        Services s;
        s.messages = dialogs;
        s.dialogs = dialogs;
        s.windowPositions = positions;
        hub.set(s);
        for (int i = 1; i <= 500; ++i)
            db.exec(QStringLiteral("INSERT INTO Standorte (Kundennummer, Standortnummer, "
                                   "StandortBez1, StandortOrt) VALUES ('G', %1, 'Filiale %1', "
                                   "'%2')")
                        .arg(i)
                        .arg(i == 417 ? QStringLiteral("Zwickau") : QStringLiteral("Köln")));
        db.exec("INSERT INTO Anlagenstamm (Kundennummer, Standortnummer, Anlagenummer, "
                "Bezeichnung) VALUES ('G', 417, 1, 'Rolltor'), ('G', 417, 2, 'Brandmelder')");
        host = std::make_shared<batest::ServiceHost>(db.connection());
    }
    batest::TestDatabase db{batest::Engine::SQLite};
    ControlState state;
    ServiceHub hub;
    std::shared_ptr<batest::ScriptedDialogs> dialogs = std::make_shared<batest::ScriptedDialogs>();
    std::shared_ptr<MemoryPositions> positions = std::make_shared<MemoryPositions>();
    std::shared_ptr<batest::ServiceHost> host;
};

TEST(SiteWindow, WithoutCustomerNumberTellsAndZurueckEndsWithoutChoice) {
    WindowFixture f;
    {
        FrmAnlage window(f.hub);
        window.Uebernommen = true; // as an earlier showing might have left it
        window.SetzeObjekte_Werte("db", "", f.host, true);
        window.show();
        EXPECT_EQ(f.dialogs->messages,
                  QStringList({"frmAnlage[4]: Es ist keine Kundennummer vorhanden."}));
        EXPECT_EQ(window.findChild<QTreeWidget*>()->topLevelItemCount(), 0);
        window.btnOk()->click();
        EXPECT_FALSE(window.Uebernommen);
        EXPECT_FALSE(window.isVisible());
    }
    EXPECT_EQ(f.positions->restored, QStringList({"AnlagenAuskunft"}));
    EXPECT_EQ(f.positions->saved, QStringList({"AnlagenAuskunft"}));
}

TEST(SiteWindow, KeyboardAloneFiltersFiveHundredSitesAndTakesOneOver) {
    WindowFixture f;
    FrmAnlage window(f.hub);
    EXPECT_FALSE(window.Uebernommen); // a fresh window starts without a choice
    window.SetzeObjekte_Werte("db", "G", f.host, true);
    window.show();
    auto* list = window.findChild<StandortListe2*>();
    EXPECT_EQ(list->baum()->topLevelItemCount(), 500);
    QTest::keyClicks(list->suchfeld(), "zwick");
    int visible = 0;
    for (int i = 0; i < list->baum()->topLevelItemCount(); ++i)
        visible += list->baum()->topLevelItem(i)->isHidden() ? 0 : 1;
    EXPECT_EQ(visible, 1);
    QTest::keyClick(list->suchfeld(), Qt::Key_Down);
    QTest::keyClick(list->suchfeld(), Qt::Key_Down);
    QTest::keyClick(list->suchfeld(), Qt::Key_Return);
    EXPECT_TRUE(window.Uebernommen);
    EXPECT_FALSE(window.isVisible());
    auto site = list->GewaehlterStandort();
    auto equipment = list->GewaehlteAnlage();
    ASSERT_TRUE(site && equipment);
    EXPECT_EQ(site->Value("Standortnummer").toInt(), 417);
    EXPECT_EQ(equipment->Value("Bezeichnung").toString(), "Brandmelder");
}

TEST(SiteWindow, EscapeGoesBackWithoutChoice) {
    WindowFixture f;
    FrmAnlage window(f.hub);
    window.SetzeObjekte_Werte("db", "G", f.host, true);
    window.show();
    auto* list = window.findChild<StandortListe2*>();
    QTest::keyClick(list->suchfeld(), Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.Uebernommen);
    EXPECT_EQ(list->GewaehlterStandort(), nullptr);
}

} // namespace
