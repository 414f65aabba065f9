#pragma once

namespace belegadressen {

struct Context;
class PropertyBag;

// The configuration the host form keeps in its property store.
class DesignProperties {
public:
    explicit DesignProperties(Context& c) : c(c) {}
    void InitProperties();
    void ReadProperties(PropertyBag& bag);
    void WriteProperties(PropertyBag& bag);

private:
    Context& c;
};

} // namespace belegadressen
