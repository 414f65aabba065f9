// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "control/Ui.h"
#include "control/UiLayout.h"
#include "platform/Countries.h"
#include "platform/Defaults.h"
#include "platform/QtMasterDataCombo.h"
#include <QFont>
#include <QPainter>
#include <QPainterPath>

namespace belegadressen {

namespace {

// Fields standing one below the other share the widest caption their texts
// need, so that no caption is cut and their inputs still line up.
void alignCaptions(std::initializer_list<MasterDataCombo*> column) {
    int widest = 0;
    for (MasterDataCombo* combo : column)
        if (auto* field = dynamic_cast<QtMasterDataCombo*>(combo)) {
            const QLabel* caption = field->captionLabel();
            widest = std::max(widest, caption->fontMetrics().horizontalAdvance(caption->text()) +
                                          caption->fontMetrics().averageCharWidth());
        }
    for (MasterDataCombo* combo : column)
        if (auto* field = dynamic_cast<QtMasterDataCombo*>(combo))
            field->setMinimumCaptionWidth(widest);
}

QString indexed(const char* name, std::size_t index) {
    return QString::fromUtf8(name) + QLatin1Char('_') + QString::number(index);
}

template <class W> W* named(W* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

template <class W> W* named(W* widget, const char* name) {
    return named(widget, QString::fromUtf8(name));
}

QLabel* newLabel(QWidget* parent, const char* name, const QString& caption) {
    auto* label = named(new QLabel(caption, parent), name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

template <class E> E* input(E* edit, const QString& name, const QString& toolTip = {}) {
    named(edit, name);
    if (!toolTip.isEmpty()) edit->setToolTip(toolTip);
    return edit;
}

// A label that shows a value rather than a caption: framed like a read-only
// field so that it reads as data.
QLabel* valueLabel(QWidget* parent, const QString& name) {
    auto* label = named(new QLabel(parent), name);
    label->setTextFormat(Qt::PlainText);
    label->setFrameShape(QFrame::StyledPanel);
    label->setFrameShadow(QFrame::Sunken);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

// Image buttons carry a picture set at start-up; until then a short sign.
// Buttons whose action a key in the neighbouring field also starts (F2) stay
// out of the tab chain, so that typing moves from field to field; the others
// are in it, so that every action has a way from the keyboard.
QToolButton* imageButton(QWidget* parent, const QString& name, const QString& toolTip,
                         const QString& sign, bool inTabChain) {
    auto* button = named(new QToolButton(parent), name);
    button->setText(sign);
    button->setToolTip(toolTip);
    button->setAutoRaise(false);
    button->setFocusPolicy(inTabChain ? Qt::TabFocus : Qt::NoFocus);
    return button;
}

QPushButton* pushButton(QWidget* parent, const char* name, const QString& caption,
                        const QString& toolTip = {}) {
    auto* button = named(new QPushButton(caption, parent), name);
    if (!toolTip.isEmpty()) button->setToolTip(toolTip);
    button->setAutoDefault(false);
    return button;
}

// The map button's own picture, a location pin; the other image buttons get
// theirs from the picture resources at start-up.
QIcon mapPin() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath pin;
    pin.moveTo(16, 30);
    pin.cubicTo(6, 18, 6, 14, 6, 12);
    pin.arcTo(QRectF(6, 2, 20, 20), 180, -180);
    pin.cubicTo(26, 14, 26, 18, 16, 30);
    p.setPen(QPen(QColor(120, 20, 20), 1.5));
    p.setBrush(QColor(210, 50, 40));
    p.drawPath(pin);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(16, 12), 4, 4);
    return QIcon(pixmap);
}

using ComboFactory = std::function<MasterDataCombo*(MasterDataCombo::Kind, QWidget*)>;

MasterDataCombo* masterData(const ComboFactory& make, MasterDataCombo::Kind kind, QWidget* parent,
                            const QString& name, const ComboDesign& design,
                            const QString& toolTip) {
    MasterDataCombo* combo = named(make(kind, parent), name);
    combo->setDesign(design);
    combo->setToolTip(toolTip);
    return combo;
}

} // namespace

void Ui::build(QWidget* rootWidget, const ComboFactory& masterDataCombo) {
    root = rootWidget;
    const ComboFactory make =
        masterDataCombo ? masterDataCombo : ComboFactory(&defaultMasterDataCombo);

    // Helpers that are never shown.
    // The timer waits for the end of a load before it opens the info window.
    Timer1 = named(new QTimer(root), "Timer1");
    Timer1->setInterval(100);
    chkRtf = named(new QTextEdit(root), "chkRtf");
    chkRtf->hide();
    img_ButtonUp = named(new QLabel(root), "img_ButtonUp");
    img_ButtonUp->hide();
    img_ButtonDown = named(new QLabel(root), "img_ButtonDown");
    img_ButtonDown->hide();
    for (std::size_t i = 0; i < Letztesfeld.size(); ++i) {
        Letztesfeld[i] = named(new QLabel(root), indexed("Letztesfeld", i));
        Letztesfeld[i]->hide();
    }

    // Both pages share the same cell of the control; one is shown at a time.
    // The fields show typed data: Latin text needs no shaping (kerning,
    // ligatures), and a load lays out some twenty texts at once. Scripts that
    // need shaping are still shaped. Only the strategy is set, so the pages
    // go on taking the font the host gives the control.
    QFont unshaped;
    unshaped.setStyleStrategy(QFont::PreferNoShaping);
    for (std::size_t i = 0; i < panSeite.size(); ++i) {
        panSeite[i] = named(new QFrame(root), indexed("panSeite", i));
        panSeite[i]->setFrameShape(QFrame::NoFrame);
        panSeite[i]->setFont(unshaped);
    }
    QFrame* page1 = panSeite[1];
    QFrame* page2 = panSeite[0];
    page2->hide();

    // ---- Page 1: number entry and address lines (left column) -------------
    QWidget* p = page1;
    // Captions of the number entry, the address lines and the service panel.
    const std::array<QString, 11> captions = {
        QStringLiteral("&Kunden-Nr."), QStringLiteral("&Vorname"), QStringLiteral("&Name"),
        QStringLiteral("S&traße"),     QStringLiteral("&Land"),    QStringLiteral("Standort"),
        QStringLiteral("Anlage"),      QStringLiteral("Vertrag"),  QStringLiteral("M&onteur"),
        QStringLiteral("Term&in"),     QStringLiteral("Telefon")};
    for (std::size_t i = 0; i < lbladr.size(); ++i) {
        lbladr[i] = named(new QLabel(captions[i], p), indexed("lbladr", i));
        lbladr[i]->setTextFormat(Qt::PlainText);
    }

    txtDNummer = input(new QLineEdit(p), QStringLiteral("txtDNummer"),
                       QStringLiteral("Kundennummer. Suchen F2"));
    btnKunde = imageButton(p, QStringLiteral("btnKunde"), QStringLiteral("Aufruf Kundenstamm"),
                           QStringLiteral("…"), false);
    btnAdresse =
        imageButton(p, QStringLiteral("btnAdresse"), QStringLiteral("Aufruf allgemeine Adressen"),
                    QStringLiteral("…"), true);
    btnAktKunde = imageButton(
        p, QStringLiteral("btnAktKunde"),
        QStringLiteral("Die Adressdaten werden im Kundenstamm bzw. im Adressenstamm aktualisiert"),
        QStringLiteral("↻"), true);

    {
        ComboDesign d;
        d.caption = QStringLiteral("Anrede");
        d.captionwidth = captionTwips::Anrede;
        d.dlgcaption = QStringLiteral("Anreden bearbeiten");
        d.keymustexist = false;
        d.messagekeynotfound = QStringLiteral("Die Anrede wurde nicht gefunden");
        ocxAnrede =
            masterData(make, MasterDataCombo::Kind::ComboEdit, p, QStringLiteral("ocxAnrede"), d,
                       QStringLiteral("Auswahl / erfassen der Anrede."));
    }

    const std::array<QString, 7> lineTips = {
        QStringLiteral("Vorname. Wird mit der ersten Namenszeile zusammengesetzt."),
        QStringLiteral("Erste Namenszeile. "),
        QStringLiteral("Zweite Namenszeile."),
        QStringLiteral("Dritte Namenszeile."),
        QStringLiteral("Vierte Namenszeile."),
        QStringLiteral("Straße"),
        QString()};
    panerwadr[0] = named(new QFrame(p), "panerwadr_0");
    for (std::size_t i = 0; i < txtDAdr.size(); ++i) {
        QWidget* parent = (i == 3 || i == 4) ? static_cast<QWidget*>(panerwadr[0]) : p;
        txtDAdr[i] = input(new QLineEdit(parent), indexed("txtDAdr", i), lineTips[i]);
    }
    btnErwAdresse = pushButton(p, "btnErwAdresse", QStringLiteral("Er&w. Adresse"));

    lblOrt = newLabel(p, "lblOrt", QStringLiteral("&PLZ / Ort"));
    cdoDLand = named(new QComboBox(p), "cdoDLand");
    cdoDLand->setEditable(true);
    cdoDLand->addItem(QString());
    cdoDLand->addItems(countryCodes());
    cdoDLand->setMinimumContentsLength(3);
    cdoDLand->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cdoDLand->setInsertPolicy(QComboBox::NoInsert);
    txtDPostleitzahl = input(new QLineEdit(p), QStringLiteral("txtDPostleitzahl"));
    btnPlz = imageButton(p, QStringLiteral("btnPlz"), QStringLiteral("Postleitzahl suchen"),
                         QStringLiteral("…"), true);
    btnAutoMap = imageButton(p, QStringLiteral("btnAutoMap"), QStringLiteral("Karte anzeigen"),
                             QStringLiteral("Karte"), true);
    btnAutoMap->setIcon(mapPin());

    lblPostfach = newLabel(p, "lblPostfach", QStringLiteral("Post&fach"));
    txtDPostfach = input(new QLineEdit(p), QStringLiteral("txtDPostfach"));
    lblPlzPostfach = newLabel(p, "lblPlzPostfach", QStringLiteral("PLZ"));
    txtDPlzPostfach = input(new QLineEdit(p), QStringLiteral("txtDPlzPostfach"));

    lblAnsprechpartnerKD = newLabel(p, "lblAnsprechpartnerKD", QStringLiteral("A-Partner"));
    txtAnsprechpartnerKD = input(new QLineEdit(p), QStringLiteral("txtAnsprechpartnerKD"));
    btnAnpBel = imageButton(p, QStringLiteral("btnAnpBel"),
                            QStringLiteral("Auswahl / Übernehmen Ansprechpartner für Kundennummer"),
                            QStringLiteral("…"), false);
    chkDruckInAnschriftKD =
        named(new QCheckBox(QStringLiteral("Druck in Anschrift"), p), "chkDruckInAnschriftKD");
    chkDruckInAnschriftKD->setToolTip(QStringLiteral(
        "In der Anschriftenzeile der Adresse wird eine Zeile für den Ansprechpartner gedruckt."));

    // Shipping and invoice address references.
    lblKundennr = newLabel(p, "lblKundennr", QStringLiteral("Kunden-Nr."));
    lblAdressnr = newLabel(p, "lblAdressnr", QStringLiteral("Adress-Nr."));
    lblversandan = newLabel(p, "lblversandan", QStringLiteral("Versand an"));
    lblRechan = newLabel(p, "lblRechan", QStringLiteral("Re&chnung an"));
    for (std::size_t i = 0; i < 2; ++i) {
        txtDKD_Nr[i] = input(new QLineEdit(p), indexed("txtDKD_Nr", i));
        txtDAD_Nr[i] = input(new QLineEdit(p), indexed("txtDAD_Nr", i));
    }
    for (std::size_t i = 0; i < 2; ++i) {
        btnVersandan[i] = imageButton(p, indexed("btnVersandan", i), QStringLiteral("Versand an"),
                                      QStringLiteral("…"), false);
        btnRechan[i] = imageButton(p, indexed("btnRechan", i), QStringLiteral("Rechnung an"),
                                   QStringLiteral("…"), false);
    }

    // ---- Page 1: commercial fields (right column) ---------------------------
    lblHauptkonto = newLabel(p, "lblHauptkonto", QStringLiteral("Hauptkonto"));
    txtDHauptkonto = input(new QLineEdit(p), QStringLiteral("txtDHauptkonto"));
    lblUstIdentNr = newLabel(p, "lblUstIdentNr", QStringLiteral("Ident-Nr"));
    txtDUstIdentNr = input(new QLineEdit(p), QStringLiteral("txtDUstIdentNr"),
                           QStringLiteral("Ust-Identnummer für EG-Kunden"));
    {
        ComboDesign d;
        d.caption = QStringLiteral("MwSt-Typ");
        d.captionwidth = captionTwips::MwstKnz;
        d.dlgcaption = QStringLiteral("Mehrwertsteuer bearbeiten");
        d.buttonvisible = false;
        d.showerrors = false;
        ocxMwstKnz = masterData(make, MasterDataCombo::Kind::Combo, p, QStringLiteral("ocxMwstKnz"),
                                d, QStringLiteral("Länderkennung für Mwst-Berechnung"));
    }
    {
        ComboDesign d;
        d.caption = QStringLiteral("Zahlungsart");
        d.captionwidth = captionTwips::Zahlung;
        d.dlgcaption = QStringLiteral("Zahlungsart bearbeiten");
        d.keymustexist = false;
        d.showerrors = false;
        d.messagekeynotfound = QStringLiteral("Die Zahlungsart ist nicht vorhanden.");
        ocxZahlungsart =
            masterData(make, MasterDataCombo::Kind::Combo, p, QStringLiteral("ocxZahlungsart"), d,
                       QStringLiteral("Zahlungsart. F2 Suchen"));
    }
    {
        ComboDesign d;
        d.caption = QStringLiteral("Zahlungsbedingung");
        d.captionwidth = captionTwips::Zahlung;
        d.dlgcaption = QStringLiteral("Zahlungsbedingungen bearbeiten");
        d.messagekeynotfound = QStringLiteral("Die Zahlungsbedingung ist nicht vorhanden.");
        ocxZahlungsbedingungen = masterData(make, MasterDataCombo::Kind::Combo, p,
                                            QStringLiteral("ocxZahlungsbedingungen"), d,
                                            QStringLiteral("Auswahl der Zahlungsbedingungen"));
    }
    lblAuftragsrabtt = newLabel(p, "lblAuftragsrabtt", QStringLiteral("Rabatt (%)"));
    txtDAuftragsrabatt = input(new NumberEdit(2, p), QStringLiteral("txtDAuftragsrabatt"),
                               QStringLiteral("Kundenrabatt. Vorschlagswert für alle Positionen."));
    chkKnzDivers = named(new QCheckBox(QStringLiteral("Sammelmahnung"), p), "chkKnzDivers");
    chkDruckAufbewahrungsfrist = named(new QCheckBox(QStringLiteral("Text Aufbewahrungsfrist"), p),
                                       "chkDruckAufbewahrungsfrist");
    chkDruckAufbewahrungsfrist->setToolTip(
        QStringLiteral("Der Text für die Aufbewahrungsfrist wird / wird nicht angedruckt."));
    chkRechnungPerPDF =
        named(new QCheckBox(QStringLiteral("Rechnung per PDF"), p), "chkRechnungPerPDF");
    chkRechnungPerPDF->setToolTip(
        QStringLiteral("Rechnungen können via EMail  als PDF-Anhang verschickt werden"));
    for (std::size_t i = 0; i < ocxVertreter.size(); ++i) {
        ComboDesign d;
        d.caption = i == 0 ? QStringLiteral("Sachbearbeiter") : QString();
        d.captionwidth = captionTwips::Vertreter;
        d.dlgcaption = QStringLiteral("Mitarbeiter bearbeiten");
        d.allowaddnew = false;
        d.allowdelete = false;
        d.allowedit = false;
        d.keymustexist = false;
        d.messagekeynotfound = QStringLiteral("Dier Sachbearbeiter ist nicht vorhanden.");
        ocxVertreter[i] =
            masterData(make, MasterDataCombo::Kind::Combo, p, indexed("ocxVertreter", i), d,
                       QStringLiteral("Auswahl des Sachbearbeiter für diesen Beleg"));
    }
    {
        ComboDesign d;
        d.caption = QStringLiteral("Versandart");
        d.captionwidth = captionTwips::Versandart;
        d.dlgcaption = QStringLiteral("Versandarten bearbeiten");
        d.keymustexist = false;
        d.messagekeynotfound = QStringLiteral("Die Versandarten sind nicht vorhanden.");
        d.visiblecolumn = QStringLiteral("Versandart");
        d.allowemptystring = true;
        ocxDVersandart =
            masterData(make, MasterDataCombo::Kind::Edit, p, QStringLiteral("ocxDVersandart"), d,
                       QStringLiteral("Auswahl / erfassen einer Versandart."));
    }

    // ---- Page 1: service order panel (address 2) ----------------------------
    PanWart = named(new QFrame(p), "PanWart");
    QWidget* w = PanWart;
    txtStandort = valueLabel(w, QStringLiteral("txtStandort"));
    txtAnlage = valueLabel(w, QStringLiteral("txtAnlage"));
    txtAnlagenBezeichnung = valueLabel(w, QStringLiteral("txtAnlagenBezeichnung"));
    txtVertrag = valueLabel(w, QStringLiteral("txtVertrag"));
    btnAnlage = imageButton(w, QStringLiteral("btnAnlage"),
                            QStringLiteral("Auswahl einer Anlage für einen Standort."),
                            QStringLiteral("…"), true);
    txtMonteur[0] = input(new QLineEdit(w), QStringLiteral("txtMonteur_0"),
                          QStringLiteral("Mitarbeiternummer für den Monteurbericht."));
    btnMonteur[0] = imageButton(w, QStringLiteral("btnMonteur_0"),
                                QStringLiteral("Auswahl / Übernehmen Mitarbeiter."),
                                QStringLiteral("…"), false);
    txtMonteurname[0] = valueLabel(w, QStringLiteral("txtMonteurname_0"));
    txtTermin = input(new DateEdit(w), QStringLiteral("txtTermin"),
                      QStringLiteral("Wartungs- / Reparaturtermin für den Monteurbericht."));
    btnLoeTermin = imageButton(w, QStringLiteral("btnLoeTermin"),
                               QStringLiteral("Lösche Termin im Beleg und in der Terminverwaltung"),
                               QStringLiteral("✕"), true);
    lblUhrzeit = newLabel(w, "lblUhrzeit", QStringLiteral("U&hrzeit"));
    txtUhrzeit = input(new TimeEdit(w), QStringLiteral("txtUhrzeit"),
                       QStringLiteral("Uhrzeit für den Wartungs- / Reparaturtermin."));
    txtDauer = input(new NumberEdit(2, w), QStringLiteral("txtDauer"),
                     QStringLiteral("Dauer in Industriestunden"));
    btnVergebeTermin =
        pushButton(w, "btnVergebeTermin", QStringLiteral("Termin &eintragen"),
                   QStringLiteral("Termin wird in der Terminverwaltung eingetragen"));
    btnTerminAssistent = pushButton(
        w, "btnTerminAssistent", QStringLiteral("Terminsuche"),
        QStringLiteral("Aufruf Terminassistent bzw. Terminverwaltung für die Terminfindung"));
    btnAnsprechpartner = pushButton(w, "btnAnsprechpartner", QStringLiteral("&Ansprechpartner"),
                                    QStringLiteral("Anzeigen / Verwalten der Ansprechpartner"));
    txtAnsprechpartner = input(new QLineEdit(w), QStringLiteral("txtAnsprechpartner"),
                               QStringLiteral("Ansprechpartner für den Monteurbericht."));
    btnAnpWart = imageButton(w, QStringLiteral("btnAnpWart"),
                             QStringLiteral("Auswahl / Übernehmen Mitarbeiter."),
                             QStringLiteral("…"), false);
    txtTelefon = input(new QLineEdit(w), QStringLiteral("txtTelefon"),
                       QStringLiteral("Telefonnummer für den Monteurbericht."));
    txtFax = input(new QLineEdit(w), QStringLiteral("txtFax"),
                   QStringLiteral("Faxnummer für den Monteurbericht."));
    lbladrMobil = newLabel(w, "lbladrMobil", QStringLiteral("Mobil"));
    txtMobil = input(new QLineEdit(w), QStringLiteral("txtMobil"),
                     QStringLiteral("Mobilnummer für den Monteurbericht."));
    txtStoerText = input(new QLineEdit(w), QStringLiteral("txtStoerText"),
                         QStringLiteral("Betreff für den Monteurbericht."));
    lblBemerkung = newLabel(w, "lblBemerkung", QStringLiteral("Bemerkung"));
    txtBemerkung = input(new QLineEdit(w), QStringLiteral("txtBemerkung"),
                         QStringLiteral("Betreff für den Monteurbericht."));
    lblDatumLetzteWartung =
        newLabel(w, "lblDatumLetzteWartung", QStringLiteral("Datum letzte Wartung"));
    txtDatumLetzteWartung = input(new DateEdit(w), QStringLiteral("txtDatumLetzteWartung"));
    lblDatumLetzteRechnung =
        newLabel(w, "lblDatumLetzteRechnung", QStringLiteral("Datum letzte Rechnung"));
    txtDatumLetzteRechnung = input(new DateEdit(w), QStringLiteral("txtDatumLetzteRechnung"));

    // The wide display adds a strip beside page 1.
    PanWart2 = named(new QFrame(p), "PanWart2");
    btnMonteur[1] =
        imageButton(PanWart2, QStringLiteral("btnMonteur_1"),
                    QStringLiteral("Auswahl / Übernehmen Mitarbeiter."), QStringLiteral("…"), true);

    // ---- Page 1: text-number rows -------------------------------------------
    QWidget* textArea = p;
    const std::array<QString, 5> kinds = {QStringLiteral("Angebot"), QStringLiteral("Auftrag"),
                                          QStringLiteral("Lieferschein"),
                                          QStringLiteral("Rechnung"), QStringLiteral("Gutschrift")};
    for (std::size_t i = 0; i < lblBaText.size(); ++i) {
        lblBaText[i] = named(new QLabel(kinds[i], textArea), indexed("lblBaText", i));
        lblBaText[i]->setTextFormat(Qt::PlainText);
    }
    lblKopftext = newLabel(textArea, "lblKopftext", QStringLiteral("Kopftext"));
    lblFusstext = newLabel(textArea, "lblFußtext", QStringLiteral("Fußtext"));
    const QString textTip =
        QStringLiteral("Nummer für einen kundenbezogenen Text am Beleganfang bzw. Belegende. F2 "
                       "Suchen.");
    const std::array<const char*, 5> textNames = {"txtDAnNr", "txtdAuNr", "txtdLsNr", "txtdReNr",
                                                  "txtdGuNr"};
    const std::array<std::array<QLineEdit*, 2>*, 5> textArrays = {&txtDAnNr, &txtdAuNr, &txtdLsNr,
                                                                  &txtdReNr, &txtdGuNr};
    for (std::size_t element = 0; element < 2; ++element) {
        for (std::size_t kind = 0; kind < 5; ++kind) {
            (*textArrays[kind])[element] =
                input(new QLineEdit(textArea), indexed(textNames[kind], element), textTip);
            auto& buttons = element == 0 ? btnKopf : btnFuss;
            buttons[kind] = imageButton(
                textArea, indexed(element == 0 ? "btnKopf" : "btnFuß", kind),
                element == 0 ? QStringLiteral("Kopftext wählen") : QStringLiteral("Fußtext wählen"),
                QStringLiteral("…"), false);
        }
    }
    lblText = named(new QLabel(textArea), "lblText");
    lblText->setTextFormat(Qt::PlainText);
    lblText->setWordWrap(true);
    lblText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblText->setAutoFillBackground(true);
    lblText->setBackgroundRole(QPalette::ToolTipBase);
    lblText->setForegroundRole(QPalette::ToolTipText);
    lblText->setFrameShape(QFrame::Box);
    lblText->setMargin(4);
    lblText->setAttribute(Qt::WA_TransparentForMouseEvents);
    lblText->hide();

    // ---- Page 1: command buttons -------------------------------------------
    btnInfo[0] = pushButton(p, "btnInfo_0", QStringLiteral("K&undeninfo"));
    btnInfo[1] = pushButton(p, "btnInfo_1", QStringLiteral("Kundennoti&zen"));
    btnStammblatt = pushButton(p, "btnStammblatt", QStringLiteral("&Stammblatt"),
                               QStringLiteral("Aufruf Kundenstammblatt"));
    BtnKom = pushButton(p, "BtnKom", QStringLiteral("Ko&mmunikation"),
                        QStringLiteral("Anzeigen der diversen Telefonverbindungen"));
    btnBelegfreigabe = pushButton(
        p, "btnBelegfreigabe", QStringLiteral("Übernehme von Bele&g"),
        QStringLiteral("Es kann ein / mehrere Belege in den neuen Beleg kopiert werden."));
    btnSeite[0] = pushButton(p, "btnSeite_0", QStringLiteral("Seite &2"),
                             QStringLiteral("Weitere Eingaben (z.B. Euro)."));

    // ---- Page 2: currency ----------------------------------------------------
    QWidget* q = page2;
    {
        ComboDesign d;
        d.caption = QStringLiteral("für Währung");
        d.captionwidth = captionTwips::Waehrung;
        d.dlgcaption = QStringLiteral("Währungen bearbeiten");
        d.keymustexist = false;
        d.messagekeynotfound = QStringLiteral("Die Währung ist nicht vorhanden.");
        ocxWaehrung =
            masterData(make, MasterDataCombo::Kind::Combo, q, QStringLiteral("ocxWaehrung"), d,
                       QStringLiteral("Auswahl / erfassen einer Währung"));
    }
    lblWaehrungserfassung = newLabel(q, "lblWährungserfassung", QStringLiteral("Hauswährung"));
    lblHauswaehrung = newLabel(q, "lblHauswährung", QStringLiteral("Hauswährung"));
    TxtDHauswaehrung = valueLabel(q, QStringLiteral("TxtDHauswährung"));
    lblKursHauswaehrung = newLabel(q, "lblKursHauswährung", QStringLiteral("Kurs"));
    txtDKursHauswaehrung = valueLabel(q, QStringLiteral("txtDKursHauswährung"));
    txtDKursHauswaehrung->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblWechselkurs = newLabel(q, "lblWechselkurs", QStringLiteral("&Wechselkurs"));
    txtDWechselkurs = input(new NumberEdit(5, q), QStringLiteral("txtDWechselkurs"),
                            QStringLiteral("Anzeige Wechselkurs"));
    lblKursbehandlung = newLabel(q, "lblKursbehandlung", QStringLiteral("Kurs&behandlung"));
    cdoDKursbehandlung = named(new QComboBox(q), "cdoDKursbehandlung");
    cdoDKursbehandlung->addItem(QString(), 0);
    cdoDKursbehandlung->addItem(QStringLiteral("Tageskurs"), 1);
    cdoDKursbehandlung->addItem(QStringLiteral("Festkurs"), 2);
    cdoDKursbehandlung->setToolTip(QStringLiteral("Auswahl der Kursbehandlung. F2 Suchen. "));
    btnSeite[1] = pushButton(q, "btnSeite_1", QStringLiteral("Seite &1"));

    alignCaptions({ocxMwstKnz, ocxZahlungsart, ocxZahlungsbedingungen, ocxVertreter[0],
                   ocxVertreter[1], ocxVertreter[2], ocxDVersandart});
    layOutUi(*this);
}

} // namespace belegadressen
