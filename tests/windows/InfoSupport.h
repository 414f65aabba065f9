// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
// Scripted host services for the side windows: modal windows run a script; the rest is recorded.
#include "support/ControlHarness.h"
#include "support/EventRecord.h"
#include <QAbstractButton>
#include <QDialog>
#include <QFile>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>
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
    // Drops the scripts no window took.
    void clearScripts() { mScripts.clear(); }

    int exec(QDialog& dialog) override {
        shown << dialog.objectName();
        if (mScripts.empty()) return QDialog::Rejected;
        Script script = std::move(mScripts.front());
        mScripts.pop_front();
        dialog.show();
        dialog.activateWindow();
        (void)QTest::qWaitForWindowActive(&dialog);
        const int result = script(dialog);
        dialog.hide();
        return result;
    }
    void information(const QString& title, const QString& text) override {
        messages << title + ": " + text;
    }
    void Restore(const QString& key, QWidget& w) override {
        positions << "Restore " + key + " " + w.objectName();
    }
    void Save(const QString& key, const QWidget& w) override {
        positions << "Save " + key + " " + w.objectName();
    }
    // As the host's site dialog: a `site` other than 0 is taken over.
    void setKundennummer(const QString& n) override { kunde = n; }
    void showStandortAuskunft() override {}
    bool statusUebernehmen() const override { return site != 0; }
    qint32 Standortnummer() const override { return site; }
    qint32 Anlagenummer() const override { return equipment; }
    void dispose() override {}
    void ShowAuskunftKommunikationsdaten(qint16 mode, const QString& number, bool a,
                                         bool b) override {
        shown << callText("Kommunikationsdaten", mode, number, a, b);
    }

    // Modal windows by object name, and the communication dialog's calls.
    QStringList shown, positions;
    QString kunde;
    qint32 site = 0, equipment = 0;

private:
    std::deque<Script> mScripts;
};

// Services all answered by `host`; with `siteDialog` it also acts as the host's site dialog.
inline belegadressen::Services scripted(const std::shared_ptr<ScriptedHost>& host,
                                        bool siteDialog = true) {
    belegadressen::Services s;
    s.messages = host;
    s.dialogs = host;
    s.windowPositions = host;
    if (siteDialog)
        s.siteInformationDialog = [h = host.get()] {
            return std::shared_ptr<belegadressen::SiteInformationDialog>(h, [](auto*) {});
        };
    return s;
}

// A remark written by a word processor, and its text (without the file's last newline).
inline QString rtfSample(const QString& name, const char* suffix = ".rtf") {
    QFile f(QStringLiteral(BA_RTF_SAMPLES) + "/" + name + suffix);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}
inline QString rtfSampleText(const QString& name) {
    const QString text = rtfSample(name, ".txt");
    return text.endsWith('\n') ? text.chopped(1) : text;
}

inline const QString kNoNumber = "QelBelAdr[4]: Es ist keine Adressnummer vorhanden.";

// The control with the scripted host, side-window events recorded, customers with remarks.
class SideWindows {
public:
    explicit SideWindows(Engine engine = Engine::SQLite) : h(3, engine) {
        QSqlQuery q(h.database().db());
        q.prepare("INSERT INTO Kundenstamm (Kundennummer, Bez1, Währung, Kundeninfo, "
                  "InterneBemerkung) VALUES (?, ?, 'EUR', ?, ?)");
        const QVariant none(QMetaType::fromType<QString>());
        const QList<QVariantList> rows = {
            {"20001", "Formatierte Notiz", "Stammkunde seit 1998.", rtfSample("formatiert")},
            {"20002", "Nur Formatierung", none, rtfSample("leer")},
            {"20003", "Schlichte Notiz", "Info", "  Nur Barzahlung  "},
            {"20004", "Ohne Notiz", none, none},
        };
        for (const QVariantList& row : rows) {
            for (int k = 0; k < row.size(); ++k)
                q.bindValue(k, row[k]);
            if (!q.exec()) ADD_FAILURE() << q.lastError().text().toStdString();
        }
        using B = belegadressen::BelegAdressen;
        B& w = h.control();
        w.setServices(scripted(host));
        record(w, {"btnInfoClick", "StammBlatt", "btnUebernehme"}, events);
        h.clearRecords();
    }
    ControlHarness h;
    std::shared_ptr<ScriptedHost> host = std::make_shared<ScriptedHost>();
    QStringList events; // btnInfoClick, StammBlatt, btnUebernehme
    // The customers' remark column as stored.
    QString remarkOf(const QString& nummer, const QString& column = "InterneBemerkung") {
        QSqlQuery q(h.database().db());
        q.prepare("SELECT " + column + " FROM Kundenstamm WHERE Kundennummer = ?");
        q.bindValue(0, nummer);
        return q.exec() && q.next() ? q.value(0).toString() : QStringLiteral("<keine Zeile>");
    }
    // Statements that write.
    QStringList updates() {
        return h.sql().statements.filter(
            QRegularExpression("^update", QRegularExpression::CaseInsensitiveOption));
    }
    void click(const QString& button) { qobject_cast<QAbstractButton*>(h.widget(button))->click(); }
};

} // namespace batest
