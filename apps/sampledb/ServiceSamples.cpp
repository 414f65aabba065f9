// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "ServiceSamples.h"
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <stdexcept>

namespace {

void run(QSqlQuery& q, const char* what) {
    if (!q.exec())
        throw std::runtime_error(std::string(what) + ": " + q.lastError().text().toStdString());
}

struct Site {
    int nr;
    QString bez1, strasse, plz, ort, monteur, kontakt, telefon;
    QStringList anlagen;
};

} // namespace

ServiceSampleCounts writeServiceSamples(QSqlDatabase db) {
    ServiceSampleCounts counts;
    QSqlQuery kunde(db), standort(db), anlage(db);
    kunde.prepare(QStringLiteral(
        "INSERT INTO Kundenstamm (Kundennummer, Anrede, Bez1, Bez2, Straße, PLZ, Ort, Land, "
        "MwSt_KZ, Währung, KzDivers, Liefersperre, Telefon, Telefax, Telefon2, EMail, Hompage, "
        "HauptKonto) VALUES (?,?,?,?,?,?,?,'D','1','EUR',0,0,?,?,?,?,?,?)"));
    standort.prepare(QStringLiteral(
        "INSERT INTO Standorte (Kundennummer, Standortnummer, StandortKdnr, VertragsNummer, "
        "MonteurNummer, StandortAnrede, StandortBez1, StandortBez2, StandortOrt, StandortLand, "
        "StandortStraße, StandortPlz, Ansprechpartner, AnsprechpartnerTelefon, "
        "AnsprechpartnerMobil, AnsprechpartnerFax, ErloesKontoKennung, StandortKundenInfo) "
        "VALUES (?,?,?,?,?,'Firma',?,?,?,'D',?,?,?,?,?,NULL,'8400',?)"));
    anlage.prepare(QStringLiteral(
        "INSERT INTO Anlagenstamm (Kundennummer, Standortnummer, Anlagenummer, Bezeichnung, "
        "LetzteWartung, VertragsNummer, ErloesKontoKennung, FormularST, FormularWA) VALUES "
        "(?,?,?,?,?,?,'8400','ST_Allgemein','WA_Allgemein')"));

    const struct {
        const char* nr;
        const char* bez1;
        const char* bez2;
        const char* strasse;
        const char* plz;
        const char* ort;
    } customers[] = {
        {"S-0001", "Hausverwaltung Ohnesorg", "ohne Standort", "Lindenallee 4", "10115", "Berlin"},
        {"S-0002", "Bäckerei Einfeld", "ein Standort ohne Anlage", "Mühlweg 2", "89073", "Ulm"},
        {"S-0003", "Praxis Dr. Kessler", "ein Standort, eine Anlage", "Am Kurpark 7", "65183",
         "Wiesbaden"},
        {"S-0004", "Stadtwerke Seefeld", "mehrere Standorte", "Rathausplatz 1", "82229", "Seefeld"},
        {"S-0005", "Drogeriekette Vielfach", "500 Filialen", "Zentrale 1", "76131", "Karlsruhe"},
    };
    for (const auto& c : customers) {
        const QString nr = QString::fromUtf8(c.nr);
        for (const QVariant& v :
             {QVariant(nr), QVariant(QStringLiteral("Firma")), QVariant(QString::fromUtf8(c.bez1)),
              QVariant(QString::fromUtf8(c.bez2)), QVariant(QString::fromUtf8(c.strasse)),
              QVariant(QString::fromUtf8(c.plz)), QVariant(QString::fromUtf8(c.ort)),
              QVariant(QStringLiteral("0800 100200")), QVariant(QStringLiteral("0800 100201")),
              QVariant(QStringLiteral("0170 1002003")),
              QVariant(QStringLiteral("service@beispiel.de")),
              QVariant(QStringLiteral("www.beispiel.de")), QVariant(nr)})
            kunde.addBindValue(v);
        run(kunde, "Kundenstamm");
    }

    auto writeSite = [&](const QString& kunde, const Site& s) {
        for (const QVariant& v :
             {QVariant(kunde), QVariant(s.nr), QVariant(kunde),
              QVariant(QStringLiteral("WV-%1-%2").arg(kunde).arg(s.nr)), QVariant(s.monteur),
              QVariant(s.bez1), QVariant(QStringLiteral("Objekt %1").arg(s.nr)), QVariant(s.ort),
              QVariant(s.strasse), QVariant(s.plz), QVariant(s.kontakt), QVariant(s.telefon),
              QVariant(QStringLiteral("0171 55%1").arg(s.nr, 5, 10, QLatin1Char('0'))),
              QVariant(s.nr == 1 ? QStringLiteral("Zugang über den Hof") : QString())})
            standort.addBindValue(v);
        run(standort, "Standorte");
        ++counts.sites;
        int a = 0;
        for (const QString& what : s.anlagen) {
            ++a;
            for (const QVariant& v :
                 {QVariant(kunde), QVariant(s.nr), QVariant(a), QVariant(what),
                  QVariant(QStringLiteral("2025-%1-15")
                               .arg(1 + (s.nr + a) % 12, 2, 10, QLatin1Char('0'))),
                  QVariant(QStringLiteral("WV-%1-%2").arg(kunde).arg(s.nr))})
                anlage.addBindValue(v);
            run(anlage, "Anlagenstamm");
            ++counts.equipment;
        }
    };

    writeSite("S-0002",
              {1, "Backstube", "Mühlweg 2", "89073", "Ulm", "009", "Herr Korn", "0731 202020", {}});
    writeSite("S-0003", {1,
                         "Praxisräume",
                         "Am Kurpark 7",
                         "65183",
                         "Wiesbaden",
                         "010",
                         "Frau Dr. Kessler",
                         "0611 303030",
                         {"Gas-Brennwertkessel 24 kW"}});
    writeSite("S-0004", {1,
                         "Wasserwerk",
                         "Seestraße 10",
                         "82229",
                         "Seefeld",
                         "011",
                         "Herr Brunn",
                         "08152 1",
                         {"Druckerhöhungsanlage", "Notstromaggregat"}});
    writeSite("S-0004", {2,
                         "Freibad",
                         "Badeweg 3",
                         "82229",
                         "Seefeld",
                         "012",
                         "Frau Wellen",
                         "08152 2",
                         {"Filteranlage"}});
    writeSite(
        "S-0004",
        {3, "Bauhof", "Gewerbering 8", "82229", "Seefeld", "011", "Herr Kran", "08152 3", {}});
    const char* const cities[][2] = {
        {"70173", "Stuttgart"}, {"80331", "München"},  {"50667", "Köln"},   {"20095", "Hamburg"},
        {"04109", "Leipzig"},   {"90402", "Nürnberg"}, {"28195", "Bremen"}, {"01067", "Dresden"}};
    const char* const things[] = {"Rolltor", "Klimagerät", "Brandmeldeanlage", "Kühlregal"};
    for (int i = 1; i <= 500; ++i) {
        const auto& city = cities[i % 8];
        QStringList equipment;
        for (int a = 0; a < i % 3; ++a)
            equipment << QString::fromUtf8(things[(i + a) % 4]);
        writeSite("S-0005",
                  {i, QStringLiteral("Filiale %1").arg(i), QStringLiteral("Marktstraße %1").arg(i),
                   QString::fromUtf8(city[0]), QString::fromUtf8(city[1]),
                   QStringLiteral("0%1").arg(9 + i % 6, 2, 10, QLatin1Char('0')),
                   QStringLiteral("Filialleitung %1").arg(i), QStringLiteral("0800 5%1").arg(i),
                   equipment});
    }
    return counts;
}
