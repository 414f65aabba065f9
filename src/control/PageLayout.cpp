#include "control/PageLayout.h"
#include "control/Context.h"
#include "control/ErrorStyles.h"
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

bool isServiceOrder(int belegart) { return belegart == 110 || belegart == 120; }

// The text-number field of a document type: 0 offer, 1 order, 2 delivery
// note, 3 invoice, 4 credit note; -1 for no kind.
int documentKind(int belegart) {
    switch (belegart) {
    case 10:
    case 150:
        return 0;
    case 20:
    case 30:
    case 110:
    case 120:
        return 1;
    case 40:
        return 2;
    case 50:
    case 60:
    case 70:
    case 80:
    case 90:
    case 130:
        return 3;
    case 100:
        return 4;
    default:
        return -1;
    }
}

} // namespace

bool PageLayout::PruefeWartungsdaten() const {
    auto filled = [](const QString& t) {
        const QString s = t.trimmed();
        return !s.isEmpty() && s != QLatin1String("0");
    };
    return filled(c.ui.txtDNummer->text()) && filled(c.ui.txtStandort->text()) &&
           filled(c.ui.txtAnlage->text());
}

void PageLayout::zeigeUstIdentNr() {
    const QVariant key = c.ui.ocxMwstKnz->KeyValue();
    const bool taxKeyOne = !key.isNull() && key.toString().trimmed() == QLatin1String("1");
    setVisible({c.ui.txtDUstIdentNr, c.ui.lblUstIdentNr}, taxKeyOne && c.st.MitDebitorenkonto);
}

void PageLayout::SetzeSeitenLayout(int anzSeiten) {
    Ui& u = c.ui;
    const ControlState& st = c.st;
    u.btnAktKunde->setVisible(st.MitKundenaktualisierung);
    const bool two = anzSeiten == 2;
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
    Ui& u = c.ui;
    const ControlState& st = c.st;
    if (st.AktAdresse != 2) {
        setVisible({u.PanWart, u.PanWart2, u.btnVergebeTermin}, false);
        return;
    }
    if (!st.MitWartung && !st.MitKundendienst) return;

    const int art = st.mBelegart;
    const bool invoiceKind = art == 130 || art == 60 || art == 50 || art == 80 || art == 70;
    if (!isServiceOrder(art) && !invoiceKind) {
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
    if (isServiceOrder(art)) {
        setEditable(u.txtDatumLetzteWartung, art == 110 && PruefeWartungsdaten());
        setEditable(u.txtDatumLetzteRechnung, false);
        appointmentEditable();
        return;
    }
    const bool dates = art == 130;
    setVisible({u.txtDatumLetzteWartung, u.lblDatumLetzteWartung, u.txtDatumLetzteRechnung,
                u.lblDatumLetzteRechnung},
               dates);
    if (dates) setEditable(u.txtDatumLetzteWartung, PruefeWartungsdaten());
    if (!u.txtDNummer->text().isEmpty() || !u.txtDAdr[1]->text().isEmpty() ||
        !u.txtDAdr[2]->text().isEmpty())
        appointmentEditable();
}

void PageLayout::SetzeButtonBilder() {
    Ui& u = c.ui;
    ResourceLibrary& res = c.svc.resources();
    const QIcon up =
        u.img_ButtonUp->pixmap().isNull() ? res.Bild(235) : QIcon(u.img_ButtonUp->pixmap());
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
    for (QToolButton* b : c.ui.root->findChildren<QToolButton*>())
        b->setIcon(QIcon());
}

void PageLayout::showReferenceHeadings() {
    const bool any = c.st.MitVersandanschrift || c.st.MitRechnungsanschrift;
    setVisible({c.ui.lblKundennr, c.ui.lblAdressnr}, any);
}

void PageLayout::setMitVersandanschrift(bool v) {
    Ui& u = c.ui;
    c.st.MitVersandanschrift = v;
    setVisible(
        {u.lblversandan, u.txtDKD_Nr[0], u.txtDAD_Nr[0], u.btnVersandan[0], u.btnVersandan[1]}, v);
    showReferenceHeadings();
}

void PageLayout::setMitRechnungsanschrift(bool v) {
    Ui& u = c.ui;
    c.st.MitRechnungsanschrift = v;
    setVisible({u.lblRechan, u.txtDKD_Nr[1], u.txtDAD_Nr[1], u.btnRechan[0], u.btnRechan[1]}, v);
    showReferenceHeadings();
}

void PageLayout::setMitKundenaktualisierung(bool v) {
    c.st.MitKundenaktualisierung = v;
    c.ui.btnAktKunde->setVisible(v);
}

void PageLayout::setMitVersandarten(bool v) {
    c.st.MitVersandarten = v;
    c.ui.ocxDVersandart->setVisible(v);
}

void PageLayout::setMitSachbearbeiter(bool v) {
    c.st.MitSachbearbeiter = v;
    for (MasterDataCombo* combo : c.ui.ocxVertreter)
        combo->setVisible(v);
}

void PageLayout::setMitAuftragsrabatt(bool v) {
    c.st.MitAuftragsrabatt = v;
    setVisible({c.ui.lblAuftragsrabtt, c.ui.txtDAuftragsrabatt}, v);
}

void PageLayout::setMitRechnungPerPDF(bool v) {
    c.st.MitRechnungPerPDF = v;
    c.ui.chkRechnungPerPDF->setVisible(v);
}

void PageLayout::setMitDebitorenkonto(bool v) {
    c.st.MitDebitorenkonto = v;
    setVisible({c.ui.lblHauptkonto, c.ui.txtDHauptkonto}, v);
    zeigeUstIdentNr();
}

void PageLayout::setMitPostfach(bool v) {
    c.st.MitPostfach = v;
    setVisible({c.ui.lblPlzPostfach, c.ui.txtDPlzPostfach, c.ui.txtDPostfach}, v);
}

void PageLayout::setFuerBeleg(bool v) {
    c.st.FuerBeleg = v;
    if (v) VerbergeTextZeilen();
    c.ui.btnBelegfreigabe->setVisible(v);
}

void PageLayout::applyFlags() {
    const ControlState& st = c.st;
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
    Ui& u = c.ui;
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
    c.st.MitKopftext = v;
    setTextRow(0, v);
}

void PageLayout::setMitFusstext(bool v) {
    c.st.MitFusstext = v;
    setTextRow(1, v);
}

void PageLayout::setTextRow(int element, bool flag) {
    Ui& u = c.ui;
    const bool anyText = c.st.MitKopftext || c.st.MitFusstext;
    if (!anyText) {
        VerbergeTextZeilen();
        return;
    }
    QLabel* heading = element == 0 ? u.lblKopftext : u.lblFusstext;
    auto& buttons = element == 0 ? u.btnKopf : u.btnFuss;
    if (c.st.FuerBeleg) {
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

void PageLayout::SetzeKopftextZeile() { setzeTextZeile(0, c.st.MitKopftext); }
void PageLayout::SetzeFusstextZeile() { setzeTextZeile(1, c.st.MitFusstext); }

// A document shows only the text number of its own kind, always in the
// first slot of the row.
void PageLayout::setzeTextZeile(int element, bool flag) {
    const auto row = c.ui.textRow(element);
    for (QLineEdit* f : row)
        skipOnError([&] { f->setVisible(false); });
    const int kind = documentKind(c.st.mBelegart);
    if (kind < 0) return;
    QLineEdit* field = row[static_cast<size_t>(kind)];
    skipOnError([&] {
        field->setVisible(flag);
        c.ui.moveToFirstSlot(element, field);
    });
}

} // namespace belegadressen
