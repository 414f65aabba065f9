// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "platform/GermanButtons.h"
#include <QPushButton>

namespace belegadressen {

QString germanButtonText(QDialogButtonBox::StandardButton button) {
    using B = QDialogButtonBox;
    switch (button) {
    case B::Ok:
        return QStringLiteral("OK");
    case B::Save:
        return QStringLiteral("&Speichern");
    case B::SaveAll:
        return QStringLiteral("Alle speichern");
    case B::Open:
        return QStringLiteral("&Öffnen");
    case B::Yes:
        return QStringLiteral("&Ja");
    case B::YesToAll:
        return QStringLiteral("Ja, &alle");
    case B::No:
        return QStringLiteral("&Nein");
    case B::NoToAll:
        return QStringLiteral("N&ein, keine");
    case B::Abort:
        return QStringLiteral("Abbrechen");
    case B::Retry:
        return QStringLiteral("&Wiederholen");
    case B::Ignore:
        return QStringLiteral("&Ignorieren");
    case B::Close:
        return QStringLiteral("&Schließen");
    case B::Cancel:
        return QStringLiteral("Abbrechen");
    case B::Discard:
        return QStringLiteral("&Verwerfen");
    case B::Help:
        return QStringLiteral("&Hilfe");
    case B::Apply:
        return QStringLiteral("An&wenden");
    case B::Reset:
        return QStringLiteral("&Zurücksetzen");
    case B::RestoreDefaults:
        return QStringLiteral("&Voreinstellungen");
    default:
        return {};
    }
}

void germanStandardButtons(QDialogButtonBox& box) {
    for (QAbstractButton* button : box.buttons()) {
        const QString text = germanButtonText(box.standardButton(button));
        if (!text.isEmpty()) button->setText(text);
    }
}

} // namespace belegadressen
