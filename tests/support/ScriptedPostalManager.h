// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "contracts/PostalCodeManager.h"
#include <QStringList>

namespace batest {

// The closed postal-code component: scripted answers, calls kept in order.
struct ScriptedManager : belegadressen::PostalCodeManager {
    void Init(std::shared_ptr<belegadressen::HostApplication>, const QString&,
              std::shared_ptr<belegadressen::Connection>, bool districts) override {
        calls << QStringLiteral("Init(%1)").arg(districts);
    }
    void Suche_Plz(const QString& p, const QString& o, const QString& s, bool mit) override {
        calls << QStringLiteral("Suche_Plz(%1,%2,%3,%4%5)")
                     .arg(p, o, s)
                     .arg(mit ? "true" : "false", suppressed ? ",still" : "");
    }
    QString Suche_Ort(const QString& p) override {
        calls << "Suche_Ort(" + p + ")";
        return ortByPlz;
    }
    bool Geprueft() const override { return geprueft; }
    QString Plz() const override { return plz; }
    QString Ort() const override { return ort; }
    QString Strasse() const override { return strasse; }
    QString Hausnummer() const override { return hausnummer; }
    void setOkMeldungUnterdrucken(bool s) override { suppressed = s; }

    bool geprueft = true, suppressed = false;
    QString plz, ort, strasse, hausnummer, ortByPlz;
    QStringList calls;
};

} // namespace batest
