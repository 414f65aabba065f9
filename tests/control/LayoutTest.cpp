// Which fields a page shows for page count, document type and layout flags.
// Compared as sets of shown fields, not pixels.
#include "support/ControlHarness.h"
#include <QGridLayout>
#include <gtest/gtest.h>

using batest::ControlHarness;
using belegadressen::BelegAdressen;

namespace {

// Those of the space-separated `names` that show, in their order.
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
        {130, true, all},
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
    EXPECT_EQ(slot("txtDAnNr_0"), headerSlot);
    EXPECT_NE(slot("txtdLsNr_0"), headerSlot);
    EXPECT_EQ(shownOf(w, "lblBaText_0 lblBaText_4 lblKopftext"),
              "lblBaText_0 lblBaText_4 lblKopftext");
    w.setMitKopftext(false);
    w.setMitFusstext(false);
    EXPECT_EQ(shownOf(w, header), "");
}

TEST(LayoutFlags, ReferenceHeadingsFollowEitherAddressFlag) {
    BelegAdressen w;
    const QString names = "lblKundennr txtDKD_Nr_0 txtDKD_Nr_1";
    EXPECT_EQ(shownOf(w, names), "");
    w.setMitRechnungsanschrift(true);
    EXPECT_EQ(shownOf(w, names), "lblKundennr txtDKD_Nr_1");
    w.setMitVersandanschrift(true);
    w.setMitRechnungsanschrift(false);
    EXPECT_EQ(shownOf(w, names), "lblKundennr txtDKD_Nr_0");
}

} // namespace
