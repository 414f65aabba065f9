#include "platform/SqlCostAssignment.h"
#include "platform/SqlPostalCodeManager.h"
#include "support/RecordingConnection.h"
#include "support/RecordingServices.h"
#include "support/TestDatabase.h"
#include <QTableWidget>

using namespace belegadressen;
using batest::RecordingConnection;
using batest::RecordingServices;

namespace {

TEST(SqlCostAssignmentTest, FindsCentreAndUnitById) {
    batest::TestDatabase db{batest::Engine::SQLite, false};
    db.exec(QStringLiteral("create table Kostenzuordnung (KostID integer, Kostenstelle text, "
                           "Kostentraeger text)"));
    db.exec(QStringLiteral("insert into Kostenzuordnung values (5, 'KST 100', 'KTR 7'), "
                           "(6, NULL, 'KTR 8')"));
    auto recorder = std::make_shared<RecordingConnection>(db.connection());
    SqlCostAssignment costs;
    EXPECT_FALSE(costs.Suche(5)); // not initialised yet
    costs.Init(recorder);

    EXPECT_TRUE(costs.Suche(5));
    EXPECT_EQ(costs.Kostenstelle(), QStringLiteral("KST 100"));
    EXPECT_EQ(costs.Kostentraeger(), QStringLiteral("KTR 7"));
    EXPECT_TRUE(costs.Suche(6));
    EXPECT_EQ(costs.Kostenstelle(), QString());
    EXPECT_EQ(costs.Kostentraeger(), QStringLiteral("KTR 8"));
    EXPECT_FALSE(costs.Suche(9));
    EXPECT_EQ(costs.Kostentraeger(), QString());
    EXPECT_EQ(recorder->statements.last(),
              QStringLiteral("Select Kostenstelle, Kostentraeger from Kostenzuordnung where "
                             "KostID = '9'"));
}

struct PlzCase {
    const char* name;
    const char* plz;
    const char* ort;
    const char* strasse;
    bool mitdialog;
    int pickRow; // -1 cancels the selection dialog
    bool ortsteile;
    bool geprueft;
    const char* found; // "Plz|Ort|Strasse"
    int dialogs;
    int informations;
};

class SqlPostalCodeManagerTest : public ::testing::TestWithParam<PlzCase> {
protected:
    void SetUp() override {
        db.exec(QStringLiteral("create table Postleitzahlen (Plz text, Ort text, Ortsteil text, "
                               "Strasse text)"));
        db.exec(QStringLiteral(
            "insert into Postleitzahlen values "
            "('12345', 'Musterstadt', 'Nord', 'Hauptstraße'), "
            "('12345', 'Musterstadt', 'Süd', 'Bahnhofstraße'), "
            "('54321', 'Beispielort', '', 'Dorfweg'), ('54321', 'Anderort', '', 'Am Bach'), "
            "('77777', 'O''Hara', '', '')"));
    }
    batest::TestDatabase db{batest::Engine::SQLite, false};
};

TEST_P(SqlPostalCodeManagerTest, SearchesAndChooses) {
    const PlzCase& c = GetParam();
    auto runner = std::make_shared<RecordingServices>();
    runner->script = [&](QDialog& dialog) {
        if (c.pickRow < 0) return int(QDialog::Rejected);
        dialog.findChild<QTableWidget*>(QStringLiteral("tblTreffer"))->setCurrentCell(c.pickRow, 0);
        return int(QDialog::Accepted);
    };
    SqlPostalCodeManager manager(runner);
    manager.Init(nullptr, QString(), db.connection(), c.ortsteile);
    manager.Suche_Plz(QString::fromUtf8(c.plz), QString::fromUtf8(c.ort),
                      QString::fromUtf8(c.strasse), c.mitdialog);
    EXPECT_EQ(manager.Geprueft(), c.geprueft);
    EXPECT_EQ(QStringList({manager.Plz(), manager.Ort(), manager.Strasse()}).join('|'),
              QString::fromUtf8(c.found));
    EXPECT_TRUE(manager.Hausnummer().isEmpty());
    EXPECT_EQ(runner->shown.size(), c.dialogs);
    EXPECT_EQ(runner->informations.size(), c.informations);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SqlPostalCodeManagerTest,
    ::testing::Values(PlzCase{"PlzAlone", "12345", "", "", false, 0, false, true,
                              "12345|Musterstadt|", 0, 0},
                      PlzCase{"WithStreet", "12345", "Musterstadt", "Hauptstraße", false, 0, false,
                              true, "12345|Musterstadt|Hauptstraße", 0, 0},
                      PlzCase{"UnknownStreetIsKept", "12345", "Musterstadt", "Neuer Weg 3", false,
                              0, false, true, "12345|Musterstadt|Neuer Weg 3", 0, 0},
                      PlzCase{"SeveralWithoutDialogTakesFirst", "54321", "", "", false, 0, false,
                              true, "54321|Anderort|", 0, 0},
                      PlzCase{"SeveralWithDialogTakesChoice", "54321", "", "", true, 1, false, true,
                              "54321|Beispielort|", 1, 0},
                      PlzCase{"CancelledChoiceIsUnconfirmed", "54321", "", "", true, -1, false,
                              false, "||", 1, 0},
                      PlzCase{"WrongPlaceFallsBackToPlz", "54321", "Musterstadt", "", false, 0,
                              false, true, "54321|Anderort|", 0, 0},
                      PlzCase{"PlaceAloneWithQuote", "", "O'Hara", "", false, 0, false, true,
                              "77777|O'Hara|", 0, 0},
                      PlzCase{"DistrictsMakeSeveral", "12345", "", "", true, 1, true, true,
                              "12345|Musterstadt|", 1, 0},
                      PlzCase{"SingleMatchConfirmedByMessage", "12345", "", "", true, 0, false,
                              true, "12345|Musterstadt|", 0, 1},
                      PlzCase{"NothingFound", "99999", "", "", true, 0, false, false, "||", 0, 1},
                      PlzCase{"NothingGiven", "", " ", "", true, 0, false, false, "||", 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SqlPostalCodeManagerOther, PlaceByPostalCodeAndSuppressedConfirmation) {
    batest::TestDatabase db{batest::Engine::SQLite, false};
    db.exec(QStringLiteral("create table Postleitzahlen (Plz text, Ort text, Ortsteil text, "
                           "Strasse text)"));
    db.exec(QStringLiteral("insert into Postleitzahlen values ('54321', 'Beispielort', '', ''), "
                           "('54321', 'Anderort', '', ''), ('12345', 'Musterstadt', '', '')"));
    auto runner = std::make_shared<RecordingServices>();
    SqlPostalCodeManager manager(runner);
    EXPECT_EQ(manager.Suche_Ort(QStringLiteral("54321")), QString()); // no connection yet
    manager.Init(nullptr, QString(), db.connection(), false);
    EXPECT_EQ(manager.Suche_Ort(QStringLiteral("54321")), QStringLiteral("Anderort"));
    EXPECT_EQ(manager.Suche_Ort(QStringLiteral("99999")), QString());

    manager.setOkMeldungUnterdrucken(true);
    manager.Suche_Plz(QStringLiteral("12345"), QString(), QString(), true);
    EXPECT_TRUE(manager.Geprueft());
    EXPECT_TRUE(runner->informations.isEmpty());
}

} // namespace
