// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

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
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <set>
#include <thread>

using batest::Engine;

namespace {

// A database with two customers.
struct Customers : batest::TestDatabase {
    Customers() : TestDatabase(Engine::SQLite) {
        exec("insert into Währungen (Währung, Kurs) values ('EUR', 1)");
        exec("insert into Kundenstamm (Kundennummer, Bez1, Straße, PLZ, Ort, Währung) values "
             "('10001', 'Alpha Haustechnik', 'Erste Straße 1', '10115', 'Berlin', 'EUR'), "
             "('10002', 'Zürcher Bau AG', 'Zweite Gasse 2', '80331', 'München', 'EUR')");
    }
};

// A shown, active document window, so that the focus moves as for a user.
class HostWindow {
public:
    HostWindow() {
        window = std::make_unique<DocumentWindow>(DocumentWindow::Setup{
            database.db(), "Test", "Test", "tester", mDir.filePath("beleg.json"), false, {}});
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
    void trigger(const char* action) { window->findChild<QAction*>(action)->trigger(); }
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

    Customers database;
    std::unique_ptr<DocumentWindow> window;
    int asked = 0;

private:
    QTemporaryDir mDir;
};

// A number typed and not left yet is finished first: the new customer is saved with its address.
TEST(FinishedInput, SavedDocumentHoldsTheTypedCustomerWithItsAddress) {
    for (bool bySave : {true, false}) {
        SCOPED_TRACE(bySave ? "save" : "kind");
        HostWindow host;
        host.typeNumber("10001");
        host.leaveField();
        ASSERT_EQ(host.control().GetBez1(), "Alpha Haustechnik");
        host.typeNumber("10002");
        ASSERT_EQ(QApplication::focusWidget(), host.number());
        if (bySave) {
            host.trigger("actSpeichern");
        } else {
            host.window->setBelegart(20);
            EXPECT_EQ(host.control().GetBez1(), "Zürcher Bau AG");
            host.window->saveDocument();
        }
        const auto documents = host.window->store().list();
        ASSERT_FALSE(documents.isEmpty());
        const DocumentValues saved = host.window->store().load(documents.last().number);
        EXPECT_EQ(QStringList({saved[1]["Nummer"], saved[1]["Bez1"], saved[1]["Straße"]}),
                  QStringList({"10002", "Zürcher Bau AG", "Zweite Gasse 2"}));
    }
}

TEST(DocumentGuard, AsksBeforeUnsavedEditsAreDiscarded) {
    HostWindow host;
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

    // Discard throws the edits away without saving.
    host.answerDiscardQuestion(QMessageBox::Discard);
    host.trigger("actNeu");
    EXPECT_EQ(host.asked, 1);
    EXPECT_EQ(host.control().GetBez1(), QString());
    EXPECT_TRUE(host.window->store().list().isEmpty());
}

TEST(SearchDialog, ANulOrBrokenCharacterTypedIsReportedNotThrown) {
    Customers database;
    for (const QString& typed : {QStringLiteral("Zü") + QChar(0), QString(QChar(0xD800)) + "'"}) {
        SearchDialog dialog(SearchTarget::customers(), database.db());
        auto* suche = dialog.findChild<QLineEdit*>(QStringLiteral("txtSuche"));
        suche->setText(typed);
        // The typed text is searched by a timer; nothing may escape from it.
        EXPECT_NO_THROW(dialog.searchNow());
        const QString status = dialog.findChild<QLabel*>(QStringLiteral("lblStatus"))->text();
        EXPECT_TRUE(status.startsWith("Suche nicht möglich")) << status.toStdString();
        suche->setText("Zü");
        dialog.searchNow();
        EXPECT_EQ(dialog.rowCount(), 1);
    }
}

class DocumentStoreTest : public batest::OnEachEngine<> {
protected:
    void SetUp() override {
        OnEachEngine::SetUp();
        if (IsSkipped()) return;
        database = std::make_unique<batest::TestDatabase>(engine(), false);
        DocumentStore(database->db()).ensureTable();
    }
    bool sqlite() const { return engine() == Engine::SQLite; }
    // A second connection to the same tables (SQLite file or PostgreSQL schema) on this thread.
    QSqlDatabase openSecond(const QString& name, const QString& where) const {
        if (!sqlite()) {
            QSqlDatabase db = batest::openPostgres(name, batest::postgresConnInfo());
            QSqlQuery(db).exec("set search_path to " + where);
            return db;
        }
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", name);
        db.setDatabaseName(where);
        db.setConnectOptions("QSQLITE_BUSY_TIMEOUT=30000");
        db.open();
        QSqlQuery(db).exec("PRAGMA synchronous = OFF");
        return db;
    }
    std::unique_ptr<batest::TestDatabase> database;
};
INSTANTIATE_TEST_SUITE_P(, DocumentStoreTest, batest::engines(), batest::EngineName());

DocumentValues document(const QString& m) {
    return {{0, {{"Belegart", "50"}}},
            {1, {{"Bez1", m}, {"Nummer", m + "-Nr"}}},
            {2, {{"Bez1", m + " Lieferadresse"}}},
            {3, {{"Ort", m + " Ort"}}}};
}

// A refused commit or a save broken off midway is rolled back; the old document stays.
TEST_P(DocumentStoreTest, AFailedSaveIsRolledBackAndTheNextSaveWorks) {
    const QStringList setup =
        sqlite() ? QStringList{"PRAGMA foreign_keys = ON",
                               "create table Sperre (id INTEGER PRIMARY KEY)",
                               "create table Verweis (x INTEGER REFERENCES Sperre(id) DEFERRABLE "
                               "INITIALLY DEFERRED)",
                               "create trigger Pruefung after insert on HostBelege when NEW.Wert = "
                               "'COMMITFEHLER' begin insert into Verweis values (1); end",
                               "create trigger Abbruch before insert on HostBelege when NEW.Wert "
                               "= 'ABBRUCH' begin select raise(abort, 'abgebrochen'); end"}
                 : QStringList{"create function pruefung() returns trigger as $$ begin if NEW.Wert "
                               "= TG_ARGV[0] then raise exception 'abgelehnt'; end if; return NEW; "
                               "end $$ language plpgsql",
                               "create constraint trigger Pruefung after insert on HostBelege "
                               "deferrable initially deferred for each row execute function "
                               "pruefung('COMMITFEHLER')",
                               "create trigger Abbruch before insert on HostBelege for each row "
                               "execute function pruefung('ABBRUCH')"};
    for (const QString& sql : setup)
        database->exec(sql);
    DocumentStore store(database->db());
    EXPECT_THROW(store.save(0, document("COMMITFEHLER")), std::runtime_error);
    int number = 0;
    ASSERT_NO_THROW(number = store.save(0, document("Alt")));
    ASSERT_EQ(store.list().size(), 1);
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
    {
        QSqlDatabase impatient = QSqlDatabase::addDatabase("QSQLITE", "ba_impatient");
        impatient.setDatabaseName(database.db().databaseName());
        impatient.setConnectOptions("QSQLITE_BUSY_TIMEOUT=100");
        ASSERT_TRUE(impatient.open());
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
    QSqlDatabase::removeDatabase("ba_impatient");
}

// Two hosts saving at once: every document gets its own number, none is lost or mixed.
TEST_P(DocumentStoreTest, TwoHostsSavingAtOnceLoseNothing) {
    constexpr int kPerHost = 200;
    std::vector<int> numbers[2];
    std::string errors[2];
    const QString where = sqlite() ? database->db().databaseName() : database->pgSchema();
    auto doc = [](int id, int i) {
        return document(QStringLiteral("Host %1 Beleg %2").arg(id).arg(i));
    };
    auto host = [&](int id) {
        const QString name = QStringLiteral("host_%1").arg(id);
        {
            QSqlDatabase db = openSecond(name, where);
            DocumentStore store(db);
            try {
                for (int i = 0; i < kPerHost; ++i)
                    numbers[id].push_back(store.save(0, doc(id, i)));
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
    EXPECT_EQ(errors[0] + errors[1], "");
    std::set<int> distinct(numbers[0].begin(), numbers[0].end());
    distinct.insert(numbers[1].begin(), numbers[1].end());
    EXPECT_EQ(distinct.size(), size_t(2 * kPerHost));
    DocumentStore store(database->db());
    for (int id = 0; id < 2; ++id)
        for (int i = 0; i < int(numbers[id].size()); ++i)
            ASSERT_EQ(store.load(numbers[id][i]), doc(id, i)) << "host " << id << " document " << i;
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
