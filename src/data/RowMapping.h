// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include <QString>
#include <functional>

namespace belegadressen {

struct AdressDaten;
class Recordset;

// What the mapping of a customer row needs beyond the row itself.
struct CustomerRowRules {
    QString homeCurrency;        // mLandeswaehrung
    bool serviceContact = false; // copy the telephone numbers into the service contact
    // The rate of a currency code from the currency table; -1 when it has none.
    std::function<double(const QString&)> rateOf;
};

// Fills an address record from a row of the customer select, column by
// column, as the number entry does after the record was reset. Needs no
// widget and no connection beyond `rules.rateOf`.
void fillFromCustomerRow(AdressDaten& r, const Recordset& rs, const CustomerRowRules& rules);

// Fills an address record from a row of the general-address select; the
// record keeps no number and tax key "0".
void fillFromAddressRow(AdressDaten& r, const Recordset& rs);

// A column as text, NULL read as empty text.
QString columnText(const Recordset& rs, const QString& column);
// A flag column as a boolean: NULL, empty, "f", "false" and 0 are false.
bool columnFlag(const Recordset& rs, const QString& column);

} // namespace belegadressen
