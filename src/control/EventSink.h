// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "control/Events.h"
#include <QString>

namespace belegadressen {

// The events the control raises to its host (control/Events.h; the ones it
// never raises have no raise function). The facade implements it by emitting
// its signals; collaborators raise events through it.
class EventSink {
public:
    virtual ~EventSink() = default;
#define BA_RAISE(name, original, raise, params, args, doc) virtual void raise params = 0;
#define BA_NEVER(...)
    BELEGADRESSEN_EVENTS(BA_RAISE, BA_NEVER)
#undef BA_RAISE
#undef BA_NEVER
    // Not an event of the interface: the property store's change notification.
    virtual void raisePropertyChanged(const QString& name) = 0;
};

} // namespace belegadressen
