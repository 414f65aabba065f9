// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include <QDialog>
#include <QList>
#include <QSqlDatabase>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTableWidget;
class DocumentWindow;

// One text module of the default language.
struct TextModuleRow {
    QString textart;
    QString textnummer;
    QString langtext;
};

// The text modules of a text kind (every kind for an empty one), in number order.
QList<TextModuleRow> readTextModules(QSqlDatabase db, const QString& textart);

// The host's choice of a header or footer text: the modules of one text kind,
// narrowed as the user types (number or words of the text), with the long
// text of the selected module shown in full.
class TextChooser final : public QDialog {
    Q_OBJECT
public:
    TextChooser(QSqlDatabase db, const QString& textart, const QString& current,
                const QString& title, QWidget* parent = nullptr);

    void setSearchText(const QString& text);
    int rowCount() const;
    void chooseRow(int row);
    // The number of the selected module; empty when none is selected.
    QString chosenNumber() const;

private:
    void filter();
    void showSelected();

    QList<TextModuleRow> mModules;
    QList<int> mShown; // indexes into mModules, as listed
    QLineEdit* mSearch;
    QTableWidget* mTable;
    QPlainTextEdit* mText;
    QLabel* mStatus;
};

// Answers the control's header and footer buttons with the chooser and hands
// the chosen number back through fktDragTextNummer.
void connectTextChooser(DocumentWindow& window);
