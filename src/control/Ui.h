// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "contracts/MasterDataCombo.h"
#include "platform/InputFields.h"
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <array>
#include <functional>

class QVBoxLayout;

namespace belegadressen {

// The child controls of the address block, named as the host and the tests
// know them (objectName = name, array elements <name>_<index>). Built and laid
// out by build(); no behaviour lives here.
struct Ui {
    QWidget* root = nullptr;
    QTimer* Timer1 = nullptr;

    // Page panels: panSeite[1] is page 1, panSeite[0] page 2.
    std::array<QFrame*, 2> panSeite{};
    std::array<QPushButton*, 2> btnSeite{};
    // The text-number rows stand on page 2 (textRowPlace[0]); an address of
    // one page has no page 2 to turn to, so there they stand on page 1
    // (textRowPlace[1]). The area and its places carry no names.
    QWidget* textRowArea = nullptr;
    std::array<QVBoxLayout*, 2> textRowPlace{};

    // Number entry and address lines.
    QLineEdit* txtDNummer = nullptr;
    QToolButton* btnKunde = nullptr;
    QToolButton* btnAdresse = nullptr;
    MasterDataCombo* ocxAnrede = nullptr;
    std::array<QLineEdit*, 7> txtDAdr{};
    QPushButton* btnErwAdresse = nullptr;
    std::array<QFrame*, 1> panerwadr{};
    QLineEdit* txtDPostleitzahl = nullptr;
    QComboBox* cdoDLand = nullptr;
    QLineEdit* txtDPostfach = nullptr;
    QLineEdit* txtDPlzPostfach = nullptr;
    QToolButton* btnPlz = nullptr;
    QToolButton* btnAutoMap = nullptr;
    QToolButton* btnAktKunde = nullptr;
    std::array<QLabel*, 11> lbladr{};
    QLabel* lblOrt = nullptr;
    QLabel* lblPostfach = nullptr;
    QLabel* lblPlzPostfach = nullptr;

    // Contact person of the customer.
    QLineEdit* txtAnsprechpartnerKD = nullptr;
    QLabel* lblAnsprechpartnerKD = nullptr;
    QCheckBox* chkDruckInAnschriftKD = nullptr;
    QToolButton* btnAnpBel = nullptr;

    // Commercial fields of page 1.
    QLineEdit* txtDHauptkonto = nullptr;
    QLabel* lblHauptkonto = nullptr;
    QLineEdit* txtDUstIdentNr = nullptr;
    QLabel* lblUstIdentNr = nullptr;
    NumberEdit* txtDAuftragsrabatt = nullptr;
    QLabel* lblAuftragsrabtt = nullptr;
    QCheckBox* chkKnzDivers = nullptr;
    QCheckBox* chkDruckAufbewahrungsfrist = nullptr;
    QCheckBox* chkRechnungPerPDF = nullptr;
    MasterDataCombo* ocxMwstKnz = nullptr;
    MasterDataCombo* ocxZahlungsart = nullptr;
    MasterDataCombo* ocxZahlungsbedingungen = nullptr;
    MasterDataCombo* ocxDVersandart = nullptr;
    std::array<MasterDataCombo*, 3> ocxVertreter{};

    // Shipping and invoice address references.
    std::array<QLineEdit*, 2> txtDKD_Nr{};
    std::array<QLineEdit*, 2> txtDAD_Nr{};
    std::array<QToolButton*, 2> btnVersandan{};
    std::array<QToolButton*, 2> btnRechan{};
    QLabel* lblversandan = nullptr;
    QLabel* lblRechan = nullptr;
    QLabel* lblKundennr = nullptr;
    QLabel* lblAdressnr = nullptr;

    // Header and footer text numbers: element 0 header, 1 footer.
    std::array<QLineEdit*, 2> txtDAnNr{};
    std::array<QLineEdit*, 2> txtdAuNr{};
    std::array<QLineEdit*, 2> txtdLsNr{};
    std::array<QLineEdit*, 2> txtdReNr{};
    std::array<QLineEdit*, 2> txtdGuNr{};
    std::array<QLabel*, 5> lblBaText{};
    std::array<QToolButton*, 5> btnKopf{};
    std::array<QToolButton*, 5> btnFuss{};
    QLabel* lblKopftext = nullptr;
    QLabel* lblFusstext = nullptr;
    QLabel* lblText = nullptr;

