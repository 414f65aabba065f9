// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "platform/FieldMark.h"
#include <QAction>
#include <QLineEdit>
#include <QStyle>

namespace belegadressen {

void FieldMark::show(Kind kind, const QString& text) {
    if (!mField) return;
    if (!mSign) {
        mSign = mField->addAction(QIcon(), QLineEdit::TrailingPosition);
        mSign->setObjectName(mObjectName);
    }
    QStyle::StandardPixmap pixmap = QStyle::SP_MessageBoxInformation;
    if (kind == Kind::Valid) pixmap = QStyle::SP_DialogApplyButton;
    if (kind == Kind::Warning) pixmap = QStyle::SP_MessageBoxWarning;
    mSign->setIcon(mField->style()->standardIcon(pixmap));
    mSign->setToolTip(text);
    mSign->setText(text);
    mSign->setVisible(true);
    if (!mShown) mOwnDescription = mField->accessibleDescription();
    mField->setAccessibleDescription(text);
    mText = text;
    mShown = true;
    // The sign takes room from a narrow field: show its beginning, not the
    // end where the last edit left the cursor.
    if (!mField->hasFocus()) mField->setCursorPosition(0);
}

void FieldMark::clear() {
    if (!mShown) return;
    mShown = false;
    mText.clear();
    if (mSign) mSign->setVisible(false);
    if (mField) mField->setAccessibleDescription(mOwnDescription);
}

} // namespace belegadressen
