#pragma once
// A service order on the real control: sites seeded, modal windows scripted, events recorded.
#include "support/ControlHarness.h"
#include <QDialog>
#include <deque>
#include <functional>

namespace batest {

// Answers each modal showing with the next script step (none: cancelled); records window names.
class ScriptedDialogs : public belegadressen::DialogRunner, public RecordingMessages {
public:
    using Step = std::function<int(QDialog&)>;
    int exec(QDialog& dialog) override;
    void information(const QString& title, const QString& text) override {
        messages << title + ": " + text;
    }

    std::deque<Step> script;
    QStringList shown; // objectNames of the windows shown
};

class ServiceHost : public belegadressen::HostApplication {
public:
    explicit ServiceHost(std::shared_ptr<belegadressen::Connection> c)
        : mConnection(std::move(c)) {}
    std::shared_ptr<belegadressen::Connection> ConnectionDB() override { return mConnection; }
    QObject* ComboServer() override { return nullptr; }
    QWidget* MainForm() override { return nullptr; }
    QString User() override { return QStringLiteral("test"); }
    bool PruefeNeueDialoge(const QString& name) override {
        asked << name;
        return newDialog;
    }
    QString ConnectStringDB() override { return QStringLiteral("service.sqlite"); }
    bool newDialog = false;
    QStringList asked;

private:
    std::shared_ptr<belegadressen::Connection> mConnection;
};

class ServiceOrder {
public:
    // A control for document kind `belegart` with the service panel on.
    explicit ServiceOrder(qint16 belegart = 110);

    belegadressen::BelegAdressen& control() { return harness.control(); }

    // Takes a row over in the shown site list as a user does: types the
    // filter into its search line, moves down, presses Enter.
    // `downs` arrow presses after the filter (0 keeps the first matching site).
    static ScriptedDialogs::Step chooseByKeyboard(const QString& filter, int downs = 1);

    ControlHarness harness;
    std::shared_ptr<ScriptedDialogs> dialogs = std::make_shared<ScriptedDialogs>();
    std::shared_ptr<RecordingConnection> sql;
    std::shared_ptr<ServiceHost> host;
    std::function<std::shared_ptr<belegadressen::SiteInformationDialog>()> siteDialogFactory;
    QStringList events;
    void useServices();
};

} // namespace batest
