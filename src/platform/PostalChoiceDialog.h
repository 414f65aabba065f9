// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "platform/EventHook.h"
#include "platform/PostalDirectory.h"
#include <QDialog>

class QLineEdit;
class QTableWidget;
class QPushButton;

namespace belegadressen {

// Lets the user pick one of several addresses of the postal directory. Typing
// filters the list (any column, without regard to case); the arrow and page
// keys move through the rows that are left while the cursor stays in the
// filter, Enter takes the marked row and Escape cancels, so the mouse is
// never needed. With `changes` (one text per entry, "PLZ", "Ort, Straße"),
// a column says what taking the entry changes in the typed address, and the
// changed cells are bold.
class PostalChoiceDialog : public QDialog {
    Q_OBJECT
public:
    PostalChoiceDialog(const QList<PostalEntry>& entries, bool withDistricts, bool withStreet,
                       const QStringList& changes = {}, QWidget* parent = nullptr);

    // The entry marked when the dialog was accepted, -1 when none.
    int chosen() const;
    QLineEdit* filter() const { return mFilter; }
    QTableWidget* table() const { return mTable; }
    // Rows still shown under the current filter.
    int visibleRows() const;

    void accept() override;

private:
    void applyFilter(const QString& text);
    bool filterKey(QObject* watched, QEvent* event);

    QLineEdit* mFilter = nullptr;
    QTableWidget* mTable = nullptr;
    QPushButton* mOk = nullptr;
    EventHook mKeys{[this](QObject* watched, QEvent* event) { return filterKey(watched, event); }};
};

} // namespace belegadressen
