#pragma once
#include <QIcon>
#include <QString>
#include <QStringList>

namespace belegadressen {

// Pictures and message texts by number (234 pressed, 235 released image button,
// 189 delete appointment, 338 postal code; text 10050, 13048).
class ResourceLibrary {
public:
    virtual ~ResourceLibrary() = default;
    virtual QIcon Bild(int number) = 0;
    virtual QString Text(int number, const QStringList& values = {}) = 0;
};

} // namespace belegadressen