    // Currency (page 2).
    MasterDataCombo* ocxWaehrung = nullptr;
    QLabel* lblWaehrungserfassung = nullptr;
    QLabel* lblHauswaehrung = nullptr;
    QLabel* TxtDHauswaehrung = nullptr;
    QLabel* lblKursHauswaehrung = nullptr;
    QLabel* txtDKursHauswaehrung = nullptr;
    QLabel* lblWechselkurs = nullptr;
    NumberEdit* txtDWechselkurs = nullptr;
    QLabel* lblKursbehandlung = nullptr;
    QComboBox* cdoDKursbehandlung = nullptr;

    // Service order (address 2).
    QFrame* PanWart = nullptr;
    QFrame* PanWart2 = nullptr;
    QLabel* txtStandort = nullptr;
    QLabel* txtAnlage = nullptr;
    QLabel* txtAnlagenBezeichnung = nullptr;
    QLabel* txtVertrag = nullptr;
    QToolButton* btnAnlage = nullptr;
    QToolButton* btnAnpWart = nullptr;
    std::array<QLineEdit*, 1> txtMonteur{};
    std::array<QLabel*, 1> txtMonteurname{};
    std::array<QToolButton*, 2> btnMonteur{};
    DateEdit* txtTermin = nullptr;
    TimeEdit* txtUhrzeit = nullptr;
    NumberEdit* txtDauer = nullptr;
    QLabel* lblUhrzeit = nullptr;
    QPushButton* btnVergebeTermin = nullptr;
    QPushButton* btnTerminAssistent = nullptr;
    QToolButton* btnLoeTermin = nullptr;
    QLineEdit* txtAnsprechpartner = nullptr;
    QPushButton* btnAnsprechpartner = nullptr;
    QLineEdit* txtTelefon = nullptr;
    QLineEdit* txtMobil = nullptr;
    QLabel* lbladrMobil = nullptr;
    QLineEdit* txtFax = nullptr;
    QLineEdit* txtStoerText = nullptr;
    QLineEdit* txtBemerkung = nullptr;
    QLabel* lblBemerkung = nullptr;
    DateEdit* txtDatumLetzteWartung = nullptr;
    QLabel* lblDatumLetzteWartung = nullptr;
    DateEdit* txtDatumLetzteRechnung = nullptr;
    QLabel* lblDatumLetzteRechnung = nullptr;

    // Command buttons and helpers.
    std::array<QPushButton*, 2> btnInfo{};
    QPushButton* btnStammblatt = nullptr;
    QPushButton* BtnKom = nullptr;
    QPushButton* btnBelegfreigabe = nullptr;
    std::array<QLabel*, 2> Letztesfeld{};
    QLabel* img_ButtonUp = nullptr;
    QLabel* img_ButtonDown = nullptr;
    QTextEdit* chkRtf = nullptr;

    // Creates, names and lays out every child of root; the master-data
    // fields through `masterDataCombo`, the platform's own when it is empty.
    void build(QWidget* root,
               const std::function<MasterDataCombo*(MasterDataCombo::Kind, QWidget*)>&
                   masterDataCombo = {});

    // Puts `field` of text row `element` into the row's first slot (where the
    // offer's field stands); restoreTextSlots() puts every field back home.
    // Both work on the grid that holds the text rows (TextSlots.cpp).
    void moveToFirstSlot(int element, QLineEdit* field);
    void restoreTextSlots();

    // The five text-number fields of one row (0 header, 1 footer) in the order
    // offer, order, delivery note, invoice, credit note.
    std::array<QLineEdit*, 5> textRow(int element) const {
        return {txtDAnNr[element], txtdAuNr[element], txtdLsNr[element], txtdReNr[element],
                txtdGuNr[element]};
    }
};

} // namespace belegadressen
