// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include <memory>

class HostAppObject;
namespace belegadressen {
class BelegAdressen;
}

// The host switches the postal-code check on with its own connection, offline
// against the directory of its database.
void enablePostalCodes(belegadressen::BelegAdressen& control, std::shared_ptr<HostAppObject> app);
