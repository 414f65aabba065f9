#include "platform/PostalChoiceDialog.h"
#include "platform/SqlPostalCodeManager.h"
#include "support/RecordingConnection.h"
#include "support/RecordingServices.h"
#include "support/TestDatabase.h"
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>

using namespace belegadressen;
using namespace batest;

namespace {

// 12345: one place, two districts; 54321: two places; Neustadt: two postal codes.
void fillDirectory(SqliteDb& db) {
    db.exec(QStringLiteral("create table Postleitzahlen (Plz text, Ort text, Ortsteil text, "
                           "Strasse text)"));
    db.exec(QStringLiteral("insert into Postleitzahlen values "
                           "('12345', 'Musterstadt', 'Nord', 'Hauptstraße'), "
                           "('12345', 'Musterstadt', 'Süd', 'Bahnhofstraße'), "
                           "('54321', 'Beispielort', '', 'Dorfweg'), "
                           "('54321', 'Anderort', '', 'Am Bach'), "
                           "('31111', 'Neustadt', '', 'Marktplatz'), "
                           "('31112', 'Neustadt', '', 'Lindenweg'), "
                           "('77777', 'O''Hara', '', '')"));
}

struct PlzCase {
    const char* name;
    const char* plz;
    const char* ort;
    const char* strasse;
    bool mitdialog;
    bool online;
    int pickRow; // -1 cancels the selection dialog
    bool ortsteile;
    bool geprueft;
    const char* found; // "Plz|Ort|Strasse|Hausnummer"
    int dialogs;
    int informations;
};

class SqlPostalCodeManagerTest : public ::testing::TestWithParam<PlzCase> {
protected:
    void SetUp() override { fillDirectory(db); }
    SqliteDb db;
};

TEST_P(SqlPostalCodeManagerTest, SearchesAndChooses) {
    const PlzCase& c = GetParam();
    auto runner = std::make_shared<ScriptedDialogRunner>();
    runner->script = [&](QDialog& dialog) {
        if (c.pickRow < 0) return int(QDialog::Rejected);
        dialog.findChild<QTableWidget*>(QStringLiteral("tblTreffer"))->setCurrentCell(c.pickRow, 0);
        return int(QDialog::Accepted);
    };
    SqlPostalCodeManager manager(runner);
    manager.Init(nullptr, QString(), db.connection(), c.ortsteile);
    manager.setOnline(c.online);
    manager.Suche_Plz(QString::fromUtf8(c.plz), QString::fromUtf8(c.ort),
                      QString::fromUtf8(c.strasse), c.mitdialog);
    EXPECT_EQ(manager.Geprueft(), c.geprueft);
    EXPECT_EQ(QStringList({manager.Plz(), manager.Ort(), manager.Strasse(), manager.Hausnummer()})
                  .join('|'),
              QString::fromUtf8(c.found));
    EXPECT_EQ(runner->shown.size(), c.dialogs);
    EXPECT_EQ(runner->informations.size(), c.informations);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SqlPostalCodeManagerTest,
    ::testing::Values(
        PlzCase{"PlzAlone", "12345", "", "", false, false, 0, false, true, "12345|Musterstadt||", 0,
                0},
        PlzCase{"OfflineStreetKeepsItsNumber", "12345", "", "Hauptstr. 5a", false, false, 0, false,
                true, "12345|Musterstadt|Hauptstraße 5a|", 0, 0},
        PlzCase{"OnlineNumberApart", "", "Musterstadt", "Hauptstrasse 5a", false, true, 0, false,
                true, "12345|Musterstadt|Hauptstraße|5a", 0, 0},
        PlzCase{"UnknownStreetIsKept", "12345", "Musterstadt", "Neuer  Weg 3", false, false, 0,
                false, true, "12345|Musterstadt|Neuer  Weg 3|", 0, 0},
        PlzCase{"TwoPlacesWithoutDialogStayOpen", "54321", "", "", false, false, 0, false, false,
                "|||", 0, 0},
        PlzCase{"TwoPlacesAskTheUser", "54321", "", "", true, false, 1, false, true,
                "54321|Beispielort||", 1, 0},
        PlzCase{"StreetSettlesTwoCodes", "", "Neustadt", "Lindenweg 4", true, false, 0, false, true,
                "31112|Neustadt|Lindenweg 4|", 0, 1},
        PlzCase{"CancelledChoiceIsUnconfirmed", "54321", "", "", true, false, -1, false, false,
                "|||", 1, 0},
        PlzCase{"WrongPlaceFallsBackToPlz", "54321", "Musterstadt", "", true, false, 0, false, true,
                "54321|Anderort||", 1, 0},
        PlzCase{"PlaceAloneWithQuote", "", "O'Hara", "", false, false, 0, false, true,
                "77777|O'Hara||", 0, 0},
        PlzCase{"DistrictsAskWithDialog", "12345", "", "", true, false, 1, true, true,
                "12345|Musterstadt||", 1, 0},
        PlzCase{"SingleMatchConfirmedByMessage", "12345", "", "", true, false, 0, false, true,
                "12345|Musterstadt||", 0, 1},
        PlzCase{"NothingFound", "99999", "", "", true, false, 0, false, false, "|||", 0, 1},
        PlzCase{"NothingGiven", "", " ", "", true, false, 0, false, false, "|||", 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SqlPostalCodeManagerOther, PlaceByPostalCodeIsConfirmedOnlyWhenUnique) {
    SqliteDb db;
    fillDirectory(db);
    auto runner = std::make_shared<ScriptedDialogRunner>();
    SqlPostalCodeManager manager(runner);
    EXPECT_EQ(manager.Suche_Ort(QStringLiteral("12345")), QString()); // no connection yet
    EXPECT_FALSE(manager.Geprueft());
    manager.Init(nullptr, QString(), db.connection(), true);
    EXPECT_EQ(manager.Suche_Ort(QStringLiteral(" 12345 ")), QStringLiteral("Musterstadt"));
    EXPECT_TRUE(manager.Geprueft());
    EXPECT_EQ(manager.Suche_Ort(QStringLiteral("54321")), QString());
    EXPECT_FALSE(manager.Geprueft());
    EXPECT_EQ(manager.Suche_Ort(QStringLiteral("99999")), QString());
    EXPECT_FALSE(manager.Geprueft());
    EXPECT_TRUE(runner->shown.isEmpty());

    manager.setOkMeldungUnterdrucken(true);
    manager.Suche_Plz(QStringLiteral("12345"), QStringLiteral("Musterstadt"),
                      QStringLiteral("Bahnhofstraße 1"), true);
    EXPECT_TRUE(manager.Geprueft());
    EXPECT_TRUE(runner->informations.isEmpty());
}

// A host's online service: answers from its own list and keeps the queries.
class ListedProvider : public PostalDirectory {
public:
    QList<PostalEntry> find(const PostalQuery& q) override {
        queries << QStringList{q.plz, q.ort, q.strassen.join('/')}.join('|');
        QList<PostalEntry> out;
        for (const PostalEntry& e : entries)
            if ((q.plz.isEmpty() || q.plz == e.plz) && (q.ort.isEmpty() || q.ort == e.ort) &&
                (q.strassen.isEmpty() || q.strassen.contains(e.strasse)))
                out << PostalEntry{e.plz, e.ort, {}, q.strassen.isEmpty() ? QString() : e.strasse};
        return out;
    }
    QList<PostalEntry> entries;
    QStringList queries;
};

TEST(SqlPostalCodeManagerOther, OnlineProviderAnswersInsteadOfTheLocalDirectory) {
    SqliteDb db;
    fillDirectory(db);
    auto provider = std::make_shared<ListedProvider>();
    provider->entries = {{QStringLiteral("10117"),
                          QStringLiteral("Berlin"),
                          {},
                          QStringLiteral("Straße des 17. Juni")}};
    SqlPostalCodeManager manager(std::make_shared<ScriptedDialogRunner>());
    manager.Init(nullptr, QString(), db.connection(), false);
    manager.setOnline(true, provider);
    manager.Suche_Plz(QString(), QStringLiteral("Berlin"), QStringLiteral("Straße des 17. Juni 12"),
                      false);
    EXPECT_TRUE(manager.Geprueft());
    EXPECT_EQ(manager.Strasse(), QStringLiteral("Straße des 17. Juni"));
    EXPECT_EQ(manager.Hausnummer(), QStringLiteral("12"));
    EXPECT_EQ(manager.Plz(), QStringLiteral("10117"));
    EXPECT_EQ(provider->queries.first(), QStringLiteral("|Berlin|Straße des 17. Juni"));

    // The local directory is not asked while a provider is plugged in.
    manager.Suche_Plz(QStringLiteral("12345"), QString(), QString(), false);
    EXPECT_FALSE(manager.Geprueft());
    manager.setOnline(false);
    manager.Suche_Plz(QStringLiteral("12345"), QString(), QString(), false);
    EXPECT_TRUE(manager.Geprueft());
}

TEST(SqlPostalCodeManagerOther, StreetSpellings) {
    EXPECT_EQ(streetSpellings(QStringLiteral("Berliner Str.")),
              QStringList({"Berliner Str.", "Berliner Straße", "Berliner Strasse"}));
    EXPECT_EQ(streetSpellings(QStringLiteral("Hauptstrasse")),
              QStringList({"Hauptstrasse", "Hauptstraße", "Hauptstr."}));
    EXPECT_EQ(streetSpellings(QStringLiteral("Am Bach")), QStringList({"Am Bach"}));
    EXPECT_TRUE(streetSpellings(QString()).isEmpty());
}

// The choice dialog from the keyboard alone: type to narrow, arrows, Enter, Escape.
TEST(PostalChoiceDialogTest, FiltersAndChoosesFromTheKeyboard) {
    const QList<PostalEntry> entries{{"31111", "Neustadt", "", ""},
                                     {"31112", "Neustadt", "", ""},
                                     {"54321", "Anderort", "", ""},
                                     {"54321", "Beispielort", "", ""}};
    PostalChoiceDialog dialog(entries, false, false);
    dialog.show();
    QLineEdit* filter = dialog.filter();
    EXPECT_EQ(dialog.visibleRows(), 4);
    EXPECT_EQ(dialog.chosen(), 0);

    QTest::keyClicks(filter, QStringLiteral("neu"));
    EXPECT_EQ(dialog.visibleRows(), 2);
    QTest::keyClick(filter, Qt::Key_Down);
    EXPECT_EQ(dialog.chosen(), 1);

    filter->clear();
    QTest::keyClicks(filter, QStringLiteral("5432"));
    EXPECT_EQ(dialog.chosen(), 2) << "the marked row was filtered away, the first left is marked";
    QTest::keyClick(filter, Qt::Key_Down);
    EXPECT_EQ(dialog.chosen(), 3);

    QTest::keyClicks(filter, QStringLiteral("x"));
    EXPECT_EQ(dialog.visibleRows(), 0);
    QTest::keyClick(filter, Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible()) << "nothing left to take";

    QTest::keyClick(filter, Qt::Key_Backspace);
    QTest::keyClick(filter, Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), int(QDialog::Accepted));
    EXPECT_EQ(dialog.chosen(), 3);

    PostalChoiceDialog other(entries, false, false);
    other.show();
    QTest::keyClick(other.filter(), Qt::Key_Escape);
    EXPECT_EQ(other.result(), int(QDialog::Rejected));
}

} // namespace
