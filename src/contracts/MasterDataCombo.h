// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "belegadressen_export.h"
#include "contracts/Connection.h"
#include <QString>
#include <QVariant>
#include <QWidget>
#include <memory>

namespace belegadressen {

/// Design-time values of a master-data field (captionwidth in twips).
struct ComboDesign {
    /// Caption shown left of the field.
    QString caption;
    /// Width of the caption in twips.
    int captionwidth = 1200;
    /// Title of the editing dialog.
    QString dlgcaption;
    /// Message for a key that is not in the table.
    QString messagekeynotfound;
    /// Column shown beside the key.
    QString visiblecolumn;
    /// Only keys of the table are accepted.
    bool keymustexist = true;
    /// An empty key is accepted.
    bool allowemptystring = false;
    /// The editing dialog may add rows.
    bool allowaddnew = true;
    /// The editing dialog may delete rows.
    bool allowdelete = true;
    /// The editing dialog may change rows.
    bool allowedit = true;
    /// The list button is shown.
    bool buttonvisible = true;
    /// Errors are shown as messages.
    bool showerrors = true;
};

/// A selection field backed by a master-data table: caption, key entry, a list
/// of the table's rows and an editing dialog. Three classes share this contract.
class BELEGADRESSEN_EXPORT MasterDataCombo : public QWidget {
    Q_OBJECT
public:
    /// The three classes of the family.
    enum class Kind { Combo, ComboEdit, Edit };
    using QWidget::QWidget;

    /// Which class of the family this is.
    virtual Kind kind() const = 0;
    /// Applies the design-time values.
    virtual void setDesign(const ComboDesign& design) = 0;
    /// The design-time values.
    virtual const ComboDesign& design() const = 0;

    // Run-time set-up, in this order.
    /// First run-time step: where the rows come from.
    virtual void setSourceMode(qint32 mode) = 0;
    /// Hands over the server object of the host.
    virtual void setServer(QObject* server) = 0;
    /// The form that owns the field.
    virtual void setOwnerForm(QWidget* form) = 0;
    /// The master-data table.
    virtual void setTableName(const QString& table) = 0;
    /// The connection to read the table through.
    virtual void setConnection(std::shared_ptr<Connection> connection) = 0;
    /// The signed-in user.
    virtual void setUserName(const QString& user) = 0;
    /// Key under which the field keeps its settings.
    virtual void setSettingsKey(const QString& key) = 0;
    /// Removes the columns of the list.
    virtual void ClearColumns() = 0;
    /// Adds a column of the list.
    virtual void AddColumn(const QString& column, const QString& heading,
                           const QString& format = {}) = 0;

    /// The selected key; null when nothing is selected. Writing selects it.
    virtual QVariant KeyValue() const = 0;
    /// Selects a key.
    virtual void setKeyValue(const QVariant& key) = 0;
    /// Checks the typed key; sets cancel when it is refused.
    virtual void ValidateInput(bool& cancel) = 0;

signals:
    /// Asks the owner to validate; setting cancel refuses the input.
    void ValidateRequest(bool* cancel);
    /// The key changed.
    void KeyChanged();
    /// An entry of the list was chosen.
    void ItemSelected(const QVariant& value);
    /// The field got the focus.
    void FieldEnter();
    /// The user confirmed the field.
    void FieldConfirm();
    /// The edit class reports a change with nine values.
    void EditChange(const QVariant& key, const QVariant& text, const QVariant& oldKey,
                    const QVariant& oldText, const QVariant& column, const QVariant& row,
                    const QVariant& source, const QVariant& reason, const QVariant& extra);
};

} // namespace belegadressen
