#include "SearchDialog.h"
#include "platform/SqlText.h"
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSqlError>
#include <QSqlQuery>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

SearchTarget SearchTarget::customers() {
    return {QStringLiteral("Kundensuche"),
            QStringLiteral("Kundenstamm"),
            QStringLiteral("Kundennummer"),
            {QStringLiteral("Kundennummer"), QStringLiteral("Bez1"), QStringLiteral("Vorname"),
             QStringLiteral("Straße"), QStringLiteral("PLZ"), QStringLiteral("Ort")},
            {QStringLiteral("Kundennr."), QStringLiteral("Name"), QStringLiteral("Vorname"),
             QStringLiteral("Straße"), QStringLiteral("PLZ"), QStringLiteral("Ort")},
            {QStringLiteral("Kundennummer"), QStringLiteral("Bez1"), QStringLiteral("Ort")}};
}

SearchTarget SearchTarget::addresses() {
    return {QStringLiteral("Adressensuche"),
            QStringLiteral("Adressenstamm"),
            QStringLiteral("AdressNummer"),
            {QStringLiteral("AdressNummer"), QStringLiteral("Bez1"), QStringLiteral("Vorname"),
             QStringLiteral("Straße"), QStringLiteral("PLZ"), QStringLiteral("Ort")},
            {QStringLiteral("Adressnr."), QStringLiteral("Name"), QStringLiteral("Vorname"),
             QStringLiteral("Straße"), QStringLiteral("PLZ"), QStringLiteral("Ort")},
            {QStringLiteral("AdressNummer"), QStringLiteral("Bez1"), QStringLiteral("Ort")}};
}

QString searchStatement(const SearchTarget& target, const QString& typed, int limit) {
    QString sql = QStringLiteral("SELECT %1 FROM %2")
                      .arg(target.shownColumns.join(QStringLiteral(", ")), target.table);
    const QString prefix = typed.trimmed();
    if (prefix.isEmpty()) {
        // Nothing typed yet: the first rows in key order, straight from the key's index.
        sql += QStringLiteral(" ORDER BY %1").arg(target.keyColumn);
    } else {
        // A typed % or _ means itself; '!' escapes them.
        QString pattern = prefix;
        pattern.replace(QLatin1Char('!'), QStringLiteral("!!"))
            .replace(QLatin1Char('%'), QStringLiteral("!%"))
            .replace(QLatin1Char('_'), QStringLiteral("!_"));
        const QString like = belegadressen::quoted(pattern + QLatin1Char('%'));
        QStringList terms;
        for (const QString& column : target.prefixColumns)
            terms << QStringLiteral("%1 LIKE %2 ESCAPE '!'").arg(column, like);
        // No ORDER BY: the engine may stop after `limit` matches instead of
        // sorting every match of a short prefix; the rows are sorted here.
        sql += QStringLiteral(" WHERE ") + terms.join(QStringLiteral(" OR "));
    }
    return sql + QStringLiteral(" LIMIT %1").arg(limit);
}

QStringList searchPlan(const SearchTarget& target, QSqlDatabase db) {
    QStringList steps;
    if (db.driverName() != QLatin1String("QSQLITE")) return steps;
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("EXPLAIN QUERY PLAN ") +
                    searchStatement(target, QStringLiteral("Ab"))))
        return {QStringLiteral("EXPLAIN: ") + query.lastError().text()};
    while (query.next())
        steps << query.value(3).toString();
    return steps;
}

