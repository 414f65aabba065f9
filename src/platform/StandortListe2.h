// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "contracts/SiteList.h"
#include "platform/EventHook.h"
#include <QStringList>
#include <QVariantList>
#include <map>
#include <utility>

class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace belegadressen {

// The customer's sites with the equipment installed at each, as a tree under
// a search line. Built for the keyboard: typing filters (site number, names,
// street, place, equipment), the arrow keys move through the visible rows,
// Enter takes the current row over. Reads through the host's connection.
class StandortListe2 : public SiteList {
    Q_OBJECT
public:
    explicit StandortListe2(QWidget* parent = nullptr);

    void setConnectString(const QString& text) override { mConnectString = text; }
    void setKundennummer(const QString& number) override { mKundennummer = number; }
    void setAppObj(std::shared_ptr<HostApplication> app) override { mApp = std::move(app); }
    void setBilderAnzeigen(bool show) override { mBilder = show; }
    void Laden() override;
    std::shared_ptr<Recordset> GewaehlteAnlage() const override;
    std::shared_ptr<Recordset> GewaehlterStandort() const override;

    // The site and equipment numbers of the current row (equipment 0 on a
    // site row); false when no row is current.
    bool aktuelleAuswahl(qint32& standort, qint32& anlage) const;
    // Shows only the rows matching every word of `text`.
    void filtern(const QString& text);
    // Takes the current row over: remembers it and raises Uebernommen.
    bool uebernehmen();

    QLineEdit* suchfeld() const { return mSuche; }
    QTreeWidget* baum() const { return mBaum; }

private:
    bool auswahlTaste(QObject* watched, QEvent* event);
    void ersteSichtbareWaehlen();

    QString mConnectString;
    QString mKundennummer;
    std::shared_ptr<HostApplication> mApp;
    bool mBilder = false;
    QLineEdit* mSuche;
    QTreeWidget* mBaum;
    // The row taken over last: site and equipment (0 for none), -1 for none.
    qint32 mGewaehlterStandort = -1;
    qint32 mGewaehlteAnlage = 0;
    // The rows Laden read, so that the rows taken over need no second round
    // trip to the server: by site, and by site and equipment.
    struct Zeile {
        QStringList columns;
        QVariantList cells;
    };
    std::map<qint64, Zeile> mStandortZeilen;
    std::map<std::pair<qint64, qint64>, Zeile> mAnlageZeilen;
    EventHook mTasten{
        [this](QObject* watched, QEvent* event) { return auswahlTaste(watched, event); }};
};

} // namespace belegadressen
