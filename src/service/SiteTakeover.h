// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "contracts/Recordset.h"
#include "control/AdressDaten.h"
#include <functional>

namespace belegadressen {

class EventSink;

// How a site or an equipment reaches address 2: automatically after a
// customer load, or chosen by the user in the site dialog or window. The two
// differ in a few fields and in how they hand NULL columns to the host.
enum class Takeover { Automatic, Selection };

// Copies one row of the sites or equipment table into the service address
// and raises the takeover's events. Needs no widget: the caller shows the
// address afterwards. A failing step leaves the fields written before it.
class SiteTakeover {
public:
    using NameLookup = std::function<QVariant(const QString& personalNr)>;
    SiteTakeover(EventSink& events, NameLookup monteurname, double standarddauer)
        : mEvents(events), mMonteurname(std::move(monteurname)), mStandarddauer(standarddauer) {}

    void standort(AdressDaten& r, const Recordset& site, Takeover how);
    // `bezeichnungRoh`: the description is taken unconverted (NULL leaves the
    // field), as the site window hands it.
    void anlage(AdressDaten& r, const Recordset& equipment, Takeover how,
                bool bezeichnungRoh = false);

private:
    void monteur(AdressDaten& r, const QVariant& monteurNummer, Takeover how);

    EventSink& mEvents;
    NameLookup mMonteurname;
    double mStandarddauer;
};

} // namespace belegadressen
