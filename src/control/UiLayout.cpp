// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "control/UiLayout.h"
#include "control/AccessibleTexts.h"
#include "control/Twips.h"
#include "control/Ui.h"
#include <QBoxLayout>
#include <QFormLayout>
#include <QGridLayout>
#include <QStyle>
#include <algorithm>
#include <initializer_list>
#include <vector>

namespace belegadressen {

QString withoutAccessKeys(const QString& caption) {
    // "&x" marks x as the access key; "&&" shows one ampersand.
    QString text;
    text.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == QLatin1Char('&') && i + 1 < caption.size()) ++i;
        text += caption.at(i);
    }
    return text;
}

namespace {

// Spacing of all forms, so that nested forms line up with their outer form.
struct Spacing {
    int horizontal;
    int vertical;
    int columns; // between the two columns of page 1
};

void noMargins(QLayout* layout) { layout->setContentsMargins(0, 0, 0, 0); }

// A row of widgets that collapses to nothing when all of them are hidden.
QHBoxLayout* row(const Spacing& s, std::initializer_list<QWidget*> widgets,
                 bool stretchAtEnd = false) {
    auto* box = new QHBoxLayout;
    noMargins(box);
    box->setSpacing(s.horizontal);
    for (QWidget* w : widgets)
        box->addWidget(w);
    if (stretchAtEnd) box->addStretch(1);
    return box;
}

// A two-column form: captions left, inputs right. Rows whose widgets are all
// hidden take no space, so hidden groups leave no holes; rows that span the
// form (master-data fields bring their own caption) do not widen the caption
// column.
class Form {
public:
    Form(QFormLayout* form, const Spacing& s, int captionWidth)
        : mForm(form), mCaptionWidth(captionWidth) {
        noMargins(form);
        form->setHorizontalSpacing(s.horizontal);
        form->setVerticalSpacing(s.vertical);
        form->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        form->setFormAlignment(Qt::AlignLeft | Qt::AlignTop);
        form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
        form->setRowWrapPolicy(QFormLayout::DontWrapRows);
    }

