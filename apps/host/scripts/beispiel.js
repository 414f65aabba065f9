// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

// A sample script for the host's --script: loads the first sample customer on
// address 1, writes a delivery address by member names on address 2, reads
// both back and shows how the control's errors arrive.

function pruefe(bedingung, was) {
    if (!bedingung) throw new Error("Nicht erfüllt: " + was);
}

var aenderungen = 0;
adressen.Change.connect(function () { aenderungen++; });
adressen.ChangeKundenrabatt.connect(function (rabatt) {
    print("Ereignis ChangeKundenrabatt:", rabatt);
});

var methoden = adressen.members().filter(function (m) { return m.kind === "Method"; });
print("Mitglieder:", adressen.members().length, "davon Methoden:", methoden.length);

adressen.invoke("AktAdresse", [1]);
pruefe(adressen.invoke("fktDragNummer", ["10001"]) !== 0, "Kunde 10001 geladen");
print("Adresse 1:", adressen.invoke("GetNummer"), adressen.invoke("GetBez1"),
      adressen.invoke("GetPostleitzahl"), adressen.invoke("GetOrt"),
      "Rabatt", adressen.invoke("GetRabatt"), "Währung", adressen.invoke("GetWährung"));
pruefe(aenderungen > 0, "Change nach dem Laden");

adressen.invoke("AktAdresse", [2]);
adressen.invoke("AddBez1", ["Baustelle Lindenhof"]);
adressen.invoke("AddStraße", ["Lindenstraße 12"]);
adressen.invoke("AddPostleitzahl", ["79098"]);
adressen.invoke("AddOrt", ["Freiburg"]);
adressen.invoke("AddKzDivers", [true]);
pruefe(adressen.invoke("GetStraße") === "Lindenstraße 12", "Straße von Adresse 2");
pruefe(adressen.invoke("GetKzDivers") === true, "Diverse-Kennzeichen von Adresse 2");
print("Adresse 2:", adressen.invoke("GetBez1"), adressen.invoke("GetStraße"),
      adressen.invoke("GetPostleitzahl"), adressen.invoke("GetOrt"));

try {
    // There is no address 99: its accessors refuse.
    adressen.invoke("AktAdresse", [99]);
    adressen.invoke("GetBez1");
    pruefe(false, "Fehler 9 für Adresse 99");
} catch (e) {
    pruefe(e.number === 9, "Fehler 9, nicht " + e.number);
    print("Erwarteter Fehler", e.number + ":", e.message);
}
try {
    adressen.invoke("GibtEsNicht", []);
    pruefe(false, "Fehler 438 für ein unbekanntes Mitglied");
} catch (e) {
    pruefe(e.number === 438, "Fehler 438, nicht " + e.number);
    print("Erwarteter Fehler", e.number + ":", e.message);
}
adressen.invoke("AktAdresse", [1]);
print("Fertig, aktuelle Adresse", adressen.invoke("AktAdresse"));
