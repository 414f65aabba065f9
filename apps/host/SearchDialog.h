// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "CustomerSearch.h"
#include "SearchStatement.h"
#include <QDialog>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QThread>
#include <QTimer>
#include <optional>

class QLabel;
class QLineEdit;
class QTableWidget;
class SearchWorker;

// Searches when typing pauses and answers the chosen key. The search runs
// in a thread of its own, so the field keeps taking keys while the server
// answers; only the answer to the newest text is shown.
class SearchDialog final : public QDialog {
    Q_OBJECT
public:
    // A pause this long (ms) ends a burst of typing.
    static constexpr int kTypingPause = 150;

    SearchDialog(const SearchTarget& target, QSqlDatabase db, QWidget* parent = nullptr);
    ~SearchDialog() override;

    // The key of the chosen row; empty when nothing is chosen.
    QString chosenKey() const;
    // Runs the search for the typed text at once and waits for its answer
    // (the tour and tests do not wait for the pause).
    void setSearchText(const QString& text);
    void searchNow();
    // Searches asked and answers shown since the dialog opened.
    int searchesAsked() const { return int(mAsked); }
    int answersShown() const { return mShown; }
    int rowCount() const;
    void chooseRow(int row);

private:
    // Hands the current text to the worker; answers its number.
    quint64 ask();
    void showAnswer(quint64 asked, const QString& typed, const QList<QStringList>& rows,
                    const QString& failure);

    SearchTarget mTarget;
    QSqlDatabase mDb;
    QLineEdit* mEdit;
    QTableWidget* mTable;
    QLabel* mStatus;
    QTimer mDebounce;
    QElapsedTimer mClock;
    QThread mThread;
    SearchWorker* mWorker;
    quint64 mAsked = 0;
    quint64 mAnswered = 0;
    int mShown = 0;
    // Customers are found by any part of name, street or place.
    std::optional<CustomerSearch> mCustomers;
};
