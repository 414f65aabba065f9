#include "control/AccessibleTexts.h"
#include "platform/MasterDataEditDialog.h"
#include "platform/PostalChoiceDialog.h"
#include "platform/StandortListe2.h"
#include "support/ControlHarness.h"
#include "windows/FrmInfo.h"
#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QRegularExpression>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

using namespace belegadressen;
using namespace batest;

namespace {

// A layout of the control that changes which fields show: document type, service
// flags, every other flag, the address, a customer with a page button pressed, and
// the field that Tab starts from on the page shown.
struct LayoutCase {
    const char* name;
    qint16 belegart;
    bool service, wide, everyFlag;
    qint16 address;
    const char* button;
    const char* firstField;
};

const LayoutCase kLayouts[] = {
    {"InvoicePage1", 50, false, false, false, 1, nullptr, "txtDNummer"},
    {"InvoicePage2", 50, false, false, false, 1, "btnSeite_0", "txtSchluessel"},
    {"InvoiceFurtherAddress", 50, false, false, false, 2, nullptr, "txtDNummer"},
    // Tax key 1 of the customer shows the VAT id.
    {"InvoiceWithEveryFlag", 50, false, false, true, 1, "btnErwAdresse", "txtDNummer"},
    {"ServiceOrderCustomer", 110, true, false, false, 1, nullptr, "txtDNummer"},
    {"WideServiceOrderSite", 120, true, true, true, 2, nullptr, "txtDNummer"},
    {"InvoiceWithServicePartSite", 130, true, false, false, 2, nullptr, "txtDNummer"},
};

void arrange(BelegAdressen& w, const LayoutCase& c) {
    w.setMitKundendienst(c.service);
    w.setMitWartung(c.service);
    w.AddBelegart(c.belegart);
    w.AddAnzeigeBreit(c.wide);
    if (c.everyFlag)
        for (auto set :
             {&BelegAdressen::setMitVersandanschrift, &BelegAdressen::setMitRechnungsanschrift,
              &BelegAdressen::setMitKundenaktualisierung, &BelegAdressen::setMitPostfach,
              &BelegAdressen::setMitAuftragsrabatt, &BelegAdressen::setMitRechnungPerPDF,
              &BelegAdressen::setMitDebitorenkonto, &BelegAdressen::setMitKopftext,
              &BelegAdressen::setMitFusstext, &BelegAdressen::setMitVersandarten,
              &BelegAdressen::setMitSachbearbeiter})
            (w.*set)(true);
    w.setAktAdresse(c.address);
    if (!c.button) return;
    w.fktDragNummer("10001");
    w.findChild<QAbstractButton*>(c.button)->click();
}

class Accessibility : public ::testing::TestWithParam<LayoutCase> {
protected:
    void SetUp() override {
        arrange(h.control(), GetParam());
        h.control().AddMitPostleitzahl("1", nullptr, QString(), h.database().connection(), false);
        QApplication::processEvents();
    }
    ControlHarness h;
};

bool takesTab(const QWidget* w) {
    return w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) &&
           !w->focusProxy();
}

// A name in words, not a sign such as "…".
bool inWords(const QString& name) {
    static const QRegularExpression word(QStringLiteral("\\p{L}{2,}"));
    return name.contains(word);
}

std::string label(const QWidget* w) {
    if (!w->objectName().isEmpty()) return w->objectName().toStdString();
    const QWidget* p = w->parentWidget();
    return ((p ? p->objectName() : QString()) + '/' + w->metaObject()->className()).toStdString();
}

// Visible widgets of the control as assistive technology finds them.
void collect(QAccessibleInterface* iface, std::vector<QAccessibleInterface*>& out) {
    for (int i = 0; i < iface->childCount(); ++i) {
        QAccessibleInterface* child = iface->child(i);
        if (!child || !child->object() || !child->object()->isWidgetType()) continue;
        if (!static_cast<QWidget*>(child->object())->isVisible()) continue;
        out.push_back(child);
        collect(child, out);
    }
}

std::vector<QAccessibleInterface*> collected(QWidget* root) {
    std::vector<QAccessibleInterface*> found;
    collect(QAccessible::queryAccessibleInterface(root), found);
    return found;
}

// A tool tip that speaks for `w`: its own or that of the field it is the entry of.
QString toolTipFor(const QWidget* w, const QWidget* root) {
    for (; w && w != root; w = w->parentWidget()) {
        if (!w->toolTip().isEmpty()) return w->toolTip();
        if (w->parentWidget() && w->parentWidget()->focusProxy() != w) break;
    }
    return {};
}

// The name assistive technology gives `iface`: its own, or on platforms that
// name a field by its label, the label's.
QString spokenName(QAccessibleInterface* iface) {
    const QString own = iface->text(QAccessible::Name);
    if (inWords(own)) return own;
    for (const auto& [label, relation] : iface->relations(QAccessible::Label))
        if (label && inWords(label->text(QAccessible::Name))) return label->text(QAccessible::Name);
    return own;
}

