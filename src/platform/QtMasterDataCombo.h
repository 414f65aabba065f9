// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "contracts/DialogRunner.h"
#include "contracts/MasterDataCombo.h"
#include "contracts/MessageService.h"
#include "platform/EventHook.h"
#include "platform/MasterDataTable.h"
#include <QLineEdit>
#include <QList>
#include <QPointer>
#include <functional>

class QLabel;
class QTableWidget;
class QToolButton;

namespace belegadressen {

// The key entry of a master-data field. It reports focus changes with their
// reason and asks for the list on F4 or Alt+Down.
class MasterDataKeyEntry : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

    // True (once) for a key event the entry has just left unused, which its
    // parent then receives on the way up.
    bool takeUnused(const QKeyEvent* event);

signals:
    void entered(Qt::FocusReason reason);
    void left(Qt::FocusReason reason);
    void listRequested();
    void editRequested();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void noteUnused(QKeyEvent* event);
    const QKeyEvent* mUnused = nullptr;
};

// Our master-data field, of each of the three classes: a caption, the key
// entry, a drop-down list of the table's rows and a button for the editing
// dialog. F2, F4 or Alt+Down open the list, Shift+F2 the editing dialog, so
// that the field needs no mouse. The plain entry (Kind::Edit) has no list
// button, its ItemSelected carries the key text, and every
// change by the user is also reported by EditChange(key, text, oldKey,
// oldText, column, row, source, reason, table): source "Liste" or "Eingabe",
// reason 1 for a pick, 0 for typing, row the list row or -1.
//
// The rows live in a MasterDataTable, read only when they are needed: when
// the list is first shown, when a typed key is checked, or for the editing
// dialog. Set-up and setKeyValue() never read them.
//
// Events: KeyChanged whenever the user changes the key (typing or picking);
// ItemSelected after a pick from the list or the dialog; FieldEnter when the
// field gets the focus from outside; ValidateRequest when the focus is about
// to move to another widget (a cancel keeps the focus in the entry);
// FieldConfirm on Enter, after a pick and when the field is left with an
// unconfirmed change. Programmatic changes (setKeyValue) emit nothing, so a
// host can set keys without filtering its own reactions.
class QtMasterDataCombo : public MasterDataCombo {
    Q_OBJECT
public:
    explicit QtMasterDataCombo(Kind kind, QWidget* parent = nullptr);
    ~QtMasterDataCombo() override;

    Kind kind() const override { return mKind; }

    // Services for the key-not-found message and the dialogs; without them
    // the platform defaults are used.
    void setServices(std::shared_ptr<MessageService> messages,
                     std::shared_ptr<DialogRunner> dialogs);

    void setDesign(const ComboDesign& design) override;
    const ComboDesign& design() const override { return mDesign; }

    void setSourceMode(qint32 mode) override { mSourceMode = mode; }
    void setServer(QObject* server) override { mServer = server; }
    void setOwnerForm(QWidget* form) override { mOwnerForm = form; }
    void setTableName(const QString& table) override;
    void setConnection(std::shared_ptr<Connection> connection) override;
    void setUserName(const QString& user) override { mUserName = user; }
    void setSettingsKey(const QString& key) override { mSettingsKey = key; }
    void ClearColumns() override;
    void AddColumn(const QString& column, const QString& heading,
                   const QString& format = {}) override;
    // The table column holding the key (see MasterDataTable).
    void setKeyColumn(const QString& column);

    qint32 sourceMode() const { return mSourceMode; }
    QObject* server() const { return mServer; }
    QWidget* ownerForm() const { return mOwnerForm; }
    QString tableName() const { return mTable.tableName(); }
    std::shared_ptr<Connection> connection() const { return mTable.connection(); }
    QString userName() const { return mUserName; }
    QString settingsKey() const { return mSettingsKey; }
    const QList<MasterDataColumn>& columns() const { return mTable.columns(); }
    QString keyColumn() const { return mTable.keyColumn(); }
    const MasterDataTable& table() const { return mTable; }

    // The entry's text; null when it is empty.
    QVariant KeyValue() const override;
    // Shows the key (null or empty clears it); reads nothing, emits nothing.
    void setKeyValue(const QVariant& key) override;
    // With keymustexist a typed key that the table lacks sets cancel and,
    // with showerrors, shows messagekeynotfound. An empty entry, a field
    // without table or connection, and every key without keymustexist pass.
    // Errors reading the table reach the caller.
    void ValidateInput(bool& cancel) override;

    // Shows the drop-down list, reading the table on first use. Errors are
    // reported through the message service.
    void showList();
    void hideList();
    bool isListVisible() const;
    // Forgets the rows read; the next use reads the table again.
    void refresh();
    bool isLoaded() const { return mTable.isLoaded(); }
    // Opens the editing dialog of the table and writes the user's changes in
    // one transaction; a refusal or a failure is explained in a message and
    // leaves the table as it was.
    void openEditDialog();

    QLineEdit* keyEntry() const { return mKeyEntry; }
    QLabel* captionLabel() const { return mCaption; }
    // A caption column wider than captionwidth, in pixels, so that fields
    // standing one below the other start their inputs at the same place
    // even when a caption needs more room in the running font.
    void setMinimumCaptionWidth(int pixels);
    QToolButton* listButton() const { return mListButton; }
    QToolButton* dialogButton() const { return mDialogButton; }
    QTableWidget* listWidget() const { return mList; }

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    QString captionOrTable() const;
    bool listKey(QObject* watched, QEvent* event);
    void guarded(const char* procedure, const std::function<void()>& step);
    // What ItemSelected carries for a row: the key as read from the table,
    // the key text for the plain entry.
    QVariant itemValue(const QString& key, const QVariant& tableValue) const;
    // Called after every change by the user, after KeyChanged. `row` is the
    // list row picked, -1 when typed.
    void userChanged(const QVariant& oldKey, int row);
    void applyDesign();
    void forwardKey(QKeyEvent* event);
    void ensureLoaded();
    void fillList();
    void pick(int row);
    void pickKey(const QString& key, const QVariant& tableValue, int row);
    void onEntered(Qt::FocusReason reason);
    void onLeft(Qt::FocusReason reason);
    void onTextEdited();
    void onReturn();
    MessageService& messages();
    DialogRunner& dialogs();

    Kind mKind;
    ComboDesign mDesign;
    qint32 mSourceMode = 0;
    QPointer<QObject> mServer;
    QPointer<QWidget> mOwnerForm;
    QString mUserName, mSettingsKey;
    MasterDataTable mTable;
    bool mListFilled = false;

    std::shared_ptr<MessageService> mMessages;
    std::shared_ptr<DialogRunner> mDialogs;

    QLabel* mCaption;
    int mMinimumCaptionWidth = 0;
    MasterDataKeyEntry* mKeyEntry;
    QToolButton* mListButton;
    QToolButton* mDialogButton;
    QTableWidget* mList = nullptr;

    // The entry's text as last shown, for the old values of a change.
    QString mLastText;
    // The focus is inside the field (entered and not yet left).
    bool mInside = false;
    // A change by the user that no Enter, pick or leave has confirmed yet.
    bool mUnconfirmed = false;
    bool mLeaving = false;
    bool mRefocusing = false;
    EventHook mListKeys{
        [this](QObject* watched, QEvent* event) { return listKey(watched, event); }};
};

} // namespace belegadressen
