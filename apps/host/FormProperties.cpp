// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

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
    // Reading puts the layout flags into their variables only; the form shows
    // their fields by running each let member with the value read.
    control.setMitVersandanschrift(control.MitVersandanschrift());
    control.setMitRechnungsanschrift(control.MitRechnungsanschrift());
    control.setFuerBeleg(control.FuerBeleg());
    control.setMitKopftext(control.MitKopftext());
    control.setMitFusstext(control.MitFusstext());
    control.setMitVersandarten(control.MitVersandarten());
    control.setMitSachbearbeiter(control.MitSachbearbeiter());
    control.setMitAuftragsrabatt(control.MitAuftragsrabatt());
    control.setMitRechnungPerPDF(control.MitRechnungPerPDF());
    control.setMitDebitorenkonto(control.MitDebitorenkonto());
    control.setMitPostfach(control.MitPostfach());
    control.setMitKundendienst(control.MitKundendienst());
    control.setMitWartung(control.MitWartung());
}

void FormProperties::writeFrom(belegadressen::BelegAdressen& control) const {
    belegadressen::JsonPropertyBag bag;
    control.WriteProperties(bag);
    if (!bag.save(mPath)) throw std::runtime_error("cannot write " + mPath.toStdString());
}
