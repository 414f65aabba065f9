// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "belegadressen_export.h"
#include "contracts/Connection.h"
#include "contracts/HostApplication.h"
#include <QString>
#include <QStringList>
#include <memory>

namespace belegadressen {

/// Checks postal codes, places and streets against a postal directory.
class BELEGADRESSEN_EXPORT PostalCodeManager {
public:
    virtual ~PostalCodeManager() = default;
    /// Hands over the host object and the connection to check against.
    virtual void Init(std::shared_ptr<HostApplication> app, const QString& connectString,
                      std::shared_ptr<Connection> connection, bool ortsteileAnzeigen) = 0;
    /// Checks postal code, place and street; with mitdialog the user chooses among matches.
    virtual void Suche_Plz(const QString& plz, const QString& ort, const QString& strasse,
                           bool mitdialog = true) = 0;
    /// The place of a postal code.
    virtual QString Suche_Ort(const QString& plz) = 0;
    /// Whether the last check confirmed an address.
    virtual bool Geprueft() const = 0;
    /// Postal code of the confirmed address.
    virtual QString Plz() const = 0;
    /// Place of the confirmed address.
    virtual QString Ort() const = 0;
    /// Street of the confirmed address.
    virtual QString Strasse() const = 0;
    /// House number of the confirmed address.
    virtual QString Hausnummer() const = 0;
    /// Suppresses the message that confirms a single match.
    virtual void setOkMeldungUnterdrucken(bool suppress) = 0;
};

/// What a manager may learn beyond the members above. The control looks for
/// it on the manager (dynamic_cast) and fills it before each search; a manager
/// without it is called exactly as before.
class BELEGADRESSEN_EXPORT PostalCodeManagerExtension {
public:
    virtual ~PostalCodeManagerExtension() = default;
    /// The address the following searches belong to: its country as the
    /// address field holds it (D, A, CH, ...; empty for the home country) and
    /// the place as typed, which Suche_Ort keeps when it belongs to the code.
    virtual void setAnschrift(const QString& land, const QString& ort) = 0;
    /// The user asked for this search: ask again, even about a value the
    /// manager has answered before.
    virtual void neueSuche() = 0;
    /// After a search that confirmed nothing: the places of the typed postal
    /// code when a place was typed that is none of them (nor its misspelling);
    /// empty otherwise. The control keeps the typed place and marks postal code
    /// and place with these places.
    virtual QStringList OrteDerPlz() const = 0;
    /// After a search that confirmed an address: the place as it was typed when
    /// the answer is the directory's spelling of a misspelt place; empty
    /// otherwise. The control shows the correction and keeps the typed text to
    /// undo.
    virtual QString OrtVorKorrektur() const = 0;
};

} // namespace belegadressen
