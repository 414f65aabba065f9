#pragma once
#include <QString>

class QWidget;

namespace belegadressen {

class WindowPositionService {
public:
    virtual ~WindowPositionService() = default;
    virtual void Restore(const QString& key, QWidget& window) = 0;
    virtual void Save(const QString& key, const QWidget& window) = 0;
};

} // namespace belegadressen
