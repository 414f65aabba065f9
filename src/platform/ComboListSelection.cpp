// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "platform/ComboListSelection.h"
#include <QComboBox>

namespace belegadressen {

namespace {

// Compares as text as well, since a host may hand "2" for an entry whose data is 2.
bool same(const QVariant& a, const QVariant& b) {
    if (a == b) return true;
    return a.isValid() && b.isValid() && !a.isNull() && !b.isNull() && a.toString() == b.toString();
}

} // namespace

void ComboListSelection::Select(QComboBox& list, const QVariant& value) {
    for (int i = 0; i < list.count(); ++i) {
        const QVariant data = list.itemData(i);
        if (data.isValid() ? same(data, value) : same(QVariant(i), value)) {
            list.setCurrentIndex(i);
            return;
        }
    }
    list.setCurrentIndex(-1);
}

QVariant ComboListSelection::SelectedValue(const QComboBox& list) {
    const int i = list.currentIndex();
    if (i < 0) return {};
    const QVariant data = list.itemData(i);
    return data.isValid() ? data : QVariant(i);
}

} // namespace belegadressen
