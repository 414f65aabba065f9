#pragma once
#include <QVariant>

class QComboBox;

namespace belegadressen {

// Selects a drop-down entry by its value and reads the selected value back.
class ListSelectionService {
public:
    virtual ~ListSelectionService() = default;
    virtual void Select(QComboBox& list, const QVariant& value) = 0;
    virtual QVariant SelectedValue(const QComboBox& list) = 0;
};

} // namespace belegadressen
