// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "SampleRemarks.h"
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <stdexcept>

namespace {

// The opening a word processor writes: code page, font and colour tables,
// style sheet and generator, none of which is text.
const char* const kHead =
    R"({\rtf1\ansi\deff3\adeflang1025)"
    "\n"
    R"({\fonttbl{\f0\froman\fprq2\fcharset0 Times New Roman;}{\f1\froman\fprq2\fcharset2 Symbol;})"
    R"({\f2\fswiss\fprq2\fcharset0 Arial;}{\f3\froman\fprq2\fcharset0 Liberation Serif;}})"
    "\n"
    R"({\colortbl;\red0\green0\blue0;\red0\green0\blue255;\red255\green0\blue0;})"
    "\n"
    R"({\stylesheet{\s0\snext0\ltrch\loch\f3\fs24\lang1031 Normal;}})"
    R"({\*\generator Textverarbeitung/7.4}{\info{\creatim\yr2009\mo3\dy12\hr9\min41}})"
    "\n"
    R"(\deftab709\paperh16838\paperw11906\margl1134\margr1134\pard\plain \s0\loch\f3\fs24 )";

struct Remark {
    const char* nummer;
    QString text;
};

QList<Remark> remarks() {
    const QString head = QString::fromUtf8(kHead);
    return {
        {"10002",
         head + QStringLiteral(
                    R"({\b\loch Achtung:} Liefersperre bis zur Kl\u228\'e4rung der )"
                    R"({\i\loch offenen Posten}.\par )"
                    R"(Ansprechpartner ist {\b\i Herr Wei\u223\'df}, nicht die Zentrale.\par )"
                    R"(Offener Betrag: 1.250,00 \u8364\'80 (Stand M\u228\'e4rz).\par })")},
        {"10003",
         head + QStringLiteral(
                    R"(Schl\u252\'fcssel liegt beim {\ul Hausmeister}; Zugang nur werktags.)"
                    R"(\par Anfahrt \u252\'fcber den Hof\line Tor 3 klingeln.\par })")},
        {"10004", head + QStringLiteral(R"(\par \par })")},
        {"10005", QStringLiteral("Nur gegen Vorkasse beliefern.")},
        {"10006", head + QStringLiteral(R"(Niederlassung \u321\'3f\u243\'f3d\u378\'3f, )"
                                        R"(R\u252\'fcckruf erw\u252\'fcnscht \u10003\'3f\par })")},
    };
}

} // namespace

void writeRemarkSamples(QSqlDatabase& db, int customers) {
    QSqlQuery q(db);
    if (!q.prepare(
            QStringLiteral("UPDATE Kundenstamm SET InterneBemerkung = ? WHERE Kundennummer = ?")))
        throw std::runtime_error(q.lastError().text().toStdString());
    for (const Remark& r : remarks()) {
        if (QString::fromLatin1(r.nummer).toInt() - 10000 > customers) continue;
        q.bindValue(0, r.text);
        q.bindValue(1, QString::fromLatin1(r.nummer));
        if (!q.exec()) throw std::runtime_error(q.lastError().text().toStdString());
    }
    // The customer with the formatted remark has an info text, too.
    if (customers < 2) return;
    QSqlQuery info(db);
    if (!info.exec(QStringLiteral(
            "UPDATE Kundenstamm SET Kundeninfo = 'Stammkunde seit 1998. Wartungsvertrag "
            "Heizung, Termin jeweils im Herbst.' WHERE Kundennummer = '10002'")))
        throw std::runtime_error(info.lastError().text().toStdString());
}
