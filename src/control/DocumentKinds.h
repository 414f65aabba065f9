// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include <QtGlobal>

namespace belegadressen::documentKinds {

// The document type codes the control compares (`mBelegart`). What a code
// means beyond these rules is the host's.

// Service documents (110, 120, 130): a customer load copies the customer's
// telephone numbers into the service contact and brings sites and equipment
// into address 2.
constexpr bool loadsServiceData(qint16 belegart) {
    return belegart == 110 || belegart == 120 || belegart == 130;
}

// Service and maintenance orders (110, 120): address 2 shows the appointment
// and contact fields editable, and the place line does not end the block.
constexpr bool isServiceOrder(qint16 belegart) { return belegart == 110 || belegart == 120; }

// Invoices that carry a service part on address 2 (130, 50, 60, 70, 80): the
// service panel is shown, the appointment fields only once the address has a
// number or a name.
constexpr bool isInvoiceWithServicePart(qint16 belegart) {
    return belegart == 130 || belegart == 50 || belegart == 60 || belegart == 70 || belegart == 80;
}

// The maintenance order (110), where the date of the last maintenance may be typed.
constexpr bool isMaintenanceOrder(qint16 belegart) { return belegart == 110; }

// The service invoice (130), which shows the last-maintenance and last-invoice dates.
constexpr bool isServiceInvoice(qint16 belegart) { return belegart == 130; }

// The kind of a document type, which picks its header and footer text
// numbers: 0 offer (AN), 1 order (AB), 2 delivery note (LS), 3 invoice (RG),
// 4 credit note (GS); -1 for a code of no kind.
constexpr int kindIndex(qint16 belegart) {
    switch (belegart) {
    case 10:
    case 150:
        return 0;
    case 20:
    case 30:
    case 110:
    case 120:
        return 1;
    case 40:
        return 2;
    case 50:
    case 60:
    case 70:
    case 80:
    case 90:
    case 130:
        return 3;
    case 100:
        return 4;
    default:
        return -1;
    }
}

} // namespace belegadressen::documentKinds
