// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include <QDialogButtonBox>

namespace belegadressen {

// The German text of a standard button. Qt labels standard buttons in the
// language of the translations the host loaded, English when it loaded none;
// the control's dialogs say German on every host.
QString germanButtonText(QDialogButtonBox::StandardButton button);

// Labels every standard button of `box` in German.
void germanStandardButtons(QDialogButtonBox& box);

} // namespace belegadressen
