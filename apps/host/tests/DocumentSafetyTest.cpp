// The sample host saves what was typed, asks before discarding, and saves safely and concurrently.
#include "DocumentGuard.h"
#include "DocumentStore.h"
#include "DocumentWindow.h"
#include "SafeApplication.h"
#include "SearchDialog.h"
#include "control/BelegAdressen.h"
#include "support/TestDatabase.h"
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QSqlQuery>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <set>
#include <stdexcept>
#include <thread>

using batest::Engine;

namespace {

void addCustomers(batest::TestDatabase& database) {
    database.exec("insert into Währungen (Währung, Kurs) values ('EUR', 1)");
    database.exec("insert into Kundenstamm (Kundennummer, Bez1, Straße, PLZ, Ort, Währung) values "
                  "('10001', 'Alpha Haustechnik', 'Erste Straße 1', '10115', 'Berlin', 'EUR')");
    database.exec("insert into Kundenstamm (Kundennummer, Bez1, Straße, PLZ, Ort, Währung) values "
                  "('10002', 'Zürcher Bau AG', 'Zweite Gasse 2', '80331', 'München', 'EUR')");
}

// A shown, active document window, so that the focus moves as for a user.
class HostWindow {
public:
    explicit HostWindow(batest::TestDatabase& database) {
        DocumentWindow::Setup setup;
        setup.db = database.db();
        setup.connectString = QStringLiteral("Test");
        setup.description = QStringLiteral("Test");
        setup.user = QStringLiteral("tester");
        setup.propertiesFile = mDir.filePath(QStringLiteral("beleg.json"));
        setup.interactive = false;
        window = std::make_unique<DocumentWindow>(setup);
        window->show();
        QApplication::setActiveWindow(window.get());
        (void)QTest::qWaitForWindowActive(window.get());
    }
    ~HostWindow() {
        window->dialogs().setAnswer([](QDialog&) { return int(QMessageBox::Discard); });
        window->close();
    }

    belegadressen::BelegAdressen& control() { return window->control(); }
    QLineEdit* number() { return control().findChild<QLineEdit*>(QStringLiteral("txtDNummer")); }
    void trigger(const char* action) {
        auto* a = window->findChild<QAction*>(QString::fromLatin1(action));
        ASSERT_NE(a, nullptr) << action;
        a->trigger();
    }
    // Types into the number field and stays there.
    void typeNumber(const QString& text) {
        number()->setFocus();
        number()->selectAll();
        QTest::keyClicks(number(), text);
    }
    void leaveField() { window->findChild<QTabBar*>(QStringLiteral("tabAdressen"))->setFocus(); }
    // Answers the question about unsaved edits; any other dialog is cancelled.
    void answerDiscardQuestion(QMessageBox::StandardButton answer) {
        asked = 0;
        window->dialogs().setAnswer([this, answer](QDialog& dialog) {
            if (dialog.objectName() != QLatin1String("frmVerwerfen")) return int(QDialog::Rejected);
            ++asked;
            return int(answer);
        });
    }

