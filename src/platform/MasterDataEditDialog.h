// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "platform/MasterDataTable.h"
#include <QDialog>
#include <functional>
#include <optional>

class QTableWidget;
class QPushButton;

namespace belegadressen {

// Shows the rows of a master-data table for editing, as texts (numbers in
// German notation). The dialog only collects the changes; the field that
// opened it writes them. OK is refused while `check` finds a reason against
// the changes; `refused` shows that reason.
class MasterDataEditDialog : public QDialog {
    Q_OBJECT
public:
    struct Rights {
        bool edit = true;
        bool addNew = true;
        bool remove = true;
    };

    MasterDataEditDialog(const QString& title, const QStringList& headings,
                         const QList<QStringList>& rows, int keyIndex, Rights rights,
                         int currentRow, QWidget* parent = nullptr);

    void setCheck(std::function<QString(const MasterDataChanges&)> check,
                  std::function<void(const QString&)> refused);

    QTableWidget* table() const { return mTable; }

    // Deleted rows, rows whose text differs somewhere, and new rows with at
    // least one filled cell.
    MasterDataChanges changes() const;
    // The key text of the row the user stands on, if any.
    std::optional<QString> chosenKey() const;

    void accept() override;

private:
    void addRow();
    void deleteRow();
    QStringList texts(int row) const;

    QTableWidget* mTable;
    QPushButton* mNew;
    QPushButton* mDelete;
    QList<QStringList> mRows;
    int mKeyIndex;
    QList<int> mDeleted;
    std::function<QString(const MasterDataChanges&)> mCheck;
    std::function<void(const QString&)> mRefused;
};

} // namespace belegadressen
