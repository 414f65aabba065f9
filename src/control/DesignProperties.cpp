#include "control/DesignProperties.h"
#include "contracts/PropertyBag.h"
#include "control/AddressPages.h"
#include "control/ControlState.h"
#include "control/Narrowing.h"
#include "control/PageLayout.h"
#include "control/Ui.h"
#include "platform/Logging.h"
#include <QApplication>

namespace belegadressen {

namespace {

// The thirteen layout flags in their stored order.
struct Flag {
    const char* key;
    bool ControlState::*member;
};
constexpr Flag kFlags[] = {
    {"MitVersandanschrift", &ControlState::MitVersandanschrift},
    {"MitRechnungsanschrift", &ControlState::MitRechnungsanschrift},
    {"MitKopftext", &ControlState::MitKopftext},
    {"MitFußtext", &ControlState::MitFusstext},
    {"FürBeleg", &ControlState::FuerBeleg},
    {"MitVersandarten", &ControlState::MitVersandarten},
    {"MitSachbearbeiter", &ControlState::MitSachbearbeiter},
    {"MitAuftragsrabatt", &ControlState::MitAuftragsrabatt},
    {"MitRechnungPerPDF", &ControlState::MitRechnungPerPDF},
    {"MitDebitorenkonto", &ControlState::MitDebitorenkonto},
    {"MitPostfach", &ControlState::MitPostfach},
    {"MitKundendienst", &ControlState::MitKundendienst},
    {"MitWartung", &ControlState::MitWartung},
};

// The container's font stands in for the ambient font of the host form.
QFont ambientFont(const QWidget* root) {
    return root->parentWidget() ? root->parentWidget()->font() : QApplication::font();
}

template <class F>
void tryWrite(F&& write, std::source_location where = std::source_location::current()) {
    try {
        write();
    } catch (...) {
        // A key the store cannot take is skipped; the next one is written.
        logging::swallowed(where, "the property store refused a key");
    }
}

} // namespace

void DesignProperties::InitProperties() {
    ControlState& st = state;
    st.BackColor = st.ForeColor = 0;
    st.Enabled = false;
    st.Font = ambientFont(ui.root);
    st.BackStyle = st.BorderStyle = 0;
    st.AnzAdresse = 5;
    st.AktAdresse = 0;
    for (const Flag& f : kFlags)
        st.*f.member = false;
    st.mAnzSeiten = 2;
    st.mAngezeigteAdresse = 999;
}

void DesignProperties::ReadProperties(PropertyBag& bag) {
    ControlState& st = state;
    st.BackColor = bag.ReadProperty("BackColor", 0).toInt();
    st.ForeColor = bag.ReadProperty("ForeColor", 0).toInt();
    st.Enabled = bag.ReadProperty("Enabled", false).toBool();
    const QVariant font = bag.ReadProperty("Font", ambientFont(ui.root));
    if (font.canConvert<QFont>())
        st.Font = font.value<QFont>();
    else
        st.Font.fromString(font.toString());
    // A stored number outside 16 bits is invalid, not cut to its low bits
    // (65539 is no 3); an invalid address count becomes 2 like any other.
    st.BackStyle = toInt16(bag.ReadProperty("BackStyle", 0)).value_or(0);
    st.BorderStyle = toInt16(bag.ReadProperty("BorderStyle", 0)).value_or(0);
    pages.sizeAddresses(toInt16(bag.ReadProperty("AnzAdresse", 5)).value_or(0));
    pages.LeereAlleAdressen();
    layout.SetzeButtonBilder();
    st.AktAdresse = toInt16(bag.ReadProperty("AktAdresse", 0)).value_or(0);
    // Into their variables only: the host runs the let members it needs.
    for (const Flag& f : kFlags)
        st.*f.member = bag.ReadProperty(f.key, false).toBool();
}

void DesignProperties::WriteProperties(PropertyBag& bag) {
    const ControlState& st = state;
    tryWrite([&] { bag.WriteProperty("BackColor", st.BackColor, 0); });
    tryWrite([&] { bag.WriteProperty("ForeColor", st.ForeColor, 0); });
    tryWrite([&] { bag.WriteProperty("Enabled", st.Enabled, false); });
    tryWrite([&] { bag.WriteProperty("Font", st.Font, ambientFont(ui.root)); });
    tryWrite([&] { bag.WriteProperty("BackStyle", st.BackStyle, 0); });
    tryWrite([&] { bag.WriteProperty("BorderStyle", st.BorderStyle, 0); });
    tryWrite([&] { bag.WriteProperty("AnzAdresse", st.AnzAdresse, 5); });
    tryWrite([&] { bag.WriteProperty("AktAdresse", st.AktAdresse, 0); });
    for (const Flag& f : kFlags)
        tryWrite([&] { bag.WriteProperty(f.key, st.*f.member, false); });
}

} // namespace belegadressen
