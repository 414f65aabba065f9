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
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

using namespace belegadressen;
using namespace batest;

namespace {

// A layout of the control that changes which fields show.
struct LayoutCase {
    const char* name;
    std::function<void(BelegAdressen&)> arrange;
    // The field that Tab starts from on the page shown.
    const char* firstField;
};

void allFlags(BelegAdressen& w) {
    w.setMitVersandanschrift(true);
    w.setMitRechnungsanschrift(true);
    w.setMitKundenaktualisierung(true);
    w.setMitPostfach(true);
    w.setMitAuftragsrabatt(true);
    w.setMitRechnungPerPDF(true);
    w.setMitDebitorenkonto(true);
    w.setMitKopftext(true);
    w.setMitFusstext(true);
    w.setMitVersandarten(true);
    w.setMitSachbearbeiter(true);
}

void serviceOrder(BelegAdressen& w, qint16 belegart, bool wide = false) {
    w.setMitKundendienst(true);
    w.setMitWartung(true);
    w.AddBelegart(belegart);
    w.AddAnzeigeBreit(wide);
}

const LayoutCase kLayouts[] = {
    {"InvoicePage1", [](BelegAdressen& w) { w.AddBelegart(50); }, "txtDNummer"},
    {"InvoicePage2",
     [](BelegAdressen& w) {
         w.AddBelegart(50);
         w.fktDragNummer("10001"); // page 2 needs a number
         w.findChild<QAbstractButton*>("btnSeite_0")->click();
     },
     "txtSchluessel"},
    {"InvoiceFurtherAddress",
     [](BelegAdressen& w) {
         w.AddBelegart(50);
         w.setAktAdresse(2);
     },
     "txtDNummer"},
    {"InvoiceWithEveryFlag",
     [](BelegAdressen& w) {
         w.AddBelegart(50);
         allFlags(w);
         w.fktDragNummer("10001"); // tax key 1: the VAT id shows
         w.findChild<QAbstractButton*>("btnErwAdresse")->click();
     },
     "txtDNummer"},
    {"ServiceOrderCustomer", [](BelegAdressen& w) { serviceOrder(w, 110); }, "txtDNummer"},
    {"ServiceOrderSite",
     [](BelegAdressen& w) {
         serviceOrder(w, 110);
         w.setAktAdresse(2);
     },
     "txtDNummer"},
    {"WideServiceOrderSite",
     [](BelegAdressen& w) {
         serviceOrder(w, 120, true);
         allFlags(w);
         w.setAktAdresse(2);
     },
     "txtDNummer"},
    {"InvoiceWithServicePartSite",
     [](BelegAdressen& w) {
         serviceOrder(w, 130);
         w.setAktAdresse(2);
     },
     "txtDNummer"},
};

class Accessibility : public ::testing::TestWithParam<LayoutCase> {
protected:
    void SetUp() override {
        GetParam().arrange(h.control());
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

QString label(const QWidget* w) {
    if (!w->objectName().isEmpty()) return w->objectName();
    const QWidget* p = w->parentWidget();
    return (p ? p->objectName() : QString()) + QLatin1Char('/') +
           QLatin1String(w->metaObject()->className());
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

// A tool tip that speaks for `w`: its own or that of the field it is the
// entry of.
QString toolTipFor(const QWidget* w, const QWidget* root) {
    for (; w && w != root; w = w->parentWidget()) {
        if (!w->toolTip().isEmpty()) return w->toolTip();
        if (w->parentWidget() && w->parentWidget()->focusProxy() != w) break;
    }
    return {};
}

// The stops of the tab chain inside the control, starting at `first`.
std::vector<QWidget*> tabChain(QWidget* root, QWidget* first) {
    std::vector<QWidget*> stops;
    QWidget* w = first;
    do {
        if (root->isAncestorOf(w) && takesTab(w)) stops.push_back(w);
        w = w->nextInFocusChain();
    } while (w && w != first && stops.size() < 1000);
    return stops;
}

// The one visible field of that name where Tab starts.
QWidget* firstField(QWidget& root, const char* name) {
    std::vector<QWidget*> shown;
    for (QWidget* c : root.findChildren<QWidget*>(QString::fromUtf8(name)))
        if (takesTab(c)) shown.push_back(c);
    return shown.size() == 1 ? shown.front() : nullptr;
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

QRect onControl(QWidget* w, QWidget* root) { return {w->mapTo(root, QPoint(0, 0)), w->size()}; }

TEST_P(Accessibility, EveryReachableChildHasANameInWords) {
    BelegAdressen& w = h.control();
    std::vector<QAccessibleInterface*> found;
    collect(QAccessible::queryAccessibleInterface(&w), found);
    int focusable = 0;
    for (QAccessibleInterface* iface : found) {
        auto* widget = static_cast<QWidget*>(iface->object());
        const bool button = qobject_cast<QAbstractButton*>(widget) != nullptr;
        if (!takesTab(widget) && !button) continue;
        focusable += takesTab(widget);
        EXPECT_TRUE(inWords(spokenName(iface))) << label(widget).toStdString() << " is called \""
                                                << spokenName(iface).toStdString() << "\"";
        if (!toolTipFor(widget, &w).isEmpty()) {
            EXPECT_FALSE(iface->text(QAccessible::Description).isEmpty())
                << label(widget).toStdString() << " has a tool tip but no description";
        }
    }
    EXPECT_GE(focusable, 2);
}

TEST_P(Accessibility, TabFromTheFirstFieldReachesEveryFocusableChild) {
    BelegAdressen& w = h.control();
    QWidget* first = firstField(w, GetParam().firstField);
    ASSERT_NE(first, nullptr);
    const std::vector<QWidget*> chain = tabChain(&w, first);

    std::vector<QAccessibleInterface*> found;
    collect(QAccessible::queryAccessibleInterface(&w), found);
    for (QAccessibleInterface* iface : found) {
        auto* widget = static_cast<QWidget*>(iface->object());
        if (takesTab(widget)) {
            EXPECT_NE(std::find(chain.begin(), chain.end(), widget), chain.end())
                << label(widget).toStdString() << " is skipped by Tab";
        }
    }
}

// Tab reads the page as the eye does: along a row to the right, then down;
// it goes up only to start a column further right.
TEST_P(Accessibility, TabFollowsTheVisualOrderOfThePage) {
    BelegAdressen& w = h.control();
    QWidget* first = firstField(w, GetParam().firstField);
    ASSERT_NE(first, nullptr);
    const std::vector<QWidget*> chain = tabChain(&w, first);
    ASSERT_GE(chain.size(), 2u);
    for (std::size_t i = 0; i + 1 < chain.size(); ++i) {
        const QRect a = onControl(chain[i], &w);
        const QRect b = onControl(chain[i + 1], &w);
        const bool sameRow = std::abs(a.center().y() - b.center().y()) < a.height() / 2;
        const std::string step =
            label(chain[i]).toStdString() + " -> " + label(chain[i + 1]).toStdString();
        if (sameRow) {
            EXPECT_GT(b.left(), a.left()) << step << " goes left along a row";
        } else if (b.center().y() < a.center().y()) {
            EXPECT_GT(b.left(), a.left()) << step << " goes back up";
        }
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

// The side windows the control opens: every input and button has a name in
// words too.
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
    std::vector<QAccessibleInterface*> found;
    collect(QAccessible::queryAccessibleInterface(window.get()), found);
    int checked = 0;
    for (QAccessibleInterface* iface : found) {
        auto* widget = static_cast<QWidget*>(iface->object());
        if (!takesTab(widget) && !qobject_cast<QAbstractButton*>(widget)) continue;
        ++checked;
        EXPECT_TRUE(inWords(spokenName(iface))) << label(widget).toStdString() << " is called \""
                                                << spokenName(iface).toStdString() << "\"";
    }
    EXPECT_GE(checked, 2);
}

INSTANTIATE_TEST_SUITE_P(Windows, SideWindow, ::testing::ValuesIn(kWindows),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
