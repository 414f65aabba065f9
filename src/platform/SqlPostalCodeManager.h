// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

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
class BELEGADRESSEN_EXPORT SqlPostalCodeManager : public PostalCodeManager,
                                                  public PostalCodeManagerExtension {
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

    /// The house number is split off the typed street ("Postfach 1234" is no
    /// street and is kept as typed); places and streets are compared in
    /// search spelling, in the country of the address. An address whose code,
    /// place and street (where the directory has streets) belong together is
    /// confirmed as typed (with mitdialog by a message unless suppressed);
    /// several such addresses are offered (with mitdialog) or left open.
    /// Anything else is a correction and never silent: with mitdialog the
    /// candidates are offered with what each changes, those that keep the
    /// typed place and street first, then those that keep the code; without,
    /// the address stays unconfirmed. The answer is remembered: the same
    /// values, or the values it answered, are answered again without asking
    /// until neueSuche.
    /// A short form of one of the code's places ("Frankfurt a. M.", see
    /// abbreviatesPlace) and a misspelt place of a code that has one place
    /// (see misspeltPlace) are taken in the directory's spelling without a
    /// dialog, unless the typed text is a place of its own; OrtVorKorrektur
    /// then holds it as typed.
    void Suche_Plz(const QString& plz, const QString& ort, const QString& strasse,
                   bool mitdialog = true) override;
    /// The place of the postal code, never with a dialog. Without a typed place
    /// (setAnschrift): the code's place when it has exactly one. With one: the
    /// code's place that is the typed one or begins with it, that the typed
    /// one shortens, or the place of a one-place code that the typed one
    /// misspells (both then in OrtVorKorrektur); any other typed place is
    /// kept: nothing is confirmed and OrteDerPlz names the code's places. Empty
    /// and unconfirmed for an unknown postal code.
    QString Suche_Ort(const QString& plz) override;

    void setAnschrift(const QString& land, const QString& ort) override;
    void neueSuche() override { mFresh = true; }
    QStringList OrteDerPlz() const override { return mOrteDerPlz; }
    QString OrtVorKorrektur() const override { return mOrtVorKorrektur; }
    /// The country of an address without one (D unless set).
    void setHeimatland(const QString& land) { mHeimatland = land.trimmed().toUpper(); }

    bool Geprueft() const override { return mGeprueft; }
    QString Plz() const override { return mPlz; }
    QString Ort() const override { return mOrt; }
    QString Strasse() const override { return mStrasse; }
    QString Hausnummer() const override { return mHausnummer; }
    void setOkMeldungUnterdrucken(bool suppress) override { mOkMeldungUnterdrucken = suppress; }
    /// Whether the message confirming a single match is suppressed.
    bool OkMeldungUnterdrucken() const { return mOkMeldungUnterdrucken; }

private:
    struct Result {
        bool geprueft = false;
        QString plz, ort, strasse, hausnummer, ortVorKorrektur;
        QStringList orteDerPlz;
    };
    void reset();
    QString land() const;
    PostalDirectory* directory();
    int choose(const QList<PostalEntry>& hits, bool withStreet, const QStringList& changes = {});
    // `corrected`: the place is the directory's spelling of a misspelt one;
    // the correction is shown by the control, not confirmed by a message.
    void search(const QString& country, const QString& plz, const QString& ort,
                const QString& strasse, bool mitdialog, bool corrected = false);

    std::shared_ptr<DialogRunner> mDialogs;
    std::shared_ptr<PostalDirectory> mLocal;
    std::shared_ptr<PostalDirectory> mProvider;
    bool mOnline = false;
    bool mOrtsteile = false;
    bool mOkMeldungUnterdrucken = false;
    bool mGeprueft = false;
    QString mPlz, mOrt, mStrasse, mHausnummer;
    QString mHeimatland = QStringLiteral("D");
    // The context of the next search, handed in by setAnschrift.
    bool mKontext = false;
    QString mLand, mTypedOrt;
    QStringList mOrteDerPlz;
    QString mOrtVorKorrektur;
    bool mFresh = false;
    // The last answer: the values asked, the values answered, the result.
    QString mMemoAsked, mMemoAnswered;
    Result mMemo;
};

// The spellings of a street name that a directory may hold: "Hauptstr." also
// as "Hauptstraße" and "Hauptstrasse", and the other way round.
QStringList streetSpellings(const QString& street);

} // namespace belegadressen
