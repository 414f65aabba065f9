#pragma once
// A real control on a real SQLite database, with the host application faked
// and the messages, dialogs and events recorded in the order they arrive.
#include "control/BelegAdressen.h"
#include "support/TestDatabase.h"
#include <QLineEdit>
#include <QStringList>
#include <memory>
#include <ostream>

// Readable failure output for texts.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace batest {

// Passes statements on, keeps them, and fails them on request.
class RecordingConnection : public belegadressen::Connection {
public:
    explicit RecordingConnection(std::shared_ptr<belegadressen::Connection> inner)
        : mInner(std::move(inner)) {}
    std::shared_ptr<belegadressen::Recordset> Execute(const QString& sql) override;
    QStringList statements;
    // Statements containing this text fail like a lost connection.
    QString failWhenContains;

private:
    std::shared_ptr<belegadressen::Connection> mInner;
};

class FakeHost : public belegadressen::HostApplication {
public:
    explicit FakeHost(std::shared_ptr<belegadressen::Connection> c) : mConnection(std::move(c)) {}
    std::shared_ptr<belegadressen::Connection> ConnectionDB() override { return mConnection; }
    QObject* ComboServer() override { return nullptr; }
    QWidget* MainForm() override { return nullptr; }
    QString User() override { return QStringLiteral("test"); }
    bool PruefeNeueDialoge(const QString&) override { return false; }
    QString ConnectStringDB() override { return QStringLiteral("test.sqlite"); }

private:
    std::shared_ptr<belegadressen::Connection> mConnection;
};

struct Recorder;

class ControlHarness {
public:
    // A shown control with `addresses` addresses, address 1 current with two
    // pages, the others one page, home currency EUR and the sample rows.
    explicit ControlHarness(int addresses = 3, Engine engine = Engine::SQLite);
    ~ControlHarness();

    belegadressen::BelegAdressen& control() { return *mControl; }
    RecordingConnection& sql() { return *mSql; }
    TestDatabase& database() { return *mDb; }

    // Child controls by their names.
    QLineEdit* edit(const QString& name) const;
    QWidget* widget(const QString& name) const;

    // The user types `text` into the number field and leaves it.
    void typeNumber(const QString& text);
    // Moves the keyboard focus to a field of the control.
    void focus(const QString& name);

    // Events, messages and information boxes as they arrived ("Name(args)",
    // "title: text"); take*() answers them and starts a new record.
    QStringList events() const;
    QStringList messages() const;
    QStringList informations() const;
    QStringList takeEvents();
    void clearRecords();

private:
    std::unique_ptr<TestDatabase> mDb;
    std::shared_ptr<RecordingConnection> mSql;
    std::unique_ptr<Recorder> mRec;
    std::unique_ptr<belegadressen::BelegAdressen> mControl;
};

} // namespace batest
