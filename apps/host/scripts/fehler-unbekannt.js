// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

// Must fail: an unknown member that the script does not catch.
print("vor dem Fehler");
adressen.invoke("GibtEsNicht", []);
print("nicht erreicht");
