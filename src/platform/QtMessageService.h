// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "belegadressen_export.h"
#include "contracts/DialogRunner.h"
#include "contracts/MessageService.h"
#include "contracts/ResourceLibrary.h"
#include <memory>

namespace belegadressen {

/// Shows messages as modal message boxes through a dialog runner. A message
/// given by number is looked up in the resource library's texts.
class BELEGADRESSEN_EXPORT QtMessageService : public MessageService {
public:
    /// Shows through the given dialog runner, texts from the resource library.
    QtMessageService(std::shared_ptr<DialogRunner> dialogs,
                     std::shared_ptr<ResourceLibrary> resources);

    void Meldung(const QVariant& textOrNumber, qint16 kind, const QString& title,
                 qint32 number = 0) override;
    void Fehlermeldung(const QString& module, const QString& procedure, qint32 number,
                       const QString& text, bool flag) override;

    /// The text Meldung shows for the given argument.
    QString messageText(const QVariant& textOrNumber) const;

private:
    std::shared_ptr<DialogRunner> mDialogs;
    std::shared_ptr<ResourceLibrary> mResources;
};

} // namespace belegadressen
