// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include <QVariant>
#include <optional>

namespace belegadressen {

// The five document kinds that carry header and footer texts, in the order of
// the text-number fields: 0 offer, 1 order confirmation, 2 delivery note,
// 3 invoice, 4 credit note.
inline constexpr int kTextKinds = 5;

// Where a text number handed in by the host goes: the header (element 0) or
// footer (element 1) field of one kind. Nothing is pending until a button,
// a typed text type or a field's focus names a target.
struct TextTarget {
    bool kopftext = false;
    bool fusstext = false;
    int textfeld = 0;

    bool pending() const { return kopftext || fusstext; }
    int element() const { return kopftext ? 0 : 1; }
    void aim(int kind, int element) {
        textfeld = kind;
        kopftext = element == 0;
        fusstext = element != 0;
    }
};

// A text type of the host's general text selection (0..9): the kind it
// belongs to and its row, 0 header or 1 footer.
struct TextType {
    int kind;
    int element;
};

// The text type a variant names; nothing for values outside 0..9, fractions
// and texts that are no number.
std::optional<TextType> textTypeOf(const QVariant& texttyp);

// Whether a text type may be used: any type when the control edits all kinds
// at once, else only a type of the document's own kind.
bool texttypFits(const QVariant& texttyp, bool fuerBeleg, qint16 belegart);

// What a header or footer button asks for: the kind whose code and number the
// event carries (-1: none, both empty) and the kind a delivered number goes to.
struct ButtonChoice {
    int kind;
    int targetKind;
};
ButtonChoice buttonChoice(int index, bool fuerBeleg, qint16 belegart);

} // namespace belegadressen
