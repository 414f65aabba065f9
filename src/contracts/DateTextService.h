#pragma once
#include <QString>

namespace belegadressen {

// Converts between the stored form of a date and its display form "dd.mm.yyyy".
class DateTextService {
public:
    virtual ~DateTextService() = default;
    virtual QString ToDisplay(const QString& stored) = 0;
    virtual QString ToStored(const QString& display) = 0;
};

} // namespace belegadressen
