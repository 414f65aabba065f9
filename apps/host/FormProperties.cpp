#include "FormProperties.h"
#include "control/BelegAdressen.h"
#include "platform/PropertyBags.h"
#include <QFile>
#include <stdexcept>

FormProperties::FormProperties(QString path) : mPath(std::move(path)) {}

bool FormProperties::exists() const { return QFile::exists(mPath); }

void FormProperties::readInto(belegadressen::BelegAdressen& control) const {
    belegadressen::JsonPropertyBag bag;
    if (!bag.load(mPath)) throw std::runtime_error("cannot read " + mPath.toStdString());
    control.ReadProperties(bag);
}

void FormProperties::writeFrom(belegadressen::BelegAdressen& control) const {
    belegadressen::JsonPropertyBag bag;
    control.WriteProperties(bag);
    if (!bag.save(mPath)) throw std::runtime_error("cannot write " + mPath.toStdString());
}
