#include "support/ControlHarness.h"
#include "support/ScriptedPostalManager.h"
#include <QApplication>
#include <QDialog>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

using namespace belegadressen;
using namespace batest;

namespace {

class PostalControl {
public:
    // `manager` empty: the control's own manager on the harness database.
    explicit PostalControl(std::shared_ptr<ScriptedManager> manager = {}) : scripted(manager) {
        h.database().exec(QStringLiteral(
            "INSERT INTO Postleitzahlen (Plz, Ort, Ortsteil, Strasse) VALUES "
            "('70173','Stuttgart','Mitte','Hauptstraße'), "
            "('70173','Stuttgart','Mitte','Königstraße'),"
            " ('88045','Friedrichshafen','',''), ('88045','Immenstaad','',''),"
            " ('31111','Neustadt','','Marktplatz'), ('31112','Neustadt','','Lindenweg')"));
        Services s;
        s.messages = answers;
        s.dialogs = answers;
        if (manager) s.postalCodeManager = [manager] { return manager; };
        h.control().setServices(s);
        QObject::connect(&h.control(), &BelegAdressen::AufrufAutoMap,
                         [this](const QString& p, const QString& o, const QString& str) {
                             maps << p + "|" + o + "|" + str;
                         });
        h.control().fktDragNummer("10001"); // Hauptstraße 1, 70173 Stuttgart
        h.clearRecords();
    }
    void enable(const QString& mit = "1") {
        h.control().AddMitPostleitzahl(mit, nullptr, QString(), h.database().connection(), false);
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
    void clickPlz() { static_cast<QToolButton*>(h.widget("btnPlz"))->click(); }
    // The user types `text` into field `name` and moves on to `next`.
    void type(const QString& name, const QString& text, const QString& next) {
        h.focus(name);
        QLineEdit* e = h.edit(name);
        e->selectAll();
        QTest::keyClicks(e, text);
        h.clearRecords();
        h.focus(next);
    }

    ControlHarness h;
    std::shared_ptr<RecordingServices> answers = std::make_shared<RecordingServices>();
    std::shared_ptr<ScriptedManager> scripted;
    QStringList maps;
};

// What the search button copies, offline and online.
struct CopyCase {
    const char* name;
    bool online, geprueft;
    const char* found;  // Plz|Ort|Strasse|Hausnummer of the manager
    const char* fields; // Plz|Ort|Strasse of the control afterwards
};

class SearchButtonCopies : public ::testing::TestWithParam<CopyCase> {};

TEST_P(SearchButtonCopies, AsTheModeSays) {
    const CopyCase& c = GetParam();
    auto m = std::make_shared<ScriptedManager>();
    const QStringList f = QString::fromUtf8(c.found).split('|');
    m->plz = f[0], m->ort = f[1], m->strasse = f[2], m->hausnummer = f[3];
    m->geprueft = c.geprueft;
    PostalControl p(m);
    p.enable();
    p.h.control().AddMitPostleitzahlOnline(c.online ? "1" : "0");
    p.setAddress("70173", "Stuttgart", "Hauptstraße 1");
    p.clickPlz();
    EXPECT_EQ(p.address(), QString::fromUtf8(c.fields));
    EXPECT_EQ(m->calls.last(), "Suche_Plz(70173,Stuttgart,Hauptstraße 1,true)");
    // Each field written reports its change: the gate is not closed here.
    if (p.address() != "70173|Stuttgart|Hauptstraße 1") {
        EXPECT_FALSE(p.h.events().isEmpty());
        EXPECT_EQ(p.h.events().count("Change"), p.h.events().size());
    }
    EXPECT_TRUE(p.answers->messages.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Modes, SearchButtonCopies,
                         ::testing::Values(CopyCase{"OfflineOverwritesEvenWithEmpty", false, true,
                                                    "|||", "||"},
                                           CopyCase{"UnconfirmedChangesNothing", false, false,
                                                    "1|2|3|4", "70173|Stuttgart|Hauptstraße 1"},
                                           CopyCase{"OnlineKeepsWhatIsEmpty", true, true, "| | |9",
                                                    "70173|Stuttgart|Hauptstraße 1"},
                                           CopyCase{"OnlineJoinsStreetAndNumber", true, true,
                                                    "70178|Stuttgart|Königstraße|12 b",
                                                    "70178|Stuttgart|Königstraße 12 b"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PostalCheck, PostalCodeWithTwoPlacesAsksTheUserThroughTheControlsRunner) {
    PostalControl p;
    p.enable();
    p.answers->script = [](QDialog& d) {
        d.findChild<QTableWidget*>("tblTreffer")->setCurrentCell(1, 0);
        return int(QDialog::Accepted);
    };
    p.setAddress("88045", "", "Seestraße 4");
    p.clickPlz();
    EXPECT_EQ(p.answers->shown, QStringList{"Postleitzahl auswählen"});
    EXPECT_EQ(p.address(), "88045|Immenstaad|Seestraße 4");
}

TEST(PostalCheck, ServicesHandedInLaterAnswerTheManagersDialogs) {
    PostalControl p;
    p.enable();
    auto later = std::make_shared<RecordingServices>();
    Services s;
    s.messages = later;
    s.dialogs = later;
    p.h.control().setServices(s);
    p.setAddress("88045", "", "");
    p.clickPlz();
    EXPECT_TRUE(p.answers->shown.isEmpty());
    EXPECT_EQ(later->shown, QStringList{"Postleitzahl auswählen"});
    EXPECT_EQ(p.address(), "88045||") << "cancelled: nothing taken";
}

TEST(PostalCheck, SearchButtonWithoutManagerReportsTheError) {
    PostalControl p;
    p.h.control().AddMitPostleitzahl("0", nullptr, QString(), nullptr, false);
    p.clickPlz();
    ASSERT_EQ(p.answers->messages.size(), 1);
    EXPECT_TRUE(p.answers->messages[0].startsWith("QelBelAdr/btnPlz_Click/91: "))
        << p.answers->messages[0].toStdString();
    EXPECT_EQ(p.address(), "70173|Stuttgart|Hauptstraße 1");
}

TEST(PostalCheck, LeavingAChangedPostalCodeFillsThePlaceFromTheDirectory) {
    PostalControl p;
    p.enable();
    p.h.edit("txtDAdr_6")->clear();
    p.type("txtDPostleitzahl", "31111", "txtDAdr_5");
    EXPECT_EQ(p.address(), "31111|Neustadt|Hauptstraße 1");

    // A code of two places leaves the place alone; the search button settles it.
    p.type("txtDPostleitzahl", "88045", "txtDAdr_5");
    EXPECT_EQ(p.address(), "88045|Neustadt|Hauptstraße 1");
    EXPECT_TRUE(p.answers->shown.isEmpty());
}

TEST(PostalCheck, PostalCodeRulesAroundTheSearch) {
    auto m = std::make_shared<ScriptedManager>();
    m->ortByPlz = "Irgendwo";
    PostalControl p(m);
    p.enable();
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

    // Switched off: no search even though the manager is there.
    m->calls.clear();
    p.h.control().AddMitPostleitzahl("false", nullptr, QString(), nullptr, false);
    EXPECT_TRUE(p.h.widget("btnPlz")->isHidden());
    p.type("txtDPostleitzahl", "54321", "txtDAdr_5");
    EXPECT_TRUE(m->calls.isEmpty());
}

TEST(PostalCheck, OnlinePlaceCheckJoinsStreetAndNumberOncePerEntry) {
    auto m = std::make_shared<ScriptedManager>();
    m->plz = "10117", m->ort = "Berlin", m->strasse = "Straße des 17. Juni", m->hausnummer = "12";
    PostalControl p(m);
    p.enable();
    p.h.control().AddMitPostleitzahlOnline("");
    m->calls.clear();
    p.h.edit("txtDAdr_5")->setText("Str. d. 17. Juni 12");
    p.type("txtDAdr_6", "berlin", "txtDAdr_5");
    EXPECT_EQ(m->calls, QStringList{"Suche_Plz(70173,berlin,Str. d. 17. Juni 12,false,still)"});
    EXPECT_FALSE(m->suppressed);
    EXPECT_EQ(p.address(), "10117|Berlin|Straße des 17. Juni 12");
    EXPECT_TRUE(p.h.events().isEmpty()) << "the control's own fill raises no Change";

    // Offline the manager's street goes in as it is.
    p.h.control().AddMitPostleitzahlOnline("0");
    m->calls.clear();
    p.type("txtDAdr_6", "Berlin-Mitte", "txtDAdr_5");
    EXPECT_EQ(m->calls, QStringList{"Suche_Plz(10117,Berlin-Mitte,Straße des 17. Juni 12,true)"});
    EXPECT_EQ(p.address(), "10117|Berlin|Straße des 17. Juni");
}

TEST(PostalCheck, MapButtonHandsTheAddressToTheHost) {
    PostalControl p;
    p.setAddress("70173", "Stuttgart", "Hauptstraße 1");
    static_cast<QToolButton*>(p.h.widget("btnAutoMap"))->click();
    EXPECT_EQ(p.maps, QStringList{"70173|Stuttgart|Hauptstraße 1"});
    EXPECT_EQ(p.address(), "70173|Stuttgart|Hauptstraße 1");
}

// F2 searches as the button does, unless the search is switched off.
struct PostalKeyCase {
    const char* name;
    const char* field;
    Qt::KeyboardModifiers modifiers;
    const char* checking; // "1" on, "0" off: the search button hides
    const char* calls;
};

class PostalSearchKey : public ::testing::TestWithParam<PostalKeyCase> {};

TEST_P(PostalSearchKey, OnTheFocusedField) {
    const PostalKeyCase& c = GetParam();
    auto manager = std::make_shared<ScriptedManager>();
    PostalControl p(manager);
    p.enable(QString::fromUtf8(c.checking));
    manager->calls.clear();
    p.setAddress("88045", "Immenstaad", "Seestraße 4");
    p.h.focus(QString::fromUtf8(c.field));
    QTest::keyClick(p.h.edit(QString::fromUtf8(c.field)), Qt::Key_F2, c.modifiers);
    EXPECT_EQ(manager->calls.join(' '), QString::fromUtf8(c.calls));
    EXPECT_TRUE(p.answers->messages.isEmpty()) << p.answers->messages.join('\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Keys, PostalSearchKey,
    ::testing::Values(PostalKeyCase{"PostalCode", "txtDPostleitzahl", Qt::NoModifier, "1",
                                    "Suche_Plz(88045,Immenstaad,Seestraße 4,true)"},
                      PostalKeyCase{"Place", "txtDAdr_6", Qt::NoModifier, "1",
                                    "Suche_Plz(88045,Immenstaad,Seestraße 4,true)"},
                      PostalKeyCase{"SearchOff", "txtDPostleitzahl", Qt::NoModifier, "0", ""}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
