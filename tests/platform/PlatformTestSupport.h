#pragma once
#include "contracts/DialogRunner.h"
#include "contracts/MessageService.h"
#include "platform/SqlConnection.h"
#include <QDialog>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <QUuid>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace platformtest {

// A private in-memory SQLite database, removed with the object.
class SqliteDb {
public:
    SqliteDb() : mName(QUuid::createUuid().toString()) {
        auto db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), mName);
        db.setDatabaseName(QStringLiteral(":memory:"));
        EXPECT_TRUE(db.open()) << db.lastError().text().toStdString();
        mConnection = std::make_shared<belegadressen::SqlConnection>(db);
    }
    ~SqliteDb() {
        mConnection.reset();
        QSqlDatabase::database(mName, false).close();
        QSqlDatabase::removeDatabase(mName);
    }
    void exec(const QString& sql) {
        QSqlQuery q(QSqlDatabase::database(mName, false));
        ASSERT_TRUE(q.exec(sql)) << sql.toStdString() << ": " << q.lastError().text().toStdString();
    }
    // The rows of a select, columns joined by '|', rows in order.
    QStringList rows(const QString& sql) {
        QSqlQuery q(QSqlDatabase::database(mName, false));
        EXPECT_TRUE(q.exec(sql)) << sql.toStdString();
        QStringList out;
        while (q.next()) {
            QStringList cells;
            for (int i = 0; i < q.record().count(); ++i)
                cells << q.value(i).toString();
            out << cells.join(QLatin1Char('|'));
        }
        return out;
    }
    std::shared_ptr<belegadressen::Connection> connection() const { return mConnection; }

private:
    QString mName;
    std::shared_ptr<belegadressen::SqlConnection> mConnection;
};

// Passes statements on and keeps them.
class RecordingConnection : public belegadressen::Connection {
public:
    explicit RecordingConnection(std::shared_ptr<belegadressen::Connection> inner)
        : mInner(std::move(inner)) {}
    std::shared_ptr<belegadressen::Recordset> Execute(const QString& sql) override {
        statements << sql;
        return mInner->Execute(sql);
    }
    QStringList statements;

private:
    std::shared_ptr<belegadressen::Connection> mInner;
};

// Answers dialogs by a script instead of showing them.
class ScriptedDialogRunner : public belegadressen::DialogRunner {
public:
    int exec(QDialog& dialog) override {
        shown << dialog.windowTitle();
        return script ? script(dialog) : QDialog::Rejected;
    }
    void information(const QString& title, const QString& text) override {
        informations << title + QStringLiteral(": ") + text;
    }
    std::function<int(QDialog&)> script;
    QStringList shown;
    QStringList informations;
};

class RecordingMessages : public belegadressen::MessageService {
public:
    void Meldung(const QVariant& textOrNumber, qint16, const QString& title, qint32) override {
        meldungen << title + QStringLiteral(": ") + textOrNumber.toString();
    }
    void Fehlermeldung(const QString& module, const QString& procedure, qint32 number,
                       const QString& text, bool) override {
        fehler << QStringLiteral("%1/%2/%3: %4").arg(module, procedure).arg(number).arg(text);
    }
    QStringList meldungen;
    QStringList fehler;
};

} // namespace platformtest
