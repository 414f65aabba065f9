// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

// Must fail: an exception in an event handler ends the run with an error,
// although the script's own body runs to its end.
adressen.Change.connect(function () {
    throw new Error("Absichtlicher Fehler in der Ereignisbehandlung");
});
adressen.invoke("fktDragNummer", ["10001"]);
print("Der Rumpf läuft weiter");
