// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include <QLineEdit>

namespace belegadressen {

// A numeric input with a fixed number of decimals, shown in the German
// number format ("12,50"). An empty or unreadable text has the value 0.
class NumberEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit NumberEdit(int decimals, QWidget* parent = nullptr);
    // The value set last, as it came, while the shown text is still its
    // rounding; else the number typed.
    double value() const;
    void setValue(double value);
    int decimals() const { return mDecimals; }

signals:
    void valueChanged();

private:
    int mDecimals;
    double mSetValue = 0;
    QString mSetText;
};

// A masked input. An untouched field shows its empty mask ("__.__.____",
// "__:__"); maskedText() answers the text as shown, blanks included.
class MaskedEdit : public QLineEdit {
    Q_OBJECT
public:
    MaskedEdit(const QString& mask, QWidget* parent = nullptr);
    QString maskedText() const;
    QString emptyMask() const { return mEmptyMask; }
    bool isEmptyMask() const { return maskedText() == mEmptyMask; }
    // Empties the field and its undo history.
    void clearValue();

private:
    QString mEmptyMask;
    int mEmptyCursor = 0;
};

// Date input "dd.mm.yyyy".
class DateEdit : public MaskedEdit {
    Q_OBJECT
public:
    explicit DateEdit(QWidget* parent = nullptr) : MaskedEdit("99.99.9999;_", parent) {}
};

// Time input "hh:mm".
class TimeEdit : public MaskedEdit {
    Q_OBJECT
public:
    explicit TimeEdit(QWidget* parent = nullptr) : MaskedEdit("99:99;_", parent) {}
};

} // namespace belegadressen
