// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once

class DocumentWindow;

// Beside the document: the shown address as the window envelope prints it
// (the control's Anschriftzeilen), kept up to date while the user types and
// when the address tab changes.
void addAddressPreview(DocumentWindow& window);
