// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "platform/QtMasterDataCombo.h"
#include "contracts/Error.h"
#include "platform/Defaults.h"
#include "platform/GuardedConnect.h"
#include "platform/Keys.h"
#include "platform/LineText.h"
#include "platform/MasterDataEditDialog.h"
#include <QApplication>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>
#include <QTableWidget>
#include <QToolButton>

namespace belegadressen {

namespace {

constexpr int kTwipsPerInch = 1440;
constexpr int kVisibleListRows = 10;

} // namespace

void MasterDataKeyEntry::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    emit entered(event->reason());
}

void MasterDataKeyEntry::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    emit left(event->reason());
}

void MasterDataKeyEntry::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers mods =
        event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    const bool altDown = event->key() == Qt::Key_Down && (mods & Qt::AltModifier);
    // F2 searches as in the other fields of the address block; with Shift it
    // opens the editing dialog, whose button takes no focus.
    if (event->key() == Qt::Key_F4 || altDown || isPlainF2(event->key(), mods)) {
        emit listRequested();
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_F2 && mods == Qt::ShiftModifier) {
        emit editRequested();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
    noteUnused(event);
}

void MasterDataKeyEntry::keyReleaseEvent(QKeyEvent* event) {
    QLineEdit::keyReleaseEvent(event);
    noteUnused(event);
}

void MasterDataKeyEntry::noteUnused(QKeyEvent* event) {
    mUnused = event->isAccepted() ? nullptr : event;
}

bool MasterDataKeyEntry::takeUnused(const QKeyEvent* event) {
    const bool unused = event == mUnused;
    mUnused = nullptr;
    return unused;
}

QtMasterDataCombo::QtMasterDataCombo(Kind kind, QWidget* parent)
    : MasterDataCombo(parent), mKind(kind) {
    const bool withListButton = kind != Kind::Edit;
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);

    mCaption = new QLabel(this);
    mCaption->setObjectName(QStringLiteral("lblCaption"));
    mKeyEntry = new MasterDataKeyEntry(this);
    mKeyEntry->setObjectName(QStringLiteral("txtSchluessel"));
    mCaption->setBuddy(mKeyEntry);

    // The buttons take no focus, so that using them does not leave the field.
    mListButton = new QToolButton(this);
    mListButton->setObjectName(QStringLiteral("btnListe"));
    mListButton->setArrowType(Qt::DownArrow);
    mListButton->setFocusPolicy(Qt::NoFocus);
    mListButton->setVisible(withListButton);
    mDialogButton = new QToolButton(this);
    mDialogButton->setObjectName(QStringLiteral("btnBearbeiten"));
    mDialogButton->setText(QStringLiteral("…"));
    mDialogButton->setFocusPolicy(Qt::NoFocus);

    layout->addWidget(mCaption);
    layout->addWidget(mKeyEntry, 1);
    layout->addWidget(mListButton);
    layout->addWidget(mDialogButton);

    setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(mKeyEntry);

    connectGuarded(mKeyEntry, &QLineEdit::textEdited, this, &QtMasterDataCombo::onTextEdited);
    connectGuarded(mKeyEntry, &QLineEdit::returnPressed, this, &QtMasterDataCombo::onReturn);
    connectGuarded(mKeyEntry, &MasterDataKeyEntry::entered, this, &QtMasterDataCombo::onEntered);
    connectGuarded(mKeyEntry, &MasterDataKeyEntry::left, this, &QtMasterDataCombo::onLeft);
    connectGuarded(mKeyEntry, &MasterDataKeyEntry::listRequested, this, [this] {
        if (isListVisible())
            hideList();
        else
            showList();
    });
    connectGuarded(mKeyEntry, &MasterDataKeyEntry::editRequested, this, [this] {
        if (mDesign.buttonvisible) openEditDialog();
    });
    connectGuarded(mListButton, &QToolButton::clicked, this, [this] {
        // Entering the field first runs the leave of the field the user comes from.
        if (!mKeyEntry->hasFocus()) mKeyEntry->setFocus(Qt::MouseFocusReason);
        showList();
    });
    connectGuarded(mDialogButton, &QToolButton::clicked, this, [this] {
        if (!mKeyEntry->hasFocus()) mKeyEntry->setFocus(Qt::MouseFocusReason);
        openEditDialog();
    });

    applyDesign();
}

QtMasterDataCombo::~QtMasterDataCombo() = default;

void QtMasterDataCombo::setServices(std::shared_ptr<MessageService> messages,
                                    std::shared_ptr<DialogRunner> dialogs) {
    mMessages = std::move(messages);
    mDialogs = std::move(dialogs);
}

MessageService& QtMasterDataCombo::messages() {
    if (!mMessages) mMessages = defaultMessageService(mDialogs ? mDialogs : defaultDialogRunner());
    return *mMessages;
}

