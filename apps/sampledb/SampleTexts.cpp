// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "SampleData.h"

namespace sample {

// Text modules longer than a preview shows at once: several paragraphs,
// quotes and umlauts, as real payment terms and notes are written.
void addLongTexts(QVector<TextModule>& texts) {
    auto t = [&](const char* art, const char* nr, const char* text) {
        texts.append({QString::fromUtf8(art), QString::fromUtf8(nr), QStringLiteral("ÿÿÿ"),
                      QString::fromUtf8(text)});
    };
    t("FRG", "004",
      "Zahlbar innerhalb von 8 Tagen mit 2 % Skonto oder innerhalb von 30 Tagen ohne Abzug.\n"
      "Bitte geben Sie bei der Überweisung die Rechnungsnummer an.\n"
      "\n"
      "Die gelieferte Ware bleibt bis zur vollständigen Bezahlung unser Eigentum. Für "
      "Arbeiten an Heizungs- und Sanitäranlagen gelten ergänzend unsere \"Besonderen "
      "Bedingungen für Wartung und Störungsdienst\" in der bei Vertragsschluss gültigen "
      "Fassung.\n"
      "Gerichtsstand ist der Sitz unseres Betriebs.");
    t("KRG", "004",
      "Sehr geehrte Damen und Herren,\n"
      "für die im Rahmen des Wartungsvertrags ausgeführten Arbeiten an Ihrer "
      "Heizungsanlage erlauben wir uns, wie folgt zu berechnen:");
}

} // namespace sample
