// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once

namespace belegadressen {

struct ControlState;
struct Appearance;
struct PageState;
struct LayoutFlags;
struct Ui;
class AddressPages;
class PageLayout;
class PropertyBag;

// The configuration the host form keeps in its property store.
class DesignProperties {
public:
    DesignProperties(const ControlState& state, Appearance& appearance, PageState& page,
                     LayoutFlags& flags, Ui& ui, AddressPages& pages, PageLayout& layout)
        : state(state), appearance(appearance), page(page), flags(flags), ui(ui), pages(pages),
          layout(layout) {}
    void InitProperties();
    void ReadProperties(PropertyBag& bag);
    void WriteProperties(PropertyBag& bag);

private:
    const ControlState& state;
    Appearance& appearance;
    PageState& page;
    LayoutFlags& flags;
    Ui& ui;
    AddressPages& pages;
    PageLayout& layout;
};

} // namespace belegadressen
