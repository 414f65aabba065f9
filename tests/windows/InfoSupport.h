#pragma once
// Scripted host services for the side windows: modal windows run a script; the rest is recorded.
#include "support/ControlHarness.h"
#include <QDialog>
#include <QStringList>
#include <deque>
#include <functional>

namespace batest {

class ScriptedHost : public RecordingMessages,
                     public belegadressen::DialogRunner,
                     public belegadressen::WindowPositionService,
                     public belegadressen::SiteInformationDialog {
public:
    using Script = std::function<int(QDialog&)>;

    // The next modal showing is shown, activated and handed to `script`.
    void then(Script script) { mScripts.push_back(std::move(script)); }

    int exec(QDialog& dialog) override;
    void information(const QString& title, const QString& text) override {
        messages << title + ": " + text;
    }
    void Restore(const QString& key, QWidget& w) override {
        positions << "Restore " + key + " " + w.objectName();
    }
    void Save(const QString& key, const QWidget& w) override {
        positions << "Save " + key + " " + w.objectName();
    }
    void setKundennummer(const QString&) override {}
    void showStandortAuskunft() override {}
    bool statusUebernehmen() const override { return false; }
    qint32 Standortnummer() const override { return 0; }
    qint32 Anlagenummer() const override { return 0; }
    void dispose() override {}
    void ShowAuskunftKommunikationsdaten(qint16 mode, const QString& number, bool a,
                                         bool b) override {
        shown << QStringLiteral("Kommunikationsdaten(%1,%2,%3,%4)")
                     .arg(mode)
                     .arg(number)
                     .arg(a)
                     .arg(b);
    }

    // Modal windows by object name, and the communication dialog's calls.
    QStringList shown;
    QStringList positions;

private:
    std::deque<Script> mScripts;
};

// The control of ControlHarness with the scripted host's services, the events
// of the side windows recorded, and customers with info texts and remarks.
class SideWindows {
public:
    SideWindows();
    ControlHarness h;
    std::shared_ptr<ScriptedHost> host = std::make_shared<ScriptedHost>();
    QStringList events; // btnInfoClick, StammBlatt, btnUebernehme
    // The customers' remark column as stored.
    QString remarkOf(const QString& nummer, const QString& column = "InterneBemerkung");
    // Statements that write.
    QStringList updates();
};

// A remark written by a word processor, from the test samples.
QString rtfSample(const QString& name);
QString rtfSampleText(const QString& name);

} // namespace batest
