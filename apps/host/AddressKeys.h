// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once

class QTabBar;
class QWidget;

// Ctrl+1 to Ctrl+3 choose the address tabs anywhere in `window`. The tabs
// carry no access keys of their own: Alt with a digit turns the control's
// pages ("Seite &1", "Seite &2"), and two owners of one key would make
// either of them only take the focus.
void addAddressKeys(QWidget* window, QTabBar* tabs);
