// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include <QString>
#include <QStringList>

namespace belegadressen {

// What assistive technology says for a child control: its name in words and,
// where a key or a detail is worth telling, a description. An empty
// description leaves the control's tool tip to speak for it.
struct AccessibleText {
    QString name;
    QString description;
};

// The text of the control with this object name; an empty name when the
// control needs none of its own (a button that shows its caption, a label).
AccessibleText accessibleTextOf(const QString& objectName);

// The object names the table knows, in table order.
QStringList controlsWithAccessibleText();

} // namespace belegadressen
