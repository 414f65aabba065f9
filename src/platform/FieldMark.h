// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include <QPointer>
#include <QString>
#include <utility>

class QAction;
class QLineEdit;

namespace belegadressen {

// A sign at the end of a line edit that tells what a check found: an icon
// whose tool tip and text say it. While it shows, the field's accessible
// description says the same, so that a screen reader tells it too; when it
// goes, the field's own description comes back.
class FieldMark {
public:
    enum class Kind { Valid, Information, Warning };

    // `objectName` names the sign's action, so that hosts and tests find it.
    FieldMark(QLineEdit* field, QString objectName)
        : mField(field), mObjectName(std::move(objectName)) {}

    void show(Kind kind, const QString& text);
    void clear();
    bool shown() const { return mShown; }
    QString text() const { return mShown ? mText : QString(); }

private:
    QPointer<QLineEdit> mField;
    QString mObjectName;
    QPointer<QAction> mSign;
    QString mText;
    QString mOwnDescription; // the field's description while the mark shows
    bool mShown = false;
};

} // namespace belegadressen