SearchDialog::SearchDialog(const SearchTarget& target, QSqlDatabase db, QWidget* parent)
    : QDialog(parent), mTarget(target), mDb(std::move(db)), mEdit(new QLineEdit(this)),
      mTable(new QTableWidget(this)), mStatus(new QLabel(this)) {
    setWindowTitle(target.title);
    setObjectName(target.table == QLatin1String("Kundenstamm")
                      ? QStringLiteral("frmKundensuche")
                      : QStringLiteral("frmAdressensuche"));
    mEdit->setObjectName(QStringLiteral("txtSuche"));
    mEdit->setPlaceholderText(QStringLiteral("Nummer, Name oder Ort (Anfang)"));
    mEdit->setClearButtonEnabled(true);
    mTable->setObjectName(QStringLiteral("lstTreffer"));
    mStatus->setObjectName(QStringLiteral("lblStatus"));
    mTable->setColumnCount(int(target.shownColumns.size()));
    mTable->setHorizontalHeaderLabels(target.headings);
    mTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    mTable->setSelectionMode(QAbstractItemView::SingleSelection);
    mTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    mTable->verticalHeader()->hide();
    mTable->horizontalHeader()->setStretchLastSection(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(mEdit);
    layout->addWidget(mTable, 1);
    layout->addWidget(mStatus);
    layout->addWidget(buttons);
    resize(720, 420);

    mDebounce.setSingleShot(true);
    mDebounce.setInterval(200);
    connect(&mDebounce, &QTimer::timeout, this, &SearchDialog::searchNow);
    connect(mEdit, &QLineEdit::textChanged, this, [this] { mDebounce.start(); });
    // Enter in the search field takes the first hit.
    connect(mEdit, &QLineEdit::returnPressed, this, [this] {
        if (mDebounce.isActive()) searchNow();
        if (mTable->rowCount() > 0) chooseRow(mTable->currentRow() < 0 ? 0 : mTable->currentRow());
    });
    connect(mTable, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int) { chooseRow(row); });
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (!chosenKey().isEmpty()) accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    searchNow();
}

QString SearchDialog::chosenKey() const {
    const int row = mTable->currentRow();
    if (row < 0 || !mTable->item(row, 0)) return {};
    return mTable->item(row, 0)->text();
}

void SearchDialog::setSearchText(const QString& text) {
    mEdit->setText(text);
    searchNow();
}

void SearchDialog::searchNow() {
    mDebounce.stop();
    QElapsedTimer clock;
    clock.start();
    QSqlQuery query(mDb);
    query.setForwardOnly(true);
    mTable->setRowCount(0);
    QString sql;
    try {
        sql = searchStatement(mTarget, mEdit->text());
    } catch (const std::exception& e) {
        // A NUL or a broken character typed or pasted into the field: no
        // statement, the reason in the status line.
        mStatus->setText(
            QStringLiteral("Suche nicht möglich: %1").arg(QString::fromUtf8(e.what())));
        return;
    }
    if (!query.exec(sql)) {
        mStatus->setText(QStringLiteral("Suche fehlgeschlagen: %1").arg(query.lastError().text()));
        return;
    }
    QList<QStringList> rows;
    while (query.next()) {
        QStringList row;
        for (int c = 0; c < mTarget.shownColumns.size(); ++c)
            row << query.value(c).toString();
        rows << row;
    }
    std::sort(rows.begin(), rows.end(), [](const QStringList& a, const QStringList& b) {
        const int byName = QString::localeAwareCompare(a.value(1), b.value(1));
        return byName != 0 ? byName < 0 : a.value(0) < b.value(0);
    });
    mTable->setRowCount(int(rows.size()));
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows[r].size(); ++c)
            mTable->setItem(r, c, new QTableWidgetItem(rows[r][c]));
    if (!rows.isEmpty()) mTable->selectRow(0);
    mTable->resizeColumnsToContents();
    mStatus->setText(QStringLiteral("%1 Treffer%2 (%3 ms)")
                         .arg(rows.size())
                         .arg(rows.size() >= 50 ? QStringLiteral(", weiter eingrenzen") : QString())
                         .arg(clock.elapsed()));
}

int SearchDialog::rowCount() const { return mTable->rowCount(); }

void SearchDialog::chooseRow(int row) {
    if (row < 0 || row >= mTable->rowCount()) return;
    mTable->selectRow(row);
    accept();
}
