// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "control/Ui.h"
#include "control/BelegAdressen.h"
#include "control/Twips.h"
#include "support/ControlHarness.h"
#include <QGridLayout>
#include <QLayout>
#include <QMap>
#include <QRegularExpression>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace belegadressen {
namespace {

using batest::ControlHarness;

// The child controls; ":n" gives an array's element count.
const char* const kInventory =
    "txtAnsprechpartnerKD txtDAuftragsrabatt txtDKD_Nr:2 txtDAD_Nr:2 txtMobil txtDAnNr:2 "
    "txtDatumLetzteRechnung txtDatumLetzteWartung txtdAuNr:2 txtdLsNr:2 txtdReNr:2 txtDHauptkonto "
    "txtdGuNr:2 txtDNummer txtTermin txtUhrzeit txtDauer txtMonteur:1 txtAnsprechpartner "
    "txtTelefon "
    "txtStoerText txtBemerkung txtDWechselkurs txtFax txtDUstIdentNr txtDAdr:7 txtDPostleitzahl "
    "txtDPostfach txtDPlzPostfach chkDruckInAnschriftKD chkKnzDivers chkDruckAufbewahrungsfrist "
    "chkRechnungPerPDF btnErwAdresse BtnKom btnInfo:2 btnStammblatt btnAktKunde btnSeite:2 "
    "btnTerminAssistent btnAnsprechpartner btnVergebeTermin btnKunde btnAdresse btnMonteur:2 "
    "btnAnlage btnAnpWart btnAnpBel btnFuß:5 btnVersandan:2 btnLoeTermin btnRechan:2 "
    "btnBelegfreigabe btnPlz btnAutoMap btnKopf:5 txtAnlagenBezeichnung txtAnlage txtVertrag "
    "TxtDHauswährung txtStandort lblOrt lblUhrzeit lblHauswährung lbladrMobil Letztesfeld:2 "
    "lblBemerkung lblHauptkonto lblPostfach lblPlzPostfach lblKursHauswährung lbladr:11 "
    "lblDatumLetzteRechnung lblKundennr lblversandan lblAdressnr lblAnsprechpartnerKD "
    "lblAuftragsrabtt lblRechan lblDatumLetzteWartung img_ButtonDown img_ButtonUp lblKopftext "
    "lblBaText:5 lblWährungserfassung lblKursbehandlung txtDKursHauswährung lblWechselkurs "
    "lblFußtext txtMonteurname:1 lblUstIdentNr lblText cdoDKursbehandlung cdoDLand ocxWaehrung "
    "ocxDVersandart ocxMwstKnz ocxVertreter:3 ocxAnrede ocxZahlungsart ocxZahlungsbedingungen "
    "panerwadr:1 PanWart2 PanWart panSeite:2 chkRtf Timer1";

// The declared names, an array's elements numbered from 0.
QStringList inventory() {
    QStringList names;
    for (const QString& word : QString::fromUtf8(kInventory).split(' ')) {
        const QStringList parts = word.split(':');
        if (parts.size() == 1) names << parts[0];
        for (int i = 0; i < parts.value(1).toInt(); ++i)
            names << parts[0] + '_' + QString::number(i);
    }
    names.sort();
    return names;
}

// Whether `o` is a part of a master-data field rather than a control itself.
bool insideMasterData(const QObject* o) {
    for (const QObject* p = o->parent(); p; p = p->parent())
        if (qobject_cast<const MasterDataCombo*>(p)) return true;
    return false;
}

struct Built {
    std::unique_ptr<QWidget> root = std::make_unique<QWidget>();
    Ui ui;
    Built() { ui.build(root.get()); }
};

// Named controls, without a master-data field's parts and Qt's helpers.
QStringList controlNames(const QWidget* root) {
    QStringList names;
    for (QObject* o : root->findChildren<QObject*>())
        if (!o->objectName().isEmpty() && !o->objectName().startsWith("qt_") &&
            !insideMasterData(o))
            names << o->objectName();
    names.sort();
    return names;
}

// Each declared name once and nothing else.
TEST(Ui, TheControlHasExactlyTheDeclaredNames) {
    BelegAdressen control;
    EXPECT_EQ(controlNames(&control), inventory());
}

// Every control a flag can show on page 1: the widest case.
void showEverything(Ui& u) {
    for (QWidget* w : u.panSeite[1]->findChildren<QWidget*>()) {
        if (w == u.lblText || w->objectName().isEmpty()) continue;
        if (insideMasterData(w)) continue;
        w->show();
    }
}

TEST(Ui, AccessKeysOfPage1AreUnique) {
    Built b;
    showEverything(b.ui);
    QMap<QChar, QString> owners;
    for (QWidget* w : b.ui.panSeite[1]->findChildren<QWidget*>()) {
        QString text;
        if (auto* label = qobject_cast<QLabel*>(w); label && label->buddy()) text = label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(w)) text = button->text();
        const qsizetype at = text.indexOf(QRegularExpression(QStringLiteral("&[^&]")));
        if (at < 0) continue;
        const QChar key = text.at(at + 1).toLower();
        EXPECT_FALSE(owners.contains(key))
            << text.toStdString() << " and " << owners.value(key).toStdString() << " share a key";
        owners.insert(key, text);
    }
    EXPECT_GE(owners.size(), 20);
}

QRect onPage(QWidget* w, QWidget* page) { return QRect(w->mapTo(page, QPoint(0, 0)), w->size()); }

