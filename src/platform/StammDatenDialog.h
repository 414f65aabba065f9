#pragma once
#include <QDialog>
#include <QList>
#include <QPair>
#include <QStringList>
#include <QVariant>
#include <optional>

class QTableWidget;
class QPushButton;

namespace belegadressen {

// Shows the rows of a master-data table for editing. The dialog only
// collects the changes; the field that opened it writes them to the table.
class StammDatenDialog : public QDialog {
    Q_OBJECT
public:
    struct Rechte {
        bool bearbeiten = true;
        bool neu = true;
        bool loeschen = true;
    };

    StammDatenDialog(const QString& title, const QStringList& headings,
                     const QList<QVariantList>& rows, int keyIndex, Rechte rechte, int currentRow,
                     QWidget* parent = nullptr);

    QTableWidget* table() const { return mTable; }

    // Positions (in the rows given) of the rows the user removed.
    QList<int> deletedRows() const { return mDeleted; }
    // Given rows whose text differs somewhere: position and all cell texts.
    QList<QPair<int, QStringList>> editedRows() const;
    // New rows with at least one filled cell, cell texts in column order.
    QList<QStringList> addedRows() const;
    // The key text of the row the user stands on, if any.
    std::optional<QString> chosenKey() const;

private:
    void addRow();
    void deleteRow();
    QStringList texts(int row) const;

    QTableWidget* mTable;
    QPushButton* mNeu;
    QPushButton* mLoeschen;
    QList<QVariantList> mRows;
    int mKeyIndex;
    QList<int> mDeleted;
};

} // namespace belegadressen
