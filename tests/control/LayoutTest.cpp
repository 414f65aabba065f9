// Which fields a page shows for page count, document type and layout flags.
// Compared as sets of shown fields, not pixels.
#include "support/ControlHarness.h"
#include <QApplication>
#include <QGridLayout>
#include <gtest/gtest.h>

using batest::ControlHarness;
using belegadressen::BelegAdressen;

namespace {

QStringList shownOf(const BelegAdressen& w, const QStringList& names) {
    QStringList out;
    for (const QString& n : names) {
        auto* child = w.findChild<QWidget*>(n);
        EXPECT_NE(child, nullptr) << n.toStdString();
        if (child && !child->isHidden()) out << n;
    }
    return out;
}

const QStringList kPageFields = {"btnAdresse",        "btnSeite_0",         "chkKnzDivers",
                                 "ocxMwstKnz",        "txtDAuftragsrabatt", "txtDHauptkonto",
                                 "chkRechnungPerPDF", "txtDPostfach",       "txtAnsprechpartnerKD"};

TEST(Layout, PageCountDecidesTheCommercialFields) {
    ControlHarness h;
    auto& w = h.control();
    w.setMitAuftragsrabatt(true);
    w.setMitPostfach(true);
    w.setAktAdresse(1);
    EXPECT_EQ(shownOf(w, kPageFields),
              QStringList({"btnSeite_0", "chkKnzDivers", "ocxMwstKnz", "txtDAuftragsrabatt",
                           "txtDPostfach", "txtAnsprechpartnerKD"}));
    w.setAktAdresse(2);
    EXPECT_EQ(shownOf(w, kPageFields), QStringList({"btnAdresse", "txtDPostfach"}));
}

struct ServiceCase {
    qint16 belegart;
    bool withNumber;
    QStringList shown;
};

class ServiceLayout : public ::testing::TestWithParam<ServiceCase> {};

const QStringList kServiceFields = {"PanWart",
                                    "PanWart2",
                                    "btnVergebeTermin",
                                    "btnTerminAssistent",
                                    "txtDatumLetzteWartung",
                                    "txtDatumLetzteRechnung"};

TEST_P(ServiceLayout, ServiceAddressFollowsTheDocumentType) {
    const ServiceCase& s = GetParam();
    ControlHarness h;
    auto& w = h.control();
    w.setMitWartung(true);
    w.AddBelegart(s.belegart);
    w.setAktAdresse(2);
    if (s.withNumber) {
        w.fktDragNummer("10002");
        w.setAktAdresse(2);
    }
    EXPECT_EQ(shownOf(w, kServiceFields), s.shown) << s.belegart;
    // Other addresses never show the service part.
    w.setAktAdresse(3);
    EXPECT_TRUE(shownOf(w, {"PanWart", "PanWart2", "btnVergebeTermin"}).isEmpty());
}

const QStringList kServiceShown = {"PanWart", "btnVergebeTermin", "btnTerminAssistent",
                                   "txtDatumLetzteWartung", "txtDatumLetzteRechnung"};
INSTANTIATE_TEST_SUITE_P(, ServiceLayout,
                         ::testing::Values(ServiceCase{110, false, kServiceShown},
                                           ServiceCase{130, true, kServiceShown},
                                           ServiceCase{50, true, kServiceShown.mid(0, 3)},
                                           ServiceCase{40, false, {}}));

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
    const QStringList header = {"txtDAnNr_0", "txtdAuNr_0", "txtdLsNr_0", "txtdReNr_0",
                                "txtdGuNr_0"};
    auto field = [&](const char* name) { return w.findChild<QWidget*>(name); };
    const auto headerSlot = cellOf(field("txtDAnNr_0"));
    const auto footerSlot = cellOf(field("txtDAnNr_1"));
    w.AddBelegart(40);
    w.setFuerBeleg(true);
    w.setMitKopftext(true);
    w.setMitFusstext(true);
    EXPECT_EQ(shownOf(w, header), QStringList({"txtdLsNr_0"}));
    EXPECT_EQ(shownOf(w, {"lblBaText_0", "txtdLsNr_1", "txtdReNr_1", "btnBelegfreigabe"}),
              QStringList({"txtdLsNr_1", "btnBelegfreigabe"}));
    // Both rows keep their own field in their first slot.
    EXPECT_EQ(cellOf(field("txtdLsNr_0")), headerSlot);
    EXPECT_EQ(cellOf(field("txtdLsNr_1")), footerSlot);

    // Edited for all kinds at once: every number in its own column.
    w.setFuerBeleg(false);
    w.setMitKopftext(true);
    EXPECT_EQ(shownOf(w, header), header);
    EXPECT_EQ(cellOf(field("txtDAnNr_0")), headerSlot);
    EXPECT_NE(cellOf(field("txtdLsNr_0")), headerSlot);
    EXPECT_EQ(shownOf(w, {"lblBaText_0", "lblBaText_4", "lblKopftext"}),
              QStringList({"lblBaText_0", "lblBaText_4", "lblKopftext"}));
    w.setMitKopftext(false);
    w.setMitFusstext(false);
    EXPECT_TRUE(shownOf(w, header).isEmpty());
}

TEST(LayoutFlags, ReferenceHeadingsFollowEitherAddressFlag) {
    BelegAdressen w;
    const QStringList names = {"lblKundennr", "txtDKD_Nr_0", "txtDKD_Nr_1"};
    EXPECT_TRUE(shownOf(w, names).isEmpty());
    w.setMitRechnungsanschrift(true);
    EXPECT_EQ(shownOf(w, names), QStringList({"lblKundennr", "txtDKD_Nr_1"}));
    w.setMitVersandanschrift(true);
    w.setMitRechnungsanschrift(false);
    EXPECT_EQ(shownOf(w, names), QStringList({"lblKundennr", "txtDKD_Nr_0"}));
}

} // namespace
