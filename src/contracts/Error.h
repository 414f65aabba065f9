#pragma once
#include <QString>
#include <stdexcept>

namespace belegadressen {

// An error handed back to the host: a number and a German text.
// 9 = address index out of range, 382 = not allowed in design mode,
// 438 = unknown late-bound member; database errors carry the driver's text.
class Error : public std::runtime_error {
public:
    Error(qint32 number, const QString& text)
        : std::runtime_error(text.toStdString()), mNumber(number), mText(text) {}
    qint32 number() const { return mNumber; }
    QString text() const { return mText; }

    static constexpr qint32 IndexOutOfRange = 9;
    static constexpr qint32 DesignMode = 382;
    static constexpr qint32 UnknownMember = 438;
    static constexpr qint32 Database = 3146;

private:
    qint32 mNumber;
    QString mText;
};

} // namespace belegadressen
