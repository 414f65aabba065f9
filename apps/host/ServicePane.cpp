// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "ServicePane.h"
#include "DocumentWindow.h"
#include "control/BelegAdressen.h"
#include "platform/GuardedConnect.h"
#include "platform/SqlText.h"
#include <QDialog>
#include <QDialogButtonBox>
#include <QDockWidget>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSqlQuery>
#include <QTime>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <map>

using belegadressen::connectGuarded;

using belegadressen::BelegAdressen;

namespace {

QString hours(qint16 hundredths) {
    return QLocale(QLocale::German).toString(hundredths / 100.0, 'f', 2) + QStringLiteral(" h");
}

// A list to choose one row from, shown through the host's dialog runner.
struct ChoiceDialog : QDialog {
    ChoiceDialog(QWidget* parent, const QString& title, const QStringList& headers)
        : QDialog(parent) {
        setWindowTitle(title);
        auto* layout = new QVBoxLayout(this);
        list = new QTreeWidget(this);
        list->setObjectName(QStringLiteral("lstAuswahl"));
        list->setHeaderLabels(headers);
        list->setRootIsDecorated(false);
        layout->addWidget(list, 1);
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
        layout->addWidget(buttons);
        connectGuarded(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connectGuarded(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
        connectGuarded(list, &QTreeWidget::itemActivated, this, &QDialog::accept);
        resize(520, 360);
    }
    QTreeWidget* list;
};

} // namespace

void addServicePane(DocumentWindow& window) {
    auto* dock = new QDockWidget(QStringLiteral("Terminplanung"), &window);
    dock->setObjectName(QStringLiteral("dockTermine"));
    dock->setWidget(new ServicePane(window));
    window.addDockWidget(Qt::RightDockWidgetArea, dock);
}

ServicePane::ServicePane(DocumentWindow& window) : QWidget(&window), mWindow(window) {
    setObjectName(QStringLiteral("paneTermine"));
    auto* layout = new QVBoxLayout(this);
    mTree = new QTreeWidget(this);
    mTree->setObjectName(QStringLiteral("tvwTermine"));
    mTree->setHeaderLabels({QStringLiteral("Monteur / Tag / Uhrzeit"), QStringLiteral("Dauer"),
                            QStringLiteral("Betreff"), QStringLiteral("Ansprechpartner")});
    mTree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    mSummary = new QLabel(this);
    layout->addWidget(mTree, 1);
    layout->addWidget(mSummary);
    setMinimumWidth(440);

    BelegAdressen& c = window.control();
    connectGuarded(&c, &BelegAdressen::TerminEintragen, this,
                   [this](const QString& m, const QString& t, const QString& u, qint16 d,
                          const QString& a, const QString& tel, const QString&, const QString& b,
                          qint32) { eintragen(m, t, u, d, a, tel, b); });
    connectGuarded(&c, &BelegAdressen::TerminAssistent, this,
                   [this](const QString& m, const QString& t, const QString&, qint16 d) {
                       assistent(m, t, d);
                   });
    connectGuarded(&c, &BelegAdressen::LoescheWarttermin, this, [this](bool m) { loeschen(m); });
    // The choosers answer once the control has finished its click; what the
    // control refuses is shown, as for every call of the host.
    connectGuarded(
        &c, &BelegAdressen::btnMonteurClick, this,
        [this] {
            mWindow.attempt(QStringLiteral("Monteur wählen"), [this] { chooseTechnician(); });
        },
        Qt::QueuedConnection);
    connectGuarded(
        &c, &BelegAdressen::btnAnsprechpartner, this,
        [this](const QString& kdnr, bool fuerWart) {
            mWindow.attempt(QStringLiteral("Ansprechpartner wählen"),
                            [&] { chooseContact(kdnr, fuerWart); });
        },
        Qt::QueuedConnection);
    refresh();
}

void ServicePane::eintragen(const QString& monteur, const QString& termin, const QString& uhrzeit,
                            qint16 dauer, const QString& ansprechpartner, const QString& telefon,
                            const QString& betreff) {
    const QDate tag = QDate::fromString(termin, QStringLiteral("dd.MM.yyyy"));
    if (monteur.trimmed().isEmpty() || !tag.isValid()) {
        mWindow.dialogs().information(
            QStringLiteral("Terminplanung"),
            QStringLiteral("Für einen Termin fehlen Monteur oder Datum."));
        return;
    }
    // One appointment per order: booking again moves it.
    const QString key = orderKey();
    mBookings.erase(std::remove_if(mBookings.begin(), mBookings.end(),
                                   [&](const Booking& b) { return b.key == key; }),
                    mBookings.end());
    mBookings.append(
        {monteur.trimmed(), tag, uhrzeit, dauer, ansprechpartner, telefon, betreff, key});
    mWindow.log(QStringLiteral("[Termin] %1 am %2 %3, %4 eingetragen")
                    .arg(monteur, termin, uhrzeit, hours(dauer)));
    refresh();
}

QPair<QDate, QString> ServicePane::freeSlot(const QString& monteur, QDate from,
                                            qint16 dauer) const {
    const int need = std::max(1, (dauer + 99) / 100);
    for (QDate day = from; day < from.addDays(60); day = day.addDays(1)) {
        if (day.dayOfWeek() > 5) continue;
        bool busy[24] = {};
        for (const Booking& b : mBookings) {
            if (b.monteur != monteur || b.tag != day) continue;
            const int start = QTime::fromString(b.uhrzeit, QStringLiteral("hh:mm")).hour();
            for (int h = start; h < start + std::max(1, (b.dauer + 99) / 100) && h < 24; ++h)
                busy[h] = true;
        }
        for (int h = 8; h + need <= 16; ++h) {
            bool free = true;
            for (int k = h; k < h + need; ++k)
                free = free && !busy[k];
            if (free) return {day, QTime(h, 0).toString(QStringLiteral("hh:mm"))};
        }
    }
    return {};
}

void ServicePane::assistent(const QString& monteur, const QString& termin, qint16 dauer) {
    QDate from = QDate::fromString(termin, QStringLiteral("dd.MM.yyyy"));
    if (!from.isValid()) from = QDate::currentDate();
    const auto slot = freeSlot(monteur.trimmed(), from, dauer);
    if (!slot.first.isValid()) return;
    BelegAdressen& c = mWindow.control();
    if (c.AktAdresse() != 2) return;
    // The proposal is written back through the accessors.
    c.AddWartTermin(slot.first.toString(Qt::ISODate));
    c.AddWartUhrzeit(slot.second);
    mWindow.log(QStringLiteral("[Terminsuche] %1: frei am %2 um %3")
                    .arg(monteur, slot.first.toString(QStringLiteral("dd.MM.yyyy")), slot.second));
}

void ServicePane::loeschen(bool mitAbfrage) {
    const auto before = mBookings.size();
    const QString key = orderKey();
    mBookings.erase(std::remove_if(mBookings.begin(), mBookings.end(),
                                   [&](const Booking& b) { return b.key == key; }),
                    mBookings.end());
    mWindow.log(QStringLiteral("[Termin] gelöscht%1: %2")
                    .arg(mitAbfrage ? QStringLiteral(" (Datum geleert)") : QString())
                    .arg(before - mBookings.size()));
    refresh();
}

QString ServicePane::orderKey() {
    BelegAdressen& c = mWindow.control();
    // The appointment buttons sit on address 2, which carries the site.
    return QStringLiteral("%1/%2/%3/%4")
        .arg(mWindow.documentNumber())
        .arg(c.GetWartKundenummer())
        .arg(c.GetWartStandort())
        .arg(c.GetWartAnlagennummer());
}

void ServicePane::refresh() {
    mTree->clear();
    std::map<QString, std::map<QDate, QList<const Booking*>>> byTechnician;
    for (const Booking& b : mBookings)
        byTechnician[b.monteur][b.tag] << &b;
    for (const auto& [monteur, days] : byTechnician) {
        QString name = monteur;
        QSqlQuery q(mWindow.database());
        if (q.exec(
                QStringLiteral("SELECT Vorname, NachName FROM Personalstamm WHERE PersonalNr = ") +
                belegadressen::quoted(monteur)) &&
            q.next())
            name = QStringLiteral("%1 %2 %3")
                       .arg(monteur, q.value(0).toString(), q.value(1).toString());
        auto* top = new QTreeWidgetItem(mTree, {name});
        for (const auto& [day, list] : days) {
            qint32 sum = 0;
            for (const Booking* b : list)
                sum += b->dauer;
            auto* dayItem = new QTreeWidgetItem(
                top, {QLocale(QLocale::German).toString(day, QStringLiteral("ddd dd.MM.yyyy")),
                      hours(static_cast<qint16>(std::min<qint32>(sum, 32767)))});
            for (const Booking* b : list)
                new QTreeWidgetItem(dayItem,
                                    {b->uhrzeit.isEmpty() ? QStringLiteral("--:--") : b->uhrzeit,
                                     hours(b->dauer), b->betreff,
                                     b->ansprechpartner + QStringLiteral(" ") + b->telefon});
        }
    }
    mTree->expandAll();
    mSummary->setText(QStringLiteral("%1 Termine").arg(mBookings.size()));
}

void ServicePane::chooseTechnician() {
    ChoiceDialog dialog(&mWindow, QStringLiteral("Monteur wählen"),
                        {QStringLiteral("Nr."), QStringLiteral("Name"), QStringLiteral("Termine")});
    dialog.setObjectName(QStringLiteral("dlgMonteur"));
    QSqlQuery q(mWindow.database());
    q.exec(QStringLiteral("SELECT PersonalNr, Vorname, NachName FROM Personalstamm "
                          "ORDER BY PersonalNr"));
    while (q.next()) {
        const QString nr = q.value(0).toString();
        const auto count = std::count_if(mBookings.begin(), mBookings.end(),
                                         [&](const Booking& b) { return b.monteur == nr; });
        new QTreeWidgetItem(
            dialog.list, {nr, q.value(1).toString() + QStringLiteral(" ") + q.value(2).toString(),
                          QString::number(count)});
    }
    dialog.list->setCurrentItem(dialog.list->topLevelItem(0));
    if (mWindow.dialogs().exec(dialog) != QDialog::Accepted || !dialog.list->currentItem()) return;
    const QString nr = dialog.list->currentItem()->text(0);
    const qint32 taken = mWindow.control().fktDragPersonalNummer(nr);
    mWindow.log(
        QStringLiteral("[Monteur] %1 gewählt, fktDragPersonalNummer = %2").arg(nr).arg(taken));
}

void ServicePane::chooseContact(const QString& kdnr, bool fuerWart) {
    ChoiceDialog dialog(&mWindow, QStringLiteral("Ansprechpartner Kunde %1").arg(kdnr),
                        {QStringLiteral("Name"), QStringLiteral("Telefon"), QStringLiteral("Mobil"),
                         QStringLiteral("Telefax")});
    dialog.setObjectName(QStringLiteral("dlgAnsprechpartner"));
    // Plain statements with quoted values, not prepared ones: outside a
    // transaction a pooler may prepare and execute in different server sessions.
    QSqlQuery q(mWindow.database());
    q.exec(QStringLiteral("SELECT Ansprechpartner, AnsprechpartnerTelefon, "
                          "AnsprechpartnerMobil, AnsprechpartnerFax, Standortnummer FROM "
                          "Standorte WHERE Kundennummer = ") +
           belegadressen::quoted(kdnr.trimmed()) +
           QStringLiteral(" AND Ansprechpartner IS NOT NULL ORDER BY Standortnummer"));
    while (q.next()) {
        auto* item =
            new QTreeWidgetItem(dialog.list, {q.value(0).toString(), q.value(1).toString(),
                                              q.value(2).toString(), q.value(3).toString()});
        item->setData(0, Qt::UserRole,
                      QStringLiteral("%1/%2").arg(kdnr.trimmed(), q.value(4).toString()));
    }
    if (dialog.list->topLevelItemCount() == 0) {
        mWindow.dialogs().information(QStringLiteral("Ansprechpartner"),
                                      QStringLiteral("Für den Kunden %1 sind keine "
                                                     "Ansprechpartner erfasst.")
                                          .arg(kdnr));
        return;
    }
    // The contact of the site on the order comes first.
    BelegAdressen& c = mWindow.control();
    QTreeWidgetItem* proposed = dialog.list->topLevelItem(0);
    if (fuerWart && c.AktAdresse() == 2) {
        const QString site = QStringLiteral("%1/%2").arg(kdnr.trimmed()).arg(c.GetWartStandort());
        for (int i = 0; i < dialog.list->topLevelItemCount(); ++i)
            if (dialog.list->topLevelItem(i)->data(0, Qt::UserRole).toString() == site)
                proposed = dialog.list->topLevelItem(i);
    }
    dialog.list->setCurrentItem(proposed);
    if (mWindow.dialogs().exec(dialog) != QDialog::Accepted || !dialog.list->currentItem()) return;
    const QTreeWidgetItem* it = dialog.list->currentItem();
    const QString id = it->data(0, Qt::UserRole).toString();
    if (fuerWart) {
        c.AddWartAnsprechpartner(it->text(0));
        c.AddWartAnsprechpartnerTelefon(it->text(1));
        c.AddWartAnsprechpartnerMobil(it->text(2));
        c.AddWartAnsprechpartnerFax(it->text(3));
        c.AddWartAnsprechpartnerID(id);
    } else {
        c.AddAnsprechpartnerKD(it->text(0));
        c.AddAnsprechpartnerKDID(id);
        c.AddDruckAnsprechpartner(true);
    }
    mWindow.log(
        QStringLiteral("[Ansprechpartner] %1 übernommen (%2)")
            .arg(it->text(0), fuerWart ? QStringLiteral("Einsatzort") : QStringLiteral("Kunde")));
}
