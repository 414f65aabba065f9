// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include <QString>

// Installs Qt's own German translations (standard buttons, context menus of
// the input fields) into the application, as any German application does.
// Answers the folder the file came from, or an empty text when Qt's German
// translations are not installed; the host then stays usable in English.
QString installGermanQtTranslations();
