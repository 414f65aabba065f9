// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "platform/MasterDataTable.h"
#include "contracts/Error.h"
#include "platform/SqlIdentifier.h"
#include "platform/SqlText.h"
#include "platform/WriteTransaction.h"
#include <QLocale>
#include <QSet>
#include <cmath>
#include <optional>

namespace belegadressen {

namespace {

struct KnownTable {
    const char* table;
    const char* key;
    int keyLength;
};

// Keys of the master tables a control is set up with: the column that holds
// the key where it is not among the columns shown, and the longest key each
// takes (an engine that does not check lengths would otherwise store keys
// that another one refuses).
constexpr KnownTable kKnownTables[] = {
    {"Personalstamm", "PersonalNr", 20},
    {"Währungen", nullptr, 3},
    {"MWStKennzeichenKunde", nullptr, 3},
    {"Zahlungsarten", nullptr, 10},
    {"Zahlungsbedingungen", nullptr, 10},
    {"Versandtexte", nullptr, 20},
    {"Anreden", nullptr, 50},
};

const KnownTable* known(const QString& table) {
    for (const KnownTable& k : kKnownTables)
        if (table.compare(QString::fromUtf8(k.table), Qt::CaseInsensitive) == 0) return &k;
    return nullptr;
}

bool sameKey(const QString& a, const QString& b) {
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

const QLocale& german() {
    static const QLocale locale = [] {
        QLocale l(QLocale::German, QLocale::Germany);
        l.setNumberOptions(QLocale::OmitGroupSeparator);
        return l;
    }();
    return locale;
}

bool isNumberType(const QVariant& v) {
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Double:
    case QMetaType::Float:
        return true;
    default:
        return false;
    }
}

bool isWholeType(const QVariant& v) {
    return isNumberType(v) && v.typeId() != QMetaType::Double && v.typeId() != QMetaType::Float;
}

// A number typed by a German user: a comma is the decimal sign (points then
// group digits); without a comma a point is the decimal sign.
std::optional<double> parseTyped(const QString& text) {
    QString t = text.trimmed();
    t.remove(QLatin1Char(' '));
    bool ok = false;
    double v = 0;
    if (t.contains(QLatin1Char(','))) {
        t.remove(QLatin1Char('.'));
        v = german().toDouble(t, &ok);
    } else {
        v = QLocale::c().toDouble(t, &ok);
    }
    if (!ok || !std::isfinite(v)) return std::nullopt;
    return v;
}

QString quotedName(const QString& text) { return QStringLiteral("„") + text + QStringLiteral("“"); }

} // namespace

void MasterDataTable::setTableName(const QString& table) {
    if (table != mTableName) refresh();
    mTableName = table;
}

void MasterDataTable::setConnection(std::shared_ptr<Connection> connection) {
    if (connection != mConnection) refresh();
    mConnection = std::move(connection);
}

void MasterDataTable::clearColumns() {
    mColumns.clear();
    refresh();
}

void MasterDataTable::addColumn(const QString& name, const QString& heading,
                                const QString& format) {
    mColumns.append({name, heading.isEmpty() ? name : heading, format});
    refresh();
}

void MasterDataTable::setKeyColumn(const QString& column) {
    mKeyColumn = column;
    refresh();
}

void MasterDataTable::setVisibleColumn(const QString& column) {
    if (column == mVisibleColumn) return;
    mVisibleColumn = column;
    refresh();
}

bool MasterDataTable::isConfigured() const {
    return mConnection && !mTableName.isEmpty() && !mColumns.isEmpty();
}

QString MasterDataTable::keyColumn() const {
    if (!mKeyColumn.isEmpty()) return mKeyColumn;
    if (!mVisibleColumn.isEmpty())
        for (const MasterDataColumn& c : mColumns)
            if (c.name.compare(mVisibleColumn, Qt::CaseInsensitive) == 0) return c.name;
    if (const KnownTable* k = known(mTableName); k && k->key) return QString::fromUtf8(k->key);
    return mColumns.isEmpty() ? QString() : mColumns.first().name;
}

QStringList MasterDataTable::selectColumns() const {
    QStringList columns;
    for (const MasterDataColumn& c : mColumns)
        columns << c.name;
    const QString key = keyColumn();
    if (!key.isEmpty() && !columns.contains(key, Qt::CaseInsensitive)) columns.prepend(key);
    return columns;
}

QStringList MasterDataTable::headings() const {
    QStringList out;
    const QStringList columns = selectColumns();
    if (columns.size() > mColumns.size()) out << columns.first();
    for (const MasterDataColumn& c : mColumns)
        out << c.heading;
    return out;
}

int MasterDataTable::keyIndex() const {
    const QString key = keyColumn();
    const QStringList columns = selectColumns();
    for (int i = 0; i < columns.size(); ++i)
        if (columns[i].compare(key, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

int MasterDataTable::maxKeyLength() const {
    const KnownTable* k = known(mTableName);
    if (!k) return 0;
    // The length is that of the table's own key column.
    const QString key = keyColumn();
    const bool ownKey = k->key ? key.compare(QString::fromUtf8(k->key), Qt::CaseInsensitive) == 0
                               : !mColumns.isEmpty() &&
                                     key.compare(mColumns.first().name, Qt::CaseInsensitive) == 0;
    return ownKey ? k->keyLength : 0;
}

void MasterDataTable::refresh() {
    mLoaded = false;
    mRows.clear();
}

void MasterDataTable::load() {
    if (mLoaded) return;
    mRows.clear();
    if (!isConfigured()) return;
    // Names set by the host reach the statement only as plain identifiers.
    const QStringList columns = checkedIdentifiers(selectColumns(), QStringLiteral("Spaltenname"));
    auto rs = mConnection->Execute(QStringLiteral("Select ") + columns.join(QStringLiteral(", ")) +
                                   QStringLiteral(" from ") +
                                   checkedIdentifier(mTableName, QStringLiteral("Tabellenname")) +
                                   QStringLiteral(" order by ") +
                                   checkedIdentifier(keyColumn(), QStringLiteral("Spaltenname")));
    if (rs) {
        for (; !rs->Eof(); rs->MoveNext()) {
            QVariantList row;
            row.reserve(columns.size());
            for (const QString& c : columns)
                row << rs->Value(c);
            mRows << row;
        }
        rs->Close();
    }
    mLoaded = true;
}

int MasterDataTable::rowOfKey(const QString& key) const {
    const int k = keyIndex();
    if (k < 0) return -1;
    for (int r = 0; r < mRows.size(); ++r)
        if (sameKey(mRows[r][k].toString(), key)) return r;
    return -1;
}

QVariant MasterDataTable::keyOf(int row) const {
    const int k = keyIndex();
    if (row < 0 || row >= mRows.size() || k < 0) return {};
    return mRows[row][k];
}

QString MasterDataTable::displayText(int row, int column) const {
    const QVariant value = mRows.value(row).value(column);
    const int offset = static_cast<int>(selectColumns().size() - mColumns.size());
    const QString format = column >= offset ? mColumns.value(column - offset).format : QString();
    if (format.isEmpty() || value.isNull()) return value.toString();
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (!ok) return value.toString();
    const qsizetype point = format.indexOf(QLatin1Char('.'));
    int decimals = 0;
    if (point >= 0)
        for (qsizetype i = point + 1; i < format.size(); ++i)
            if (format[i] == QLatin1Char('0') || format[i] == QLatin1Char('#')) ++decimals;
    QLocale locale;
    if (!format.contains(QLatin1Char(',')))
        locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale.toString(number, 'f', decimals);
}

QString MasterDataTable::editText(int row, int column) const {
    return cellText(mRows.value(row).value(column));
}

QString MasterDataTable::cellText(const QVariant& value) {
    if (value.isNull()) return {};
    if (value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Float)
        return german().toString(value.toDouble(), 'f', QLocale::FloatingPointShortest);
    return value.toString();
}

QList<QStringList> MasterDataTable::editTexts() const {
    QList<QStringList> out;
    const int columns = static_cast<int>(selectColumns().size());
    for (int r = 0; r < mRows.size(); ++r) {
        QStringList texts;
        for (int c = 0; c < columns; ++c)
            texts << editText(r, c);
        out << texts;
    }
    return out;
}

bool MasterDataTable::isNumeric(int column) const {
    const int offset = static_cast<int>(selectColumns().size() - mColumns.size());
    if (column >= offset && !mColumns.value(column - offset).format.isEmpty()) return true;
    for (const QVariantList& row : mRows)
        if (isNumberType(row.value(column))) return true;
    return false;
}

bool MasterDataTable::isWhole(int column) const {
    bool any = false;
    for (const QVariantList& row : mRows) {
        const QVariant v = row.value(column);
        if (v.isNull()) continue;
        if (!isWholeType(v)) return false;
        any = true;
    }
    return any;
}

QString MasterDataTable::literal(int column, const QString& text, QString& why) const {
    if (text.trimmed().isEmpty())
        return column == keyIndex() ? quoted(text) : QStringLiteral("Null");
    if (!isNumeric(column)) return quoted(text);
    const QString heading = headings().value(column);
    const std::optional<double> number = parseTyped(text);
    if (!number) {
        why = QStringLiteral("In der Spalte %1 ist %2 keine Zahl.")
                  .arg(quotedName(heading), quotedName(text));
        return {};
    }
    if (isWhole(column) && std::trunc(*number) != *number) {
        why = QStringLiteral("In der Spalte %1 ist %2 keine ganze Zahl.")
                  .arg(quotedName(heading), quotedName(text));
        return {};
    }
    return QLocale::c().toString(*number, 'g', QLocale::FloatingPointShortest);
}

QString MasterDataTable::checkChanges(const MasterDataChanges& changes) const {
    QStringList problems;
    const int k = keyIndex();
    const QString keyHeading = headings().value(k);
    const int maxLength = maxKeyLength();

    // The keys the table holds afterwards: rows kept as they are, then the
    // edited and added ones, each checked against those before it.
    QSet<int> gone(changes.deleted.begin(), changes.deleted.end());
    for (const auto& edit : changes.edited)
        gone.insert(edit.first);
    QStringList keys;
    for (int r = 0; r < mRows.size(); ++r)
        if (!gone.contains(r)) keys << mRows[r].value(k).toString().trimmed().toLower();

    auto checkRow = [&](const QStringList& texts) {
        if (k >= 0) {
            const QString key = texts.value(k).trimmed();
            if (key.isEmpty() && !mAllowEmptyKey)
                problems << QStringLiteral("Ein Eintrag ohne %1 kann nicht gespeichert werden.")
                                .arg(quotedName(keyHeading));
            else if (maxLength > 0 && key.size() > maxLength)
                problems << QStringLiteral("%1 ist zu lang: %2 hat höchstens %3 Zeichen.")
                                .arg(quotedName(key), quotedName(keyHeading))
                                .arg(maxLength);
            else if (keys.contains(key.toLower()))
                problems << QStringLiteral("%1 gibt es schon; jeder %2 darf nur einmal vorkommen.")
                                .arg(quotedName(key), quotedName(keyHeading));
            keys << key.toLower();
        }
        for (int c = 0; c < texts.size(); ++c) {
            QString why;
            literal(c, texts[c], why);
            if (!why.isEmpty()) problems << why;
        }
    };
    for (const auto& edit : changes.edited)
        checkRow(edit.second);
    for (const QStringList& texts : changes.added)
        checkRow(texts);
    problems.removeDuplicates();
    return problems.join(QLatin1Char('\n'));
}

// Inside the transaction, before anything is written: each row the user
// edited or deleted must still hold what the dialog showed. Without this an
// edit would silently replace another user's text, and an edit of a row
// another user deleted would match nothing and vanish.
QStringList MasterDataTable::changedSinceRead(const MasterDataChanges& changes,
                                              const QStringList& columns,
                                              const WriteTransaction& tx) const {
    QStringList out;
    const QStringList labels = headings();
    auto check = [&](int row, bool deleting) {
        const QString where = whereKey(row);
        if (where.isEmpty()) return;
        const QString name = quotedName(keyOf(row).toString());
        auto rs = mConnection->Execute(tx.lockRows(QStringLiteral("Select ") +
                                                   columns.join(QStringLiteral(", ")) +
                                                   QStringLiteral(" from ") + mTableName + where));
        if (!rs || rs->Eof()) {
            // Deleting what is gone already loses nothing.
            if (!deleting)
                out << QStringLiteral("– %1 wurde gelöscht; Ihre Änderung daran hätte nichts "
                                      "gespeichert.")
                           .arg(name);
            return;
        }
        QStringList changed;
        for (int c = 0; c < columns.size(); ++c)
            if (cellText(rs->Value(columns[c])) != editText(row, c))
                changed << labels.value(c, columns[c]);
        rs->Close();
        if (!changed.isEmpty())
            out << QStringLiteral("– %1 wurde geändert (%2).")
                       .arg(name, changed.join(QStringLiteral(", ")));
    };
    for (int row : changes.deleted)
        check(row, true);
    for (const auto& edit : changes.edited)
        check(edit.first, false);
    return out;
}

bool MasterDataTable::savedAfterAll(const MasterDataChanges& changes,
                                    const QStringList& columns) const {
    const int k = keyIndex();
    if (k < 0) return false;
    const QString select = QStringLiteral("Select ") + columns.join(QStringLiteral(", ")) +
                           QStringLiteral(" from ") + mTableName;
    for (int row : changes.deleted) {
        const QString where = whereKey(row);
        if (!where.isEmpty() && !mConnection->Execute(select + where)->Eof()) return false;
    }
    QList<QStringList> written;
    for (const auto& edit : changes.edited)
        written << edit.second;
    written << changes.added;
    for (const QStringList& texts : written) {
        QString why;
        auto rs = mConnection->Execute(select + QStringLiteral(" where ") + keyColumn() +
                                       QStringLiteral(" = ") + literal(k, texts.value(k), why));
        if (rs->Eof()) return false;
        for (int c = 0; c < columns.size() && c < texts.size(); ++c)
            if (literal(c, cellText(rs->Value(columns[c])), why) != literal(c, texts[c], why))
                return false;
    }
    return true;
}

QString MasterDataTable::whereKey(int row) const {
    const QVariant old = keyOf(row);
    if (old.isNull()) return {};
    return QStringLiteral(" where ") + keyColumn() + QStringLiteral(" = ") + quoted(old.toString());
}

void MasterDataTable::save(const MasterDataChanges& changes) {
    if (changes.isEmpty() || !isConfigured()) return;
    const QString refused = checkChanges(changes);
    if (!refused.isEmpty())
        throw Error(Error::Database,
                    QStringLiteral("Die Änderungen wurden nicht gespeichert.\n") + refused);

    const QStringList columns = checkedIdentifiers(selectColumns(), QStringLiteral("Spaltenname"));
    // Checked before the first statement, so a bad name writes nothing.
    checkedIdentifier(mTableName, QStringLiteral("Tabellenname"));
    checkedIdentifier(keyColumn(), QStringLiteral("Spaltenname"));
    const int k = keyIndex();
    struct Step {
        QString sql, failure;
    };
    QList<Step> steps;
    for (int row : changes.deleted) {
        const QString where = whereKey(row);
        if (where.isEmpty()) continue;
        steps.append({QStringLiteral("Delete from ") + mTableName + where,
                      QStringLiteral("%1 ließ sich nicht löschen; vielleicht wird der Eintrag "
                                     "noch verwendet.")
                          .arg(quotedName(keyOf(row).toString()))});
    }
    const QList<QStringList> before = editTexts();
    for (const auto& [row, texts] : changes.edited) {
        const QString where = whereKey(row);
        if (where.isEmpty()) continue;
        QStringList sets;
        for (int c = 0; c < columns.size() && c < texts.size(); ++c) {
            if (texts[c] == before.value(row).value(c)) continue;
            QString why;
            sets << columns[c] + QStringLiteral(" = ") + literal(c, texts[c], why);
        }
        if (sets.isEmpty()) continue;
        steps.append(
            {QStringLiteral("Update ") + mTableName + QStringLiteral(" set ") +
                 sets.join(QStringLiteral(", ")) + where,
             QStringLiteral("%1 ließ sich nicht ändern.").arg(quotedName(keyOf(row).toString()))});
    }
    for (const QStringList& texts : changes.added) {
        QStringList names, values;
        for (int c = 0; c < columns.size() && c < texts.size(); ++c)
            if (!texts[c].trimmed().isEmpty() || c == k) {
                QString why;
                names << columns[c];
                values << literal(c, texts[c], why);
            }
        steps.append({QStringLiteral("Insert into ") + mTableName + QStringLiteral(" (") +
                          names.join(QStringLiteral(", ")) + QStringLiteral(") values (") +
                          values.join(QStringLiteral(", ")) + QStringLiteral(")"),
                      QStringLiteral("%1 ließ sich nicht anlegen.")
                          .arg(quotedName(texts.value(k).trimmed()))});
    }
    if (steps.isEmpty()) return;

    // All or nothing: the rows the user sees in the dialog are one change,
    // compared and written with no other writer in between.
    QString failure = QStringLiteral("Die Änderungen ließen sich nicht festschreiben.");
    QStringList conflicts;
    QString cause;
    try {
        WriteTransaction tx(*mConnection);
        conflicts = changedSinceRead(changes, columns, tx);
        if (!conflicts.isEmpty()) throw Error(Error::Database, QString());
        for (const Step& step : steps) {
            failure = step.failure;
            mConnection->Execute(step.sql);
        }
        failure = QStringLiteral("Die Änderungen ließen sich nicht festschreiben.");
        try {
            tx.commit();
        } catch (const std::exception&) {
            // The answer to COMMIT was lost: the rows tell whether it was
            // carried out.
            if (!savedAfterAll(changes, columns)) throw;
        }
    } catch (const HostTransactionOpen&) {
        throw;
    } catch (const std::exception& e) {
        const auto* error = dynamic_cast<const Error*>(&e);
        cause = error ? error->text() : QString::fromUtf8(e.what());
        // The rows stay as the dialog read them: its row numbers point into
        // them, and the caller reads the table again when the dialog closes.
        if (!conflicts.isEmpty())
            throw Error(Error::Database,
                        QStringLiteral("Die Änderungen an %1 wurden nicht gespeichert, weil ein "
                                       "anderer Benutzer die Tabelle inzwischen geändert hat:\n"
                                       "%2\nIhre Eingaben stehen noch im Dialog. Brechen Sie ihn "
                                       "ab und öffnen Sie ihn erneut, um den aktuellen Stand zu "
                                       "sehen; tragen Sie Ihre Änderungen dann erneut ein.")
                            .arg(quotedName(mTableName), conflicts.join(QLatin1Char('\n'))));
        throw Error(Error::Database,
                    QStringLiteral("Die Änderungen an %1 wurden nicht gespeichert: %2 Die Tabelle "
                                   "ist unverändert.%3")
                        .arg(quotedName(mTableName), failure,
                             cause.isEmpty() ? QString() : QStringLiteral("\nUrsache: ") + cause));
    }
    refresh();
}

} // namespace belegadressen
