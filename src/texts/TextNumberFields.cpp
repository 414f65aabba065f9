// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "texts/TextNumberFields.h"
#include "contracts/Error.h"
#include "control/ControlState.h"
#include "control/ErrorStyles.h"
#include "control/EventSink.h"
#include "control/Ui.h"
#include "control/Widgets.h"
#include "platform/EventHook.h"
#include "platform/GuardedConnect.h"
#include "platform/Keys.h"
#include "texts/TextChoice.h"
#include <QEvent>
#include <functional>

namespace belegadressen {

namespace {

const QString kOhneText = QStringLiteral("000");

} // namespace

TextNumberFields::TextNumberFields(const ControlState& state, Ui& ui, EventSink& events,
                                   TextChoice& choice, LongTextLookup& lookup)
    : mState(state), mUi(ui), mEvents(events), mChoice(choice), mLookup(lookup),
      mPreview(new LongTextLabel(ui.lblText, ui.txtDAnNr[0]->parentWidget())) {}

QLineEdit* TextNumberFields::field(int kind, int element) const {
    return mUi.textRow(element)[static_cast<size_t>(kind)];
}

void TextNumberFields::connectSignals() {
    for (int element = 0; element < 2; ++element) {
        for (int kind = 0; kind < kTextKinds; ++kind) {
            QLineEdit* f = field(kind, element);
            connectGuarded(f, &QLineEdit::textChanged, f,
                           [this] { mState.raiseWhileReporting([&] { mEvents.raiseChange(); }); });
            onFocusIn(f, [this, kind, element] { mChoice.aim(kind, element); });
            onKeyRelease(f, [this, kind, element](int key, Qt::KeyboardModifiers mods) {
                if (!isPlainF2(key, mods)) return false;
                mChoice.click(kind, element);
                return true;
            });
            onLeave(f, mUi.root, [this, kind, element] { left(kind, element); });
            // Mouse moves over a field show its long text; entering or leaving it
            // forgets the last lookup.
            f->setMouseTracking(true);
            hookEvents(f, [this, kind, element](QObject*, QEvent* event) {
                const auto type = event->type();
                if (type == QEvent::MouseMove)
                    mouseOver(kind, element);
                else if (type == QEvent::Enter || type == QEvent::Leave)
                    mHover.reset();
                return false;
            });
        }
    }
}

void TextNumberFields::left(int kind, int element) {
    skipOnError([&] {
        mLookup.LeseLangtext(field(kind, element)->text(), mChoice.textart(kind, element));
    });
}

void TextNumberFields::mouseOver(int kind, int element) {
    QLineEdit* f = field(kind, element);
    QString art;
    skipOnError([&] { art = mChoice.textart(kind, element); });
    bool found = true;
    skipOnError([&] { found = ZeigeLangtext(f->text(), art); });
    if (found) return;
    // A number without a module gives way to "no text", and the user is
    // taken to the field to choose another.
    skipOnError([&] { f->setText(kOhneText); });
    skipOnError([&] { f->setFocus(Qt::OtherFocusReason); });
}

Langtext TextNumberFields::lookUp(const QString& textnummer, const QString& textart) {
    if (mHover && mHover->textnummer == textnummer && mHover->textart == textart) {
        if (!mHover->answer) throw Error(Error::Database, QStringLiteral("Langtext nicht lesbar"));
        return *mHover->answer;
    }
    mHover = Hover{textnummer, textart, std::nullopt};
    mHover->answer = mLookup.LeseLangtext(textnummer, textart);
    return *mHover->answer;
}

bool TextNumberFields::ZeigeLangtext(const QString& textnummer, const QString& textart) {
    const QString nummer = textnummer.trimmed();
    if (nummer.isEmpty()) {
        mPreview->hide();
        return true;
    }
    Langtext langtext;
    try {
        langtext = lookUp(nummer, textart);
    } catch (...) {
        // A lookup that fails shows nothing, like a module without words,
        // and leaves the number alone.
        logging::swallowed(std::source_location::current(), "the text preview shows nothing");
        mPreview->show(QString());
        return true;
    }
    if (!langtext.shows()) {
        mPreview->hide();
        return false;
    }
    mPreview->show(langtext.text.toString());
    return true;
}

} // namespace belegadressen
