// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "texts/TextChoice.h"
#include "contracts/TextKindCatalogue.h"
#include "control/AddressPages.h"
#include "control/ControlState.h"
#include "control/ErrorStyles.h"
#include "control/EventSink.h"
#include "control/ServiceHub.h"
#include "control/Ui.h"
#include "platform/GuardedConnect.h"

namespace belegadressen {

namespace {

constexpr int kTexttypPasstNicht = 10050;

} // namespace

void TextChoice::connectSignals() {
    for (int kind = 0; kind < kTextKinds; ++kind) {
        QToolButton* kopf = mUi.btnKopf[static_cast<size_t>(kind)];
        QToolButton* fuss = mUi.btnFuss[static_cast<size_t>(kind)];
        connectGuarded(kopf, &QToolButton::clicked, kopf, [this, kind] { btnKopfClick(kind); });
        connectGuarded(fuss, &QToolButton::clicked, fuss, [this, kind] { btnFussClick(kind); });
    }
}

QString TextChoice::textart(int kind, int element) {
    const auto catalogue = mServices.newTextKindCatalogue();
    return element == 0 ? catalogue->Kopftext(kind) : catalogue->Fusstext(kind);
}

// The event always carries the clicked button's own index, also when the
// document decides the kind; a code or number that cannot be read stays empty.
void TextChoice::click(int index, int element) {
    const ButtonChoice choice = buttonChoice(index, mState.FuerBeleg, mState.mBelegart);
    QString wert, art;
    if (choice.kind >= 0) {
        skipOnError([&] { art = textart(choice.kind, element); });
        skipOnError([&] { wert = mUi.textRow(element)[static_cast<size_t>(choice.kind)]->text(); });
    }
    mTarget.aim(choice.targetKind, element);
    const auto buttonIndex = static_cast<qint16>(index);
    if (element == 0)
        mEvents.raiseBtnKopftextClick(buttonIndex, wert, art);
    else
        mEvents.raiseBtnFusstextClick(buttonIndex, wert, art);
}

// A number for a text field needs the page of the text rows in view; the
// control switches there itself, so the page switch asks nothing and tells
// the host nothing.
void TextChoice::showTextPage() {
    // The rows stand on page 2 of a two-page address: a number dropped while
    // page 1 is shown turns to page 2, quietly, as its page button would.
    if (!mUi.panSeite[0]->isAncestorOf(mUi.textRowArea) || mUi.panSeite[1]->isHidden()) return;
    mPages.turnPageQuietly(0);
}

qint32 TextChoice::fktDragTextNummer(const QString& nummer) {
    return zeroOnError([&]() -> qint32 {
        showTextPage();
        if (!mTarget.pending()) return 0;
        if (mTarget.textfeld < 0 || mTarget.textfeld >= kTextKinds) return -1;
        QLineEdit* field = mUi.textRow(mTarget.element())[static_cast<size_t>(mTarget.textfeld)];
        // A field the user cannot reach takes no number.
        if (!field->isVisibleTo(mUi.root) || !field->isEnabled())
            throw Error(Error::InvalidCall,
                        QStringLiteral("Das Textfeld kann den Fokus nicht erhalten."));
        field->setFocus(Qt::OtherFocusReason);
        field->setText(nummer);
        return -1;
    });
}

// Answers what fktDragTextNummer answered (-1 taken, 0 not), so that the host
// learns whether its number arrived; a refused text type answers 0.
qint32 TextChoice::fktDragTextNummerAllgenmein(const QString& nummer, const QVariant& texttyp) {
    return zeroOnError([&]() -> qint32 {
        if (PruefeTexttyp(texttyp) == 0) return 0;
        if (const auto type = textTypeOf(texttyp)) mTarget.aim(type->kind, type->element);
        return fktDragTextNummer(nummer);
    });
}

qint32 TextChoice::PruefeTexttyp(const QVariant& texttyp) {
    return zeroOnError([&]() -> qint32 {
        if (texttypFits(texttyp, mState.FuerBeleg, mState.mBelegart)) return -1;
        mServices.messages().Meldung(QVariant(kTexttypPasstNicht), 4, kModulName, 0);
        return 0;
    });
}

} // namespace belegadressen
