// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "belegadressen_export.h"

namespace belegadressen {

// The wait cursor for as long as a statement runs on the user-interface
// thread. A statement that waits for a lock another user holds (up to the
// wait the host set on its connection) would otherwise freeze the window
// without a sign. Nested statements show it once; on other threads, and in
// programs without a window, it does nothing.
class BELEGADRESSEN_EXPORT StatementWaitCursor {
public:
    StatementWaitCursor();
    ~StatementWaitCursor();
    StatementWaitCursor(const StatementWaitCursor&) = delete;
    StatementWaitCursor& operator=(const StatementWaitCursor&) = delete;

private:
    bool mShown = false;
};

} // namespace belegadressen