    void add(QLabel* caption, QWidget* field) {
        if (caption) caption->setBuddy(field);
        mForm->addRow(fit(caption), field);
    }
    void add(QLabel* caption, QLayout* fields) { mForm->addRow(fit(caption), fields); }
    void span(QWidget* widget) { mForm->addRow(widget); }
    void span(QLayout* layout) { mForm->addRow(layout); }

private:
    QWidget* fit(QLabel* caption) const {
        if (caption) caption->setMinimumWidth(mCaptionWidth);
        return caption;
    }
    QFormLayout* mForm;
    int mCaptionWidth;
};

// A grid whose first column lines up with the caption column of a form.
QGridLayout* alignedGrid(const Spacing& s, int captionWidth) {
    auto* grid = new QGridLayout;
    noMargins(grid);
    grid->setHorizontalSpacing(s.horizontal);
    grid->setVerticalSpacing(s.vertical);
    grid->setColumnMinimumWidth(0, captionWidth);
    return grid;
}

// The width of a caption column: at least `width`, and as wide as the widest
// caption. A caption is measured as shown, without its access-key mark (a
// label shows the mark literally until it has a buddy).
int captionColumn(int width, std::initializer_list<QWidget*> captions) {
    for (QWidget* c : captions) {
        int w = c->sizeHint().width();
        if (auto* label = qobject_cast<QLabel*>(c))
            w = label->fontMetrics().horizontalAdvance(withoutAccessKeys(label->text())) +
                2 * (label->margin() + label->frameWidth());
        width = std::max(width, w);
    }
    return width;
}

// The caption column of a form below a master-data field, so that the form's
// inputs start where the field's input starts. A field that does not show
// where its input is (no focus proxy inside it) is taken to put it right
// after its caption, `twips` wide.
int columnBeside(MasterDataCombo* field, int twips, const Spacing& s) {
    QWidget* input = field->focusProxy();
    if (!input || !field->isAncestorOf(input) || !field->layout())
        return twipsToPixels(field, twips);
    field->resize(field->sizeHint());
    field->layout()->activate();
    return std::max(0, input->mapTo(field, QPoint(0, 0)).x() - s.horizontal);
}

// Sizes an input for `chars` digits: their advance plus the frame and the
// margins that the style gives a line edit.
void fitChars(QLineEdit* edit, int chars, int extra = 0) {
    const QFontMetrics fm = edit->fontMetrics();
    const int padding = edit->sizeHint().width() - fm.horizontalAdvance(QLatin1Char('x')) * 17;
    edit->setFixedWidth(fm.horizontalAdvance(QString(chars, QLatin1Char('0'))) + padding + extra);
}

// A field that can carry a check mark at its end (FieldMark) keeps room for
// the mark, so that its text stays readable while the mark shows.
void fitCharsAndMark(QLineEdit* edit, int chars) {
    fitChars(edit, chars, edit->style()->pixelMetric(QStyle::PM_SmallIconSize) + 8);
}

void fitChars(QLabel* label, int chars) {
    const QFontMetrics fm = label->fontMetrics();
    label->setFixedWidth(fm.horizontalAdvance(QString(chars, QLatin1Char('0'))) +
                         2 * label->frameWidth() + fm.averageCharWidth());
}

// The widgets that take the focus for `w`: itself, or for a container such as
// a master-data field its focusable descendants in their present order.
std::vector<QWidget*> focusStops(QWidget* w) {
    if (w->focusPolicy() & Qt::TabFocus) return {w};
    std::vector<QWidget*> stops;
    for (QWidget* next = w->nextInFocusChain(); next && next != w;
         next = next->nextInFocusChain()) {
        if (!w->isAncestorOf(next)) continue;
        if ((next->focusPolicy() & Qt::TabFocus) && !next->focusProxy()) stops.push_back(next);
    }
    return stops;
}

// Chains the keyboard focus through `widgets` in reading order.
void chainFocus(const std::vector<QWidget*>& widgets) {
    QWidget* previous = nullptr;
    for (QWidget* w : widgets) {
        for (QWidget* stop : focusStops(w)) {
            if (previous) QWidget::setTabOrder(previous, stop);
            previous = stop;
        }
    }
}

// A caption for an input that has no caption among the named controls; it
// sits on the service panel, which the layout logic shows and hides as a
// whole.
QLabel* extraCaption(QWidget* panel, const QString& text, QWidget* buddy) {
    auto* caption = new QLabel(text, panel);
    caption->setTextFormat(Qt::PlainText);
    caption->setBuddy(buddy);
    return caption;
}

// ---- page 1 ---------------------------------------------------------------

QLayout* addressColumn(Ui& u, const Spacing& s, int captions) {
    auto* column = new QVBoxLayout;
    noMargins(column);
    column->setSpacing(s.vertical);
    auto* formLayout = new QFormLayout;
    Form form(formLayout, s, captions);
    form.add(u.lbladr[0], row(s, {u.txtDNummer, u.btnKunde, u.btnAdresse, u.btnAktKunde}, true));
    u.lbladr[0]->setBuddy(u.txtDNummer);
    form.span(u.ocxAnrede);
    form.add(u.lbladr[1], u.txtDAdr[0]);
    form.add(u.lbladr[2], u.txtDAdr[1]);
    form.add(nullptr, row(s, {u.txtDAdr[2], u.btnErwAdresse}));

    // Name lines 3 and 4 on their own panel, aligned with the form.
    QFrame* extended = u.panerwadr[0];
    extended->setFrameShape(QFrame::NoFrame);
    // The caption column stays empty here, and a grid leaves out the spacing
    // after an empty column: the spacing is part of the column.
    QGridLayout* lines = alignedGrid(s, captions + s.horizontal);
    lines->addWidget(u.txtDAdr[3], 0, 1);
    lines->addWidget(u.txtDAdr[4], 1, 1);
    extended->setLayout(lines);
    form.span(extended);
    extended->hide();

    form.add(u.lbladr[3], u.txtDAdr[5]);
    form.add(u.lbladr[4], row(s, {u.cdoDLand}, true));
    u.lbladr[4]->setBuddy(u.cdoDLand);
    form.add(u.lblOrt, row(s, {u.txtDPostleitzahl, u.txtDAdr[6], u.btnPlz, u.btnAutoMap}));
    u.lblOrt->setBuddy(u.txtDPostleitzahl);
    form.add(u.lblPostfach, row(s, {u.txtDPostfach, u.lblPlzPostfach, u.txtDPlzPostfach}));
    u.lblPostfach->setBuddy(u.txtDPostfach);
    u.lblPlzPostfach->setBuddy(u.txtDPlzPostfach);
    form.add(u.lblAnsprechpartnerKD, row(s, {u.txtAnsprechpartnerKD, u.btnAnpBel}));
    u.lblAnsprechpartnerKD->setBuddy(u.txtAnsprechpartnerKD);
    form.add(nullptr, u.chkDruckInAnschriftKD);
    column->addLayout(formLayout);

    // Shipping and invoice address: customer and address number columns.
    QGridLayout* refs = alignedGrid(s, captions);
    refs->setColumnStretch(5, 1);
    refs->addWidget(u.lblKundennr, 0, 1, 1, 2);
    refs->addWidget(u.lblAdressnr, 0, 3, 1, 2);
    const std::array<QLabel*, 2> owners = {u.lblversandan, u.lblRechan};
    const std::array<std::array<QToolButton*, 2>*, 2> buttons = {&u.btnVersandan, &u.btnRechan};
    for (std::size_t i = 0; i < 2; ++i) {
        const int r = static_cast<int>(i) + 1;
        refs->addWidget(owners[i], r, 0);
        refs->addWidget(u.txtDKD_Nr[i], r, 1);
        refs->addWidget((*buttons[i])[0], r, 2);
        refs->addWidget(u.txtDAD_Nr[i], r, 3);
        refs->addWidget((*buttons[i])[1], r, 4);
        owners[i]->setBuddy(u.txtDKD_Nr[i]);
    }
    column->addLayout(refs);
    column->addStretch(1);
    return column;
}

// The service panel spans the page below the two columns and repeats them:
// site, technician and appointment on the left, the contact and the report
// texts on the right.
void layOutServicePanel(Ui& u, const Spacing& s, int leftCaptions, int rightCaptions) {
    QFrame* panel = u.PanWart;
    panel->setFrameShape(QFrame::NoFrame);
    QLabel* dauer = extraCaption(panel, QStringLiteral("&Dauer"), u.txtDauer);
    QLabel* fax = extraCaption(panel, QStringLiteral("Fa&x"), u.txtFax);
    QLabel* betreff = extraCaption(panel, QStringLiteral("&Betreff"), u.txtStoerText);

    auto* leftLayout = new QFormLayout;
    Form left(leftLayout, s,
              std::max(leftCaptions, captionColumn(0, {u.lbladr[5], u.lbladr[7], u.lbladr[8],
                                                       u.lbladr[9], dauer})));
    left.add(u.lbladr[5], row(s, {u.txtStandort, u.lbladr[6], u.txtAnlage, u.btnAnlage}, true));
    left.add(nullptr, u.txtAnlagenBezeichnung);
    left.add(u.lbladr[7], u.txtVertrag);
    left.add(u.lbladr[8], row(s, {u.txtMonteur[0], u.btnMonteur[0], u.txtMonteurname[0]}));
    u.lbladr[8]->setBuddy(u.txtMonteur[0]);
    left.add(u.lbladr[9], row(s, {u.txtTermin, u.btnLoeTermin, u.lblUhrzeit, u.txtUhrzeit}, true));
    u.lbladr[9]->setBuddy(u.txtTermin);
    u.lblUhrzeit->setBuddy(u.txtUhrzeit);
    left.add(dauer, row(s, {u.txtDauer}, true));
    left.add(nullptr, row(s, {u.btnVergebeTermin, u.btnTerminAssistent}, true));

    auto* rightLayout = new QFormLayout;
    Form right(rightLayout, s,
               std::max(rightCaptions, captionColumn(0, {u.lbladr[10], u.lbladrMobil, fax, betreff,
                                                         u.lblBemerkung})));
    // The contact button names the contact field and opens the contact list.
    right.span(row(s, {u.btnAnsprechpartner, u.txtAnsprechpartner, u.btnAnpWart}));
    right.add(u.lbladr[10], u.txtTelefon);
    right.add(u.lbladrMobil, u.txtMobil);
    right.add(fax, u.txtFax);
    right.add(betreff, u.txtStoerText);
    right.add(u.lblBemerkung, u.txtBemerkung);

    // The two dates have long captions: a small grid of their own.
    auto* dates = new QGridLayout;
    noMargins(dates);
    dates->setHorizontalSpacing(s.horizontal);
    dates->setVerticalSpacing(s.vertical);
    dates->setColumnStretch(2, 1);
    dates->addWidget(u.lblDatumLetzteWartung, 0, 0);
    dates->addWidget(u.txtDatumLetzteWartung, 0, 1);
    dates->addWidget(u.lblDatumLetzteRechnung, 1, 0);
    dates->addWidget(u.txtDatumLetzteRechnung, 1, 1);
    u.lblDatumLetzteWartung->setBuddy(u.txtDatumLetzteWartung);
    u.lblDatumLetzteRechnung->setBuddy(u.txtDatumLetzteRechnung);
    right.span(dates);

    auto* halves = new QHBoxLayout(panel);
    noMargins(halves);
    halves->setSpacing(s.columns);
    halves->addLayout(leftLayout, 1);
    halves->addLayout(rightLayout, 1);
    // Shown by the layout logic for the service order only.
    panel->hide();
}

QLayout* commercialColumn(Ui& u, const Spacing& s, int captions) {
    auto* column = new QVBoxLayout;
    noMargins(column);
    auto* formLayout = new QFormLayout;
    Form form(formLayout, s, captions);
    form.add(u.lblHauptkonto, u.txtDHauptkonto);
    form.add(u.lblUstIdentNr, u.txtDUstIdentNr);
    form.span(u.ocxMwstKnz);
    form.span(u.ocxZahlungsart);
    form.span(u.ocxZahlungsbedingungen);
    form.add(u.lblAuftragsrabtt, u.txtDAuftragsrabatt);
    form.span(u.chkKnzDivers);
    form.span(u.chkDruckAufbewahrungsfrist);
    form.span(u.chkRechnungPerPDF);
    for (MasterDataCombo* c : u.ocxVertreter)
        form.span(c);
    form.span(u.ocxDVersandart);
    column->addLayout(formLayout);
    column->addStretch(1);
    return column;
}

// A place in a page's layout that the text rows can move into.
QVBoxLayout* textRowPlace(QBoxLayout* pageLayout) {
    auto* place = new QVBoxLayout;
    noMargins(place);
    pageLayout->addLayout(place);
    return place;
}

QWidget* textRows(Ui& u, const Spacing& s, int captions) {
    // The rows' grid is the layout of an area of their own, so that a field
    // can be moved into another slot of its row.
    auto* area = new QWidget(u.panSeite[0]);
    auto* grid = new QGridLayout(area);
    noMargins(grid);
    grid->setHorizontalSpacing(s.horizontal);
    grid->setVerticalSpacing(s.vertical);
    grid->setColumnMinimumWidth(0, captions);
    grid->setColumnStretch(11, 1);
    grid->addWidget(u.lblKopftext, 1, 0);
    grid->addWidget(u.lblFusstext, 2, 0);
    for (int kind = 0; kind < 5; ++kind) {
        const auto k = static_cast<std::size_t>(kind);
        grid->addWidget(u.lblBaText[k], 0, 1 + 2 * kind, 1, 2);
        grid->addWidget(u.textRow(0)[k], 1, 1 + 2 * kind);
        grid->addWidget(u.btnKopf[k], 1, 2 + 2 * kind);
        grid->addWidget(u.textRow(1)[k], 2, 1 + 2 * kind);
        grid->addWidget(u.btnFuss[k], 2, 2 + 2 * kind);
    }
    return area;
}

void layOutPage1(Ui& u, const Spacing& s) {
    QFrame* page = u.panSeite[1];
    const int addressCaptions = captionColumn(
        columnBeside(u.ocxAnrede, captionTwips::Anrede, s),
        {u.lbladr[0], u.lbladr[1], u.lbladr[2], u.lbladr[3], u.lbladr[4], u.lblOrt, u.lblPostfach,
         u.lblAnsprechpartnerKD, u.lblversandan, u.lblRechan, u.lblKopftext, u.lblFusstext});
    const int commercialCaptions =
        captionColumn(columnBeside(u.ocxZahlungsart, captionTwips::Zahlung, s),
                      {u.lblHauptkonto, u.lblUstIdentNr, u.lblAuftragsrabtt});

    auto* outer = new QHBoxLayout(page);
    outer->setContentsMargins(s.horizontal, s.horizontal, s.horizontal, s.horizontal);
    outer->setSpacing(s.horizontal);
    auto* main = new QVBoxLayout;
    noMargins(main);
    main->setSpacing(s.vertical * 3);
    outer->addLayout(main, 1);

    auto* columns = new QHBoxLayout;
    noMargins(columns);
    columns->setSpacing(s.columns);
    columns->addLayout(addressColumn(u, s, addressCaptions), 1);
    columns->addLayout(commercialColumn(u, s, commercialCaptions), 1);
    main->addLayout(columns);
    layOutServicePanel(u, s, addressCaptions, commercialCaptions);
    main->addWidget(u.PanWart);
    u.textRowPlace[1] = textRowPlace(main);
    u.textRowArea = textRows(u, s, addressCaptions);
    main->addStretch(1);

    // Command buttons, the page button at the far end as on page 2.
    auto* commands = new QHBoxLayout;
    noMargins(commands);
    commands->setSpacing(s.vertical);
    for (QPushButton* b :
         {u.btnInfo[0], u.btnInfo[1], u.btnStammblatt, u.BtnKom, u.btnBelegfreigabe})
        commands->addWidget(b);
    commands->addStretch(1);
    commands->addWidget(u.btnSeite[0]);
    main->addLayout(commands);

    // The strip of the wide display takes the width that the wide display adds.
    QFrame* strip = u.PanWart2;
    strip->setFrameShape(QFrame::StyledPanel);
    auto* stripBox = new QVBoxLayout(strip);
    stripBox->setContentsMargins(s.horizontal, s.horizontal, s.horizontal, s.horizontal);
    stripBox->addWidget(u.btnMonteur[1], 0, Qt::AlignLeft);
    stripBox->addStretch(1);
    strip->setFixedWidth(twipsToPixels(u.root, kWideWidthTwips - kNormalWidthTwips) - s.horizontal);
    outer->addWidget(strip);
    strip->hide();
}

void layOutPage2(Ui& u, const Spacing& s) {
    QFrame* page = u.panSeite[0];
    auto* box = new QVBoxLayout(page);
    box->setContentsMargins(s.horizontal, s.horizontal, s.horizontal, s.horizontal);
    box->setSpacing(s.vertical * 3);
    auto* formLayout = new QFormLayout;
    Form form(formLayout, s,
              captionColumn(columnBeside(u.ocxWaehrung, captionTwips::Waehrung, s),
                            {u.lblHauswaehrung, u.lblWechselkurs, u.lblKursbehandlung}));
    // The currency field brings its caption; the label beside it tells home
    // from foreign currency.
    u.ocxWaehrung->setMinimumWidth(twipsToPixels(u.root, captionTwips::Waehrung + 2400));
    form.span(row(s, {u.ocxWaehrung, u.lblWaehrungserfassung}, true));
    form.add(u.lblHauswaehrung,
             row(s, {u.TxtDHauswaehrung, u.lblKursHauswaehrung, u.txtDKursHauswaehrung}, true));
    form.add(u.lblWechselkurs, row(s, {u.txtDWechselkurs}, true));
    u.lblWechselkurs->setBuddy(u.txtDWechselkurs);
    form.add(u.lblKursbehandlung, row(s, {u.cdoDKursbehandlung}, true));
    u.lblKursbehandlung->setBuddy(u.cdoDKursbehandlung);
    box->addLayout(formLayout);
    u.textRowPlace[0] = textRowPlace(box);
    u.textRowPlace[0]->addWidget(u.textRowArea);
    box->addStretch(1);
    auto* commands = new QHBoxLayout;
    noMargins(commands);
    commands->addStretch(1);
    commands->addWidget(u.btnSeite[1]);
    box->addLayout(commands);
}

void sizeFields(Ui& u) {
    fitChars(u.txtDNummer, 8);
    fitCharsAndMark(u.txtDPostleitzahl, 6);
    fitChars(u.txtDPlzPostfach, 6);
    u.cdoDLand->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    fitChars(u.txtDHauptkonto, 10);
    fitChars(u.txtDUstIdentNr, 15);
    fitChars(u.txtDAuftragsrabatt, 6);
    for (QLineEdit* e : u.txtDKD_Nr)
        fitChars(e, 7);
    for (QLineEdit* e : u.txtDAD_Nr)
        fitChars(e, 7);
    for (int element = 0; element < 2; ++element)
        for (QLineEdit* e : u.textRow(element))
            fitChars(e, 4);
    fitChars(u.txtMonteur[0], 6);
    fitChars(u.txtTermin, 10);
    fitChars(u.txtUhrzeit, 5);
    fitChars(u.txtDauer, 5);
    fitChars(u.txtDatumLetzteWartung, 10);
    fitChars(u.txtDatumLetzteRechnung, 10);
    fitChars(u.txtDWechselkurs, 12);
    fitChars(u.txtStandort, 4);
    fitChars(u.txtAnlage, 4);
    fitChars(u.TxtDHauswaehrung, 5);
    fitChars(u.txtDKursHauswaehrung, 12);

    // Image buttons as square as the inputs beside them.
    const int side = u.txtDNummer->sizeHint().height();
    for (QToolButton* b : u.root->findChildren<QToolButton*>()) {
        if (b->parentWidget() && qobject_cast<MasterDataCombo*>(b->parentWidget())) continue;
        b->setFixedSize(side, side);
    }
    // Value labels as high as inputs, so that rows keep one height.
    for (QLabel* l : {u.txtStandort, u.txtAnlage, u.txtAnlagenBezeichnung, u.txtVertrag,
                      u.txtMonteurname[0], u.TxtDHauswaehrung, u.txtDKursHauswaehrung})
        l->setFixedHeight(side);
}

// Names every control of the table once, and the input that takes the focus
// for it (the key entry of a master-data field). A tool tip stays the
// description; the table's description adds the key that does the job.
void nameControls(Ui& u) {
    for (QWidget* w : u.root->findChildren<QWidget*>()) {
        const AccessibleText text = accessibleTextOf(w->objectName());
        if (text.name.isEmpty()) continue;
        QStringList parts;
        for (const QString& part : {w->toolTip().trimmed(), text.description})
            if (!part.isEmpty()) parts << part;
        const QString description = parts.join(QLatin1Char(' '));
        w->setAccessibleName(text.name);
        w->setAccessibleDescription(description);
        QWidget* proxy = w->focusProxy();
        if (proxy && w->isAncestorOf(proxy)) {
            proxy->setAccessibleName(text.name);
            proxy->setAccessibleDescription(description);
        }
    }
}

void orderFocus(Ui& u) {
    std::vector<QWidget*> order = {
        // Page 1, left column.
        u.txtDNummer, u.btnAdresse, u.btnAktKunde, u.ocxAnrede, u.txtDAdr[0], u.txtDAdr[1],
        u.txtDAdr[2], u.btnErwAdresse, u.txtDAdr[3], u.txtDAdr[4], u.txtDAdr[5], u.cdoDLand,
        u.txtDPostleitzahl, u.txtDAdr[6], u.btnPlz, u.btnAutoMap, u.txtDPostfach, u.txtDPlzPostfach,
        u.txtAnsprechpartnerKD, u.chkDruckInAnschriftKD, u.txtDKD_Nr[0], u.txtDAD_Nr[0],
        u.txtDKD_Nr[1], u.txtDAD_Nr[1],
        // Right column.
        u.txtDHauptkonto, u.txtDUstIdentNr, u.ocxMwstKnz, u.ocxZahlungsart,
        u.ocxZahlungsbedingungen, u.txtDAuftragsrabatt, u.chkKnzDivers,
        u.chkDruckAufbewahrungsfrist, u.chkRechnungPerPDF, u.ocxVertreter[0], u.ocxVertreter[1],
        u.ocxVertreter[2], u.ocxDVersandart,
        // The strip of the wide display, beside the columns.
        u.btnMonteur[1],
        // Service panel.
        u.btnAnlage, u.txtMonteur[0], u.txtTermin, u.btnLoeTermin, u.txtUhrzeit, u.txtDauer,
        u.btnVergebeTermin, u.btnTerminAssistent, u.btnAnsprechpartner, u.txtAnsprechpartner,
        u.txtTelefon, u.txtMobil, u.txtFax, u.txtStoerText, u.txtBemerkung, u.txtDatumLetzteWartung,
        u.txtDatumLetzteRechnung, u.btnInfo[0], u.btnInfo[1], u.btnStammblatt, u.BtnKom,
        u.btnBelegfreigabe, u.btnSeite[0],
        // Page 2; the text rows join where placeTextRows puts them.
        u.ocxWaehrung, u.txtDWechselkurs, u.cdoDKursbehandlung, u.btnSeite[1]};
    chainFocus(order);
}

// The height that holds both arrangements of page 1: a two-page address with
// its commercial fields, and the one-page service order with its panel and
// the text rows.
int tallestPage1(Ui& u) {
    const int twoPages = u.root->sizeHint().height();
    const std::initializer_list<QWidget*> twoPageOnly = {
        u.chkKnzDivers,          u.chkDruckAufbewahrungsfrist,
        u.chkRechnungPerPDF,     u.ocxZahlungsbedingungen,
        u.ocxZahlungsart,        u.ocxMwstKnz,
        u.txtDAuftragsrabatt,    u.lblAuftragsrabtt,
        u.txtDHauptkonto,        u.lblHauptkonto,
        u.txtDUstIdentNr,        u.lblUstIdentNr,
        u.txtAnsprechpartnerKD,  u.lblAnsprechpartnerKD,
        u.chkDruckInAnschriftKD, u.btnAnpBel};
    for (QWidget* w : twoPageOnly)
        w->hide();
    u.PanWart->show();
    placeTextRows(u, false);
    const int service = u.root->sizeHint().height();
    placeTextRows(u, true);
    u.PanWart->hide();
    for (QWidget* w : twoPageOnly)
        w->show();
    return std::max(twoPages, service);
}

} // namespace

