// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "control/PageLayout.h"
#include "control/ControlState.h"
#include "control/DocumentKinds.h"
#include "control/ErrorStyles.h"
#include "control/ServiceHub.h"
#include "control/Ui.h"
#include "control/UiLayout.h"
#include "control/Values.h"
#include "control/Widgets.h"

namespace belegadressen {

namespace {

void setVisible(std::initializer_list<QWidget*> widgets, bool visible) {
    for (QWidget* w : widgets)
        w->setVisible(visible);
}

// Editable fields also take part in the tab order, locked ones do not.
void setEditable(QLineEdit* field, bool editable) {
    showEditable(field, editable);
    field->setFocusPolicy(editable ? Qt::StrongFocus : Qt::NoFocus);
}

} // namespace

bool PageLayout::PruefeWartungsdaten() const {
    auto filled = [](const QString& t) {
        const QString s = t.trimmed();
        return !s.isEmpty() && s != QLatin1String("0");
    };
    return filled(ui.txtDNummer->text()) && filled(ui.txtStandort->text()) &&
           filled(ui.txtAnlage->text());
}

void PageLayout::zeigeUstIdentNr() {
    setVisible({ui.txtDUstIdentNr, ui.lblUstIdentNr},
               isTaxKeyOne(ui.ocxMwstKnz->KeyValue()) && state.MitDebitorenkonto);
}

void PageLayout::SetzeSeitenLayout(int anzSeiten) {
    Ui& u = ui;
    const ControlState& st = state;
    u.btnAktKunde->setVisible(st.MitKundenaktualisierung);
    const bool two = anzSeiten == 2;
    placeTextRows(u, two);
    u.btnAdresse->setVisible(!two);
    setVisible({u.btnSeite[0], u.btnSeite[1], u.chkKnzDivers, u.chkDruckAufbewahrungsfrist,
                u.ocxZahlungsbedingungen, u.ocxZahlungsart, u.ocxMwstKnz, u.txtAnsprechpartnerKD,
                u.lblAnsprechpartnerKD, u.chkDruckInAnschriftKD, u.btnAnpBel},
               two);
    u.chkRechnungPerPDF->setVisible(two && st.MitRechnungPerPDF);
    setVisible({u.txtDAuftragsrabatt, u.lblAuftragsrabtt}, two && st.MitAuftragsrabatt);
    setVisible({u.txtDHauptkonto, u.lblHauptkonto}, two && st.MitDebitorenkonto);
    if (two)
        zeigeUstIdentNr();
    else
        setVisible({u.txtDUstIdentNr, u.lblUstIdentNr}, false);
    setVisible({u.lblPostfach, u.lblPlzPostfach, u.txtDPlzPostfach, u.txtDPostfach},
               st.MitPostfach);
    if (two)
        setVisible({u.PanWart, u.PanWart2, u.btnVergebeTermin, u.btnTerminAssistent}, false);
    else
        layoutServicePart();
}

void PageLayout::layoutServicePart() {
    Ui& u = ui;
    const ControlState& st = state;
    if (st.AktAdresse != 2) {
        setVisible({u.PanWart, u.PanWart2, u.btnVergebeTermin}, false);
        return;
    }
    if (!st.MitWartung && !st.MitKundendienst) return;

    const qint16 art = st.mBelegart;
    if (!documentKinds::isServiceOrder(art) && !documentKinds::isInvoiceWithServicePart(art)) {
        setVisible({u.PanWart, u.PanWart2, u.txtDatumLetzteWartung, u.lblDatumLetzteWartung,
                    u.txtDatumLetzteRechnung, u.lblDatumLetzteRechnung, u.btnVergebeTermin,
                    u.btnTerminAssistent},
                   false);
        return;
    }
    u.PanWart->setVisible(true);
    u.PanWart2->setVisible(st.AnzeigeBreit);
    auto appointmentEditable = [&] {
        setVisible({u.btnVergebeTermin, u.btnTerminAssistent}, true);
        for (QLineEdit* f :
             {static_cast<QLineEdit*>(u.txtTermin), static_cast<QLineEdit*>(u.txtDauer),
              static_cast<QLineEdit*>(u.txtUhrzeit), u.txtMonteur[0], u.txtAnsprechpartner,
              u.txtTelefon, u.txtFax})
            setEditable(f, true);
    };
    if (documentKinds::isServiceOrder(art)) {
        setEditable(u.txtDatumLetzteWartung,
                    documentKinds::isMaintenanceOrder(art) && PruefeWartungsdaten());
        setEditable(u.txtDatumLetzteRechnung, false);
        appointmentEditable();
        return;
    }
    const bool dates = documentKinds::isServiceInvoice(art);
    setVisible({u.txtDatumLetzteWartung, u.lblDatumLetzteWartung, u.txtDatumLetzteRechnung,
                u.lblDatumLetzteRechnung},
               dates);
    if (dates) setEditable(u.txtDatumLetzteWartung, PruefeWartungsdaten());
    if (!u.txtDNummer->text().isEmpty() || !u.txtDAdr[1]->text().isEmpty() ||
        !u.txtDAdr[2]->text().isEmpty())
        appointmentEditable();
}

void PageLayout::ladeButtonVorlagen() {
    ResourceLibrary& res = services.resources();
    const int size = ui.btnKunde->iconSize().height();
    ui.img_ButtonUp->setPixmap(res.Bild(235).pixmap(size));
    ui.img_ButtonDown->setPixmap(res.Bild(234).pixmap(size));
}

void PageLayout::SetzeButtonBilder() {
    Ui& u = ui;
    ResourceLibrary& res = services.resources();
    const QIcon up(u.img_ButtonUp->pixmap());
    for (QToolButton* b : {u.btnKunde, u.btnAdresse, u.btnAnlage, u.btnMonteur[0], u.btnMonteur[1],
                           u.btnAnpWart, u.btnAnpBel})
        b->setIcon(up);
    const QIcon released = res.Bild(235);
    for (int i = 0; i < 5; ++i) {
        u.btnKopf[i]->setIcon(released);
        u.btnFuss[i]->setIcon(released);
    }
    for (int i = 0; i < 2; ++i) {
        u.btnVersandan[i]->setIcon(released);
        u.btnRechan[i]->setIcon(released);
    }
    u.btnLoeTermin->setIcon(res.Bild(189));
    u.btnPlz->setIcon(res.Bild(338));
}

void PageLayout::releaseButtonPictures() {
    for (QToolButton* b : ui.root->findChildren<QToolButton*>())
        b->setIcon(QIcon());
}

void PageLayout::showReferenceHeadings() {
    const bool any = state.MitVersandanschrift || state.MitRechnungsanschrift;
    setVisible({ui.lblKundennr, ui.lblAdressnr}, any);
}

void PageLayout::setMitVersandanschrift(bool v) {
    Ui& u = ui;
    flags.MitVersandanschrift = v;
    setVisible(
        {u.lblversandan, u.txtDKD_Nr[0], u.txtDAD_Nr[0], u.btnVersandan[0], u.btnVersandan[1]}, v);
    showReferenceHeadings();
}

void PageLayout::setMitRechnungsanschrift(bool v) {
    Ui& u = ui;
    flags.MitRechnungsanschrift = v;
    setVisible({u.lblRechan, u.txtDKD_Nr[1], u.txtDAD_Nr[1], u.btnRechan[0], u.btnRechan[1]}, v);
    showReferenceHeadings();
}

void PageLayout::setMitKundenaktualisierung(bool v) {
    flags.MitKundenaktualisierung = v;
    ui.btnAktKunde->setVisible(v);
}

void PageLayout::setMitVersandarten(bool v) {
    flags.MitVersandarten = v;
    ui.ocxDVersandart->setVisible(v);
}

void PageLayout::setMitSachbearbeiter(bool v) {
    flags.MitSachbearbeiter = v;
    for (MasterDataCombo* combo : ui.ocxVertreter)
        combo->setVisible(v);
}

void PageLayout::setMitAuftragsrabatt(bool v) {
    flags.MitAuftragsrabatt = v;
    setVisible({ui.lblAuftragsrabtt, ui.txtDAuftragsrabatt}, v);
}

void PageLayout::setMitRechnungPerPDF(bool v) {
    flags.MitRechnungPerPDF = v;
    ui.chkRechnungPerPDF->setVisible(v);
}

void PageLayout::setMitDebitorenkonto(bool v) {
    flags.MitDebitorenkonto = v;
    setVisible({ui.lblHauptkonto, ui.txtDHauptkonto}, v);
    zeigeUstIdentNr();
}

void PageLayout::setMitPostfach(bool v) {
    flags.MitPostfach = v;
    setVisible({ui.lblPlzPostfach, ui.txtDPlzPostfach, ui.txtDPostfach}, v);
}

void PageLayout::setFuerBeleg(bool v) {
    flags.FuerBeleg = v;
    if (v) VerbergeTextZeilen();
    ui.btnBelegfreigabe->setVisible(v);
}

void PageLayout::applyFlags() {
    const ControlState& st = state;
    setMitVersandanschrift(st.MitVersandanschrift);
    setMitRechnungsanschrift(st.MitRechnungsanschrift);
    setMitKundenaktualisierung(st.MitKundenaktualisierung);
    setMitVersandarten(st.MitVersandarten);
    setMitSachbearbeiter(st.MitSachbearbeiter);
    setMitAuftragsrabatt(st.MitAuftragsrabatt);
    setMitRechnungPerPDF(st.MitRechnungPerPDF);
    setMitDebitorenkonto(st.MitDebitorenkonto);
    setMitPostfach(st.MitPostfach);
    setFuerBeleg(st.FuerBeleg);
    setMitKopftext(st.MitKopftext);
    setMitFusstext(st.MitFusstext);
}

void PageLayout::VerbergeTextZeilen() {
    Ui& u = ui;
    for (int i = 0; i < 5; ++i) {
        u.lblBaText[i]->setVisible(false);
        u.btnKopf[i]->setVisible(false);
        u.btnFuss[i]->setVisible(false);
    }
    setVisible({u.lblKopftext, u.lblFusstext}, false);
    for (int element = 0; element < 2; ++element)
        for (QLineEdit* f : u.textRow(element))
            f->setVisible(false);
}

void PageLayout::setMitKopftext(bool v) {
    flags.MitKopftext = v;
    setTextRow(0, v);
}

void PageLayout::setMitFusstext(bool v) {
    flags.MitFusstext = v;
    setTextRow(1, v);
}

void PageLayout::setTextRow(int element, bool flag) {
    Ui& u = ui;
    const bool anyText = state.MitKopftext || state.MitFusstext;
    if (!anyText) {
        VerbergeTextZeilen();
        return;
    }
    QLabel* heading = element == 0 ? u.lblKopftext : u.lblFusstext;
    auto& buttons = element == 0 ? u.btnKopf : u.btnFuss;
    if (state.FuerBeleg) {
        heading->setVisible(flag);
        buttons[0]->setVisible(flag);
        setzeTextZeile(element, flag);
        return;
    }
    u.restoreTextSlots();
    for (QLabel* l : u.lblBaText)
        l->setVisible(true);
    heading->setVisible(flag);
    for (QLineEdit* f : u.textRow(element))
        f->setVisible(flag);
    for (QToolButton* b : buttons)
        b->setVisible(flag);
}

void PageLayout::SetzeKopftextZeile() { setzeTextZeile(0, state.MitKopftext); }
void PageLayout::SetzeFusstextZeile() { setzeTextZeile(1, state.MitFusstext); }

// A document shows only the text number of its own kind, always in the
// first slot of the row.
void PageLayout::setzeTextZeile(int element, bool flag) {
    const auto row = ui.textRow(element);
    for (QLineEdit* f : row)
        skipOnError([&] { f->setVisible(false); });
    const int kind = documentKinds::kindIndex(state.mBelegart);
    if (kind < 0) return;
    QLineEdit* field = row[static_cast<size_t>(kind)];
    skipOnError([&] {
        field->setVisible(flag);
        ui.moveToFirstSlot(element, field);
    });
}

} // namespace belegadressen
