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
/// matches.
struct PostalQuery {
    QString plz;          ///< postal code, or empty
    QString ort;          ///< place, or empty
    QStringList strassen; ///< spellings of the street, or empty
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
};

/// The directory table Postleitzahlen(Plz, Ort, Ortsteil, Strasse) of the
/// host's database.
class BELEGADRESSEN_EXPORT SqlPostalDirectory : public PostalDirectory {
public:
    /// Reads the table through `connection`, with districts when asked.
    SqlPostalDirectory(std::shared_ptr<Connection> connection, bool withDistricts)
        : mConnection(std::move(connection)), mWithDistricts(withDistricts) {}
    /// The entries of the table that match `query`.
    QList<PostalEntry> find(const PostalQuery& query) override;
    /// The entries of the first of `queries` that has any, as find() would
    /// answer them, in one statement; `which` gets its index (-1 for none).
    QList<PostalEntry> findFirst(const QList<PostalQuery>& queries, int& which);

private:
    std::shared_ptr<Connection> mConnection;
    bool mWithDistricts;
};

} // namespace belegadressen