void placeTextRows(Ui& u, bool onPage2) {
    QWidget* page = u.panSeite[onPage2 ? 0 : 1];
    if (u.textRowArea->parentWidget() != page) {
        u.textRowPlace[onPage2 ? 1 : 0]->removeWidget(u.textRowArea);
        u.textRowPlace[onPage2 ? 0 : 1]->addWidget(u.textRowArea);
        u.textRowArea->show(); // moving keeps each field's own visibility
    }
    // The long-text preview opens beside the rows, on their page.
    if (u.lblText->parentWidget() != page) {
        u.lblText->setParent(page);
        u.lblText->hide();
    }
    // Row by row, between the fields above them and the buttons below.
    std::vector<QWidget*> order = {onPage2 ? static_cast<QWidget*>(u.cdoDKursbehandlung)
                                           : static_cast<QWidget*>(u.txtDatumLetzteRechnung)};
    for (int element = 0; element < 2; ++element)
        for (QLineEdit* e : u.textRow(element))
            order.push_back(e);
    order.push_back(onPage2 ? static_cast<QWidget*>(u.btnSeite[1])
                            : static_cast<QWidget*>(u.btnInfo[0]));
    chainFocus(order);
}

void layOutUi(Ui& u) {
    QWidget* root = u.root;
    // 90, 60 and 180 twips: 6, 4 and 12 pixels at 96 dpi.
    const Spacing s{twipsToPixels(root, 90), twipsToPixels(root, 60), twipsToPixels(root, 180)};

    auto* rootGrid = new QGridLayout(root);
    noMargins(rootGrid);
    rootGrid->addWidget(u.panSeite[1], 0, 0);
    rootGrid->addWidget(u.panSeite[0], 0, 0);

    sizeFields(u);
    layOutPage1(u, s);
    layOutPage2(u, s);
    nameControls(u);
    orderFocus(u);
    placeTextRows(u, true);

    // The normal display: pages and control as wide as the form; the wide
    // display widens all three the same way.
    const int width = twipsToPixels(root, kNormalWidthTwips);
    for (QFrame* page : u.panSeite)
        page->setFixedWidth(width);
    root->setFixedWidth(width);
    root->resize(width, tallestPage1(u));
}

} // namespace belegadressen
