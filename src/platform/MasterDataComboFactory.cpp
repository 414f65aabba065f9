#include "platform/MasterDataComboFactory.h"
#include "platform/StammDatenCombo.h"

namespace belegadressen {

MasterDataCombo* createMasterDataCombo(MasterDataCombo::Kind kind, QWidget* parent) {
    switch (kind) {
    case MasterDataCombo::Kind::ComboEdit:
        return new StammDatenComboEdit(parent);
    case MasterDataCombo::Kind::Edit:
        return new StammDatenEdit(parent);
    case MasterDataCombo::Kind::Combo:
        break;
    }
    return new StammDatenCombo(parent);
}

void setMasterDataComboServices(MasterDataCombo& combo, std::shared_ptr<MessageService> messages,
                                std::shared_ptr<DialogRunner> dialogs) {
    if (auto* feld = qobject_cast<StammDatenFeld*>(&combo))
        feld->setServices(std::move(messages), std::move(dialogs));
}

} // namespace belegadressen