DialogRunner& QtMasterDataCombo::dialogs() {
    if (!mDialogs) mDialogs = defaultDialogRunner();
    return *mDialogs;
}

void QtMasterDataCombo::setDesign(const ComboDesign& design) {
    mDesign = design;
    mTable.setVisibleColumn(design.visiblecolumn);
    mTable.setAllowEmptyKey(design.allowemptystring);
    applyDesign();
}

void QtMasterDataCombo::applyDesign() {
    mCaption->setText(mDesign.caption);
    const int width = mDesign.captionwidth * logicalDpiX() / kTwipsPerInch;
    mCaption->setFixedWidth(qMax(qMax(0, width), width > 0 ? mMinimumCaptionWidth : 0));
    mCaption->setVisible(width > 0);
    // The name the field was given speaks for its entry; a field without
    // one is called by its caption.
    mKeyEntry->setAccessibleName(accessibleName().isEmpty() ? mDesign.caption : accessibleName());
    mKeyEntry->setAccessibleDescription(
        accessibleDescription().isEmpty() ? toolTip() : accessibleDescription());
    mListButton->setAccessibleName(QStringLiteral("Liste öffnen"));
    mListButton->setAccessibleDescription(QStringLiteral("F2 oder F4 im Feld"));
    mDialogButton->setVisible(mDesign.buttonvisible);
    mDialogButton->setToolTip(mDesign.dlgcaption);
    mDialogButton->setAccessibleName(mDesign.dlgcaption.isEmpty() ? QStringLiteral("Bearbeiten")
                                                                  : mDesign.dlgcaption);
    mDialogButton->setAccessibleDescription(QStringLiteral("Umschalt+F2 im Feld"));
}

void QtMasterDataCombo::setMinimumCaptionWidth(int pixels) {
    mMinimumCaptionWidth = pixels;
    applyDesign();
}

void QtMasterDataCombo::showEvent(QShowEvent* event) {
    // The screen, and with it the resolution, is known for sure only now.
    applyDesign();
    MasterDataCombo::showEvent(event);
}

void QtMasterDataCombo::forwardKey(QKeyEvent* event) {
    // Keys sent to the field itself (rather than to its entry, which holds the
    // focus) are typed into the entry. What the entry leaves unused comes up
    // here on its way to our parents and goes on unchanged.
    if (mKeyEntry->takeUnused(event)) {
        event->ignore();
        return;
    }
    QCoreApplication::sendEvent(mKeyEntry, event);
    // Unused, it has now been offered to our parents already.
    mKeyEntry->takeUnused(event);
    event->accept();
}

void QtMasterDataCombo::keyPressEvent(QKeyEvent* event) { forwardKey(event); }

void QtMasterDataCombo::keyReleaseEvent(QKeyEvent* event) { forwardKey(event); }

void QtMasterDataCombo::setTableName(const QString& table) {
    if (table != mTable.tableName()) refresh();
    mTable.setTableName(table);
}

void QtMasterDataCombo::setConnection(std::shared_ptr<Connection> connection) {
    if (connection != mTable.connection()) refresh();
    mTable.setConnection(std::move(connection));
}

void QtMasterDataCombo::ClearColumns() {
    mTable.clearColumns();
    refresh();
}

void QtMasterDataCombo::AddColumn(const QString& column, const QString& heading,
                                  const QString& format) {
    mTable.addColumn(column, heading, format);
    refresh();
}

void QtMasterDataCombo::setKeyColumn(const QString& column) {
    mTable.setKeyColumn(column);
    refresh();
}

void QtMasterDataCombo::refresh() {
    mTable.refresh();
    mListFilled = false;
}

void QtMasterDataCombo::ensureLoaded() {
    if (mTable.isLoaded()) return;
    mListFilled = false;
    mTable.load();
}

QVariant QtMasterDataCombo::KeyValue() const {
    const QString text = mKeyEntry->text();
    return text.isEmpty() ? QVariant() : QVariant(text);
}

void QtMasterDataCombo::setKeyValue(const QVariant& key) {
    const QString text = key.isNull() ? QString() : key.toString();
    showLineText(mKeyEntry, text);
    mLastText = text;
    if (mList && mList->isVisible()) mList->setCurrentCell(mTable.rowOfKey(text), 0);
}

QString QtMasterDataCombo::captionOrTable() const {
    return mDesign.caption.isEmpty() ? mTable.tableName() : mDesign.caption;
}

void QtMasterDataCombo::ValidateInput(bool& cancel) {
    if (!mDesign.keymustexist) return;
    const QString text = mKeyEntry->text().trimmed();
    if (text.isEmpty() || !mTable.isConfigured()) return;
    ensureLoaded();
    if (mTable.rowOfKey(text) >= 0) return;
    cancel = true;
    if (!mDesign.showerrors) return;
    const QString message =
        mDesign.messagekeynotfound.isEmpty()
            ? QStringLiteral("Der Eintrag \"%1\" ist nicht vorhanden.").arg(text)
            : mDesign.messagekeynotfound;
    messages().Meldung(message, 48, captionOrTable(), 0);
}

