// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

// Must fail: a handler that never returns is stopped by the time limit, and
// the run ends with an error instead of a frozen window.
adressen.Change.connect(function () {
    for (;;) {}
});
adressen.invoke("fktDragNummer", ["10001"]);
print("Nicht erreicht");
