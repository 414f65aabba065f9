// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "data/MasterConflict.h"
#include "contracts/MasterDataCombo.h"
#include "contracts/Recordset.h"
#include "control/Ui.h"
#include "platform/SqlText.h"
#include <QComboBox>
#include <QLineEdit>

namespace belegadressen {

const std::vector<MasterField>& masterFields() {
    using S = MasterField::Shown;
    using A = AdressDaten;
    static const std::vector<MasterField> fields{
        {&A::Vorname, "Vorname", "Vorname", "Vorname", S::Line, 0},
        {&A::Bez1, "Bez1", "Bez1", "Name 1", S::Line, 1},
        {&A::Bez2, "Bez2", "Bez2", "Name 2", S::Line, 2},
        {&A::Bez3, "Bez3", "Bez3", "Name 3", S::Line, 3},
        {&A::Bez4, "Bez4", {}, "Name 4", S::Line, 4},
        {&A::Strasse, "Straße", "Straße", "Straße", S::Line, 5},
        {&A::Ort, "Ort", "Ort", "Ort", S::Line, 6},
        {&A::Land, "Land", "Land", "Land", S::Country},
        {&A::Postleitzahl, "Plz", "Plz", "Postleitzahl", S::Edit, -1, &Ui::txtDPostleitzahl},
        {&A::Postfach, "Postfach", {}, "Postfach", S::Edit, -1, &Ui::txtDPostfach},
        {&A::PostfachPlz,
         "PostfachPLZ",
         {},
         "Postleitzahl des Postfachs",
         S::Edit,
         -1,
         &Ui::txtDPlzPostfach},
        {&A::Anrede, "Anrede", "AnredeHW", "Anrede", S::Salutation}};
    return fields;
}

QString shownValue(const Ui& ui, const MasterField& field) {
    switch (field.shown) {
    case MasterField::Shown::Line:
        return ui.txtDAdr[static_cast<size_t>(field.adrLine)]->text();
    case MasterField::Shown::Edit:
        return (ui.*field.edit)->text();
    case MasterField::Shown::Country:
        return ui.cdoDLand->currentText();
    case MasterField::Shown::Salutation:
        return ui.ocxAnrede->KeyValue().toString();
    }
    return {};
}

void showValue(Ui& ui, const MasterField& field, const QString& value) {
    switch (field.shown) {
    case MasterField::Shown::Line:
        ui.txtDAdr[static_cast<size_t>(field.adrLine)]->setText(value);
        break;
    case MasterField::Shown::Edit:
        (ui.*field.edit)->setText(value);
        break;
    case MasterField::Shown::Country:
        ui.cdoDLand->setCurrentText(value);
        break;
    case MasterField::Shown::Salutation:
        ui.ocxAnrede->setKeyValue(value);
        break;
    }
}

QLineEdit* lineEditOf(const Ui& ui, const MasterField& field) {
    switch (field.shown) {
    case MasterField::Shown::Line:
        return ui.txtDAdr[static_cast<size_t>(field.adrLine)];
    case MasterField::Shown::Edit:
        return ui.*field.edit;
    default:
        return nullptr;
    }
}

namespace {
MasterColumns columnsOf(const QString& table, const QString& key, QString MasterField::*column) {
    MasterColumns m{table, key, {}};
    const std::vector<MasterField>& fields = masterFields();
    for (size_t f = 0; f < fields.size(); ++f)
        if (!(fields[f].*column).isEmpty())
            m.columns.push_back({fields[f].*column, fields[f].label, static_cast<int>(f)});
    return m;
}
} // namespace

const MasterColumns& MasterColumns::kunde() {
    static const MasterColumns m = columnsOf(
        QStringLiteral("Kundenstamm"), QStringLiteral("Kundennummer"), &MasterField::kundeColumn);
    return m;
}

const MasterColumns& MasterColumns::adresse() {
    static const MasterColumns m =
        columnsOf(QStringLiteral("Adressenstamm"), QStringLiteral("AdressNummer"),
                  &MasterField::adresseColumn);
    return m;
}

QStringList MasterColumns::valuesOf(const Recordset& row) const {
    QStringList out;
    for (const Column& c : columns) {
        const QVariant v = row.HasColumn(c.name) ? row.Value(c.name) : QVariant();
        out << (v.isNull() ? QString() : v.toString());
    }
    return out;
}

QStringList MasterColumns::valuesOf(const AdressDaten& address) const {
    QStringList out;
    for (const Column& c : columns)
        out << address.*(masterFields()[static_cast<size_t>(c.field)].record);
    return out;
}

QStringList MasterColumns::valuesOf(const QStringList& fieldValues) const {
    QStringList out;
    for (const Column& c : columns)
        out << fieldValues.value(c.field);
    return out;
}

QString MasterColumns::checkSelect(const QString& nummer) const {
    QString select = QStringLiteral("Select ") + keyColumn;
    for (const Column& c : columns)
        select += QStringLiteral(", ") + c.name;
    return select + QStringLiteral(" from ") + table + QStringLiteral(" where ") + keyColumn +
           QStringLiteral(" = '") + doubledQuotes(nummer) + QLatin1Char('\'');
}

QString MasterColumns::existsSelect(const QString& nummer) const {
    return QStringLiteral("Select ") + keyColumn + QStringLiteral(" from ") + table +
           QStringLiteral(" where ") + keyColumn + QStringLiteral(" = '") + doubledQuotes(nummer) +
           QLatin1Char('\'');
}

// "Update <table> Set <column> = '<value>', ... where <key> = '<number>'",
// each value through the quoting helper.
QString MasterColumns::update(const QString& nummer, const QStringList& fieldValues) const {
    QString sql = QStringLiteral("Update ") + table + QStringLiteral(" Set ");
    for (size_t i = 0; i < columns.size(); ++i) {
        if (i > 0) sql += QStringLiteral("', ");
        sql += columns[i].name + QStringLiteral(" = '") +
               doubledQuotes(fieldValues.value(columns[i].field));
    }
    return sql + QStringLiteral("' where ") + keyColumn + QStringLiteral(" = '") +
           doubledQuotes(nummer) + QLatin1Char('\'');
}

std::vector<ForeignChange> foreignChanges(const QStringList& loaded, const QStringList& stored) {
    std::vector<ForeignChange> out;
    for (int i = 0; i < loaded.size() && i < stored.size(); ++i)
        if (loaded[i] != stored[i]) out.push_back({i, loaded[i], stored[i]});
    return out;
}

namespace {
QString shown(const QString& value) {
    constexpr int kLongest = 60;
    if (value.isEmpty()) return QStringLiteral("(leer)");
    const QString line = value.left(kLongest).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return QStringLiteral("„") + line +
           (value.size() > kLongest ? QStringLiteral("…") : QString()) + QStringLiteral("“");
}
} // namespace

QString conflictText(const MasterColumns& master, const QString& nummer,
                     const std::vector<ForeignChange>& changes, Baseline baseline) {
    const QString where = master.table == QLatin1String("Kundenstamm")
                              ? QStringLiteral("im Kundenstamm")
                              : QStringLiteral("in den allgemeinen Adressen");
    QString text;
    QString origin;
    switch (baseline) {
    case Baseline::Loaded:
        text = QStringLiteral("Die Adresse %1 wurde %2 inzwischen von einem anderen Benutzer "
                              "geändert:\n")
                   .arg(nummer.trimmed(), where);
        origin = QStringLiteral("von Ihnen geladen");
        break;
    case Baseline::Document:
        text = QStringLiteral("Die Adresse %1 steht %2 anders als in diesem Beleg:\n")
                   .arg(nummer.trimmed(), where);
        origin = QStringLiteral("im Beleg");
        break;
    case Baseline::OtherMaster:
        text = QStringLiteral("Unter der Nummer %1 steht %2 eine andere Adresse als die von "
                              "Ihnen geladene:\n")
                   .arg(nummer.trimmed(), where);
        origin = QStringLiteral("von Ihnen geladen");
        break;
    }
    for (const ForeignChange& c : changes)
        text += QStringLiteral("\n%1: %2 (%3: %4)")
                    .arg(master.columns[static_cast<size_t>(c.column)].label, shown(c.stored),
                         origin, shown(c.loaded));
    text += baseline == Baseline::Loaded
                ? QStringLiteral("\n\nÜberschreiben: Ihre angezeigte Adresse ersetzt diese "
                                 "Änderungen.\n"
                                 "Übernehmen: Die Änderungen des anderen Benutzers werden in Ihre "
                                 "Anzeige übernommen und mit Ihren übrigen Änderungen "
                                 "gespeichert.\n")
                : QStringLiteral("\n\nÜberschreiben: Ihre angezeigte Adresse ersetzt diese "
                                 "Angaben.\n"
                                 "Übernehmen: Die gespeicherten Angaben werden in Ihre Anzeige "
                                 "übernommen und mit Ihren übrigen Änderungen gespeichert.\n");
    text += QStringLiteral("Abbrechen: Es wird nichts gespeichert.");
    return text;
}

} // namespace belegadressen
