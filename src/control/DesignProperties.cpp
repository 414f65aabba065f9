// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

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
    bool LayoutFlags::*member;
};
constexpr Flag kFlags[] = {
    {"MitVersandanschrift", &LayoutFlags::MitVersandanschrift},
    {"MitRechnungsanschrift", &LayoutFlags::MitRechnungsanschrift},
    {"MitKopftext", &LayoutFlags::MitKopftext},
    {"MitFußtext", &LayoutFlags::MitFusstext},
    {"FürBeleg", &LayoutFlags::FuerBeleg},
    {"MitVersandarten", &LayoutFlags::MitVersandarten},
    {"MitSachbearbeiter", &LayoutFlags::MitSachbearbeiter},
    {"MitAuftragsrabatt", &LayoutFlags::MitAuftragsrabatt},
    {"MitRechnungPerPDF", &LayoutFlags::MitRechnungPerPDF},
    {"MitDebitorenkonto", &LayoutFlags::MitDebitorenkonto},
    {"MitPostfach", &LayoutFlags::MitPostfach},
    {"MitKundendienst", &LayoutFlags::MitKundendienst},
    {"MitWartung", &LayoutFlags::MitWartung},
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
    appearance.BackColor = appearance.ForeColor = 0;
    appearance.Enabled = false;
    appearance.Font = ambientFont(ui.root);
    appearance.BackStyle = appearance.BorderStyle = 0;
    page.AnzAdresse = 5;
    page.AktAdresse = 0;
    for (const Flag& f : kFlags)
        flags.*f.member = false;
    page.mAnzSeiten = 2;
    page.mAngezeigteAdresse = 999;
}

void DesignProperties::ReadProperties(PropertyBag& bag) {
    appearance.BackColor = bag.ReadProperty("BackColor", 0).toInt();
    appearance.ForeColor = bag.ReadProperty("ForeColor", 0).toInt();
    appearance.Enabled = bag.ReadProperty("Enabled", false).toBool();
    const QVariant font = bag.ReadProperty("Font", ambientFont(ui.root));
    if (font.canConvert<QFont>())
        appearance.Font = font.value<QFont>();
    else
        appearance.Font.fromString(font.toString());
    // A stored number outside 16 bits is invalid, not cut to its low bits
    // (65539 is no 3); an invalid address count becomes 2 like any other.
    appearance.BackStyle = toInt16(bag.ReadProperty("BackStyle", 0)).value_or(0);
    appearance.BorderStyle = toInt16(bag.ReadProperty("BorderStyle", 0)).value_or(0);
    pages.sizeAddresses(toInt16(bag.ReadProperty("AnzAdresse", 5)).value_or(0));
    pages.LeereAlleAdressen();
    layout.SetzeButtonBilder();
    page.AktAdresse = toInt16(bag.ReadProperty("AktAdresse", 0)).value_or(0);
    // Into their variables only: the host runs the let members it needs.
    for (const Flag& f : kFlags)
        flags.*f.member = bag.ReadProperty(f.key, false).toBool();
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
