// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "belegadressen_export.h"
#include "contracts/Connection.h"
#include <QList>
#include <QString>
#include <memory>

namespace belegadressen {

/// One entry of a postal directory. `strasse` is the street name without a
/// house number, empty when the entry stands for the place as a whole.
struct PostalEntry {
    QString plz;      ///< postal code
    QString ort;      ///< place
    QString ortsteil; ///< district
    QString strasse;  ///< street name
    /// Entries are equal when every member is.
    bool operator==(const PostalEntry&) const = default;
};

/// What a lookup asks for; empty members are not compared. `strassen` holds the
/// spellings of one street name ("Hauptstr." and "Hauptstraße"), any of them
/// matches. A source may answer more than was asked (places that begin with
/// the typed one, other spellings): the manager sorts the answers itself.
struct PostalQuery {
    QString plz;              ///< postal code, or empty
    QString ort;              ///< place as typed, or empty
    QStringList strassen;     ///< spellings of the street, or empty
    QString land;             ///< country as the address holds it (D, A, CH); empty: any
    bool mitStrassen = false; ///< answer the streets even when none is asked for
};

/// What one address check asks: the typed postal code, place and street (its
/// spellings; empty when no street counts), in one country.
struct PostalCheckQuery {
    QString plz;          ///< postal code, or empty
    QString ort;          ///< place as typed, or empty
    QStringList strassen; ///< spellings of the street, or empty
    QString land;         ///< country as the address holds it; empty: any
};

/// The answers to one check, each list as PostalDirectory::find gives it.
struct PostalCheckAnswer {
    /// The place the place questions were asked for: the typed one, or, when
    /// only a street was typed, the postal code's place if it has just one.
    QString ort;
    QList<PostalEntry> byCode;        ///< the code's entries with their streets
    QList<PostalEntry> byPlaceStreet; ///< the place's entries of the street
    QList<PostalEntry> byPlace;       ///< the place's entries without streets
};

/// A source of postal data. The local directory table is the default; a host
/// with an online address service implements this and hands it to the postal
/// code manager (SqlPostalCodeManager::setOnline).
class BELEGADRESSEN_EXPORT PostalDirectory {
public:
    virtual ~PostalDirectory() = default;
    /// The matching entries, each once, ordered by postal code, place, district
    /// and street. With an empty query list, the street is not part of the
    /// entries (they stand for postal code and place). Throws Error when the
    /// source fails.
    virtual QList<PostalEntry> find(const PostalQuery& query) = 0;
    /// Everything one check needs. This asks find() in turn: the code's
    /// entries, the place's entries of the street (only with a street), the
    /// place's entries (only with a place). A source that can answer them
    /// together overrides it.
    virtual PostalCheckAnswer check(const PostalCheckQuery& query);
};

/// The directory table Postleitzahlen(Land, Plz, Ort, Ortsteil, Strasse,
/// OrtWort, StrasseSuche) of the host's database, as PostalImport writes it.
/// Places and streets are compared in search spelling (case, blanks, umlaut
/// and ß spelling do not matter); a typed place also finds the places that
/// begin with it word by word.
class BELEGADRESSEN_EXPORT SqlPostalDirectory : public PostalDirectory {
public:
    /// Reads the table through `connection`, with districts when asked.
    SqlPostalDirectory(std::shared_ptr<Connection> connection, bool withDistricts)
        : mConnection(std::move(connection)), mWithDistricts(withDistricts) {}
    /// The entries of the table that match `query`.
    QList<PostalEntry> find(const PostalQuery& query) override;
    /// All answers of one check from one statement, each question a branch
    /// of its own, so that a check costs one round trip.
    PostalCheckAnswer check(const PostalCheckQuery& query) override;

private:
    std::shared_ptr<Connection> mConnection;
    bool mWithDistricts;
};

} // namespace belegadressen
