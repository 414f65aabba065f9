// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include <QString>

namespace belegadressen {
class BelegAdressen;
}

// The document window's stored design of its control: a JSON property
// store in a file next to the database.
class FormProperties {
public:
    explicit FormProperties(QString path);

    const QString& path() const { return mPath; }
    bool exists() const;
    // ReadProperties from the file; throws std::runtime_error when it is unreadable.
    void readInto(belegadressen::BelegAdressen& control) const;
    // WriteProperties into the file; throws std::runtime_error when it cannot be written.
    void writeFrom(belegadressen::BelegAdressen& control) const;

private:
    QString mPath;
};
