// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "control/ControlState.h"

namespace belegadressen {

// Marks a customer load as running for its lifetime. A host slot called
// from one of the load's events must not re-create or switch the records the
// load is filling, nor start a load of its own inside it.
class LoadGuard {
public:
    explicit LoadGuard(EntryState& st) : mSt(st) { mSt.mLaedt = true; }
    ~LoadGuard() { mSt.mLaedt = false; }
    LoadGuard(const LoadGuard&) = delete;
    LoadGuard& operator=(const LoadGuard&) = delete;

private:
    EntryState& mSt;
};

// An invalid call naming `member` while a load is running.
inline void refuseDuringLoad(const ControlState& st, const QString& member) {
    if (st.mLaedt)
        throw Error(
            Error::InvalidCall,
            QStringLiteral("%1 ist nicht möglich, solange eine Adresse geladen wird.").arg(member));
}

} // namespace belegadressen
