#include "platform/InputFields.h"
#include <QDoubleValidator>
#include <QLocale>

namespace belegadressen {

namespace {
const QLocale& german() {
    static const QLocale locale(QLocale::German, QLocale::Germany);
    return locale;
}
} // namespace

NumberEdit::NumberEdit(int decimals, QWidget* parent) : QLineEdit(parent), mDecimals(decimals) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* validator = new QDoubleValidator(-1e12, 1e12, decimals, this);
    validator->setLocale(german());
    validator->setNotation(QDoubleValidator::StandardNotation);
    setValidator(validator);
    connect(this, &QLineEdit::textChanged, this, &NumberEdit::valueChanged);
}

double NumberEdit::value() const {
    bool ok = false;
    QString t = text().trimmed();
    t.remove(german().groupSeparator());
    double v = german().toDouble(t, &ok);
    if (!ok) v = QLocale::c().toDouble(t, &ok);
    return ok ? v : 0.0;
}

void NumberEdit::setValue(double value) {
    setText(german().toString(value, 'f', mDecimals).remove(german().groupSeparator()));
}

MaskedEdit::MaskedEdit(const QString& mask, QWidget* parent) : QLineEdit(parent) {
    setInputMask(mask);
    mEmptyMask = displayText();
}

QString MaskedEdit::maskedText() const { return displayText(); }

} // namespace belegadressen
