// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "contracts/DialogRunner.h"
#include "contracts/HostApplication.h"
#include "contracts/MessageService.h"
#include "control/BelegAdressen.h"
#include <QDialog>
#include <QObject>
#include <QString>
#include <QVariant>
#include <memory>

// The host application the benchmarks hand to the control: the connection
// under measurement and nothing that could wait for a user.
class BenchHost final : public belegadressen::HostApplication {
public:
    explicit BenchHost(std::shared_ptr<belegadressen::Connection> connection,
                       QString connectString = QStringLiteral("Driver=SQLite"))
        : mConnection(std::move(connection)), mConnectString(std::move(connectString)) {}
    std::shared_ptr<belegadressen::Connection> ConnectionDB() override { return mConnection; }
    QObject* ComboServer() override { return &mServer; }
    QWidget* MainForm() override { return nullptr; }
    QString User() override { return QStringLiteral("bench"); }
    bool PruefeNeueDialoge(const QString&) override { return false; }
    QString ConnectStringDB() override { return mConnectString; }

private:
    std::shared_ptr<belegadressen::Connection> mConnection;
    QString mConnectString;
    QObject mServer;
};

// Messages of the control during a benchmark, counted, the last one kept;
// nothing modal may wait for a click.
class QuietMessages final : public belegadressen::MessageService {
public:
    void Meldung(const QVariant& text, qint16, const QString&, qint32) override {
        ++count;
        last = text.toString();
    }
    void Fehlermeldung(const QString&, const QString& procedure, qint32, const QString& text,
                       bool) override {
        ++count;
        last = procedure + QStringLiteral(": ") + text;
    }
    int count = 0;
    QString last;
};

// Every dialog answered at once with Cancel.
class NoDialogs final : public belegadressen::DialogRunner {
public:
    int exec(QDialog&) override { return QDialog::Rejected; }
    void information(const QString&, const QString&) override {}
};

// The document every benchmark measures, once its host object is set: a
// document of type `belegart` in euros with three addresses, the first of two
// pages and shown, the write-back switched on.
inline void setUpBenchDocument(belegadressen::BelegAdressen& c, qint16 belegart = 50) {
    c.AddLandeswaehrung(QStringLiteral("EUR"));
    c.AddBelegart(belegart);
    c.AddStandarddauer(100);
    c.setMitKundenaktualisierung(true);
    c.setAnzAdresse(3);
    c.SetzeAnzSeiten(3, 1);
    c.SetzeAnzSeiten(2, 1);
    c.SetzeAnzSeiten(1, 2);
    c.setAktAdresse(1);
}
