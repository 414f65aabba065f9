#pragma once
#include "contracts/Connection.h"
#include <QString>
#include <QVariant>
#include <QWidget>
#include <memory>

namespace belegadressen {

// Design-time values of a master-data field (captionwidth in twips).
struct ComboDesign {
    QString caption;
    int captionwidth = 1200;
    QString dlgcaption;
    QString messagekeynotfound;
    QString visiblecolumn;
    bool keymustexist = true;
    bool allowemptystring = false;
    bool allowaddnew = true;
    bool allowdelete = true;
    bool allowedit = true;
    bool buttonvisible = true;
    bool showerrors = true;
};

// A selection field backed by a master-data table: caption, key entry, a list
// of the table's rows and an editing dialog. Three classes share this contract.
class MasterDataCombo : public QWidget {
    Q_OBJECT
public:
    enum class Kind { Combo, ComboEdit, Edit };
    using QWidget::QWidget;

    virtual Kind kind() const = 0;
    virtual void setDesign(const ComboDesign& design) = 0;
    virtual const ComboDesign& design() const = 0;

    // Run-time set-up, in this order.
    virtual void setSourceMode(qint32 mode) = 0;
    virtual void setServer(QObject* server) = 0;
    virtual void setOwnerForm(QWidget* form) = 0;
    virtual void setTableName(const QString& table) = 0;
    virtual void setConnection(std::shared_ptr<Connection> connection) = 0;
    virtual void setUserName(const QString& user) = 0;
    virtual void setSettingsKey(const QString& key) = 0;
    virtual void ClearColumns() = 0;
    virtual void AddColumn(const QString& column, const QString& heading,
                           const QString& format = {}) = 0;

    // The selected key; null when nothing is selected. Writing selects it.
    virtual QVariant KeyValue() const = 0;
    virtual void setKeyValue(const QVariant& key) = 0;
    virtual void ValidateInput(bool& cancel) = 0;

signals:
    void ValidateRequest(bool* cancel);
    void KeyChanged();
    void ItemSelected(const QVariant& value);
    void FieldEnter();
    void FieldConfirm();
    // The edit class reports a change with nine values.
    void EditChange(const QVariant& key, const QVariant& text, const QVariant& oldKey,
                    const QVariant& oldText, const QVariant& column, const QVariant& row,
                    const QVariant& source, const QVariant& reason, const QVariant& extra);
};

} // namespace belegadressen
