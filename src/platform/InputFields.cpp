// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "platform/InputFields.h"
#include "platform/GermanNumbers.h"
#include "platform/GuardedConnect.h"
#include <QDoubleValidator>
#include <QLocale>

namespace belegadressen {

NumberEdit::NumberEdit(int decimals, QWidget* parent) : QLineEdit(parent), mDecimals(decimals) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* validator = new QDoubleValidator(-1e12, 1e12, decimals, this);
    validator->setLocale(QLocale(QLocale::German, QLocale::Germany));
    validator->setNotation(QDoubleValidator::StandardNotation);
    setValidator(validator);
    connectGuarded(this, &QLineEdit::textChanged, this, &NumberEdit::valueChanged);
}

double NumberEdit::value() const {
    if (!mSetText.isNull() && text() == mSetText) return mSetValue;
    return parseGerman(text());
}

void NumberEdit::setValue(double value) {
    mSetValue = value;
    mSetText = formatGerman(value, mDecimals);
    setText(mSetText);
}

MaskedEdit::MaskedEdit(const QString& mask, QWidget* parent) : QLineEdit(parent) {
    setInputMask(mask);
    setText(QString());
    mEmptyMask = displayText();
    mEmptyCursor = cursorPosition();
}

// setText, not clear(): clearing a masked field records each position in the
// undo history, which would grow with every load for good.
// An empty field that setText would leave exactly as it is (a load empties
// the date and time fields of every address it shows) is not laid out again.
void MaskedEdit::clearValue() {
    if (displayText() == mEmptyMask && cursorPosition() == mEmptyCursor && !hasSelectedText() &&
        !isModified() && !isUndoAvailable() && !isRedoAvailable())
        return;
    setText(QString());
}

QString MaskedEdit::maskedText() const { return displayText(); }

} // namespace belegadressen
