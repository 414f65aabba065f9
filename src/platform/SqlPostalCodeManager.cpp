#include "platform/SqlPostalCodeManager.h"
#include "platform/SqlText.h"
#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace belegadressen {

namespace {
const QString kTitel = QStringLiteral("Postleitzahlen");
}

SqlPostalCodeManager::SqlPostalCodeManager(std::shared_ptr<DialogRunner> dialogs)
    : mDialogs(std::move(dialogs)) {}

void SqlPostalCodeManager::Init(std::shared_ptr<HostApplication> /*app*/,
                                const QString& /*connectString*/,
                                std::shared_ptr<Connection> connection, bool ortsteileAnzeigen) {
    mConnection = std::move(connection);
    mOrtsteile = ortsteileAnzeigen;
}

QList<SqlPostalCodeManager::Treffer>
SqlPostalCodeManager::search(const QString& plz, const QString& ort, const QString& strasse) {
    QStringList columns{QStringLiteral("Plz"), QStringLiteral("Ort")};
    if (mOrtsteile) columns << QStringLiteral("Ortsteil");
    if (!strasse.isEmpty()) columns << QStringLiteral("Strasse");
    QStringList where;
    if (!plz.isEmpty()) where << QStringLiteral("Plz = ") + quoted(plz);
    if (!ort.isEmpty()) where << QStringLiteral("Ort = ") + quoted(ort);
    if (!strasse.isEmpty()) where << QStringLiteral("Strasse = ") + quoted(strasse);
    const QString list = columns.join(QStringLiteral(", "));
    auto rs = mConnection->Execute(
        QStringLiteral("Select Distinct ") + list + QStringLiteral(" from Postleitzahlen where ") +
        where.join(QStringLiteral(" and ")) + QStringLiteral(" order by ") + list);
    QList<Treffer> hits;
    if (!rs) return hits;
    for (; !rs->Eof(); rs->MoveNext()) {
        Treffer t;
        t.plz = rs->Value(QStringLiteral("Plz")).toString().trimmed();
        t.ort = rs->Value(QStringLiteral("Ort")).toString().trimmed();
        if (mOrtsteile) t.ortsteil = rs->Value(QStringLiteral("Ortsteil")).toString().trimmed();
        t.strasse = strasse.isEmpty() ? QString()
                                      : rs->Value(QStringLiteral("Strasse")).toString().trimmed();
        hits << t;
    }
    rs->Close();
    return hits;
}

int SqlPostalCodeManager::choose(const QList<Treffer>& hits, bool withStreet) {
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Postleitzahl auswählen"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* table = new QTableWidget(static_cast<int>(hits.size()), 0, &dialog);
    table->setObjectName(QStringLiteral("tblTreffer"));
    QStringList headings{QStringLiteral("PLZ"), QStringLiteral("Ort")};
    if (mOrtsteile) headings << QStringLiteral("Ortsteil");
    if (withStreet) headings << QStringLiteral("Straße");
    table->setColumnCount(static_cast<int>(headings.size()));
    table->setHorizontalHeaderLabels(headings);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->verticalHeader()->hide();
    for (int r = 0; r < hits.size(); ++r) {
        const Treffer& t = hits[r];
        QStringList cells{t.plz, t.ort};
        if (mOrtsteile) cells << t.ortsteil;
        if (withStreet) cells << t.strasse;
        for (int c = 0; c < cells.size(); ++c)
            table->setItem(r, c, new QTableWidgetItem(cells[c]));
    }
    table->resizeColumnsToContents();
    table->setCurrentCell(0, 0);
    layout->addWidget(table);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(table, &QTableWidget::cellDoubleClicked, &dialog, &QDialog::accept);
    if (mDialogs->exec(dialog) != QDialog::Accepted) return -1;
    const int row = table->currentRow();
    return row >= 0 && row < hits.size() ? row : -1;
}

void SqlPostalCodeManager::Suche_Plz(const QString& plz, const QString& ort, const QString& strasse,
                                     bool mitdialog) {
    mGeprueft = false;
    mPlz.clear();
    mOrt.clear();
    mStrasse.clear();
    const QString p = plz.trimmed(), o = ort.trimmed(), s = strasse.trimmed();
    if (!mConnection || (p.isEmpty() && o.isEmpty() && s.isEmpty())) return;

    // From the full address to ever fewer values, until something matches.
    struct Step {
        QString plz, ort, strasse;
    };
    QList<Step> steps{{p, o, s}};
    if (!s.isEmpty() && (!p.isEmpty() || !o.isEmpty())) steps.append({p, o, QString()});
    if (!p.isEmpty() && !o.isEmpty()) {
        steps.append({p, QString(), QString()});
        steps.append({QString(), o, QString()});
    }
    QList<Treffer> hits;
    bool withStreet = false;
    for (const Step& step : steps) {
        hits = search(step.plz, step.ort, step.strasse);
        withStreet = !step.strasse.isEmpty();
        if (!hits.isEmpty()) break;
    }

    if (hits.isEmpty()) {
        if (mitdialog)
            mDialogs->information(kTitel, QStringLiteral("Zu den Angaben wurde keine passende "
                                                         "Postleitzahl gefunden."));
        return;
    }
    int row = 0;
    if (hits.size() > 1 && mitdialog) {
        row = choose(hits, withStreet);
        if (row < 0) return;
    }
    const Treffer& t = hits[row];
    mGeprueft = true;
    mPlz = t.plz;
    mOrt = t.ort;
    mStrasse = withStreet ? t.strasse : s;
    if (mitdialog && hits.size() == 1 && !mOkMeldungUnterdrucken)
        mDialogs->information(kTitel,
                              QStringLiteral("Die Anschrift %1 %2 ist geprüft.").arg(mPlz, mOrt));
}

QString SqlPostalCodeManager::Suche_Ort(const QString& plz) {
    const QString p = plz.trimmed();
    if (!mConnection || p.isEmpty()) return {};
    auto rs = mConnection->Execute(QStringLiteral("Select Ort from Postleitzahlen where Plz = ") +
                                   quoted(p) + QStringLiteral(" order by Ort"));
    if (!rs) return {};
    const QString ort =
        rs->Eof() ? QString() : rs->Value(QStringLiteral("Ort")).toString().trimmed();
    rs->Close();
    return ort;
}

} // namespace belegadressen
