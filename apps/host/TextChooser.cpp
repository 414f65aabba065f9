// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "TextChooser.h"
#include "DocumentWindow.h"
#include "control/BelegAdressen.h"
#include "platform/GuardedConnect.h"
#include "platform/SqlText.h"
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QSqlError>
#include <QSqlQuery>
#include <QTableWidget>
#include <QVBoxLayout>

using belegadressen::connectGuarded;

QList<TextModuleRow> readTextModules(QSqlDatabase db, const QString& textart) {
    QString sql = QStringLiteral("SELECT Textart, Textnummer, Langtext FROM Textbausteine WHERE "
                                 "SprachKZ = %1 AND ZusatztextNummer = '000'")
                      .arg(belegadressen::quoted(QString(3, QChar(0x00FF))));
    if (!textart.isEmpty())
        sql += QStringLiteral(" AND Textart = %1").arg(belegadressen::quoted(textart));
    sql += QStringLiteral(" ORDER BY Textart, Textnummer");
    QSqlQuery query(db);
    query.setForwardOnly(true);
    QList<TextModuleRow> rows;
    if (!query.exec(sql)) return rows;
    while (query.next())
        rows.append(
            {query.value(0).toString(), query.value(1).toString(), query.value(2).toString()});
    return rows;
}

namespace {

QString firstLine(const QString& text) {
    const QString line = text.section(QLatin1Char('\n'), 0, 0).trimmed();
    return text.contains(QLatin1Char('\n')) ? line + QStringLiteral(" …") : line;
}

} // namespace

TextChooser::TextChooser(QSqlDatabase db, const QString& textart, const QString& current,
                         const QString& title, QWidget* parent)
    : QDialog(parent), mModules(readTextModules(db, textart)), mSearch(new QLineEdit(this)),
      mTable(new QTableWidget(this)), mText(new QPlainTextEdit(this)), mStatus(new QLabel(this)) {
    setObjectName(QStringLiteral("frmTextauswahl"));
    setWindowTitle(textart.isEmpty() ? title
                                     : QStringLiteral("%1 – Textart %2").arg(title, textart));
    mSearch->setObjectName(QStringLiteral("txtTextSuche"));
    mSearch->setPlaceholderText(QStringLiteral("Nummer oder Wörter des Textes"));
    mSearch->setClearButtonEnabled(true);
    mTable->setObjectName(QStringLiteral("lstTexte"));
    mTable->setColumnCount(3);
    mTable->setHorizontalHeaderLabels(
        {QStringLiteral("Art"), QStringLiteral("Nr."), QStringLiteral("Text")});
    mTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    mTable->setSelectionMode(QAbstractItemView::SingleSelection);
    mTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    mTable->verticalHeader()->hide();
    mTable->horizontalHeader()->setStretchLastSection(true);
    mText->setObjectName(QStringLiteral("txtLangtext"));
    mText->setReadOnly(true);

    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(mTable);
    split->addWidget(mText);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(mSearch);
    layout->addWidget(split, 1);
    layout->addWidget(mStatus);
    layout->addWidget(buttons);
    resize(640, 460);

    connectGuarded(mSearch, &QLineEdit::textChanged, this, &TextChooser::filter);
    connectGuarded(mSearch, &QLineEdit::returnPressed, this, [this] {
        if (mTable->rowCount() > 0) chooseRow(mTable->currentRow() < 0 ? 0 : mTable->currentRow());
    });
    connectGuarded(mTable, &QTableWidget::itemSelectionChanged, this, &TextChooser::showSelected);
    connectGuarded(mTable, &QTableWidget::cellDoubleClicked, this,
                   [this](int row, int) { chooseRow(row); });
    connectGuarded(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (!chosenNumber().isEmpty()) accept();
    });
    connectGuarded(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    filter();
    // Start on the module the field holds.
    for (int row = 0; row < mShown.size(); ++row)
        if (mModules[mShown[row]].textnummer == current.trimmed()) mTable->selectRow(row);
    mSearch->setFocus();
}

void TextChooser::filter() {
    const QStringList words = mSearch->text().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    mShown.clear();
    for (int i = 0; i < mModules.size(); ++i) {
        const TextModuleRow& m = mModules[i];
        bool all = true;
        for (const QString& w : words)
            all = all && (m.textnummer.startsWith(w, Qt::CaseInsensitive) ||
                          m.langtext.contains(w, Qt::CaseInsensitive));
        if (all) mShown << i;
    }
    mTable->setRowCount(int(mShown.size()));
    for (int row = 0; row < mShown.size(); ++row) {
        const TextModuleRow& m = mModules[mShown[row]];
        mTable->setItem(row, 0, new QTableWidgetItem(m.textart));
        mTable->setItem(row, 1, new QTableWidgetItem(m.textnummer));
        mTable->setItem(row, 2, new QTableWidgetItem(firstLine(m.langtext)));
    }
    mTable->resizeColumnToContents(0);
    mTable->resizeColumnToContents(1);
    if (!mShown.isEmpty()) mTable->selectRow(0);
    showSelected();
    mStatus->setText(
        QStringLiteral("%1 von %2 Textbausteinen").arg(mShown.size()).arg(mModules.size()));
}

void TextChooser::showSelected() {
    const int row = mTable->currentRow();
    mText->setPlainText(row >= 0 && row < mShown.size() ? mModules[mShown[row]].langtext
                                                        : QString());
}

void TextChooser::setSearchText(const QString& text) { mSearch->setText(text); }

int TextChooser::rowCount() const { return mTable->rowCount(); }

void TextChooser::chooseRow(int row) {
    if (row < 0 || row >= mTable->rowCount()) return;
    mTable->selectRow(row);
    accept();
}

QString TextChooser::chosenNumber() const {
    const int row = mTable->currentRow();
    return row >= 0 && row < mShown.size() && !mTable->selectedItems().isEmpty()
               ? mModules[mShown[row]].textnummer
               : QString();
}

void connectTextChooser(DocumentWindow& window) {
    using belegadressen::BelegAdressen;
    auto choose = [&window](const QString& title, const QString& wert, const QString& textart) {
        TextChooser dialog(window.database(), textart, wert, title, &window);
        if (window.dialogs().exec(dialog) != QDialog::Accepted) return;
        const QString number = dialog.chosenNumber();
        if (number.isEmpty()) return;
        const qint32 result = window.control().fktDragTextNummer(number);
        window.log(QStringLiteral("fktDragTextNummer(\"%1\") = %2").arg(number).arg(result));
    };
    // Answered after the control has finished its button handler, which sets
    // the field the number goes to.
    connectGuarded(
        &window.control(), &BelegAdressen::btnKopftextClick, &window,
        [choose](qint16, const QString& wert, const QString& textart) {
            choose(QStringLiteral("Kopftext wählen"), wert, textart);
        },
        Qt::QueuedConnection);
    connectGuarded(
        &window.control(), &BelegAdressen::btnFusstextClick, &window,
        [choose](qint16, const QString& wert, const QString& textart) {
            choose(QStringLiteral("Fußtext wählen"), wert, textart);
        },
        Qt::QueuedConnection);
}
