// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "commercial/VatIdValidator.h"
#include <QRegularExpression>
#include <array>

namespace belegadressen {

namespace {

using State = VatIdValidator::State;

int digit(const QString& s, int i) { return s.at(i).digitValue(); }

// Each rule: the country, the pattern of the whole number (prefix
// included), the form in words, and the check of its digits.
struct Rule {
    const char* country;
    const char* pattern;
    const char* form;
    bool (*checkDigits)(const QString& number);
};

// ISO 7064 MOD 11,10 over the eight digits after "DE".
bool checkDE(const QString& n) {
    int product = 10;
    for (int i = 2; i < 10; ++i) {
        int sum = (digit(n, i) + product) % 10;
        if (sum == 0) sum = 10;
        product = (2 * sum) % 11;
    }
    int check = 11 - product;
    if (check == 10) check = 0;
    return check == digit(n, 10);
}

bool checkAT(const QString& n) {
    int sum = 0;
    for (int i = 0; i < 7; ++i) {
        int d = digit(n, 3 + i);
        if (i % 2 == 1) {
            d *= 2;
            d = d / 10 + d % 10;
        }
        sum += d;
    }
    return (10 - (sum + 4) % 10) % 10 == digit(n, 10);
}

bool checkCH(const QString& n) {
    static constexpr std::array<int, 8> weights = {5, 4, 3, 2, 7, 6, 5, 4};
    int sum = 0;
    for (int i = 0; i < 8; ++i)
        sum += digit(n, 3 + i) * weights[i];
    int check = 11 - sum % 11;
    if (check == 11) check = 0;
    return check != 10 && check == digit(n, 11);
}

// The two characters after "FR" are a check number over the SIREN when they
// are digits; letters there belong to a newer scheme without such a check.
bool checkFR(const QString& n) {
    const QString key = n.mid(2, 2);
    bool numeric = false;
    const int k = key.toInt(&numeric);
    if (!numeric) return true;
    const qint64 siren = n.mid(4, 9).toLongLong();
    return k == (12 + 3 * (siren % 97)) % 97;
}

// Older numbers pass the eleven test over their nine digits, newer ones
// the mod-97 test over the whole number with letters as numbers.
bool checkNL(const QString& n) {
    int sum = 0;
    for (int i = 0; i < 8; ++i)
        sum += digit(n, 2 + i) * (9 - i);
    sum -= digit(n, 10);
    if (sum % 11 == 0) return true;
    int rest = 0;
    for (const QChar c : n) {
        const int value = c.isLetter() ? c.unicode() - 'A' + 10 : c.digitValue();
        rest = (rest * (value >= 10 ? 100 : 10) + value) % 97;
    }
    return rest == 1;
}

bool checkBE(const QString& n) {
    const qint64 body = n.mid(2, 8).toLongLong();
    return 97 - body % 97 == n.mid(10, 2).toInt();
}

bool checkDK(const QString& n) {
    static constexpr std::array<int, 8> weights = {2, 7, 6, 5, 4, 3, 2, 1};
    int sum = 0;
    for (int i = 0; i < 8; ++i)
        sum += digit(n, 2 + i) * weights[i];
    return sum % 11 == 0;
}

bool checkLU(const QString& n) { return n.mid(2, 6).toInt() % 89 == n.mid(8, 2).toInt(); }

// Luhn over the eleven digits.
bool checkIT(const QString& n) {
    int sum = 0;
    for (int i = 0; i < 10; ++i) {
        int d = digit(n, 2 + i);
        if (i % 2 == 1) {
            d *= 2;
            if (d > 9) d -= 9;
        }
        sum += d;
    }
    return (10 - sum % 10) % 10 == digit(n, 12);
}

bool checkPL(const QString& n) {
    static constexpr std::array<int, 9> weights = {6, 5, 7, 2, 3, 4, 5, 6, 7};
    int sum = 0;
    for (int i = 0; i < 9; ++i)
        sum += digit(n, 2 + i) * weights[i];
    const int check = sum % 11;
    return check != 10 && check == digit(n, 11);
}

const Rule kRules[] = {
    {"DE", "DE[0-9]{9}", "DE + 9 Ziffern", checkDE},
    {"AT", "ATU[0-9]{8}", "ATU + 8 Ziffern", checkAT},
    {"CH", "CHE[0-9]{9}(MWST|TVA|IVA)?", "CHE + 9 Ziffern", checkCH},
    {"FR", "FR[0-9A-HJ-NP-Z]{2}[0-9]{9}", "FR + 2 Zeichen + 9 Ziffern", checkFR},
    {"NL", "NL[0-9]{9}B[0-9]{2}", "NL + 9 Ziffern + B + 2 Ziffern", checkNL},
    {"BE", "BE[01][0-9]{9}", "BE + 10 Ziffern (erste 0 oder 1)", checkBE},
    {"DK", "DK[1-9][0-9]{7}", "DK + 8 Ziffern", checkDK},
    {"LU", "LU[0-9]{8}", "LU + 8 Ziffern", checkLU},
    {"IT", "IT[0-9]{11}", "IT + 11 Ziffern", checkIT},
    {"PL", "PL[0-9]{10}", "PL + 10 Ziffern", checkPL},
};

} // namespace

VatIdValidator::Result VatIdValidator::check(const QString& number) {
    QString n = number.toUpper();
    n.remove(QRegularExpression(QStringLiteral("[\\s.\\-]")));
    if (n.isEmpty()) return {};
    if (n.size() < 2 || !n.at(0).isLetter() || !n.at(1).isLetter())
        return {State::Invalid,
                QStringLiteral("Die Ident-Nr beginnt mit dem Länderkürzel, z. B. DE.")};
    const QString country = n.left(2);
    for (const Rule& rule : kRules) {
        if (country != QLatin1String(rule.country)) continue;
        const QRegularExpression form(QStringLiteral("^%1$").arg(QLatin1String(rule.pattern)));
        if (!form.match(n).hasMatch())
            return {State::Invalid,
                    QStringLiteral("Format für %1: %2").arg(country, QString::fromUtf8(rule.form))};
        if (!rule.checkDigits(n))
            return {State::Invalid, QStringLiteral("Prüfziffer stimmt nicht")};
        return {State::Valid, QStringLiteral("Format und Prüfziffer stimmen")};
    }
    return {State::Unchecked,
            QStringLiteral("Für %1 ist keine Prüfung der Ident-Nr hinterlegt.").arg(country)};
}

} // namespace belegadressen