// Visible named controls of page 1, without panels and master-data parts.
std::vector<QWidget*> visibleControls(Ui& u) {
    QWidget* page = u.panSeite[1];
    std::vector<QWidget*> controls;
    for (QWidget* w : page->findChildren<QWidget*>()) {
        if (w->objectName().isEmpty() || !w->isVisibleTo(page)) continue;
        if (qobject_cast<QFrame*>(w) && !qobject_cast<QLabel*>(w)) continue;
        if (!insideMasterData(w)) controls.push_back(w);
    }
    return controls;
}

void expectNoOverlap(Built& b) {
    QWidget* page = b.ui.panSeite[1];
    b.root->show();
    QTest::qWait(20);
    // The form fits the control's width without squeezing anything.
    EXPECT_LE(page->layout()->minimumSize().width(), page->width());
    const auto controls = visibleControls(b.ui);
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const QRect r = onPage(controls[i], page);
        EXPECT_TRUE(page->rect().contains(r))
            << controls[i]->objectName().toStdString() << " leaves the page";
        for (std::size_t j = i + 1; j < controls.size(); ++j)
            EXPECT_FALSE(r.intersects(onPage(controls[j], page)))
                << controls[i]->objectName().toStdString() << " overlaps "
                << controls[j]->objectName().toStdString();
    }
}

TEST(UiLayout, NothingOverlapsOnPage1) {
    Built plain, b;
    expectNoOverlap(plain);
    showEverything(b.ui);
    b.ui.PanWart2->hide();
    expectNoOverlap(b);
    // The wide display shows the strip beside page 1.
    const int wide = twipsToPixels(b.root.get(), kWideWidthTwips);
    for (QFrame* page : b.ui.panSeite)
        page->setFixedWidth(wide);
    b.root->setFixedWidth(wide);
    b.ui.PanWart2->show();
    expectNoOverlap(b);
}

// Those of the space-separated `names` that show, in their order: sets of fields, not pixels.
QString shownOf(const BelegAdressen& w, const QString& names) {
    QStringList out;
    for (const QString& n : names.split(' ')) {
        auto* child = w.findChild<QWidget*>(n);
        EXPECT_NE(child, nullptr) << n.toStdString();
        if (child && !child->isHidden()) out << n;
    }
    return out.join(' ');
}

TEST(Layout, PageCountDecidesTheCommercialFields) {
    const QString fields = "btnAdresse btnSeite_0 chkKnzDivers ocxMwstKnz txtDAuftragsrabatt "
                           "txtDHauptkonto chkRechnungPerPDF txtDPostfach txtAnsprechpartnerKD";
    ControlHarness h;
    auto& w = h.control();
    w.setMitAuftragsrabatt(true);
    w.setMitPostfach(true);
    w.setAktAdresse(1);
    EXPECT_EQ(shownOf(w, fields), "btnSeite_0 chkKnzDivers ocxMwstKnz txtDAuftragsrabatt "
                                  "txtDPostfach txtAnsprechpartnerKD");
    w.setAktAdresse(2);
    EXPECT_EQ(shownOf(w, fields), "btnAdresse txtDPostfach");
}

TEST(ServiceLayout, ServiceAddressFollowsTheDocumentType) {
    const QString all = "PanWart btnVergebeTermin btnTerminAssistent txtDatumLetzteWartung "
                        "txtDatumLetzteRechnung";
    const std::tuple<qint16, bool, QString> cases[] = {
        {110, false, all},
        {50, true, "PanWart btnVergebeTermin btnTerminAssistent"},
        {40, false, ""}};
    for (const auto& [belegart, withNumber, shown] : cases) {
        ControlHarness h;
        auto& w = h.control();
        w.setMitWartung(true);
        w.AddBelegart(belegart);
        w.setAktAdresse(2);
        if (withNumber) {
            w.fktDragNummer("10002");
            w.setAktAdresse(2);
        }
        EXPECT_EQ(shownOf(w, all + " PanWart2"), shown) << belegart;
        // Other addresses never show the service part.
        w.setAktAdresse(3);
        EXPECT_EQ(shownOf(w, "PanWart PanWart2 btnVergebeTermin"), "");
    }
}

std::pair<int, int> cellOf(QWidget* w) {
    auto* grid = qobject_cast<QGridLayout*>(w->parentWidget()->layout());
    if (!grid) return {-1, -1};
    int row, col, rs, cs;
    grid->getItemPosition(grid->indexOf(w), &row, &col, &rs, &cs);
    return {row, col};
}

TEST(Layout, ADocumentShowsOnlyItsOwnTextNumbersInTheFirstSlots) {
    ControlHarness h;
    auto& w = h.control();
    const QString header = "txtDAnNr_0 txtdAuNr_0 txtdLsNr_0 txtdReNr_0 txtdGuNr_0";
    auto slot = [&](const char* name) { return cellOf(w.findChild<QWidget*>(name)); };
    const auto headerSlot = slot("txtDAnNr_0");
    const auto footerSlot = slot("txtDAnNr_1");
    w.AddBelegart(40);
    w.setFuerBeleg(true);
    w.setMitKopftext(true);
    w.setMitFusstext(true);
    EXPECT_EQ(shownOf(w, header), "txtdLsNr_0");
    EXPECT_EQ(shownOf(w, "lblBaText_0 txtdLsNr_1 txtdReNr_1 btnBelegfreigabe"),
              "txtdLsNr_1 btnBelegfreigabe");
    // Both rows keep their own field in their first slot.
    EXPECT_EQ(std::pair(slot("txtdLsNr_0"), slot("txtdLsNr_1")), std::pair(headerSlot, footerSlot));

    // Edited for all kinds at once: every number in its own column.
    w.setFuerBeleg(false);
    w.setMitKopftext(true);
    EXPECT_EQ(shownOf(w, header), header);
    EXPECT_NE(slot("txtdLsNr_0"), headerSlot);
}

} // namespace
} // namespace belegadressen
