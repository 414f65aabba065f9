#pragma once
#include <QString>
#include <QVariant>

namespace belegadressen {

// The host form's property store. Writing a value equal to its default
// omits the key; reading a missing key answers the default.
class PropertyBag {
public:
    virtual ~PropertyBag() = default;
    virtual QVariant ReadProperty(const QString& key, const QVariant& defaultValue) = 0;
    virtual void WriteProperty(const QString& key, const QVariant& value,
                               const QVariant& defaultValue) = 0;
};

} // namespace belegadressen