void QtMasterDataCombo::guarded(const char* procedure, const std::function<void()>& step) {
    // Nothing may escape from here into the event loop: a failure of our own
    // step or of a host's reaction to our events is reported instead.
    const QString module =
        objectName().isEmpty() ? QStringLiteral("MasterDataCombo") : objectName();
    try {
        step();
    } catch (const Error& e) {
        messages().Fehlermeldung(module, QLatin1String(procedure), e.number(), e.text(), true);
    } catch (const std::exception& e) {
        messages().Fehlermeldung(module, QLatin1String(procedure), 0,
                                 QString::fromLocal8Bit(e.what()), true);
    }
}

void QtMasterDataCombo::fillList() {
    if (!mList) {
        mList = new QTableWidget(this);
        mList->setObjectName(QStringLiteral("lstAuswahl"));
        mList->setWindowFlags(Qt::Popup);
        // A click outside closes the list and goes nowhere else, so that a
        // click on the list button does not open it again at once.
        mList->setAttribute(Qt::WA_NoMouseReplay);
        mList->setEditTriggers(QAbstractItemView::NoEditTriggers);
        mList->setSelectionBehavior(QAbstractItemView::SelectRows);
        mList->setSelectionMode(QAbstractItemView::SingleSelection);
        mList->verticalHeader()->hide();
        mListKeys.watch(mList);
        connectGuarded(mList, &QTableWidget::cellClicked, this,
                       [this](int row, int) { pick(row); });
    }
    const QStringList headings = mTable.headings();
    const int rows = static_cast<int>(mTable.rows().size());
    mList->clear();
    mList->setColumnCount(static_cast<int>(headings.size()));
    mList->setHorizontalHeaderLabels(headings);
    mList->setRowCount(rows);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < headings.size(); ++c) {
            auto* item = new QTableWidgetItem(mTable.displayText(r, c));
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            mList->setItem(r, c, item);
        }
    mList->resizeColumnsToContents();
    mListFilled = true;
}

void QtMasterDataCombo::showList() {
    bool ok = true;
    guarded("showList", [&] {
        ok = false;
        ensureLoaded();
        ok = true;
    });
    if (!ok) return;
    if (!mListFilled || !mList) fillList();
    mList->setCurrentCell(mTable.rowOfKey(mKeyEntry->text()), 0);

    const int frame = 2 * mList->frameWidth();
    const int rowHeight = mList->verticalHeader()->defaultSectionSize();
    const int visibleRows = qBound(1, static_cast<int>(mTable.rows().size()), kVisibleListRows);
    const int height = mList->horizontalHeader()->height() + visibleRows * rowHeight + frame;
    int width = mList->horizontalHeader()->length() + frame;
    if (mTable.rows().size() > kVisibleListRows)
        width += mList->verticalScrollBar()->sizeHint().width();
    const int fieldWidth =
        mKeyEntry->width() + (mListButton->isVisible() ? mListButton->width() : 0);
    mList->setGeometry(QRect(mKeyEntry->mapToGlobal(QPoint(0, mKeyEntry->height())),
                             QSize(qMax(width, fieldWidth), height)));
    mList->show();
    mList->setFocus(Qt::PopupFocusReason);
}

void QtMasterDataCombo::hideList() {
    if (mList && mList->isVisible()) mList->hide();
}

bool QtMasterDataCombo::isListVisible() const { return mList && mList->isVisible(); }

bool QtMasterDataCombo::listKey(QObject* watched, QEvent* event) {
    if (watched == mList && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            pick(mList->currentRow());
            return true;
        case Qt::Key_Escape:
        case Qt::Key_F4:
            hideList();
            return true;
        case Qt::Key_Up:
            if (key->modifiers() & Qt::AltModifier) {
                hideList();
                return true;
            }
            break;
        default:
            break;
        }
    }
    return false;
}

void QtMasterDataCombo::pick(int row) {
    if (row < 0 || row >= mTable.rows().size() || mTable.keyIndex() < 0) return;
    const QVariant tableValue = mTable.keyOf(row);
    hideList();
    pickKey(tableValue.toString(), tableValue, row);
}

void QtMasterDataCombo::pickKey(const QString& key, const QVariant& tableValue, int row) {
    const QVariant oldKey = KeyValue();
    const bool changed = key != mKeyEntry->text();
    if (changed) {
        mKeyEntry->setText(key);
        mLastText = key;
    }
    mUnconfirmed = false;
    guarded("ItemSelected", [&] {
        if (changed) {
            emit KeyChanged();
            userChanged(oldKey, row);
        }
        emit ItemSelected(itemValue(key, tableValue));
        emit FieldConfirm();
    });
}

