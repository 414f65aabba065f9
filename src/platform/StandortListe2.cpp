// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "platform/StandortListe2.h"
#include "contracts/Connection.h"
#include "platform/GuardedConnect.h"
#include "platform/SqlConnection.h"
#include "platform/SqlText.h"
#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <map>
#include <optional>

namespace belegadressen {

namespace {
constexpr int kStandortRolle = Qt::UserRole;
constexpr int kAnlageRolle = Qt::UserRole + 1;

QString text(const Recordset& rs, const char* column) {
    const QVariant v = rs.Value(QString::fromUtf8(column));
    return v.isNull() ? QString() : v.toString().trimmed();
}

// The current row of a buffered result, or nothing for a host's own
// recordset, which does not tell its columns.
template <class Zeile> std::optional<Zeile> zeileVon(const Recordset& rs) {
    const auto* buffered = dynamic_cast<const BufferedRecordset*>(&rs);
    if (!buffered) return std::nullopt;
    Zeile zeile{buffered->columns(), {}};
    for (const QString& column : zeile.columns)
        zeile.cells << rs.Value(column);
    return zeile;
}

template <class Map, class Key>
std::shared_ptr<Recordset> gehalteneZeile(const Map& zeilen, const Key& key) {
    const auto it = zeilen.find(key);
    if (it == zeilen.end()) return nullptr;
    return std::make_shared<BufferedRecordset>(it->second.columns, it->second.cells);
}

QString joined(const QStringList& parts, const QString& sep) {
    QStringList kept;
    for (const QString& p : parts)
        if (!p.isEmpty()) kept << p;
    return kept.join(sep);
}
} // namespace

StandortListe2::StandortListe2(QWidget* parent) : SiteList(parent) {
    setObjectName(QStringLiteral("ocxStandort"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(QStringLiteral("&Suche:"), this);
    mSuche = new QLineEdit(this);
    mSuche->setObjectName(QStringLiteral("txtSuche"));
    mSuche->setPlaceholderText(QStringLiteral("Standort, Name, Straße, Ort oder Anlage"));
    mSuche->setClearButtonEnabled(true);
    label->setBuddy(mSuche);
    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(label);
    searchRow->addWidget(mSuche, 1);
    layout->addLayout(searchRow);
    mBaum = new QTreeWidget(this);
    mBaum->setObjectName(QStringLiteral("tvwStandorte"));
    mBaum->setAccessibleName(QStringLiteral("Standorte und Anlagen"));
    mBaum->setColumnCount(4);
    mBaum->setHeaderLabels({QStringLiteral("Standort / Anlage"), QStringLiteral("Bezeichnung"),
                            QStringLiteral("Anschrift"), QStringLiteral("Vertrag")});
    mBaum->setUniformRowHeights(true);
    mBaum->setAllColumnsShowFocus(true);
    mBaum->header()->setStretchLastSection(false);
    mBaum->header()->setSectionResizeMode(2, QHeaderView::Stretch);
    layout->addWidget(mBaum, 1);
    setFocusProxy(mSuche);

    connectGuarded(mSuche, &QLineEdit::textChanged, this, &StandortListe2::filtern);
    connectGuarded(mBaum, &QTreeWidget::itemDoubleClicked, this, [this] { uebernehmen(); });
    mTasten.watch(mSuche);
    mTasten.watch(mBaum);
}

void StandortListe2::Laden() {
    mBaum->clear();
    mGewaehlterStandort = -1;
    mGewaehlteAnlage = 0;
    mStandortZeilen.clear();
    mAnlageZeilen.clear();
    if (!mApp || mKundennummer.trimmed().isEmpty()) return;
    auto connection = mApp->ConnectionDB();
    if (!connection) return;
    const QString kunde = quoted(mKundennummer.trimmed());
    // Two reads for the whole customer, however many sites it has.
    std::map<qint64, QTreeWidgetItem*> sites;
    auto rs = connection->Execute("Select * from Standorte where Kundennummer = " + kunde +
                                  " order by Standortnummer");
    QList<QTreeWidgetItem*> top;
    for (; !rs->Eof(); rs->MoveNext()) {
        const qint64 nr = rs->Value("Standortnummer").toLongLong();
        auto* item = new QTreeWidgetItem;
        item->setText(0, QStringLiteral("Standort %1").arg(nr));
        item->setText(1, joined({text(*rs, "StandortBez1"), text(*rs, "StandortBez2")},
                                QStringLiteral(", ")));
        item->setText(2, joined({text(*rs, "StandortStraße"),
                                 joined({text(*rs, "StandortPlz"), text(*rs, "StandortOrt")},
                                        QStringLiteral(" "))},
                                QStringLiteral(", ")));
        item->setText(3, text(*rs, "VertragsNummer"));
        item->setData(0, kStandortRolle, nr);
        item->setData(0, kAnlageRolle, 0);
        sites[nr] = item;
        top << item;
        if (auto zeile = zeileVon<Zeile>(*rs)) mStandortZeilen[nr] = *zeile;
    }
    rs->Close();
    auto eq = connection->Execute("Select * from Anlagenstamm where Kundennummer = " + kunde +
                                  " order by Standortnummer, Anlagenummer");
    for (; !eq->Eof(); eq->MoveNext()) {
        const qint64 site = eq->Value("Standortnummer").toLongLong();
        auto it = sites.find(site);
        if (it == sites.end()) continue;
        const qint64 nr = eq->Value("Anlagenummer").toLongLong();
        auto* item = new QTreeWidgetItem(it->second);
        item->setText(0, QStringLiteral("Anlage %1").arg(nr));
        item->setText(1, text(*eq, "Bezeichnung"));
        const QString letzte = text(*eq, "LetzteWartung");
        item->setText(2, letzte.isEmpty() ? QString()
                                          : QStringLiteral("letzte Wartung %1").arg(letzte));
        item->setText(3, text(*eq, "VertragsNummer"));
        item->setData(0, kStandortRolle, site);
        item->setData(0, kAnlageRolle, nr);
        if (auto zeile = zeileVon<Zeile>(*eq)) mAnlageZeilen[{site, nr}] = *zeile;
    }
    eq->Close();
    mBaum->addTopLevelItems(top);
    mBaum->expandAll();
    for (int c = 0; c < 2; ++c)
        mBaum->resizeColumnToContents(c);
    filtern(mSuche->text());
}

void StandortListe2::filtern(const QString& filter) {
    const QStringList words = filter.simplified().split(' ', Qt::SkipEmptyParts);
    auto matches = [&](const QTreeWidgetItem* item) {
        for (const QString& w : words) {
            bool found = false;
            for (int c = 0; c < item->columnCount() && !found; ++c)
                found = item->text(c).contains(w, Qt::CaseInsensitive);
            if (!found) return false;
        }
        return true;
    };
    mBaum->setUpdatesEnabled(false);
    for (int i = 0; i < mBaum->topLevelItemCount(); ++i) {
        QTreeWidgetItem* site = mBaum->topLevelItem(i);
        const bool siteMatches = matches(site);
        bool anyChild = false;
        for (int k = 0; k < site->childCount(); ++k) {
            // The equipment of a matching site stays in view with it.
            const bool show = siteMatches || matches(site->child(k));
            site->child(k)->setHidden(!show);
            anyChild = anyChild || show;
        }
        site->setHidden(!siteMatches && !anyChild);
    }
    mBaum->setUpdatesEnabled(true);
    QTreeWidgetItem* current = mBaum->currentItem();
    if (!current || current->isHidden() || (current->parent() && current->parent()->isHidden()))
        ersteSichtbareWaehlen();
}

void StandortListe2::ersteSichtbareWaehlen() {
    for (int i = 0; i < mBaum->topLevelItemCount(); ++i) {
        QTreeWidgetItem* site = mBaum->topLevelItem(i);
        if (site->isHidden()) continue;
        mBaum->setCurrentItem(site);
        return;
    }
    mBaum->setCurrentItem(nullptr);
}

bool StandortListe2::aktuelleAuswahl(qint32& standort, qint32& anlage) const {
    const QTreeWidgetItem* item = mBaum->currentItem();
    if (!item || item->isHidden()) return false;
    standort = item->data(0, kStandortRolle).toInt();
    anlage = item->data(0, kAnlageRolle).toInt();
    return true;
}

bool StandortListe2::uebernehmen() {
    qint32 standort = 0, anlage = 0;
    if (!aktuelleAuswahl(standort, anlage)) return false;
    mGewaehlterStandort = standort;
    mGewaehlteAnlage = anlage;
    emit Uebernommen();
    return true;
}

std::shared_ptr<Recordset> StandortListe2::GewaehlterStandort() const {
    if (mGewaehlterStandort < 0 || !mApp) return nullptr;
    if (auto held = gehalteneZeile(mStandortZeilen, qint64(mGewaehlterStandort))) return held;
    auto rs = mApp->ConnectionDB()->Execute(
        "Select * from Standorte where Kundennummer = " + quoted(mKundennummer.trimmed()) +
        " and Standortnummer = " + QString::number(mGewaehlterStandort));
    return rs->Eof() ? nullptr : rs;
}

std::shared_ptr<Recordset> StandortListe2::GewaehlteAnlage() const {
    if (mGewaehlterStandort < 0 || mGewaehlteAnlage == 0 || !mApp) return nullptr;
    if (auto held = gehalteneZeile(
            mAnlageZeilen, std::pair<qint64, qint64>(mGewaehlterStandort, mGewaehlteAnlage)))
        return held;
    auto rs = mApp->ConnectionDB()->Execute(
        "Select * from Anlagenstamm where Kundennummer = " + quoted(mKundennummer.trimmed()) +
        " and Standortnummer = " + QString::number(mGewaehlterStandort) +
        " and Anlagenummer = " + QString::number(mGewaehlteAnlage));
    return rs->Eof() ? nullptr : rs;
}

// The search line hands the arrow and page keys to the tree, so the user
// never has to leave the line to choose; Enter takes the row over in both.
bool StandortListe2::auswahlTaste(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (uebernehmen()) return true;
        return false;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        if (watched == mSuche) {
            if (!mBaum->currentItem()) ersteSichtbareWaehlen();
            QKeyEvent copy(key->type(), key->key(), key->modifiers(), key->text());
            QApplication::sendEvent(mBaum, &copy);
            return true;
        }
        return false;
    default:
        return false;
    }
}

} // namespace belegadressen
