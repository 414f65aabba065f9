#pragma once

namespace belegadressen {

struct ControlState;
struct Ui;
class AddressPages;
class PageLayout;
class PropertyBag;

// The configuration the host form keeps in its property store.
class DesignProperties {
public:
    DesignProperties(ControlState& state, Ui& ui, AddressPages& pages, PageLayout& layout)
        : state(state), ui(ui), pages(pages), layout(layout) {}
    void InitProperties();
    void ReadProperties(PropertyBag& bag);
    void WriteProperties(PropertyBag& bag);

private:
    ControlState& state;
    Ui& ui;
    AddressPages& pages;
    PageLayout& layout;
};

} // namespace belegadressen