QVariant QtMasterDataCombo::itemValue(const QString& key, const QVariant& tableValue) const {
    return mKind == Kind::Edit ? QVariant(key) : tableValue;
}

void QtMasterDataCombo::userChanged(const QVariant& oldKey, int row) {
    if (mKind != Kind::Edit) return;
    const bool picked = row >= 0;
    emit EditChange(KeyValue(), mKeyEntry->text(), oldKey, oldKey.toString(), keyColumn(), row,
                    picked ? QStringLiteral("Liste") : QStringLiteral("Eingabe"), picked ? 1 : 0,
                    tableName());
}

void QtMasterDataCombo::onTextEdited() {
    const QVariant oldKey = mLastText.isEmpty() ? QVariant() : QVariant(mLastText);
    mLastText = mKeyEntry->text();
    mUnconfirmed = true;
    guarded("KeyChanged", [&] {
        emit KeyChanged();
        userChanged(oldKey, -1);
    });
}

void QtMasterDataCombo::onReturn() {
    mUnconfirmed = false;
    guarded("FieldConfirm", [&] { emit FieldConfirm(); });
}

void QtMasterDataCombo::onEntered(Qt::FocusReason /*reason*/) {
    // Coming back from our own list, from another window or from a refused
    // leave is no new entering.
    if (mRefocusing || mInside) return;
    mInside = true;
    mUnconfirmed = false;
    guarded("FieldEnter", [&] { emit FieldEnter(); });
}

void QtMasterDataCombo::onLeft(Qt::FocusReason reason) {
    if (mLeaving || mRefocusing) return;
    if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason) return;
    QWidget* next = QApplication::focusWidget();
    if (!next || !mKeyEntry->isVisible() || !mKeyEntry->isEnabled()) {
        // The field is being hidden or disabled: it cannot keep the focus, and
        // a check now would only puzzle the user.
        mInside = false;
        return;
    }
    if (next == this || isAncestorOf(next) ||
        (mList && (next == mList || mList->isAncestorOf(next))))
        return;

    mLeaving = true;
    bool cancel = false;
    guarded("ValidateRequest", [&] { emit ValidateRequest(&cancel); });
    if (cancel) {
        // Taking the focus back while it is being handed over: Qt then skips
        // the focus-in of the widget that was to get it.
        mRefocusing = true;
        mKeyEntry->setFocus(Qt::OtherFocusReason);
        mRefocusing = false;
    } else {
        mInside = false;
        if (mUnconfirmed) {
            mUnconfirmed = false;
            guarded("FieldConfirm", [&] { emit FieldConfirm(); });
        }
    }
    mLeaving = false;
}

void QtMasterDataCombo::openEditDialog() {
    guarded("openEditDialog", [&] {
        ensureLoaded();
        QString title = mDesign.dlgcaption;
        if (title.isEmpty()) title = captionOrTable() + QStringLiteral(" bearbeiten");
        const MasterDataEditDialog::Rights rights{mDesign.allowedit, mDesign.allowaddnew,
                                                  mDesign.allowdelete};
        QWidget* parent = mOwnerForm ? mOwnerForm.data() : window();
        MasterDataEditDialog dialog(title, mTable.headings(), mTable.editTexts(), mTable.keyIndex(),
                                    rights, mTable.rowOfKey(mKeyEntry->text()), parent);
        auto explain = [this](const QString& why) {
            messages().Meldung(why, 48, captionOrTable(), 0);
        };
        // OK writes while the dialog is still open, so that a refused write
        // (another user changed the rows meanwhile) keeps the user's input.
        bool saved = false, failed = false;
        dialog.setCheck(
            [&](const MasterDataChanges& c) {
                QString why = mTable.checkChanges(c);
                if (!why.isEmpty()) return why;
                try {
                    mTable.save(c);
                    saved = true;
                } catch (const Error& e) {
                    failed = true;
                    why = e.text();
                }
                return why;
            },
            explain);
        const int result = dialogs().exec(dialog);
        if (failed && !saved) {
            refresh();
            return;
        }
        if (result != QDialog::Accepted) return;
        if (!saved) {
            try {
                mTable.save(dialog.changes());
            } catch (const Error& e) {
                refresh();
                explain(e.text());
                return;
            }
        }
        mListFilled = false;
        const std::optional<QString> chosen = dialog.chosenKey();
        if (!chosen || *chosen == mKeyEntry->text()) return;
        ensureLoaded();
        const int row = mTable.rowOfKey(*chosen);
        const QVariant tableValue = row >= 0 ? mTable.keyOf(row) : QVariant(*chosen);
        pickKey(*chosen, tableValue, row);
    });
}

} // namespace belegadressen
