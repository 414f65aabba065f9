// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once

namespace belegadressen {

struct ControlState;
struct LayoutFlags;
struct Ui;
class ServiceHub;

// Which fields a page shows: the page-count layout, the service part of
// address 2, the host's layout flags and the text-number rows.
class PageLayout {
public:
    PageLayout(const ControlState& state, LayoutFlags& flags, Ui& ui, ServiceHub& services)
        : state(state), flags(flags), ui(ui), services(services) {}

    void SetzeSeitenLayout(int anzSeiten);
    bool PruefeWartungsdaten() const;
    // Takes the released and pressed pictures of the simple image buttons
    // into the templates img_ButtonUp and img_ButtonDown.
    void ladeButtonVorlagen();
    void SetzeButtonBilder();
    void releaseButtonPictures();

    // The layout flags: each stores its value and shows or hides its fields.
    void setMitVersandanschrift(bool v);
    void setMitRechnungsanschrift(bool v);
    void setMitKundenaktualisierung(bool v);
    void setMitVersandarten(bool v);
    void setMitSachbearbeiter(bool v);
    void setMitAuftragsrabatt(bool v);
    void setMitRechnungPerPDF(bool v);
    void setMitDebitorenkonto(bool v);
    void setMitPostfach(bool v);
    void setFuerBeleg(bool v);
    void setMitKopftext(bool v);
    void setMitFusstext(bool v);

    // Shows and hides the fields of every flag as the state holds them, without
    // reporting anything (start-up and stored properties).
    void applyFlags();

    void VerbergeTextZeilen();
    void SetzeKopftextZeile();
    void SetzeFusstextZeile();

    // The VAT id is offered only for tax key 1 and with the debtor account.
    void zeigeUstIdentNr();

private:
    void layoutServicePart();
    void setTextRow(int element, bool flag);
    void setzeTextZeile(int element, bool flag);
    void showReferenceHeadings();
    const ControlState& state;
    LayoutFlags& flags;
    Ui& ui;
    ServiceHub& services;
};

} // namespace belegadressen
