// The site list on both engines: sites with equipment in order, a site beyond 16 bits, the choice.
#include "platform/StandortListe2.h"
#include "service/ServiceFixture.h"
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace belegadressen;

namespace {

template <class E> class SiteListEngines : public batest::EngineTest<E> {};
TYPED_TEST_SUITE(SiteListEngines, batest::BothEngines, batest::EngineNames);

TYPED_TEST(SiteListEngines, ListsSitesWithEquipmentAndHandsTheChosenRowsBack) {
    batest::TestDatabase& db = this->database();
    db.exec("DELETE FROM Anlagenstamm");
    db.exec("DELETE FROM Standorte");
    db.exec("INSERT INTO Standorte (Kundennummer, Standortnummer, StandortBez1, StandortOrt) "
            "VALUES ('O''Hara', 2, 'Halle', 'Köln'), ('O''Hara', 40000, 'Lager', 'Hof'), "
            "('Andere', 1, 'Fremd', 'Ulm')");
    db.exec("INSERT INTO Anlagenstamm (Kundennummer, Standortnummer, Anlagenummer, Bezeichnung) "
            "VALUES ('O''Hara', 40000, 3, 'Stapler'), ('O''Hara', 2, 1, 'Tor')");
    StandortListe2 list;
    list.setAppObj(std::make_shared<batest::ServiceHost>(this->connection()));
    list.setKundennummer("O'Hara");
    list.Laden();
    QTreeWidget* tree = list.baum();
    ASSERT_EQ(tree->topLevelItemCount(), 2);
    EXPECT_EQ(tree->topLevelItem(0)->text(0), "Standort 2");
    EXPECT_EQ(tree->topLevelItem(1)->text(0), "Standort 40000");
    ASSERT_EQ(tree->topLevelItem(1)->childCount(), 1);
    EXPECT_EQ(tree->topLevelItem(1)->child(0)->text(1), "Stapler");

    list.filtern("stapler");
    EXPECT_TRUE(tree->topLevelItem(0)->isHidden());
    tree->setCurrentItem(tree->topLevelItem(1)->child(0));
    ASSERT_TRUE(list.uebernehmen());
    auto site = list.GewaehlterStandort();
    auto equipment = list.GewaehlteAnlage();
    ASSERT_TRUE(site && equipment);
    EXPECT_EQ(site->Value("StandortBez1").toString(), "Lager");
    EXPECT_EQ(equipment->Value("Anlagenummer").toInt(), 3);

    list.filtern("nichts dergleichen");
    qint32 s = 0, a = 0;
    EXPECT_FALSE(list.aktuelleAuswahl(s, a));
}

} // namespace
