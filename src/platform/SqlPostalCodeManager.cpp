#include "platform/SqlPostalCodeManager.h"
#include "platform/HouseNumber.h"
#include "platform/PostalChoiceDialog.h"

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
}

void SqlPostalCodeManager::setOnline(bool online, std::shared_ptr<PostalDirectory> provider) {
    mOnline = online;
    mProvider = std::move(provider);
}

PostalDirectory* SqlPostalCodeManager::directory() {
    if (mOnline && mProvider) return mProvider.get();
    return mLocal.get();
}

void SqlPostalCodeManager::reset() {
    mGeprueft = false;
    mPlz.clear();
    mOrt.clear();
    mStrasse.clear();
    mHausnummer.clear();
}

int SqlPostalCodeManager::choose(const QList<PostalEntry>& hits, bool withStreet) {
    PostalChoiceDialog dialog(hits, mOrtsteile, withStreet);
    if (mDialogs->exec(dialog) != QDialog::Accepted) return -1;
    return dialog.chosen();
}

void SqlPostalCodeManager::Suche_Plz(const QString& plz, const QString& ort, const QString& strasse,
                                     bool mitdialog) {
    reset();
    const QString p = plz.trimmed(), o = ort.trimmed(), s = strasse.trimmed();
    PostalDirectory* dir = directory();
    if (!dir || (p.isEmpty() && o.isEmpty() && s.isEmpty())) return;
    const StreetAndNumber typed = splitHouseNumber(s);

    // From the full address to ever fewer values, until something matches.
    QList<PostalQuery> steps;
    if (!typed.street.isEmpty()) steps.append({p, o, streetSpellings(typed.street)});
    if (!p.isEmpty() || !o.isEmpty()) steps.append({p, o, {}});
    if (!p.isEmpty() && !o.isEmpty()) {
        steps.append({p, QString(), {}});
        steps.append({QString(), o, {}});
    }
    QList<PostalEntry> hits;
    bool withStreet = false;
    if (dir == mLocal.get()) {
        // The local table answers every step in one round trip.
        int which = -1;
        hits = mLocal->findFirst(steps, which);
        withStreet = which >= 0 && !steps[which].strassen.isEmpty();
    } else {
        for (const PostalQuery& step : steps) {
            hits = dir->find(step);
            withStreet = !step.strassen.isEmpty();
            if (!hits.isEmpty()) break;
        }
    }

    if (hits.isEmpty()) {
        if (mitdialog)
            mDialogs->information(kTitel, QStringLiteral("Zu den Angaben wurde keine passende "
                                                         "Postleitzahl gefunden."));
        return;
    }
    int row = 0;
    if (hits.size() > 1) {
        if (mitdialog) {
            row = choose(hits, withStreet);
            if (row < 0) return;
        } else {
            // Without a dialog only entries that differ in the district alone
            // are one address.
            for (const PostalEntry& e : hits)
                if (e.plz != hits[0].plz || e.ort != hits[0].ort || e.strasse != hits[0].strasse)
                    return;
        }
    }
    const PostalEntry& hit = hits[row];
    mGeprueft = true;
    mPlz = hit.plz;
    mOrt = hit.ort;
    const QString name = withStreet ? hit.strasse : typed.street;
    if (mOnline) {
        mStrasse = name;
        mHausnummer = typed.number;
    } else {
        mStrasse = withStreet ? joinHouseNumber(hit.strasse, typed.number) : s;
    }
    if (mitdialog && hits.size() == 1 && !mOkMeldungUnterdrucken)
        mDialogs->information(kTitel,
                              QStringLiteral("Die Anschrift %1 %2 ist geprüft.").arg(mPlz, mOrt));
}

QString SqlPostalCodeManager::Suche_Ort(const QString& plz) {
    reset();
    const QString p = plz.trimmed();
    PostalDirectory* dir = directory();
    if (!dir || p.isEmpty()) return {};
    QStringList places;
    for (const PostalEntry& e : dir->find({p, QString(), {}}))
        if (!places.contains(e.ort)) places << e.ort;
    if (places.size() != 1) return {};
    mGeprueft = true;
    mPlz = p;
    mOrt = places.first();
    return mOrt;
}

} // namespace belegadressen