// Every input and button under `root` has a name in words and, with a tool
// tip, a description; answers how many there were.
int expectNamed(QWidget* root) {
    int checked = 0;
    for (QAccessibleInterface* iface : collected(root)) {
        auto* widget = static_cast<QWidget*>(iface->object());
        if (!takesTab(widget) && !qobject_cast<QAbstractButton*>(widget)) continue;
        ++checked;
        EXPECT_TRUE(inWords(spokenName(iface)))
            << label(widget) << " is called \"" << spokenName(iface).toStdString() << "\"";
        EXPECT_TRUE(toolTipFor(widget, root).isEmpty() ||
                    !iface->text(QAccessible::Description).isEmpty())
            << label(widget) << " has a tool tip but no description";
    }
    return checked;
}

TEST_P(Accessibility, EveryReachableChildHasANameInWords) {
    EXPECT_GE(expectNamed(&h.control()), 2);
}

// Tab reaches every focusable child and reads the page as the eye does: along
// a row to the right, then down; it goes up only to start a column further right.
TEST_P(Accessibility, TabReachesEveryChildInTheVisualOrderOfThePage) {
    BelegAdressen& w = h.control();
    std::vector<QWidget*> first, chain;
    for (QWidget* c : w.findChildren<QWidget*>(QString::fromUtf8(GetParam().firstField)))
        if (takesTab(c)) first.push_back(c);
    ASSERT_EQ(first.size(), 1u);
    QWidget* at = first.front();
    do {
        if (w.isAncestorOf(at) && takesTab(at)) chain.push_back(at);
        at = at->nextInFocusChain();
    } while (at && at != first.front() && chain.size() < 1000);
    ASSERT_GE(chain.size(), 2u);

    for (QAccessibleInterface* iface : collected(&w)) {
        auto* widget = static_cast<QWidget*>(iface->object());
        EXPECT_TRUE(!takesTab(widget) ||
                    std::find(chain.begin(), chain.end(), widget) != chain.end())
            << label(widget) << " is skipped by Tab";
    }
    auto onControl = [&](QWidget* c) { return QRect(c->mapTo(&w, QPoint(0, 0)), c->size()); };
    for (std::size_t i = 0; i + 1 < chain.size(); ++i) {
        const QRect a = onControl(chain[i]), b = onControl(chain[i + 1]);
        const std::string step = label(chain[i]) + " -> " + label(chain[i + 1]);
        const bool sameRow = std::abs(a.center().y() - b.center().y()) < a.height() / 2;
        EXPECT_TRUE(b.left() > a.left() || (!sameRow && b.center().y() >= a.center().y()))
            << step << (sameRow ? " goes left along a row" : " goes back up");
    }
}

INSTANTIATE_TEST_SUITE_P(Layouts, Accessibility, ::testing::ValuesIn(kLayouts),
                         [](const auto& info) { return std::string(info.param.name); });

// A misspelt name in the table would leave its control silent.
TEST(AccessibleTexts, EveryEntryNamesAControl) {
    BelegAdressen w;
    for (const QString& name : controlsWithAccessibleText()) {
        EXPECT_EQ(w.findChildren<QWidget*>(name).size(), 1) << name.toStdString();
        EXPECT_TRUE(inWords(accessibleTextOf(name).name)) << name.toStdString();
    }
    EXPECT_TRUE(accessibleTextOf(QStringLiteral("keinFeld")).name.isEmpty());
}

// The side windows the control opens: every input and button has a name in words too.
struct WindowCase {
    const char* name;
    std::function<std::unique_ptr<QWidget>()> make;
};

const WindowCase kWindows[] = {
    {"PostalChoice",
     [] {
         return std::make_unique<PostalChoiceDialog>(
             QList<PostalEntry>{{"88045", "Friedrichshafen", "", ""},
                                {"88045", "Immenstaad", "", ""}},
             true, true);
     }},
    {"MasterDataEditing",
     [] {
         return std::make_unique<MasterDataEditDialog>(
             "Anreden bearbeiten", QStringList{"Schlüssel", "Anrede"},
             QList<QStringList>{{"1", "Herr"}, {"2", "Frau"}}, 0, MasterDataEditDialog::Rights{},
             0);
     }},
    {"SiteList", [] { return std::make_unique<StandortListe2>(); }},
    {"InfoWindow",
     [] {
         // The host keeps no positions here.
         struct NoPositions : WindowPositionService {
             void Restore(const QString&, QWidget&) override {}
             void Save(const QString&, const QWidget&) override {}
         };
         static NoPositions positions;
         auto info = std::make_unique<FrmInfo>(positions);
         info->setMode("1");
         return std::unique_ptr<QWidget>(std::move(info));
     }},
};

class SideWindow : public ::testing::TestWithParam<WindowCase> {};

TEST_P(SideWindow, EveryInputAndButtonHasANameInWords) {
    std::unique_ptr<QWidget> window = GetParam().make();
    window->show();
    QApplication::processEvents();
    EXPECT_GE(expectNamed(window.get()), 2);
}

INSTANTIATE_TEST_SUITE_P(Windows, SideWindow, ::testing::ValuesIn(kWindows),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
