// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
// A real control on a real database of either engine, the host faked, messages,
// dialogs and events recorded in order.
#include "control/BelegAdressen.h"
#include "support/FakeHost.h"
#include "support/RecordingConnection.h"
#include "support/RecordingServices.h"
#include "support/TestDatabase.h"
#include <QLineEdit>
#include <QStringList>
#include <memory>
#include <ostream>

// Readable failure output for texts.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace batest {

class ControlHarness {
public:
    // A shown control with `addresses` addresses, address 1 current with two
    // pages, the others one page, home currency EUR and the sample rows, on a
    // database of its own.
    explicit ControlHarness(Engine engine, int addresses = 3);
    // The same on a PostgreSQL database of its own, used through a pooler.
    ControlHarness(const QString& poolerConnInfo, int addresses);
    // The same on SQLite, or on `engine`, for suites that run on one engine.
    explicit ControlHarness(int addresses = 3, Engine engine = Engine::SQLite)
        : ControlHarness(engine, addresses) {}
    // Another clerk: a control of its own on the database of `colleague`,
    // through a session of its own.
    explicit ControlHarness(ControlHarness& colleague, int addresses = 3);
    ~ControlHarness();

    belegadressen::BelegAdressen& control() { return *mControl; }
    RecordingConnection& sql() { return *mSql; }
    // The host object the control was handed, for handing it back.
    std::shared_ptr<FakeHost> host() const { return std::make_shared<FakeHost>(mSql); }
    RecordingServices& services() { return *mRec; }
    TestDatabase& database() { return mShared ? *mShared : *mDb; }
    // This clerk's own session (null for the first clerk, who uses the database's).
    OtherSession* session() { return mSession.get(); }

    // Replaces the control's services; messages and dialogs stay recorded.
    void setServices(belegadressen::Services services);

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
    explicit ControlHarness(std::unique_ptr<TestDatabase> db, int addresses);
    void setUp(int addresses);
    std::unique_ptr<TestDatabase> mDb;
    TestDatabase* mShared = nullptr;
    std::unique_ptr<OtherSession> mSession;
    std::shared_ptr<RecordingConnection> mSql;
    std::shared_ptr<RecordingServices> mRec;
    QStringList mEvents;
    std::unique_ptr<belegadressen::BelegAdressen> mControl;
};

} // namespace batest
