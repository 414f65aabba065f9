#pragma once
#include "CustomerSearch.h"
#include "SearchStatement.h"
#include <QDialog>
#include <QSqlDatabase>
#include <QTimer>
#include <optional>

class QLabel;
class QLineEdit;
class QTableWidget;

// Searches as the user types (debounced) and answers the chosen key.
class SearchDialog final : public QDialog {
    Q_OBJECT
public:
    SearchDialog(const SearchTarget& target, QSqlDatabase db, QWidget* parent = nullptr);

    // The key of the chosen row; empty when nothing is chosen.
    QString chosenKey() const;
    // Runs the search for the typed text at once (the tour and tests do not
    // wait for the debounce).
    void setSearchText(const QString& text);
    void searchNow();
    int rowCount() const;
    void chooseRow(int row);

private:
    QList<QStringList> searchRows(const QString& typed);

    SearchTarget mTarget;
    QSqlDatabase mDb;
    QLineEdit* mEdit;
    QTableWidget* mTable;
    QLabel* mStatus;
    QTimer mDebounce;
    // Customers are found by any part of name, street or place.
    std::optional<CustomerSearch> mCustomers;
};
