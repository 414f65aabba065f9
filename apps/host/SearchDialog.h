#pragma once
#include <QDialog>
#include <QSqlDatabase>
#include <QStringList>
#include <QTimer>

class QLabel;
class QLineEdit;
class QTableWidget;

// What a search looks through: a master table, its key, the columns shown
// and the columns a typed prefix is matched against.
struct SearchTarget {
    QString title;
    QString table;
    QString keyColumn;
    QStringList shownColumns; // key first
    QStringList headings;
    QStringList prefixColumns;
    static SearchTarget customers();
    static SearchTarget addresses();
};

// The statement for a typed prefix: every prefix column LIKE 'prefix%', at
// most `limit` rows. Each prefix column needs an index that LIKE can use
// (see the database schema), so that this stays fast on large tables.
QString searchStatement(const SearchTarget& target, const QString& typed, int limit = 50);

// How the engine runs a prefix search, as one line per plan step; SQLite
// only (empty elsewhere). A step "SCAN <table>" means no index serves it.
QStringList searchPlan(const SearchTarget& target, QSqlDatabase db);

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
    void showRows();

    SearchTarget mTarget;
    QSqlDatabase mDb;
    QLineEdit* mEdit;
    QTableWidget* mTable;
    QLabel* mStatus;
    QTimer mDebounce;
};
