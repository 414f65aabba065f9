#pragma once
#include <QString>
#include <QVariant>

namespace belegadressen {

// Modal user messages. The control always passes kind 4 and the module name
// "QelBelAdr" as title; a message number arrives as an integer QVariant.
class MessageService {
public:
    virtual ~MessageService() = default;
    virtual void Meldung(const QVariant& textOrNumber, qint16 kind, const QString& title,
                         qint32 number = 0) = 0;
    virtual void Fehlermeldung(const QString& module, const QString& procedure, qint32 number,
                               const QString& text, bool flag) = 0;
};

} // namespace belegadressen
