// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "platform/SqlPostalCodeManager.h"
#include "platform/HouseNumber.h"
#include "platform/PostalChoiceDialog.h"
#include "platform/PostalSpelling.h"
#include <algorithm>
#include <utility>

namespace belegadressen {

namespace {
const QString kTitel = QStringLiteral("Postleitzahlen");
}

QStringList streetSpellings(const QString& street) {
    QStringList out;
    if (street.isEmpty()) return out;
    out << street;
    static const QString endings[] = {QStringLiteral("straße"), QStringLiteral("strasse"),
                                      QStringLiteral("str.")};
    for (const QString& ending : endings) {
        if (!street.endsWith(ending, Qt::CaseInsensitive)) continue;
        const QString stem = street.left(street.size() - ending.size());
        // Keep the case of the typed "S" in "Berliner Str.".
        const bool upper = street.at(stem.size()).isUpper();
        for (const QString& other : endings) {
            QString spelled = other;
            if (upper) spelled[0] = spelled[0].toUpper();
            if (!out.contains(stem + spelled)) out << stem + spelled;
        }
        break;
    }
    return out;
}

SqlPostalCodeManager::SqlPostalCodeManager(std::shared_ptr<DialogRunner> dialogs)
    : mDialogs(std::move(dialogs)) {}

void SqlPostalCodeManager::Init(std::shared_ptr<HostApplication> /*app*/,
                                const QString& /*connectString*/,
                                std::shared_ptr<Connection> connection, bool ortsteileAnzeigen) {
    mOrtsteile = ortsteileAnzeigen;
    mLocal = connection ? std::make_shared<SqlPostalDirectory>(std::move(connection), mOrtsteile)
                        : nullptr;
    mMemoAsked.clear();
    mMemoAnswered.clear();
}

void SqlPostalCodeManager::setOnline(bool online, std::shared_ptr<PostalDirectory> provider) {
    mOnline = online;
    mProvider = std::move(provider);
    mMemoAsked.clear();
    mMemoAnswered.clear();
}

void SqlPostalCodeManager::setAnschrift(const QString& land, const QString& ort) {
    mKontext = true;
    mLand = land.trimmed().toUpper();
    mTypedOrt = ort.trimmed();
}

QString SqlPostalCodeManager::land() const {
    return mKontext && !mLand.isEmpty() ? mLand : mHeimatland;
}

PostalDirectory* SqlPostalCodeManager::directory() {
    if (mOnline && mProvider) return mProvider.get();
    return mLocal.get();
}

void SqlPostalCodeManager::reset() {
    mGeprueft = false;
    mOrteDerPlz.clear();
    mOrtVorKorrektur.clear();
    mPlz.clear();
    mOrt.clear();
    mStrasse.clear();
    mHausnummer.clear();
}

int SqlPostalCodeManager::choose(const QList<PostalEntry>& hits, bool withStreet,
                                 const QStringList& changes) {
    PostalChoiceDialog dialog(hits, mOrtsteile, withStreet, changes);
    if (mDialogs->exec(dialog) != QDialog::Accepted) return -1;
    return dialog.chosen();
}

namespace {

QString memoKey(const QString& land, const QString& plz, const QString& ort, const QString& strasse,
                bool mitdialog) {
    return QStringList{land, plz, ort, strasse, mitdialog ? QStringLiteral("1") : QString()}.join(
        QChar(0x1F));
}

// The places the entries name, each once, in their order.
QStringList placesOf(const QList<PostalEntry>& entries) {
    QStringList places;
    for (const PostalEntry& e : entries)
        if (!places.contains(e.ort)) places << e.ort;
    return places;
}

// One answer that differs from the typed address, with what it changes.
struct Correction {
    PostalEntry entry;
    QString changes;
};

} // namespace

void SqlPostalCodeManager::Suche_Plz(const QString& plz, const QString& ort, const QString& strasse,
                                     bool mitdialog) {
    const QString country = land();
    const QString key =
        memoKey(country, plz.trimmed(), ort.trimmed(), strasse.trimmed(), mitdialog);
    mKontext = false;
    const bool fresh = std::exchange(mFresh, false);
    // Asked once already (or the values are the answer given): the same
    // answer again, without a dialog or message.
    if (!fresh && (key == mMemoAsked || key == mMemoAnswered)) {
        reset();
        mGeprueft = mMemo.geprueft;
        mPlz = mMemo.plz;
        mOrt = mMemo.ort;
        mStrasse = mMemo.strasse;
        mHausnummer = mMemo.hausnummer;
        mOrteDerPlz = mMemo.orteDerPlz;
        // The corrected values asked again correct nothing.
        if (key == mMemoAsked) mOrtVorKorrektur = mMemo.ortVorKorrektur;
        return;
    }
    search(country, plz, ort, strasse, mitdialog);
    mMemoAsked = key;
    mMemo = {mGeprueft, mPlz, mOrt, mStrasse, mHausnummer, mOrtVorKorrektur, mOrteDerPlz};
    mMemoAnswered =
        mGeprueft ? memoKey(country, mPlz, mOrt, joinHouseNumber(mStrasse, mHausnummer), mitdialog)
                  : QString();
}

void SqlPostalCodeManager::search(const QString& country, const QString& plz, const QString& ort,
                                  const QString& strasse, bool mitdialog, bool corrected) {
    reset();
    const QString p = plz.trimmed(), s = strasse.trimmed();
    QString o = ort.trimmed();
    PostalDirectory* dir = directory();
    if (!dir || (p.isEmpty() && o.isEmpty())) return;
    // A post-office box typed into the street is no street of the directory.
    const StreetAndNumber typed = isPostOfficeBox(s) ? StreetAndNumber{} : splitHouseNumber(s);
    const QString streetKey = streetSpelling(typed.street);

    // All questions at once: without a place, the directory answers for the
    // code's place, so that a street of another code there is not confirmed.
    const PostalCheckAnswer answer = dir->check(
        {p, o, streetKey.isEmpty() ? QStringList() : streetSpellings(typed.street), country});
    const QList<PostalEntry>& byCode = answer.byCode;
    const QList<PostalEntry>& byPlaceStreet = answer.byPlaceStreet;
    const QList<PostalEntry>& byPlace = answer.byPlace;
    o = answer.ort;
    const QString placeKey = searchSpelling(o);

    const auto samePlace = [&](const PostalEntry& e) { return searchSpelling(e.ort) == placeKey; };
    const auto sameStreet = [&](const PostalEntry& e) {
        return !e.strasse.isEmpty() && streetSpelling(e.strasse) == streetKey;
    };
    const auto placeOnly = [](PostalEntry e) {
        e.strasse.clear();
        return e;
    };
    const auto add = [](QList<PostalEntry>& list, const PostalEntry& e) {
        if (!list.contains(e)) list << e;
    };

    // A short form of one of the code's places, or a misspelt place of a
    // code with one place, is that place, unless the typed text is a town of
    // its own (for a misspelling: or begins one).
    const QStringList codePlaces = placesOf(byCode);
    const bool typedIsCodePlace =
        std::any_of(codePlaces.begin(), codePlaces.end(), [&](const QString& place) {
            return searchSpelling(place) == placeKey || placeBegins(place, o);
        });
    if (!corrected && !p.isEmpty() && !o.isEmpty() && !typedIsCodePlace &&
        std::none_of(byPlace.begin(), byPlace.end(), samePlace)) {
        QStringList shortFor;
        for (const QString& place : codePlaces)
            if (abbreviatesPlace(o, place)) shortFor << place;
        QString meant = shortFor.size() == 1 ? shortFor[0] : QString();
        if (meant.isEmpty() && codePlaces.size() == 1 && byPlace.isEmpty() &&
            byPlaceStreet.isEmpty() && misspeltPlace(o, codePlaces[0]))
            meant = codePlaces[0];
        if (!meant.isEmpty()) {
            search(country, plz, meant, strasse, mitdialog, true);
            if (mGeprueft) mOrtVorKorrektur = o;
            return;
        }
    }
    // Until something is confirmed: a typed place that is none of the code's.
    if (!p.isEmpty() && !o.isEmpty() && !typedIsCodePlace) mOrteDerPlz = codePlaces;

    // 1. Answers that keep everything typed (a district or spelling may differ).
    QList<PostalEntry> exact;
    bool streetFromDirectory = false;
    if (!p.isEmpty()) {
        QList<PostalEntry> ofCode;
        for (const PostalEntry& e : byCode)
            if (o.isEmpty() || samePlace(e)) ofCode << e;
        if (!streetKey.isEmpty())
            for (const PostalEntry& e : ofCode)
                if (sameStreet(e)) add(exact, e);
        streetFromDirectory = !exact.isEmpty();
        // The street settles nothing when the directory does not know it in
        // this place under any code (a new street, or a list without streets).
        if (exact.isEmpty() && byPlaceStreet.isEmpty())
            for (const PostalEntry& e : ofCode)
                add(exact, placeOnly(e));
    } else {
        for (const PostalEntry& e : byPlaceStreet)
            if (samePlace(e) && sameStreet(e)) add(exact, e);
        streetFromDirectory = !exact.isEmpty();
        if (exact.isEmpty())
            for (const PostalEntry& e : byPlace)
                if (samePlace(e)) add(exact, placeOnly(e));
    }

    // 2. Otherwise corrections, the ones that keep the typed place and street first.
    QList<Correction> corrections;
    if (exact.isEmpty()) {
        QList<PostalEntry> seen;
        const auto offer = [&](const PostalEntry& e) {
            if (seen.contains(e)) return;
            seen << e;
            QStringList what;
            if (!p.isEmpty() && e.plz != p) what << QStringLiteral("PLZ");
            if (!o.isEmpty() && searchSpelling(e.ort) != placeKey) what << QStringLiteral("Ort");
            if (!e.strasse.isEmpty() && !streetKey.isEmpty() && !sameStreet(e))
                what << QStringLiteral("Straße");
            if (what.isEmpty() && !p.isEmpty() && !o.isEmpty()) return;
            corrections.append({e, what.join(QStringLiteral(", "))});
        };
        for (const PostalEntry& e : byPlaceStreet) // new code, place and street kept
            if (samePlace(e) && sameStreet(e)) offer(e);
        for (const PostalEntry& e : byPlaceStreet) // place completed, street kept
            if (!samePlace(e) && sameStreet(e)) offer(e);
        for (const PostalEntry& e : byCode) // code kept, place completed
            if (!o.isEmpty() && placeBegins(e.ort, o) && !samePlace(e)) offer(placeOnly(e));
        for (const PostalEntry& e : byPlace) // place kept, new code
            if (samePlace(e)) offer(placeOnly(e));
        for (const PostalEntry& e : byPlace) // place completed, new code
            if (!samePlace(e)) offer(placeOnly(e));
        for (const PostalEntry& e : byCode) // code kept, place replaced
            if (!o.isEmpty() && !placeBegins(e.ort, o)) offer(placeOnly(e));
    }

    if (exact.isEmpty() && corrections.isEmpty()) {
        if (mitdialog)
            mDialogs->information(kTitel, QStringLiteral("Zu den Angaben wurde keine passende "
                                                         "Postleitzahl gefunden."));
        return;
    }
    PostalEntry hit;
    bool single = false;
    if (!exact.isEmpty()) {
        single = true;
        for (const PostalEntry& e : exact)
            // Entries that differ in the district alone are one address.
            if (e.plz != exact[0].plz || e.ort != exact[0].ort || e.strasse != exact[0].strasse)
                single = false;
        int row = 0;
        if (exact.size() > 1 && (!single || (mitdialog && mOrtsteile))) {
            if (!mitdialog) return;
            row = choose(exact, streetFromDirectory);
            if (row < 0) return;
        }
        hit = exact[row];
    } else {
        // A correction is never taken without the user.
        if (!mitdialog) return;
        QList<PostalEntry> entries;
        QStringList changes;
        bool withStreet = false;
        for (const Correction& c : corrections) {
            entries << c.entry;
            changes << c.changes;
            withStreet = withStreet || !c.entry.strasse.isEmpty();
        }
        const int row = choose(entries, withStreet, changes);
        if (row < 0) return;
        hit = entries[row];
    }
    mGeprueft = true;
    mOrteDerPlz.clear();
    mPlz = hit.plz;
    mOrt = hit.ort;
    const bool withStreet = !hit.strasse.isEmpty();
    if (mOnline) {
        mStrasse = withStreet ? hit.strasse : typed.street;
        mHausnummer = typed.number;
    } else {
        mStrasse = withStreet ? joinHouseNumber(hit.strasse, typed.number) : s;
    }
    if (mitdialog && exact.size() == 1 && !mOkMeldungUnterdrucken && !corrected)
        mDialogs->information(kTitel,
                              QStringLiteral("Die Anschrift %1 %2 ist geprüft.").arg(mPlz, mOrt));
}

QString SqlPostalCodeManager::Suche_Ort(const QString& plz) {
    reset();
    const bool kontext = std::exchange(mKontext, false);
    const QString p = plz.trimmed();
    const QString country = kontext && !mLand.isEmpty() ? mLand : mHeimatland;
    const QString typed = kontext ? mTypedOrt : QString();
    PostalDirectory* dir = directory();
    if (!dir || p.isEmpty()) return {};
    const QStringList places = placesOf(dir->find({p, QString(), {}, country}));
    if (places.isEmpty()) return {};
    QString found;
    if (typed.isEmpty()) {
        if (places.size() == 1) found = places[0];
    } else {
        // The typed place, or the one place of the code that begins with it.
        QStringList begun;
        for (const QString& place : places) {
            if (searchSpelling(place) == searchSpelling(typed)) found = place;
            if (placeBegins(place, typed)) begun << place;
        }
        if (found.isEmpty() && begun.size() == 1) found = begun[0];
        // A short form of one of the code's places, or a misspelt place of a
        // one-place code, unless the typed text is a town of its own (for a
        // misspelling: or begins one).
        if (found.isEmpty()) {
            QStringList shortFor;
            for (const QString& place : places)
                if (abbreviatesPlace(typed, place)) shortFor << place;
            const bool misspelt =
                shortFor.isEmpty() && places.size() == 1 && misspeltPlace(typed, places[0]);
            if (shortFor.size() == 1 || misspelt) {
                const QList<PostalEntry> towns = dir->find({QString(), typed, {}, country});
                const bool town =
                    std::any_of(towns.begin(), towns.end(), [&](const PostalEntry& e) {
                        return searchSpelling(e.ort) == searchSpelling(typed);
                    });
                if (!town && (!misspelt || towns.isEmpty())) {
                    found = misspelt ? places[0] : shortFor[0];
                    mOrtVorKorrektur = typed;
                }
            }
        }
        // Any other town is kept: the control shows the code's places beside it.
        if (found.isEmpty()) {
            mOrteDerPlz = places;
            return {};
        }
    }
    if (found.isEmpty()) return {};
    mGeprueft = true;
    mPlz = p;
    mOrt = found;
    return mOrt;
}

} // namespace belegadressen
