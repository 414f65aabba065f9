// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "texts/LongTextLabel.h"
#include "texts/LongTextLookup.h"
#include <QString>
#include <optional>

class QLineEdit;

namespace belegadressen {

struct ControlState;
struct Ui;
class EventSink;
class TextChoice;

// The ten text-number fields: a user change is reported, the focused field is
// the target of the host's next number, F2 opens the host's text selection,
// leaving checks that the module exists, and the mouse over a field previews
// the module's long text in lblText.
class TextNumberFields {
public:
    TextNumberFields(const ControlState& state, Ui& ui, EventSink& events, TextChoice& choice,
                     LongTextLookup& lookup);
    void connectSignals();

    // The mouse moved over the field of `kind` and row `element`.
    void mouseOver(int kind, int element);
    // Leaving a field: a number without a module is reported, and stays.
    void left(int kind, int element);

    // Shows the long text of a module in lblText; false when the number is
    // not empty and has no module (or one without a text).
    bool ZeigeLangtext(const QString& textnummer, const QString& textart);

private:
    QLineEdit* field(int kind, int element) const;
    Langtext lookUp(const QString& textnummer, const QString& textart);

    const ControlState& mState;
    Ui& mUi;
    EventSink& mEvents;
    TextChoice& mChoice;
    LongTextLookup& mLookup;
    LongTextLabel* mPreview; // owned by lblText

    // The last lookup while the mouse stays over one field, so that moving the
    // mouse does not read the same module again with every step.
    struct Hover {
        QString textnummer, textart;
        std::optional<Langtext> answer; // empty: the lookup failed
    };
    std::optional<Hover> mHover;
};

} // namespace belegadressen
