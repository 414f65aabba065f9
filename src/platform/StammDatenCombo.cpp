#include "platform/StammDatenCombo.h"
#include "contracts/Error.h"
#include "platform/Defaults.h"
#include "platform/SqlIdentifier.h"
#include "platform/SqlText.h"
#include "platform/StammDatenDialog.h"
#include <QApplication>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QScrollBar>
#include <QTableWidget>
#include <QToolButton>

namespace belegadressen {

namespace {

constexpr int kTwipsPerInch = 1440;
constexpr int kVisibleListRows = 10;

// Key columns of master tables whose key is not among the columns they show.
QString knownKeyColumn(const QString& table) {
    if (table.compare(QLatin1String("Personalstamm"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("PersonalNr");
    return {};
}

// Number formats of the kind "###,###.00000": the digits after the point
// give the decimals, a comma asks for digit grouping.
QString formatted(const QVariant& value, const QString& format) {
    if (format.isEmpty() || value.isNull()) return value.toString();
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (!ok) return value.toString();
    const qsizetype point = format.indexOf(QLatin1Char('.'));
    int decimals = 0;
    if (point >= 0)
        for (qsizetype i = point + 1; i < format.size(); ++i)
            if (format[i] == QLatin1Char('0') || format[i] == QLatin1Char('#')) ++decimals;
    QLocale locale;
    if (!format.contains(QLatin1Char(',')))
        locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale.toString(number, 'f', decimals);
}

bool sameKey(const QString& a, const QString& b) {
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

} // namespace

void StammDatenEingabe::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    emit entered(event->reason());
}

void StammDatenEingabe::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    emit left(event->reason());
}

void StammDatenEingabe::keyPressEvent(QKeyEvent* event) {
    const bool altDown =
        event->key() == Qt::Key_Down && (event->modifiers() & Qt::AltModifier) != 0;
    if (event->key() == Qt::Key_F4 || altDown) {
        emit listRequested();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
    noteUnused(event);
}

void StammDatenEingabe::keyReleaseEvent(QKeyEvent* event) {
    QLineEdit::keyReleaseEvent(event);
    noteUnused(event);
}

void StammDatenEingabe::noteUnused(QKeyEvent* event) {
    mUnused = event->isAccepted() ? nullptr : event;
}

bool StammDatenEingabe::takeUnused(const QKeyEvent* event) {
    const bool unused = event == mUnused;
    mUnused = nullptr;
    return unused;
}

StammDatenFeld::StammDatenFeld(bool withListButton, QWidget* parent) : MasterDataCombo(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);

    mCaption = new QLabel(this);
    mCaption->setObjectName(QStringLiteral("lblCaption"));
    mEingabe = new StammDatenEingabe(this);
    mEingabe->setObjectName(QStringLiteral("txtSchluessel"));
    mCaption->setBuddy(mEingabe);

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
    layout->addWidget(mEingabe, 1);
    layout->addWidget(mListButton);
    layout->addWidget(mDialogButton);

    setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(mEingabe);

    connect(mEingabe, &QLineEdit::textEdited, this, &StammDatenFeld::onTextEdited);
    connect(mEingabe, &QLineEdit::returnPressed, this, &StammDatenFeld::onReturn);
    connect(mEingabe, &StammDatenEingabe::entered, this, &StammDatenFeld::onEntered);
    connect(mEingabe, &StammDatenEingabe::left, this, &StammDatenFeld::onLeft);
    connect(mEingabe, &StammDatenEingabe::listRequested, this, [this] {
        if (isListVisible())
            hideList();
        else
            showList();
    });
    connect(mListButton, &QToolButton::clicked, this, [this] {
        // Entering the field first runs the leave of the field the user comes from.
        if (!mEingabe->hasFocus()) mEingabe->setFocus(Qt::MouseFocusReason);
        showList();
    });
    connect(mDialogButton, &QToolButton::clicked, this, [this] {
        if (!mEingabe->hasFocus()) mEingabe->setFocus(Qt::MouseFocusReason);
        openEditDialog();
    });

    applyDesign();
}

StammDatenFeld::~StammDatenFeld() = default;

void StammDatenFeld::setServices(std::shared_ptr<MessageService> messages,
                                 std::shared_ptr<DialogRunner> dialogs) {
    mMessages = std::move(messages);
    mDialogs = std::move(dialogs);
}

MessageService& StammDatenFeld::messages() {
    if (!mMessages) mMessages = defaultMessageService(mDialogs ? mDialogs : defaultDialogRunner());
    return *mMessages;
}

DialogRunner& StammDatenFeld::dialogs() {
    if (!mDialogs) mDialogs = defaultDialogRunner();
    return *mDialogs;
}

void StammDatenFeld::setDesign(const ComboDesign& design) {
    mDesign = design;
    applyDesign();
}

void StammDatenFeld::applyDesign() {
    mCaption->setText(mDesign.caption);
    const int width = mDesign.captionwidth * logicalDpiX() / kTwipsPerInch;
    mCaption->setFixedWidth(qMax(qMax(0, width), width > 0 ? mMinimumCaptionWidth : 0));
    mCaption->setVisible(width > 0);
    mEingabe->setAccessibleName(mDesign.caption);
    mDialogButton->setVisible(mDesign.buttonvisible);
    mDialogButton->setToolTip(mDesign.dlgcaption);
}

void StammDatenFeld::setMinimumCaptionWidth(int pixels) {
    mMinimumCaptionWidth = pixels;
    applyDesign();
}

void StammDatenFeld::showEvent(QShowEvent* event) {
    // The screen, and with it the resolution, is known for sure only now.
    applyDesign();
    MasterDataCombo::showEvent(event);
}

void StammDatenFeld::forwardKey(QKeyEvent* event) {
    // Keys sent to the field itself (rather than to its entry, which holds the
    // focus) are typed into the entry. What the entry leaves unused comes up
    // here on its way to our parents and goes on unchanged.
    if (mEingabe->takeUnused(event)) {
        event->ignore();
        return;
    }
    QCoreApplication::sendEvent(mEingabe, event);
    // Unused, it has now been offered to our parents already.
    mEingabe->takeUnused(event);
    event->accept();
}

void StammDatenFeld::keyPressEvent(QKeyEvent* event) { forwardKey(event); }

void StammDatenFeld::keyReleaseEvent(QKeyEvent* event) { forwardKey(event); }

void StammDatenFeld::setTableName(const QString& table) {
    if (table != mTableName) refresh();
    mTableName = table;
}

void StammDatenFeld::setConnection(std::shared_ptr<Connection> connection) {
    if (connection != mConnection) refresh();
    mConnection = std::move(connection);
}

void StammDatenFeld::ClearColumns() {
    mSpalten.clear();
    refresh();
}

void StammDatenFeld::AddColumn(const QString& column, const QString& heading,
                               const QString& format) {
    mSpalten.append({column, heading, format});
    refresh();
}

void StammDatenFeld::setKeyColumn(const QString& column) {
    mKeyColumn = column;
    refresh();
}

QString StammDatenFeld::keyColumn() const {
    if (!mKeyColumn.isEmpty()) return mKeyColumn;
    if (!mDesign.visiblecolumn.isEmpty())
        for (const Spalte& s : mSpalten)
            if (s.name.compare(mDesign.visiblecolumn, Qt::CaseInsensitive) == 0) return s.name;
    const QString known = knownKeyColumn(mTableName);
    if (!known.isEmpty()) return known;
    return mSpalten.isEmpty() ? QString() : mSpalten.first().name;
}

QStringList StammDatenFeld::selectColumns() const {
    QStringList columns;
    for (const Spalte& s : mSpalten)
        columns << s.name;
    const QString key = keyColumn();
    if (!key.isEmpty() && !columns.contains(key, Qt::CaseInsensitive)) columns.prepend(key);
    return columns;
}

int StammDatenFeld::keyIndex() const {
    const QString key = keyColumn();
    const QStringList columns = selectColumns();
    for (int i = 0; i < columns.size(); ++i)
        if (columns[i].compare(key, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

void StammDatenFeld::refresh() {
    mLoaded = false;
    mListFilled = false;
    mRows.clear();
}

void StammDatenFeld::ensureLoaded() {
    if (mLoaded) return;
    mRows.clear();
    mListFilled = false;
    if (!mConnection || mTableName.isEmpty() || mSpalten.isEmpty()) return;
    const QStringList columns = checkedIdentifiers(selectColumns(), QStringLiteral("Spaltenname"));
    auto rs = mConnection->Execute(QStringLiteral("Select ") + columns.join(QStringLiteral(", ")) +
                                   QStringLiteral(" from ") +
                                   checkedIdentifier(mTableName, QStringLiteral("Tabellenname")) +
                                   QStringLiteral(" order by ") +
                                   checkedIdentifier(keyColumn(), QStringLiteral("Spaltenname")));
    if (rs) {
        for (; !rs->Eof(); rs->MoveNext()) {
            QVariantList row;
            row.reserve(columns.size());
            for (const QString& c : columns)
                row << rs->Value(c);
            mRows << row;
        }
        rs->Close();
    }
    mLoaded = true;
}

int StammDatenFeld::rowOfKey(const QString& key) const {
    const int k = keyIndex();
    if (k < 0) return -1;
    for (int r = 0; r < mRows.size(); ++r)
        if (sameKey(mRows[r][k].toString(), key)) return r;
    return -1;
}

QVariant StammDatenFeld::KeyValue() const {
    const QString text = mEingabe->text();
    return text.isEmpty() ? QVariant() : QVariant(text);
}

void StammDatenFeld::setKeyValue(const QVariant& key) {
    const QString text = key.isNull() ? QString() : key.toString();
    mEingabe->setText(text);
    mLastText = text;
    if (mList && mList->isVisible()) mList->setCurrentCell(rowOfKey(text), 0);
}

QString StammDatenFeld::captionOrTable() const {
    return mDesign.caption.isEmpty() ? mTableName : mDesign.caption;
}

void StammDatenFeld::ValidateInput(bool& cancel) {
    if (!mDesign.keymustexist) return;
    const QString text = mEingabe->text().trimmed();
    if (text.isEmpty() || !mConnection || mTableName.isEmpty() || mSpalten.isEmpty()) return;
    ensureLoaded();
    if (rowOfKey(text) >= 0) return;
    cancel = true;
    if (!mDesign.showerrors) return;
    const QString message =
        mDesign.messagekeynotfound.isEmpty()
            ? QStringLiteral("Der Eintrag \"%1\" ist nicht vorhanden.").arg(text)
            : mDesign.messagekeynotfound;
    messages().Meldung(message, 48, captionOrTable(), 0);
}

void StammDatenFeld::guarded(const char* procedure, const std::function<void()>& step) {
    // Nothing may escape from here into the event loop: a failure of our own
    // step or of a host's reaction to our events is reported instead.
    const QString module = objectName().isEmpty() ? QStringLiteral("StammDaten") : objectName();
    try {
        step();
    } catch (const Error& e) {
        messages().Fehlermeldung(module, QLatin1String(procedure), e.number(), e.text(), true);
    } catch (const std::exception& e) {
        messages().Fehlermeldung(module, QLatin1String(procedure), 0,
                                 QString::fromLocal8Bit(e.what()), true);
    }
}

void StammDatenFeld::fillList() {
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
        mList->installEventFilter(this);
        connect(mList, &QTableWidget::cellClicked, this, [this](int row, int) { pick(row); });
    }
    const QStringList columns = selectColumns();
    const bool keyShownExtra = columns.size() > mSpalten.size();
    QStringList headings;
    if (keyShownExtra) headings << columns.first();
    for (const Spalte& s : mSpalten)
        headings << s.heading;
    mList->clear();
    mList->setColumnCount(static_cast<int>(headings.size()));
    mList->setHorizontalHeaderLabels(headings);
    mList->setRowCount(static_cast<int>(mRows.size()));
    const int offset = keyShownExtra ? 1 : 0;
    for (int r = 0; r < mRows.size(); ++r)
        for (int c = 0; c < headings.size(); ++c) {
            const QString format = c >= offset ? mSpalten[c - offset].format : QString();
            auto* item = new QTableWidgetItem(formatted(mRows[r][c], format));
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            mList->setItem(r, c, item);
        }
    mList->resizeColumnsToContents();
    mListFilled = true;
}

void StammDatenFeld::showList() {
    bool ok = true;
    guarded("showList", [&] {
        ok = false;
        ensureLoaded();
        ok = true;
    });
    if (!ok) return;
    if (!mListFilled || !mList) fillList();
    mList->setCurrentCell(rowOfKey(mEingabe->text()), 0);

    const int frame = 2 * mList->frameWidth();
    const int rowHeight = mList->verticalHeader()->defaultSectionSize();
    const int visibleRows = qBound(1, static_cast<int>(mRows.size()), kVisibleListRows);
    const int height = mList->horizontalHeader()->height() + visibleRows * rowHeight + frame;
    int width = mList->horizontalHeader()->length() + frame;
    if (mRows.size() > kVisibleListRows) width += mList->verticalScrollBar()->sizeHint().width();
    const int fieldWidth =
        mEingabe->width() + (mListButton->isVisible() ? mListButton->width() : 0);
    mList->setGeometry(QRect(mEingabe->mapToGlobal(QPoint(0, mEingabe->height())),
                             QSize(qMax(width, fieldWidth), height)));
    mList->show();
    mList->setFocus(Qt::PopupFocusReason);
}

void StammDatenFeld::hideList() {
    if (mList && mList->isVisible()) mList->hide();
}

bool StammDatenFeld::isListVisible() const { return mList && mList->isVisible(); }

bool StammDatenFeld::eventFilter(QObject* watched, QEvent* event) {
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
    return MasterDataCombo::eventFilter(watched, event);
}

void StammDatenFeld::pick(int row) {
    const int k = keyIndex();
    if (row < 0 || row >= mRows.size() || k < 0) return;
    const QVariant tableValue = mRows[row][k];
    hideList();
    pickKey(tableValue.toString(), tableValue, row);
}

void StammDatenFeld::pickKey(const QString& key, const QVariant& tableValue, int row) {
    const QVariant oldKey = KeyValue();
    const bool changed = key != mEingabe->text();
    if (changed) {
        mEingabe->setText(key);
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

QVariant StammDatenFeld::itemValue(const QString& /*key*/, const QVariant& tableValue) const {
    return tableValue;
}

void StammDatenFeld::userChanged(const QVariant& /*oldKey*/, int /*row*/) {}

void StammDatenFeld::onTextEdited() {
    const QVariant oldKey = mLastText.isEmpty() ? QVariant() : QVariant(mLastText);
    mLastText = mEingabe->text();
    mUnconfirmed = true;
    guarded("KeyChanged", [&] {
        emit KeyChanged();
        userChanged(oldKey, -1);
    });
}

void StammDatenFeld::onReturn() {
    mUnconfirmed = false;
    guarded("FieldConfirm", [&] { emit FieldConfirm(); });
}

void StammDatenFeld::onEntered(Qt::FocusReason /*reason*/) {
    // Coming back from our own list, from another window or from a refused
    // leave is no new entering.
    if (mRefocusing || mInside) return;
    mInside = true;
    mUnconfirmed = false;
    guarded("FieldEnter", [&] { emit FieldEnter(); });
}

void StammDatenFeld::onLeft(Qt::FocusReason reason) {
    if (mLeaving || mRefocusing) return;
    if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason) return;
    QWidget* next = QApplication::focusWidget();
    if (!next || !mEingabe->isVisible() || !mEingabe->isEnabled()) {
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
        mEingabe->setFocus(Qt::OtherFocusReason);
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

void StammDatenFeld::openEditDialog() {
    guarded("openEditDialog", [&] {
        ensureLoaded();
        const QStringList columns = selectColumns();
        const bool keyShownExtra = columns.size() > mSpalten.size();
        QStringList headings;
        if (keyShownExtra) headings << columns.first();
        for (const Spalte& s : mSpalten)
            headings << s.heading;
        QString title = mDesign.dlgcaption;
        if (title.isEmpty()) title = captionOrTable() + QStringLiteral(" bearbeiten");
        StammDatenDialog::Rechte rechte{mDesign.allowedit, mDesign.allowaddnew,
                                        mDesign.allowdelete};
        QWidget* parent = mOwnerForm ? mOwnerForm.data() : window();
        StammDatenDialog dialog(title, headings, mRows, keyIndex(), rechte,
                                rowOfKey(mEingabe->text()), parent);
        if (dialogs().exec(dialog) != QDialog::Accepted) return;
        try {
            saveChanges(dialog);
        } catch (...) {
            refresh();
            throw;
        }
        const std::optional<QString> chosen = dialog.chosenKey();
        if (!chosen || *chosen == mEingabe->text()) return;
        ensureLoaded();
        const int row = rowOfKey(*chosen);
        const QVariant tableValue = row >= 0 ? mRows[row][keyIndex()] : QVariant(*chosen);
        pickKey(*chosen, tableValue, row);
    });
}

void StammDatenFeld::saveChanges(const StammDatenDialog& dialog) {
    const QList<int> deleted = dialog.deletedRows();
    const auto edited = dialog.editedRows();
    const QList<QStringList> added = dialog.addedRows();
    if (deleted.isEmpty() && edited.isEmpty() && added.isEmpty()) return;
    if (!mConnection || mTableName.isEmpty()) return;

    // Names first: nothing is written when one of them is refused.
    const QStringList columns = checkedIdentifiers(selectColumns(), QStringLiteral("Spaltenname"));
    checkedIdentifier(mTableName, QStringLiteral("Tabellenname"));
    const int k = keyIndex();
    const QString key = keyColumn();
    auto cell = [](const QString& text) {
        return text.isEmpty() ? QStringLiteral("Null") : quoted(text);
    };
    // Rows are addressed by their key as read; a row without key cannot be.
    auto whereKey = [&](int origin) -> QString {
        const QVariant old = mRows[origin][k];
        if (old.isNull()) return {};
        return QStringLiteral(" where ") + key + QStringLiteral(" = ") + quoted(old.toString());
    };

    for (int origin : deleted) {
        const QString where = whereKey(origin);
        if (!where.isEmpty())
            mConnection->Execute(QStringLiteral("Delete from ") + mTableName + where);
    }
    for (const auto& [origin, texts] : edited) {
        const QString where = whereKey(origin);
        if (where.isEmpty()) continue;
        QStringList sets;
        for (int c = 0; c < columns.size() && c < texts.size(); ++c)
            if (texts[c] != mRows[origin][c].toString())
                sets << columns[c] + QStringLiteral(" = ") + cell(texts[c]);
        mConnection->Execute(QStringLiteral("Update ") + mTableName + QStringLiteral(" set ") +
                             sets.join(QStringLiteral(", ")) + where);
    }
    int refused = 0;
    for (const QStringList& texts : added) {
        // An empty key is a key of its own only where the field allows it.
        if (k >= 0 && texts.value(k).isEmpty() && !mDesign.allowemptystring) {
            ++refused;
            continue;
        }
        QStringList names, values;
        for (int c = 0; c < columns.size() && c < texts.size(); ++c)
            if (!texts[c].isEmpty() || c == k) {
                names << columns[c];
                values << quoted(texts[c]);
            }
        mConnection->Execute(QStringLiteral("Insert into ") + mTableName + QStringLiteral(" (") +
                             names.join(QStringLiteral(", ")) + QStringLiteral(") values (") +
                             values.join(QStringLiteral(", ")) + QStringLiteral(")"));
    }
    refresh();
    if (refused > 0 && mDesign.showerrors)
        messages().Meldung(
            QStringLiteral("Neue Einträge ohne %1 wurden nicht gespeichert.").arg(key), 48,
            captionOrTable(), 0);
}

QVariant StammDatenEdit::itemValue(const QString& key, const QVariant& /*tableValue*/) const {
    return key;
}

void StammDatenEdit::userChanged(const QVariant& oldKey, int row) {
    const bool picked = row >= 0;
    emit EditChange(KeyValue(), keyEntry()->text(), oldKey, oldKey.toString(), keyColumn(), row,
                    picked ? QStringLiteral("Liste") : QStringLiteral("Eingabe"), picked ? 1 : 0,
                    tableName());
}

} // namespace belegadressen
