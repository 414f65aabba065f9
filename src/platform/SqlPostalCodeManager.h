#pragma once
#include "belegadressen_export.h"
#include "contracts/DialogRunner.h"
#include "contracts/PostalCodeManager.h"
#include <QList>
#include <QVariant>

namespace belegadressen {

/// Checks addresses against the directory table Postleitzahlen(Plz, Ort,
/// Ortsteil, Strasse) through the connection handed to Init. There is no
/// online lookup, so Hausnummer stays empty.
class BELEGADRESSEN_EXPORT SqlPostalCodeManager : public PostalCodeManager {
public:
    /// Asks the user to choose through the given dialog runner.
    explicit SqlPostalCodeManager(std::shared_ptr<DialogRunner> dialogs);
    /// Replaces the dialog runner.
    void setDialogRunner(std::shared_ptr<DialogRunner> dialogs) { mDialogs = std::move(dialogs); }

    /// Only the connection and the district flag are used.
    void Init(std::shared_ptr<HostApplication> app, const QString& connectString,
              std::shared_ptr<Connection> connection, bool ortsteileAnzeigen) override;

    /// Matches the non-empty values exactly. When nothing matches, the street
    /// is left out (the typed street is kept as the result), then postal code
    /// and place are tried on their own. Several matches: with mitdialog the
    /// user chooses (cancel leaves the address unconfirmed), otherwise the
    /// first is taken. With mitdialog a single match is confirmed by a message
    /// unless suppressed, and no match is reported.
    void Suche_Plz(const QString& plz, const QString& ort, const QString& strasse,
                   bool mitdialog = true) override;
    /// The first place of the postal code in alphabetical order, else empty.
    QString Suche_Ort(const QString& plz) override;

    bool Geprueft() const override { return mGeprueft; }
    QString Plz() const override { return mPlz; }
    QString Ort() const override { return mOrt; }
    QString Strasse() const override { return mStrasse; }
    QString Hausnummer() const override { return {}; }
    void setOkMeldungUnterdrucken(bool suppress) override { mOkMeldungUnterdrucken = suppress; }
    /// Whether the message confirming a single match is suppressed.
    bool OkMeldungUnterdrucken() const { return mOkMeldungUnterdrucken; }

private:
    struct Treffer {
        QString plz, ort, ortsteil, strasse;
    };
    QList<Treffer> search(const QString& plz, const QString& ort, const QString& strasse);
    int choose(const QList<Treffer>& hits, bool withStreet);

    std::shared_ptr<DialogRunner> mDialogs;
    std::shared_ptr<Connection> mConnection;
    bool mOrtsteile = false;
    bool mOkMeldungUnterdrucken = false;
    bool mGeprueft = false;
    QString mPlz, mOrt, mStrasse;
};

} // namespace belegadressen
