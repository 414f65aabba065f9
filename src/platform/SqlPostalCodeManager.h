#pragma once
#include "belegadressen_export.h"
#include "contracts/DialogRunner.h"
#include "contracts/PostalCodeManager.h"
#include "platform/PostalDirectory.h"
#include <QList>

namespace belegadressen {

/// Checks addresses against a postal directory: the table Postleitzahlen(Plz,
/// Ort, Ortsteil, Strasse) of the connection handed to Init, or in online mode
/// the provider a host plugs in. Every dialog and message goes through the
/// dialog runner the control hands in, so that a host or a test that answers
/// the control's dialogs answers these too.
class BELEGADRESSEN_EXPORT SqlPostalCodeManager : public PostalCodeManager {
public:
    /// Asks the user to choose through the given dialog runner.
    explicit SqlPostalCodeManager(std::shared_ptr<DialogRunner> dialogs);

    /// Only the connection and the district flag are used.
    void Init(std::shared_ptr<HostApplication> app, const QString& connectString,
              std::shared_ptr<Connection> connection, bool ortsteileAnzeigen) override;

    /// Online mode: lookups go to `provider`, or to the local directory when
    /// none is given, and a search reports street name and house number apart.
    /// Offline the street keeps its house number, because the control copies
    /// only the street then.
    void setOnline(bool online, std::shared_ptr<PostalDirectory> provider = {});
    /// Whether lookups go to the online provider.
    bool online() const { return mOnline; }

    /// The house number is split off the typed street, the street name is
    /// looked up with its common spellings ("Hauptstr." for "Hauptstraße").
    /// Matches the non-empty values; when nothing matches, the street is left
    /// out (the typed street is kept), then postal code and place are tried on
    /// their own. One match is taken as it is (with mitdialog confirmed by a
    /// message unless suppressed). Several matches: with mitdialog the user
    /// chooses (cancel leaves the address unconfirmed); without, the address
    /// stays unconfirmed rather than guessing. With mitdialog, no match is
    /// reported.
    void Suche_Plz(const QString& plz, const QString& ort, const QString& strasse,
                   bool mitdialog = true) override;
    /// The place of the postal code when there is exactly one (then Geprueft is
    /// set); empty and unconfirmed for an unknown postal code or one shared by
    /// several places, which only a search with dialog can settle.
    QString Suche_Ort(const QString& plz) override;

    bool Geprueft() const override { return mGeprueft; }
    QString Plz() const override { return mPlz; }
    QString Ort() const override { return mOrt; }
    QString Strasse() const override { return mStrasse; }
    QString Hausnummer() const override { return mHausnummer; }
    void setOkMeldungUnterdrucken(bool suppress) override { mOkMeldungUnterdrucken = suppress; }
    /// Whether the message confirming a single match is suppressed.
    bool OkMeldungUnterdrucken() const { return mOkMeldungUnterdrucken; }

private:
    void reset();
    PostalDirectory* directory();
    int choose(const QList<PostalEntry>& hits, bool withStreet);

    std::shared_ptr<DialogRunner> mDialogs;
    std::shared_ptr<SqlPostalDirectory> mLocal;
    std::shared_ptr<PostalDirectory> mProvider;
    bool mOnline = false;
    bool mOrtsteile = false;
    bool mOkMeldungUnterdrucken = false;
    bool mGeprueft = false;
    QString mPlz, mOrt, mStrasse, mHausnummer;
};

// The spellings of a street name that a directory may hold: "Hauptstr." also
// as "Hauptstraße" and "Hauptstrasse", and the other way round.
QStringList streetSpellings(const QString& street);

} // namespace belegadressen
