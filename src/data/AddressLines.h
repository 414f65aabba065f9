#pragma once

namespace belegadressen {

struct Context;

// The seven address lines (first name, four name lines, street, place), the
// extended-address toggle and the reference-number fields.
class AddressLines {
public:
    explicit AddressLines(Context& c) : c(c) {}
    void connectSignals();

    void lineChanged(int index);
    void lineLeft(int index);
    void btnErwAdresseClick();

private:
    Context& c;
};

} // namespace belegadressen