    std::unique_ptr<DocumentWindow> window;
    int asked = 0;

private:
    QTemporaryDir mDir;
};

struct FinishCase {
    const char* name;
    std::function<void(HostWindow&)> act;
};

class FinishedInputTest : public ::testing::TestWithParam<FinishCase> {};

// A number typed and not left yet is finished first: the new customer is saved with its address.
TEST_P(FinishedInputTest, SavedDocumentHoldsTheTypedCustomerWithItsAddress) {
    batest::TestDatabase database(Engine::SQLite);
    addCustomers(database);
    HostWindow host(database);
    host.typeNumber("10001");
    host.leaveField();
    ASSERT_EQ(host.control().GetBez1(), "Alpha Haustechnik");
    host.typeNumber("10002");
    ASSERT_EQ(QApplication::focusWidget(), host.number());

    GetParam().act(host);

    const auto documents = host.window->store().list();
    ASSERT_FALSE(documents.isEmpty());
    const DocumentValues saved = host.window->store().load(documents.last().number);
    EXPECT_EQ(saved[1]["Nummer"], "10002");
    EXPECT_EQ(saved[1]["Bez1"], "Zürcher Bau AG");
    EXPECT_EQ(saved[1]["Straße"], "Zweite Gasse 2");
}

INSTANTIATE_TEST_SUITE_P(
    , FinishedInputTest,
    ::testing::Values(FinishCase{"Save", [](HostWindow& h) { h.trigger("actSpeichern"); }},
                      FinishCase{"Kind",
                                 [](HostWindow& h) {
                                     h.window->setBelegart(20);
                                     EXPECT_EQ(h.control().GetBez1(), "Zürcher Bau AG");
                                     h.window->saveDocument();
                                 }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DocumentGuard, AsksBeforeUnsavedEditsAreDiscarded) {
    batest::TestDatabase database(Engine::SQLite);
    addCustomers(database);
    HostWindow host(database);
    // Nothing edited: no question.
    host.answerDiscardQuestion(QMessageBox::Cancel);
    host.trigger("actNeu");
    EXPECT_EQ(host.asked, 0);

    host.typeNumber("10001");
    host.leaveField();
    ASSERT_TRUE(host.window->guard().hasUnsavedEdits());

    // Cancel keeps the document, for New and for Close.
    host.trigger("actNeu");
    EXPECT_EQ(host.asked, 1);
    EXPECT_EQ(host.control().GetBez1(), "Alpha Haustechnik");
    QCloseEvent close;
    QApplication::sendEvent(host.window.get(), &close);
    EXPECT_FALSE(close.isAccepted());
    EXPECT_EQ(host.asked, 2);
    EXPECT_TRUE(host.window->store().list().isEmpty());

    // Discard throws the edits away without saving.
    host.answerDiscardQuestion(QMessageBox::Discard);
    host.trigger("actNeu");
    EXPECT_EQ(host.asked, 1);
    EXPECT_EQ(host.control().GetBez1(), QString());
    EXPECT_TRUE(host.window->store().list().isEmpty());
    EXPECT_FALSE(host.window->guard().hasUnsavedEdits());
}

TEST(SearchDialog, ANulOrBrokenCharacterTypedIsReportedNotThrown) {
    batest::TestDatabase database(Engine::SQLite);
    addCustomers(database);
    for (const QString& typed : {QStringLiteral("Zü") + QChar(0), QString(QChar(0xD800)) + "'"}) {
        SearchDialog dialog(SearchTarget::customers(), database.db());
        dialog.findChild<QLineEdit*>(QStringLiteral("txtSuche"))->setText(typed);
        // The typed text is searched by a timer; nothing may escape from it.
        EXPECT_NO_THROW(dialog.searchNow());
        EXPECT_TRUE(dialog.findChild<QLabel*>(QStringLiteral("lblStatus"))
                        ->text()
                        .startsWith(QStringLiteral("Suche nicht möglich")));
        dialog.findChild<QLineEdit*>(QStringLiteral("txtSuche"))->setText("Zü");
        dialog.searchNow();
        EXPECT_EQ(dialog.rowCount(), 1);
    }
}

template <class E> class DocumentStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (E::engine == Engine::PostgreSQL && batest::postgresConnInfo().isEmpty())
            GTEST_SKIP() << "BA_PG_CONNINFO is not set; PostgreSQL tests skipped";
        database = std::make_unique<batest::TestDatabase>(E::engine, false);
        DocumentStore(database->db()).ensureTable();
    }
    // Where a second connection finds the database; asked on the thread owning the first.
    QString location() {
        if (E::engine == Engine::SQLite) return database->db().databaseName();
        QSqlQuery q(database->db());
        q.exec("select current_database()");
        q.next();
        // Each test's tables live in a schema of their own.
        return q.value(0).toString() + '|' + database->pgSchema();
    }
    // A second connection to that database, opened on the calling thread.
    static QSqlDatabase openSecond(const QString& name, const QString& location) {
        if (E::engine == Engine::PostgreSQL) {
            QSqlDatabase db =
                batest::openPostgres(name, batest::postgresConnInfo(), location.section('|', 0, 0));
            const QString schema = location.section('|', 1);
            if (!schema.isEmpty()) QSqlQuery(db).exec("set search_path to " + schema);
            return db;
        }
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", name);
        db.setDatabaseName(location);
        db.setConnectOptions("QSQLITE_BUSY_TIMEOUT=30000");
        db.open();
        QSqlQuery(db).exec("PRAGMA synchronous = OFF");
        return db;
    }
    std::unique_ptr<batest::TestDatabase> database;
};
TYPED_TEST_SUITE(DocumentStoreTest, batest::BothEngines, batest::EngineNames);

DocumentValues document(const QString& marker) {
    DocumentValues values;
    values[0]["Belegart"] = "50";
    values[1]["Bez1"] = marker;
    values[1]["Nummer"] = marker + "-Nr";
    values[2]["Bez1"] = marker + " Lieferadresse";
    values[3]["Ort"] = marker + " Ort";
    return values;
}

// A commit refused by a deferred check is rolled back; the next save works.
TYPED_TEST(DocumentStoreTest, AFailedCommitIsRolledBackAndTheNextSaveWorks) {
    if (TypeParam::engine == Engine::SQLite) {
        for (const char* sql :
             {"PRAGMA foreign_keys = ON", "create table Sperre (id INTEGER PRIMARY KEY)",
              "create table Verweis (x INTEGER REFERENCES Sperre(id) DEFERRABLE INITIALLY "
              "DEFERRED)",
              "create trigger Pruefung after insert on HostBelege when NEW.Wert = 'COMMITFEHLER' "
              "begin insert into Verweis values (1); end"})
            this->database->exec(sql);
    } else {
        this->database->exec(
            "create function pruefung() returns trigger as $$ begin if NEW.Wert = 'COMMITFEHLER' "
            "then raise exception 'abgelehnt'; end if; return null; end $$ language plpgsql");
        this->database->exec("create constraint trigger Pruefung after insert on HostBelege "
                             "deferrable initially deferred for each row execute function "
                             "pruefung()");
    }
    DocumentStore store(this->database->db());
    EXPECT_THROW(store.save(0, document("COMMITFEHLER")), std::runtime_error);
    int number = 0;
    ASSERT_NO_THROW(number = store.save(0, document("Gut")));
    ASSERT_GT(number, 0);
    const auto documents = store.list();
    ASSERT_EQ(documents.size(), 1);
    EXPECT_EQ(documents[0].name, "Gut");
    EXPECT_EQ(store.load(number), document("Gut"));
}

// A save broken off after the old rows were deleted leaves the stored document as it was.
TYPED_TEST(DocumentStoreTest, ASaveBrokenOffInTheMiddleLeavesTheOldDocument) {
    if (TypeParam::engine == Engine::SQLite) {
        this->database->exec("create trigger Abbruch before insert on HostBelege when NEW.Wert "
                             "= 'ABBRUCH' begin select raise(abort, 'abgebrochen'); end");
    } else {
        this->database->exec(
            "create function abbruch() returns trigger as $$ begin if NEW.Wert = 'ABBRUCH' then "
            "raise exception 'abgebrochen'; end if; return NEW; end $$ language plpgsql");
        this->database->exec("create trigger Abbruch before insert on HostBelege for each row "
                             "execute function abbruch()");
    }
    DocumentStore store(this->database->db());
    const int number = store.save(0, document("Alt"));
    DocumentValues broken = document("Neu");
    broken[3]["Ort"] = "ABBRUCH";
    EXPECT_THROW(store.save(number, broken), std::runtime_error);
    EXPECT_EQ(store.load(number), document("Alt"));
    EXPECT_EQ(store.save(number, document("Neu")), number);
    EXPECT_EQ(store.load(number), document("Neu"));
}

// Another connection holds the write lock: the save fails in words, then works once it is gone.
TEST(DocumentStoreBusy, ALockedDatabaseFailsTheSaveCleanly) {
    batest::TestDatabase database(Engine::SQLite, false);
    DocumentStore(database.db()).ensureTable();
    QSqlDatabase impatient = QSqlDatabase::addDatabase("QSQLITE", "ba_impatient");
    impatient.setDatabaseName(database.db().databaseName());
    impatient.setConnectOptions("QSQLITE_BUSY_TIMEOUT=100");
    ASSERT_TRUE(impatient.open());
    {
        DocumentStore store(impatient);
        QSqlQuery lock(database.db());
        ASSERT_TRUE(lock.exec("begin immediate"));
        try {
            store.save(0, document("Gesperrt"));
            ADD_FAILURE() << "saved";
        } catch (const std::runtime_error& e) {
            EXPECT_TRUE(QString::fromUtf8(e.what()).contains("locked")) << e.what();
        }
        ASSERT_TRUE(lock.exec("commit"));
        EXPECT_TRUE(store.list().isEmpty());
        const int number = store.save(0, document("Frei"));
        EXPECT_EQ(store.load(number), document("Frei"));
    }
    impatient.close();
    impatient = QSqlDatabase();
    QSqlDatabase::removeDatabase("ba_impatient");
}

// Two hosts saving at once: every document gets its own number, none is lost or mixed.
TYPED_TEST(DocumentStoreTest, TwoHostsSavingAtOnceLoseNothing) {
    constexpr int kPerHost = 200;
    std::vector<int> numbers[2];
    std::string errors[2];
    const QString location = this->location();
    auto host = [&](int id) {
        const QString name = QStringLiteral("host_%1").arg(id);
        {
            QSqlDatabase db = TestFixture::openSecond(name, location);
            DocumentStore store(db);
            try {
                for (int i = 0; i < kPerHost; ++i)
                    numbers[id].push_back(
                        store.save(0, document(QStringLiteral("Host %1 Beleg %2").arg(id).arg(i))));
            } catch (const std::exception& e) {
                errors[id] = e.what();
            }
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
    };
    std::thread first(host, 0), second(host, 1);
    first.join();
    second.join();
    EXPECT_EQ(errors[0], "");
    EXPECT_EQ(errors[1], "");

    std::set<int> distinct(numbers[0].begin(), numbers[0].end());
    distinct.insert(numbers[1].begin(), numbers[1].end());
    EXPECT_EQ(distinct.size(), size_t(2 * kPerHost));
    DocumentStore store(this->database->db());
    EXPECT_EQ(store.list().size(), 2 * kPerHost);
    for (int id = 0; id < 2; ++id)
        for (int i = 0; i < int(numbers[id].size()); ++i)
            ASSERT_EQ(store.load(numbers[id][i]),
                      document(QStringLiteral("Host %1 Beleg %2").arg(id).arg(i)))
                << "host " << id << " document " << i;
}

} // namespace

// An exception let through by a slot is reported; the events after it still run.
TEST(SafeApplication, AnExceptionFromASlotIsReportedAndTheEventLoopGoesOn) {
    auto* app = dynamic_cast<SafeApplication*>(QCoreApplication::instance());
    ASSERT_NE(app, nullptr);
    QStringList reported;
    app->setReporter([&reported](const QString& text) { reported << text; });
    bool after = false;
    QTimer::singleShot(0, app, [] { throw std::runtime_error("Wert zu lang"); });
    QTimer::singleShot(0, app, [] { throw 42; });
    QTimer::singleShot(0, app, [&after] { after = true; });
    EXPECT_TRUE(QTest::qWaitFor([&after] { return after; }, 2000));
    app->setReporter(nullptr);
    EXPECT_EQ(
        reported,
        QStringList({"Unerwarteter Fehler, der Schritt wurde abgebrochen: Wert zu lang",
                     "Unerwarteter Fehler, der Schritt wurde abgebrochen: unbekannter Fehler"}));
}
