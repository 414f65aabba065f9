// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include <QSqlDatabase>

// Internal remarks as older systems stored them: a few customers get a remark
// written by a word processor (RTF with formats, umlauts and the euro sign),
// one a remark of formatting only, one a plain text. Needs customers 10002 to
// 10006; fewer customers get fewer remarks. Throws std::runtime_error.
void writeRemarkSamples(QSqlDatabase& db, int customers);
