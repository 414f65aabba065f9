#include "data/MasterConflict.h"
#include "contracts/Recordset.h"
#include "platform/SqlText.h"

namespace belegadressen {

const MasterColumns& MasterColumns::kunde() {
    static const MasterColumns m{
        QStringLiteral("Kundenstamm"),
        QStringLiteral("Kundennummer"),
        {{QStringLiteral("Vorname"), QStringLiteral("Vorname")},
         {QStringLiteral("Bez1"), QStringLiteral("Name 1")},
         {QStringLiteral("Bez2"), QStringLiteral("Name 2")},
         {QStringLiteral("Bez3"), QStringLiteral("Name 3")},
         {QStringLiteral("Bez4"), QStringLiteral("Name 4")},
         {QStringLiteral("Straße"), QStringLiteral("Straße")},
         {QStringLiteral("Ort"), QStringLiteral("Ort")},
         {QStringLiteral("Land"), QStringLiteral("Land")},
         {QStringLiteral("Plz"), QStringLiteral("Postleitzahl")},
         {QStringLiteral("Postfach"), QStringLiteral("Postfach")},
         {QStringLiteral("PostfachPLZ"), QStringLiteral("Postleitzahl des Postfachs")},
         {QStringLiteral("Anrede"), QStringLiteral("Anrede")}}};
    return m;
}

const MasterColumns& MasterColumns::adresse() {
    static const MasterColumns m{QStringLiteral("Adressenstamm"),
                                 QStringLiteral("AdressNummer"),
                                 {{QStringLiteral("Vorname"), QStringLiteral("Vorname")},
                                  {QStringLiteral("Bez1"), QStringLiteral("Name 1")},
                                  {QStringLiteral("Bez2"), QStringLiteral("Name 2")},
                                  {QStringLiteral("Bez3"), QStringLiteral("Name 3")},
                                  {QStringLiteral("Straße"), QStringLiteral("Straße")},
                                  {QStringLiteral("Ort"), QStringLiteral("Ort")},
                                  {QStringLiteral("Land"), QStringLiteral("Land")},
                                  {QStringLiteral("Plz"), QStringLiteral("Postleitzahl")},
                                  {QStringLiteral("AnredeHW"), QStringLiteral("Anrede")}}};
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

QString MasterColumns::checkSelect(const QString& nummer) const {
    QString select = QStringLiteral("Select ") + keyColumn;
    for (const Column& c : columns)
        select += QStringLiteral(", ") + c.name;
    return select + QStringLiteral(" from ") + table + QStringLiteral(" where ") + keyColumn +
           QStringLiteral(" = '") + doubledQuotes(nummer) + QLatin1Char('\'');
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
                     const std::vector<ForeignChange>& changes) {
    const QString where = master.table == QLatin1String("Kundenstamm")
                              ? QStringLiteral("im Kundenstamm")
                              : QStringLiteral("in den allgemeinen Adressen");
    QString text = QStringLiteral("Die Adresse %1 wurde %2 inzwischen von einem anderen Benutzer "
                                  "geändert:\n")
                       .arg(nummer.trimmed(), where);
    for (const ForeignChange& c : changes)
        text += QStringLiteral("\n%1: %2 (von Ihnen geladen: %3)")
                    .arg(master.columns[static_cast<size_t>(c.column)].label, shown(c.stored),
                         shown(c.loaded));
    text += QStringLiteral(
        "\n\nÜberschreiben: Ihre angezeigte Adresse ersetzt diese Änderungen.\n"
        "Übernehmen: Die Änderungen des anderen Benutzers werden in Ihre Anzeige übernommen und "
        "mit Ihren übrigen Änderungen gespeichert.\n"
        "Abbrechen: Es wird nichts gespeichert.");
    return text;
}

} // namespace belegadressen
