// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "HostServices.h"

namespace belegadressen {
class BelegAdressen;
}

// Connects every event of the control to `log`, one line per event with its
// arguments, in the order the events arrive. Returns the number of events
// connected.
int connectEventLog(belegadressen::BelegAdressen& control, LogLine log);
