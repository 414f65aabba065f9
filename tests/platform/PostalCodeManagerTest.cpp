// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "platform/HouseNumber.h"
#include "platform/PostalChoiceDialog.h"
#include "platform/PostalImport.h"
#include "platform/SqlPostalCodeManager.h"
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
    db.exec(QStringLiteral("create table Postleitzahlen (Land text, Plz text, Ort text, Ortsteil "
                           "text, Strasse text, OrtWort text, StrasseSuche text)"));
    PostalImport::write(db.db(), "D",
                        {{"12345", "Musterstadt", "Nord", "Hauptstraße"},
                         {"12345", "Musterstadt", "Süd", "Bahnhofstraße"},
                         {"77777", "O'Hara", "", ""},
                         {"54321", "Beispielort", "", "Dorfweg"},
                         {"54321", "Anderort", "", "Am Bach"},
                         {"31111", "Neustadt", "", "Marktplatz"},
                         {"31112", "Neustadt", "", "Lindenweg"}});
}

TEST(SqlPostalCodeManager, SearchesAndChooses) {
    // Name, "Plz|Ort|Strasse", mode (D dialog, O online, T districts, 1 2nd row), found.
    const char* cases[][4] = {
        {"OfflineKeepsNumber", "12345||Hauptstr. 5a", "", "12345|Musterstadt|Hauptstraße 5a||0|0"},
        {"Online", "|Musterstadt|Hauptstrasse 5a", "O", "12345|Musterstadt|Hauptstraße|5a|0|0"},
        {"NewStreet", "12345|Musterstadt|Neuer  Weg 3", "", "12345|Musterstadt|Neuer  Weg 3||0|0"},
        {"TwoPlacesWithoutDialogStayOpen", "54321||", "", "||||0|0"},
        {"StreetSettlesTwoCodes", "|Neustadt|Lindenweg 4", "D", "31112|Neustadt|Lindenweg 4||0|1"},
        {"WrongPlaceOffersTheTypedPlacesCodeFirst", "54321|Musterstadt|", "D",
         "12345|Musterstadt|||1|0"},
        {"PlaceAloneWithQuote", "|O'Hara|", "", "77777|O'Hara|||0|0"},
        {"DistrictsAskWithDialog", "12345||", "DT1", "12345|Musterstadt|||1|0"},
        {"SingleMatchConfirmedByMessage", "12345||", "D", "12345|Musterstadt|||0|1"},
        {"NothingFound", "99999||", "D", "||||0|1"},
        {"NothingGiven", "| |", "D", "||||0|0"},
    };
    SqliteDb db;
    fillDirectory(db);
    for (const auto& c : cases) {
        SCOPED_TRACE(c[0]);
        const QString mode = QString::fromUtf8(c[2]);
        const QStringList given = QString::fromUtf8(c[1]).split('|');
        auto runner = std::make_shared<ScriptedDialogRunner>();
        runner->script = [&](QDialog& dialog) {
            dialog.findChild<QTableWidget*>("tblTreffer")
                ->setCurrentCell(mode.contains('1') ? 1 : 0, 0);
            return int(QDialog::Accepted);
        };
        SqlPostalCodeManager manager(runner);
        manager.Init(nullptr, QString(), db.connection(), mode.contains('T'));
        manager.setOnline(mode.contains('O'));
        manager.Suche_Plz(given[0], given[1], given[2], mode.contains('D'));
        const QString found = QString::fromUtf8(c[3]); // with the dialogs and information boxes
        EXPECT_EQ(manager.Geprueft(), !found.startsWith(QLatin1String("||||")));
        EXPECT_EQ(QStringList({manager.Plz(), manager.Ort(), manager.Strasse(),
                               manager.Hausnummer(), QString::number(runner->shown.size()),
                               QString::number(runner->informations.size())})
                      .join('|'),
                  found);
    }
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

TEST(SqlPostalCodeManagerOther, PlaceOnlyByAUniqueCodeAndAPluggedInProviderFirst) {
    SqliteDb db;
    fillDirectory(db);
    auto runner = std::make_shared<ScriptedDialogRunner>();
    SqlPostalCodeManager manager(runner);
    EXPECT_EQ(manager.Suche_Ort("12345"), QString()); // no connection yet
    EXPECT_FALSE(manager.Geprueft());
    manager.Init(nullptr, QString(), db.connection(), true);
    for (const auto& [plz, ort] :
         {std::pair{" 12345 ", "Musterstadt"}, std::pair{"54321", ""}, std::pair{"99999", ""}}) {
        EXPECT_EQ(manager.Suche_Ort(QString::fromUtf8(plz)), QString::fromUtf8(ort)) << plz;
        EXPECT_EQ(manager.Geprueft(), *ort != 0) << plz;
    }
    EXPECT_TRUE(runner->shown.isEmpty());

    manager.setOkMeldungUnterdrucken(true);
    manager.Suche_Plz("12345", "Musterstadt", "Bahnhofstraße 1", true);
    EXPECT_TRUE(manager.Geprueft());
    EXPECT_TRUE(runner->informations.isEmpty());

    auto provider = std::make_shared<ListedProvider>();
    provider->entries = {PostalEntry{"10117", "Berlin", {}, "Straße des 17. Juni"}};
    SqlPostalCodeManager online(std::make_shared<ScriptedDialogRunner>());
    online.Init(nullptr, QString(), db.connection(), false);
    online.setOnline(true, provider);
    online.Suche_Plz(QString(), "Berlin", "Straße des 17. Juni 12", false);
    EXPECT_TRUE(online.Geprueft());
    EXPECT_EQ(QStringList({online.Plz(), online.Strasse(), online.Hausnummer()}),
              QStringList({"10117", "Straße des 17. Juni", "12"}));
    EXPECT_EQ(provider->queries.first(), "|Berlin|Straße des 17. Juni");

    // The local directory is not asked while a provider is plugged in.
    online.Suche_Plz("12345", QString(), QString(), false);
    EXPECT_FALSE(online.Geprueft());
    online.setOnline(false);
    online.Suche_Plz("12345", QString(), QString(), false);
    EXPECT_TRUE(online.Geprueft());
}

// The choice dialog from the keyboard alone: type to narrow, arrows and Enter.
TEST(PostalChoiceDialogTest, FiltersAndChoosesFromTheKeyboard) {
    const QList<PostalEntry> entries{
        PostalEntry{"31111", "Neustadt", "", ""}, PostalEntry{"31112", "Neustadt", "", ""},
        PostalEntry{"54321", "Anderort", "", ""}, PostalEntry{"54321", "Beispielort", "", ""}};
    PostalChoiceDialog dialog(entries, false, false);
    dialog.show();
    QLineEdit* filter = dialog.filter();
    EXPECT_EQ(std::pair(dialog.visibleRows(), dialog.chosen()), std::pair(4, 0));

    QTest::keyClicks(filter, "neu");
    QTest::keyClick(filter, Qt::Key_Down);
    EXPECT_EQ(std::pair(dialog.visibleRows(), dialog.chosen()), std::pair(2, 1));

    filter->clear();
    QTest::keyClicks(filter, "5432");
    EXPECT_EQ(dialog.chosen(), 2) << "the marked row was filtered away, the first left is marked";
    QTest::keyClick(filter, Qt::Key_Down);
    EXPECT_EQ(dialog.chosen(), 3);

    QTest::keyClicks(filter, "x");
    QTest::keyClick(filter, Qt::Key_Return);
    EXPECT_EQ(std::pair(dialog.visibleRows(), dialog.isVisible()), std::pair(0, true))
        << "nothing left to take";

    QTest::keyClick(filter, Qt::Key_Backspace);
    QTest::keyClick(filter, Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(std::pair(dialog.result(), dialog.chosen()), std::pair(int(QDialog::Accepted), 3));
}

// Street lines as clerks type them and real data hold them.
TEST(HouseNumber, SplitsAtTheNumberAtTheEndJoinsWithOneBlank) {
    // "line|street|number|P for a post-office box"; staircase and door after
    // slashes, "Top" for the flat.
    for (const char* row : {"Hauptstraße 5a|Hauptstraße|5a|",
                            "Straße des 17. Juni 12|Straße des 17. Juni|12|",
                            "Am Markt 3-5|Am Markt|3-5|",
                            "Hauptstraße5a|Hauptstraße|5a|",
                            "Hauptstraße|Hauptstraße||",
                            "Am Hang 5 Hinterhaus|Am Hang 5 Hinterhaus||",
                            "B27|B27||",
                            "12||12|",
                            "   |||",
                            "Mariahilfer Straße 12/3/14|Mariahilfer Straße|12/3/14|",
                            "Wiedner Gürtel 8/Top 4|Wiedner Gürtel|8/Top 4|",
                            "Rue du Rhône 12bis|Rue du Rhône|12bis|",
                            "Q 7, 24|Q 7|24|",
                            "Q7, 24|Q7|24|",
                            "Postfach 1234|Postfach 1234||P",
                            "postfach 12 34|postfach 12 34||P",
                            "PF 1234|PF 1234||P",
                            "Case postale 12|Case postale 12||P",
                            "Postbus 626|Postbus 626||P",
                            "BP 4711|BP 4711||P",
                            "B.P. 4711|B.P. 4711||P",
                            "Boîte postale 7|Boîte postale 7||P",
                            "Postboks 12|Postboks 12||P",
                            "Postbusweg 3|Postbusweg|3|",
                            "BPW-Ring 2|BPW-Ring|2|",
                            "Mariahilfer Straße 7/TOP 14|Mariahilfer Straße|7/TOP 14|",
                            "Graben 7, Stiege 2, Top 14|Graben|7, Stiege 2, Top 14|",
                            "Landstraßer Hauptstraße 7 Stg 2|Landstraßer Hauptstraße|7 Stg 2|",
                            "Gasse 7/Stg. 2/Top 4|Gasse|7/Stg. 2/Top 4|",
                            "Lindenweg 12 u. 14|Lindenweg|12 u. 14|",
                            "Ring 10 Whg. 3|Ring|10 Whg. 3|",
                            "Allee 12 a-c|Allee|12 a-c|",
                            "Steinenvorstadt 12+14|Steinenvorstadt|12+14|",
                            "7/TOP 14||7/TOP 14|",
                            "Postfachweg 3|Postfachweg|3|",
                            "Am Postfach|Am Postfach||",
                            "Hauptstr.5|Hauptstr.|5|"}) {
        const QStringList c = QString::fromUtf8(row).split('|');
        const StreetAndNumber split = splitHouseNumber(c[0]);
        EXPECT_EQ(QStringList({split.street, split.number, split.postfach ? "P" : ""}), c.mid(1))
            << row;
        EXPECT_EQ(isPostOfficeBox(c[0]), c[3] == "P") << row;
    }
    EXPECT_EQ(QStringList({joinHouseNumber("Hauptstraße ", " 5a"),
                           joinHouseNumber("Hauptstraße", QString()),
                           joinHouseNumber(QString(), "7"), joinHouseNumber("Q 7", "24")}),
              QStringList({"Hauptstraße 5a", "Hauptstraße", "7", "Q 7, 24"}));
}

} // namespace
