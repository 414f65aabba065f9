// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "platform/PostalImport.h"
#include "scripting/ScriptBridge.h"
#include "support/ControlHarness.h"
#include "support/ScriptedPostalManager.h"
#include <QAction>
#include <QDialog>
#include <QJSEngine>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

using namespace belegadressen;
using namespace batest;

namespace {

class PostalControl {
public:
    // `manager` empty: the control's own manager on the harness database;
    // `mit` is the postal check's switch, none: left alone.
    explicit PostalControl(std::shared_ptr<ScriptedManager> manager = {}, const char* mit = "1") {
        PostalImport::write(h.database().db(), "D",
                            {{"70173", "Stuttgart", "Mitte", "Hauptstraße"},
                             {"70173", "Stuttgart", "Mitte", "Königstraße"},
                             {"88045", "Friedrichshafen", "", ""},
                             {"88045", "Immenstaad", "", ""},
                             {"31111", "Neustadt", "", "Marktplatz"},
                             {"31112", "Neustadt", "", "Lindenweg"},
                             {"80331", "München", "", ""},
                             {"10115", "Berlin", "", ""}});
        Services s;
        if (manager) s.postalCodeManager = [manager] { return manager; };
        h.setServices(s);
        h.control().fktDragNummer("10001"); // Hauptstraße 1, 70173 Stuttgart
        h.clearRecords();
        if (mit) enable(mit);
    }
    void enable(const char* mit) {
        h.control().AddMitPostleitzahl(QString::fromUtf8(mit), nullptr, QString(),
                                       h.database().connection(), false);
    }
    QString address() {
        return h.edit("txtDPostleitzahl")->text() + "|" + h.edit("txtDAdr_6")->text() + "|" +
               h.edit("txtDAdr_5")->text();
    }
    void setAddress(const QString& plz, const QString& ort, const QString& strasse) {
        h.edit("txtDPostleitzahl")->setText(plz);
        h.edit("txtDAdr_6")->setText(ort);
        h.edit("txtDAdr_5")->setText(strasse);
        h.clearRecords();
    }
    void click(const char* button) { static_cast<QToolButton*>(h.widget(button))->click(); }
    // The tool tip of the mark on postal code ("plz") or place ("ort"), empty
    // when none shows; the field's accessible description says the same.
    QString mark(const QString& which) {
        const bool plz = which == "plz";
        QLineEdit* field = h.edit(plz ? "txtDPostleitzahl" : "txtDAdr_6");
        auto* sign = field->findChild<QAction*>(plz ? "actPostleitzahlPruefung" : "actOrtPruefung");
        const QString shown = sign && sign->isVisible() ? sign->toolTip() : QString();
        EXPECT_EQ(field->accessibleDescription(),
                  shown.isEmpty() ? QString("Postleitzahl suchen mit F2") : shown);
        return shown;
    }
    // The user types `text` into field `name` and moves on to `next`.
    void type(const QString& name, const QString& text, const QString& next) {
        h.focus(name);
        h.edit(name)->selectAll();
        // The key simulation knows no umlauts: such a text is typed in one go.
        const bool ascii =
            std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
        if (ascii)
            QTest::keyClicks(h.edit(name), text);
        else
            h.edit(name)->insert(text);
        h.clearRecords();
        h.focus(next);
    }

