// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "platform/PropertyBags.h"
#include <QFile>
#include <QFont>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace belegadressen {

namespace {

QVariant asTypeOf(const QVariant& stored, const QVariant& defaultValue) {
    if (!defaultValue.isValid() || !stored.isValid() ||
        stored.metaType() == defaultValue.metaType())
        return stored;
    if (defaultValue.typeId() == QMetaType::QFont) {
        QFont font;
        if (stored.typeId() == QMetaType::QString && font.fromString(stored.toString()))
            return font;
        return stored;
    }
    QVariant converted = stored;
    if (!converted.convert(defaultValue.metaType())) return stored;
    // A number that does not survive the conversion to a whole number (3.5,
    // or 2^32 + 3 cut to 32 bits) is handed on as stored, for the reader to
    // refuse.
    switch (defaultValue.typeId()) {
    case QMetaType::Short:
    case QMetaType::Int:
    case QMetaType::LongLong:
        if (converted.toDouble() != stored.toDouble()) return stored;
        break;
    default:
        break;
    }
    return converted;
}

QJsonValue toJson(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool();
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong:
        return value.toLongLong();
    case QMetaType::Float:
    case QMetaType::Double:
        return value.toDouble();
    case QMetaType::QFont:
        return value.value<QFont>().toString();
    default:
        if (value.isNull()) return QJsonValue::Null;
        return value.toString();
    }
}

} // namespace

QVariant MemoryPropertyBag::ReadProperty(const QString& key, const QVariant& defaultValue) {
    const auto it = mValues.constFind(key);
    if (it == mValues.constEnd()) return defaultValue;
    return asTypeOf(*it, defaultValue);
}

void MemoryPropertyBag::WriteProperty(const QString& key, const QVariant& value,
                                      const QVariant& defaultValue) {
    if (value == defaultValue)
        mValues.remove(key);
    else
        mValues.insert(key, value);
}

bool JsonPropertyBag::load(const QString& path) {
    mValues.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject()) return false;
    const QJsonObject object = doc.object();
    for (auto it = object.begin(); it != object.end(); ++it)
        mValues.insert(it.key(), it.value().isNull() ? QVariant() : it.value().toVariant());
    return true;
}

bool JsonPropertyBag::save(const QString& path) const {
    QJsonObject object;
    for (auto it = mValues.constBegin(); it != mValues.constEnd(); ++it)
        object.insert(it.key(), toJson(it.value()));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(QJsonDocument(object).toJson(QJsonDocument::Indented));
    return file.commit();
}

} // namespace belegadressen
