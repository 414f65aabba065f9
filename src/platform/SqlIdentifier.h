// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include <QString>
#include <QStringList>

namespace belegadressen {

// Table and column names that reach a statement from a member or property
// (a master-data field's TableName and columns) are written into the SQL
// text as they stand; they must be plain names the schema could hold.
//
// A plain name starts with a letter or '_' and goes on with letters, digits
// and '_' (letters include ä, ö, ü and ß, as in Straße), at most 63 bytes in
// UTF-8 (PostgreSQL cuts longer names), and is no reserved word of SQL.
// Anything else (spaces, quotes, semicolons, dots, comments) is refused.
bool isPlainIdentifier(const QString& name);

// `name` when it is a plain name; otherwise throws Error with a German text
// that names the refused value and says what it was meant to be (`role`,
// e.g. "Tabellenname").
QString checkedIdentifier(const QString& name, const QString& role);
QStringList checkedIdentifiers(const QStringList& names, const QString& role);

} // namespace belegadressen