    ControlHarness h;
    RecordingServices& answers = h.services();
};

std::shared_ptr<ScriptedManager> manager(const QString& found = "|||", bool geprueft = true) {
    auto m = std::make_shared<ScriptedManager>();
    const QStringList f = found.split('|');
    m->plz = f[0], m->ort = f[1], m->strasse = f[2], m->hausnummer = f[3];
    m->geprueft = geprueft;
    return m;
}

// What the search button, and F2 on the postal code or the place, copy:
// manager's Plz|Ort|Strasse|Hausnummer -> the fields.
TEST(PostalCheck, SearchButtonAndKeyCopyAsTheModeSays) {
    const std::tuple<bool, bool, const char*, const char*> cases[] = {
        {false, true, "|||", "||"}, // offline overwrites, even with empty
        {false, false, "1|2|3|4", "70173|Stuttgart|Hauptstraße 1"}, // unconfirmed: nothing
        {true, true, "| | |9", "70173|Stuttgart|Hauptstraße 1"},    // online keeps the empty
        {true, true, "70178|Stuttgart|Königstraße|12 b", "70178|Stuttgart|Königstraße 12 b"}};
    for (const auto& [online, geprueft, found, fields] : cases) {
        for (const char* way : {"btnPlz", "txtDPostleitzahl", "txtDAdr_6"}) {
            SCOPED_TRACE(std::string(found) + " " + way);
            auto m = manager(QString::fromUtf8(found), geprueft);
            PostalControl p(m);
            p.h.control().AddMitPostleitzahlOnline(online ? "1" : "0");
            p.setAddress("70173", "Stuttgart", "Hauptstraße 1");
            if (*way == 'b') {
                p.click(way);
            } else {
                p.h.focus(way);
                QTest::keyClick(p.h.edit(way), Qt::Key_F2);
            }
            EXPECT_EQ(p.address(), QString::fromUtf8(fields));
            EXPECT_EQ(m->calls.last(), "Suche_Plz(70173,Stuttgart,Hauptstraße 1,true)");
            // Each field written reports its change: the gate is not closed here.
            const QStringList events = p.h.events();
            EXPECT_TRUE(p.address() == "70173|Stuttgart|Hauptstraße 1" ||
                        (!events.isEmpty() && events.count("Change") == events.size()))
                << events.join(',').toStdString();
            EXPECT_TRUE(p.answers.messages.isEmpty());
        }
    }
}

// Two places ask the user through the control's runner, also one handed in later.
TEST(PostalCheck, PostalCodeWithTwoPlacesAsksTheUserThroughTheControlsRunner) {
    PostalControl p;
    p.answers.script = [](QDialog& d) {
        d.findChild<QTableWidget*>("tblTreffer")->setCurrentCell(1, 0);
        return int(QDialog::Accepted);
    };
    p.setAddress("88045", "", "Seestraße 4");
    p.click("btnPlz");
    EXPECT_EQ(p.answers.shown, QStringList{"Postleitzahl auswählen"});
    EXPECT_EQ(p.address(), "88045|Immenstaad|Seestraße 4");

    auto later = std::make_shared<RecordingServices>();
    Services s;
    s.messages = later;
    s.dialogs = later;
    p.h.control().setServices(s);
    p.h.clearRecords();
    p.setAddress("88045", "", "");
    p.click("btnPlz");
    EXPECT_TRUE(p.answers.shown.isEmpty());
    EXPECT_EQ(later->shown, QStringList{"Postleitzahl auswählen"});
    EXPECT_EQ(p.address(), "88045||") << "cancelled: nothing taken";
}

// Without a manager the search button reports, F2 with the check off does
// nothing; the map button hands the address to the host.
TEST(PostalCheck, ButtonsWithoutManager) {
    PostalControl p({}, nullptr);
    QStringList maps;
    QObject::connect(&p.h.control(), &BelegAdressen::AufrufAutoMap,
                     [&](const QString& a, const QString& b, const QString& c) {
                         maps << a + "|" + b + "|" + c;
                     });
    p.click("btnAutoMap");
    EXPECT_EQ(maps, QStringList{"70173|Stuttgart|Hauptstraße 1"});
    p.h.control().AddMitPostleitzahl("0", nullptr, QString(), nullptr, false);
    p.h.focus("txtDPostleitzahl");
    QTest::keyClick(p.h.edit("txtDPostleitzahl"), Qt::Key_F2);
    EXPECT_TRUE(p.answers.messages.isEmpty());
    p.click("btnPlz");
    ASSERT_EQ(p.answers.messages.size(), 1);
    EXPECT_TRUE(p.answers.messages[0].startsWith("QelBelAdr/btnPlz_Click/91: "))
        << p.answers.messages[0].toStdString();
    EXPECT_EQ(p.address(), "70173|Stuttgart|Hauptstraße 1");
}

// Leaving a changed postal code writes its place only over an empty place or
// one of its places; a typed town of another code stays, both fields marked
// with the code's places, and no dialog opens.
TEST(PostalCheck, LeavingAChangedPostalCodeNeverReplacesATypedTown) {
    // typed place;code typed;place after the leave;places the mark names
    const char* cases[][4] = {{"", "31111", "Neustadt", ""},
                              {"immenstaad", "88045", "Immenstaad", ""},
                              {"München", "10115", "München", "Berlin"},
                              {"Stuttgart", "88045", "Stuttgart", "Friedrichshafen, Immenstaad"},
                              {"Stuttgart", "31111", "Stuttgart", "Neustadt"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c[1]);
        PostalControl p;
        p.h.edit("txtDAdr_6")->setText(QString::fromUtf8(c[0]));
        // Left towards the street, and a second time towards the place.
        for (const char* next : {"txtDAdr_5", "txtDAdr_6"}) {
            p.type("txtDPostleitzahl", c[1], next);
            EXPECT_EQ(p.h.edit("txtDAdr_6")->text(), QString::fromUtf8(c[2]));
            const QString places = QString::fromUtf8(c[3]);
            EXPECT_EQ(p.mark("plz"), places.isEmpty()
                                         ? QString()
                                         : QString("Die Postleitzahl %1 gehört zu %2, nicht zu "
                                                   "\"%3\". Prüfen mit F2.")
                                               .arg(c[1], places, QString::fromUtf8(c[2])));
            EXPECT_EQ(p.mark("ort"), p.mark("plz"));
        }
        EXPECT_TRUE(p.answers.shown.isEmpty() && p.answers.informations.isEmpty());
        EXPECT_TRUE(p.h.events().isEmpty()) << p.h.events().join(',').toStdString();
    }
}

// The marks go with any change of code or place, by the user or the host,
// and the button resolves the pair as it always did.
TEST(PostalCheck, TheMarksGoWhenCodeOrPlaceChange) {
    PostalControl p;
    const auto marked = [&p] {
        p.h.edit("txtDAdr_6")->setText("München");
        p.type("txtDPostleitzahl", "10115", "txtDAdr_5");
        return !p.mark("plz").isEmpty() && !p.mark("ort").isEmpty();
    };
    ASSERT_TRUE(marked());
    p.type("txtDAdr_6", "Münche", "txtDAdr_6"); // typing, still in the field
    EXPECT_EQ(p.mark("plz") + p.mark("ort"), "");

    ASSERT_TRUE(marked());
    p.h.control().AddOrt("Berlin");
    EXPECT_EQ(p.mark("plz") + p.mark("ort"), "");

    ASSERT_TRUE(marked());
    QJSEngine engine;
    ScriptBridge bridge(p.h.control());
    bridge.expose(engine, "adressen");
    engine.evaluate("adressen.invoke('AddPostleitzahl', ['80331'])");
    EXPECT_EQ(p.h.edit("txtDPostleitzahl")->text(), "80331");
    EXPECT_EQ(p.mark("plz") + p.mark("ort"), "");

    ASSERT_TRUE(marked());
    p.answers.script = [](QDialog&) { return int(QDialog::Accepted); };
    p.click("btnPlz");
    EXPECT_EQ(p.answers.shown, QStringList{"Postleitzahl auswählen"});
    EXPECT_EQ(p.address(), "80331|München|Hauptstraße 1") << "the typed place first";
    EXPECT_EQ(p.mark("plz") + p.mark("ort"), "");
}

// Online nothing is offered: a place the check cannot settle stays as typed,
// unconfirmed and marked with the code's places.
TEST(PostalCheck, OnlineAnUnsettledPlaceStaysMarked) {
    PostalControl p;
    p.h.control().AddMitPostleitzahlOnline("1");
    p.h.edit("txtDPostleitzahl")->setText("10115");
    p.type("txtDAdr_6", "München", "txtDAdr_5");
    EXPECT_EQ(p.address(), "10115|München|Hauptstraße 1");
    EXPECT_EQ(p.mark("ort"),
              "Die Postleitzahl 10115 gehört zu Berlin, nicht zu \"München\". Prüfen mit F2.");
    EXPECT_EQ(p.mark("plz"), p.mark("ort"));
    EXPECT_TRUE(p.answers.shown.isEmpty() && p.answers.informations.isEmpty());
}

// A typed place is emptied by nothing: leaving the code again with the same
// value, tabbing through the fields, showing another address and coming back.
TEST(PostalCheck, ATypedPlaceIsNeverEmptied) {
    PostalControl p;
    p.h.edit("txtDAdr_6")->setText("München");
    p.type("txtDPostleitzahl", "88045", "txtDAdr_6");
    p.type("txtDPostleitzahl", "88045", "txtDAdr_5"); // the same code entered again
    for (int round = 0; round < 2; ++round)
        for (const char* field : {"txtDAdr_5", "txtDPostleitzahl", "txtDAdr_6", "txtDAdr_1"})
            p.h.focus(field);
    EXPECT_EQ(p.address(), "88045|München|Hauptstraße 1");
    p.h.control().setAktAdresse(2);
    EXPECT_EQ(p.mark("plz") + p.mark("ort"), "") << "another address shown";
    p.h.control().setAktAdresse(1);
    p.h.focus("txtDPostleitzahl");
    p.h.focus("txtDAdr_5");
    EXPECT_EQ(p.address(), "88045|München|Hauptstraße 1");
    EXPECT_EQ(p.h.control().GetOrt(), "München");
    EXPECT_TRUE(p.answers.shown.isEmpty());
}

// A misspelt place of a one-place code is corrected on every path without a
// dialog, shown with the typed text, and Ctrl+Z brings that text back; a
// departure does not correct it again, the button does.
TEST(PostalCheck, AMisspeltPlaceIsCorrectedVisiblyAndCanBeUndone) {
    const char* const paths[] = {"leave code", "leave place", "button", "F2", "online place"};
    for (const char* path : paths) {
        SCOPED_TRACE(path);
        const QString how = QString::fromUtf8(path);
        PostalControl p;
        if (how.startsWith("online")) p.h.control().AddMitPostleitzahlOnline("1");
        QLineEdit* place = p.h.edit("txtDAdr_6");
        if (how == "leave code") {
            place->setText("Müchen");
            p.type("txtDPostleitzahl", "80331", "txtDAdr_5");
        } else if (how.contains("place")) {
            p.h.edit("txtDPostleitzahl")->setText("80331");
            p.type("txtDAdr_6", "Müchen", "txtDAdr_5");
        } else {
            p.setAddress("80331", "Müchen", "Hauptstraße 1");
            if (how == "button") p.click("btnPlz");
            if (how == "F2") {
                p.h.focus("txtDAdr_6");
                QTest::keyClick(place, Qt::Key_F2);
            }
        }
        EXPECT_EQ(place->text(), "München");
        EXPECT_EQ(p.mark("ort"), "Ort berichtigt, getippt war \"Müchen\". Strg+Z stellt es "
                                 "wieder her.");
        EXPECT_EQ(p.mark("plz"), "");
        EXPECT_TRUE(p.answers.shown.isEmpty() && p.answers.informations.isEmpty());

        p.h.focus("txtDAdr_6");
        QTest::keyClick(place, 'z', Qt::ControlModifier);
        EXPECT_EQ(place->text(), "Müchen");
        EXPECT_EQ(p.mark("ort"), "");
        p.h.focus("txtDAdr_5");
        EXPECT_EQ(place->text(), "Müchen") << "taken back: not corrected again on leaving";
        p.click("btnPlz");
        EXPECT_EQ(place->text(), "München") << "the button corrects again";
        EXPECT_TRUE(p.answers.shown.isEmpty());
    }
}

// Offline, every departure from a changed place checks it, but the user is
// asked once per value; the button asks again.
TEST(PostalCheck, OfflinePlaceEditsAskOncePerValue) {
    PostalControl p;
    p.setAddress("31111", "Neustadt", "Lindenweg 4"); // the street lies in 31112
    const auto departures = [&p] {
        for (int pass = 0; pass < 3; ++pass) {
            p.h.focus("txtDAdr_6");
            p.h.focus("txtDAdr_5");
        }
    };
    departures();
    EXPECT_EQ(p.answers.shown, QStringList{"Postleitzahl auswählen"}) << "cancelled once";
    EXPECT_EQ(p.address(), "31111|Neustadt|Lindenweg 4");

    p.answers.script = [](QDialog&) { return int(QDialog::Accepted); };
    p.click("btnPlz");
    EXPECT_EQ(p.answers.shown.size(), 2) << "the button asks again";
    EXPECT_EQ(p.address(), "31112|Neustadt|Lindenweg 4");
    departures();
    EXPECT_EQ(p.answers.shown.size(), 2);
    EXPECT_TRUE(p.answers.informations.isEmpty()) << "no confirmation on every departure";
}

TEST(PostalCheck, PostalCodeRulesAroundTheSearch) {
    auto m = manager();
    m->ortByPlz = "Irgendwo";
    PostalControl p(m);
    ASSERT_EQ(m->calls, QStringList{"Init(0)"});
    m->calls.clear();

    // Unchanged against the stored postal code: no search, even with no place.
    p.h.edit("txtDAdr_6")->clear();
    p.h.focus("txtDPostleitzahl");
    p.h.focus("txtDAdr_5");
    EXPECT_TRUE(m->calls.isEmpty());

    // Confirmed but without a place: the place stays.
    m->ortByPlz.clear();
    p.type("txtDPostleitzahl", "12345", "txtDAdr_5");
    EXPECT_EQ(m->calls, QStringList{"Suche_Ort(12345)"});
    EXPECT_EQ(p.h.edit("txtDAdr_6")->text(), "");
}

TEST(PostalCheck, OnlinePlaceCheckJoinsStreetAndNumberOncePerEntry) {
    auto m = manager(QString::fromUtf8("10117|Berlin|Straße des 17. Juni|12"));
    PostalControl p(m);
    p.h.control().AddMitPostleitzahlOnline("");
    m->calls.clear();
    p.h.edit("txtDAdr_5")->setText("Str. d. 17. Juni 12");
    p.type("txtDAdr_6", "berlin", "txtDAdr_5");
    EXPECT_EQ(m->calls, QStringList{"Suche_Plz(70173,berlin,Str. d. 17. Juni 12,false,still)"});
    EXPECT_FALSE(m->suppressed);
    EXPECT_EQ(p.address(), "10117|Berlin|Straße des 17. Juni 12");
    EXPECT_TRUE(p.h.events().isEmpty()) << "the control's own fill raises no Change";
}

// Words and numbers switch the check; any other text leaves it as it was.
TEST(PostalSwitch, AddMitPostleitzahlTakesWordsAndNumbers) {
    const std::pair<const char*, int> cases[] = {
        {"True", 1}, {"true", 1}, {"wahr", 1},  {"WAHR", 1},   {"1", 1},
        {"-1", 1},   {" 2 ", 1},  {"False", 0}, {"falsch", 0}, {"0", 0},
        {"J", -1},   {"Ja", -1},  {"yes", -1},  {"", -1},      {"an", -1}};
    PostalControl p({}, nullptr);
    for (const auto& [text, expected] : cases) {
        for (const bool before : {false, true}) {
            SCOPED_TRACE(std::string(text) + (before ? " after on" : " after off"));
            p.enable(before ? "1" : "0");
            p.enable(text);
            EXPECT_EQ(p.h.widget("btnPlz")->isVisibleTo(&p.h.control()),
                      expected < 0 ? before : expected == 1);
        }
    }
}

// Button, F2 in the place and leaving a changed place all confirm a correct
// address; switched off on the control, the address is still taken, without
// the message.
TEST(PostalSwitch, TheConfirmationCanBeSwitchedOffOnTheControl) {
    const QString confirmed =
        QStringLiteral("Postleitzahlen: Die Anschrift 70173 Stuttgart ist geprüft.");
    for (const char* way : {"button", "F2", "leave"}) {
        for (const bool on : {true, false}) {
            SCOPED_TRACE(std::string(way) + (on ? " on" : " off"));
            PostalControl p;
            EXPECT_TRUE(p.h.control().plzBestaetigung());
            p.h.control().setPlzBestaetigung(on);
            if (std::string(way) == "button") {
                p.click("btnPlz");
            } else if (std::string(way) == "F2") {
                p.h.focus("txtDAdr_6");
                QTest::keyClick(p.h.edit("txtDAdr_6"), Qt::Key_F2);
            } else {
                p.type("txtDAdr_6", "stuttgart", "txtDAdr_5");
            }
            EXPECT_EQ(p.h.informations(), on ? QStringList{confirmed} : QStringList{});
            EXPECT_EQ(p.h.edit("txtDAdr_6")->text(), QStringLiteral("Stuttgart"));
        }
    }
}

} // namespace
