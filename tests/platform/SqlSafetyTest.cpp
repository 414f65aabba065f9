// Text reaching a statement: broken UTF-16, changed sessions, host-set names.
#include "contracts/Error.h"
#include "hostile/HostileValues.h"
#include "platform/QtMasterDataCombo.h"
#include "platform/SqlConnection.h"
#include "platform/SqlIdentifier.h"
#include "platform/SqlText.h"
#include "support/RecordingConnection.h"
#include "support/RecordingServices.h"
#include "support/TestDatabase.h"
#include <QPushButton>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

using belegadressen::Error;
using belegadressen::quoted;

namespace {

using hostile::units;

template <class E> class BrokenUtf16Test : public batest::EngineTest<E> {};
TYPED_TEST_SUITE(BrokenUtf16Test, batest::BothEngines, batest::EngineNames);

// On SQLite a lone high surrogate swallowed the first quote of a doubled pair
// after it; PostgreSQL stored "?" in its place.
TYPED_TEST(BrokenUtf16Test, LoneSurrogatesAreRefusedPairsRoundTrip) {
    this->database().exec("create table ProbeUtf (Nr INTEGER PRIMARY KEY, Wert TEXT)");
    const QString lone[] = {
        units({0xD800}),
        units({u'a', 0xD800, u'\'', u'\'', u'b'}),
        units({0xD83D, u'\'', u')', u';', u' ', u'-', u'-'}),
        units({0xDC00}),
        units({0xDE00, 0xD83D}), // a pair in the wrong order
        units({u'x', 0xD83D}),   // a high surrogate at the end
        units({0xDBFF, 0xDBFF, 0xDFFF}),
    };
    for (const QString& value : lone) {
        SCOPED_TRACE(value.toUtf8().toHex().toStdString());
        try {
            this->connection()->Execute(
                QStringLiteral("insert into ProbeUtf (Nr, Wert) values (1, %1)")
                    .arg(quoted(value)));
            ADD_FAILURE() << "sent";
        } catch (const Error& e) {
            EXPECT_TRUE(e.text().contains(QStringLiteral("ungültiges Zeichen")))
                << e.text().toStdString();
        }
    }
    EXPECT_TRUE(this->connection()->Execute("select Nr from ProbeUtf")->Eof());

    const QString paired[] = {units({0xD83D, 0xDE00}), units({u'\'', 0xD83D, 0xDD27, u'\''}),
                              units({0xDBFF, 0xDFFF, u'\\'})};
    int nr = 0;
    for (const QString& value : paired) {
        ++nr;
        this->connection()->Execute(
            QStringLiteral("insert into ProbeUtf (Nr, Wert) values (%1, %2)")
                .arg(nr)
                .arg(quoted(value)));
        auto rs = this->connection()->Execute(
            QStringLiteral("select Wert from ProbeUtf where Nr = %1").arg(nr));
        ASSERT_FALSE(rs->Eof());
        EXPECT_EQ(rs->Value("Wert").toString(), value);
    }
}

// Quoting relies on literal backslashes and UTF-8; a session the host changed must not run.
TEST(SqlConnectionPostgres, RefusesASessionChangedAfterItWasOpened) {
    const QString connInfo = batest::postgresConnInfo();
    if (connInfo.isEmpty()) GTEST_SKIP() << "BA_PG_CONNINFO is not set; PostgreSQL tests skipped";
    struct Case {
        const char* change;
        const char* value;
        const char* mention;
    };
    const Case cases[] = {
        {"set standard_conforming_strings = off", "C:\\\\temp\\' or 1=1 --",
         "standard_conforming_strings"},
        {"set client_encoding = 'LATIN1'", "Müller", "LATIN1"},
        {"set client_encoding = 'SJIS'", "表'", "SJIS"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.change);
        {
            QSqlDatabase db = batest::openPostgres("ba_changed", connInfo);
            QSqlQuery(db).exec("create temporary table ProbeSitzung (Wert text)");
            belegadressen::SqlConnection connection(db);
            ASSERT_TRUE(QSqlQuery(db).exec(QString::fromUtf8(c.change)));
            try {
                connection.Execute("insert into ProbeSitzung (Wert) values (" +
                                   quoted(QString::fromUtf8(c.value)) + ")");
                ADD_FAILURE() << "used";
            } catch (const Error& e) {
                EXPECT_TRUE(e.text().contains(QString::fromUtf8(c.mention)))
                    << e.text().toStdString();
                EXPECT_TRUE(e.text().contains("Bitte")) << "a German text for the user";
            }
            // Nothing was written; plain ASCII still runs (no setting changes it).
            EXPECT_TRUE(connection.Execute("select Wert from ProbeSitzung")->Eof());
            // A connection is not even made on such a session.
            EXPECT_THROW(belegadressen::SqlConnection{db}, Error);
            // Back to safe settings, the connection works again.
            ASSERT_TRUE(QSqlQuery(db).exec("set standard_conforming_strings = on"));
            ASSERT_TRUE(QSqlQuery(db).exec("set client_encoding = 'UTF8'"));
            connection.Execute("insert into ProbeSitzung (Wert) values (" +
                               quoted(QString::fromUtf8(c.value)) + ")");
            auto rs = connection.Execute("select Wert from ProbeSitzung");
            ASSERT_FALSE(rs->Eof());
            EXPECT_EQ(rs->Value("Wert").toString(), QString::fromUtf8(c.value));
            db.close();
        }
        QSqlDatabase::removeDatabase("ba_changed");
    }
}

TEST(SqlIdentifier, AcceptsPlainNamesOnly) {
    for (const char* name : {"Kundenstamm", "Straße", "_intern", "Vertreter3"})
        EXPECT_TRUE(belegadressen::isPlainIdentifier(QString::fromUtf8(name))) << name;
    // Too long at 64 bytes, also in UTF-8; a right-to-left mark hidden at the end.
    const QString refused[] = {"",
                               "1Tabelle",
                               "Anreden; delete from Anreden",
                               "Kunden stamm",
                               "Anreden'",
                               "select",
                               "Anreden" + QString(QChar(0)),
                               "A" + units({0xD800}),
                               QString(64, QLatin1Char('a')),
                               QString(32, QChar(0xE4)),
                               QString::fromUtf8("Anreden\u200F")};
    for (const QString& name : refused) {
        SCOPED_TRACE(name.toUtf8().toHex().toStdString());
        EXPECT_FALSE(belegadressen::isPlainIdentifier(name));
        try {
            belegadressen::checkedIdentifier(name, QStringLiteral("Tabellenname"));
            ADD_FAILURE() << "accepted";
        } catch (const Error& e) {
            EXPECT_TRUE(e.text().contains(QStringLiteral("kein gültiger Tabellenname")))
                << e.text().toStdString();
        }
    }
    EXPECT_TRUE(belegadressen::isPlainIdentifier(QString(63, QLatin1Char('a'))));
}

// A host-set table or column name that is not a plain name runs nothing.
TEST(MasterDataNames, HostileTableOrColumnNameRunsNothing) {
    using namespace batest;
    struct Case {
        QString table;
        QString column;
    };
    const Case cases[] = {
        {"Versandtexte; delete from Versandtexte", "Versandart"},
        {"Versandtexte", "Versandart from Versandtexte; delete from Versandtexte --"},
        {"Versandtexte where 1=0 union select 'x', 'y' --", "Versandart"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.table.toStdString() + " / " + c.column.toStdString());
        SqliteDb db;
        db.exec("create table Versandtexte (Versandart text, Kurztext text)");
        db.exec("insert into Versandtexte values ('POST', 'Post')");
        auto recorder = std::make_shared<RecordingConnection>(db.connection());
        auto messages = std::make_shared<RecordingMessages>();
        auto dialogs = std::make_shared<ScriptedDialogRunner>();
        belegadressen::QtMasterDataCombo combo(belegadressen::MasterDataCombo::Kind::Edit);
        combo.setServices(messages, dialogs);
        combo.setTableName(c.table);
        combo.setConnection(recorder);
        combo.AddColumn(c.column, QStringLiteral("Versandart"));
        combo.AddColumn(QStringLiteral("Kurztext"), QStringLiteral("Kurztext"));

        combo.showList();
        dialogs->script = [](QDialog& dialog) {
            dialog.findChild<QPushButton*>(QStringLiteral("btnNeu"))->click();
            auto* table = dialog.findChild<QTableWidget*>(QStringLiteral("tblDaten"));
            table->item(table->rowCount() - 1, 0)->setText(QStringLiteral("DHL"));
            return int(QDialog::Accepted);
        };
        combo.openEditDialog();

        EXPECT_EQ(recorder->statements, QStringList());
        ASSERT_FALSE(messages->messages.isEmpty());
        EXPECT_TRUE(messages->messages.first().contains(QStringLiteral("kein gültiger")))
            << messages->messages.first().toStdString();
        EXPECT_EQ(db.rows("select * from Versandtexte"), QStringList{"POST|Post"});
    }
}

} // namespace
