// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "platform/MasterDataEditDialog.h"
#include "platform/PostalChoiceDialog.h"
#include "platform/StandortListe2.h"
#include "support/ControlHarness.h"
#include "windows/FrmInfo.h"
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QRegularExpression>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

using namespace belegadressen;
using namespace batest;

namespace {

// A layout: document type, service flags, every flag, address, a customer's page button, Tab's
// start.
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
    return (w->objectName().isEmpty() ? w->metaObject()->className() : w->objectName())
        .toStdString();
}

// Visible widgets under `root` as assistive technology finds them.
std::vector<QAccessibleInterface*> collected(QObject* root) {
    std::vector<QAccessibleInterface*> out;
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(root);
    for (int i = 0; iface && i < iface->childCount(); ++i) {
        QAccessibleInterface* child = iface->child(i);
        if (!child || !child->object() || !child->object()->isWidgetType()) continue;
        if (!static_cast<QWidget*>(child->object())->isVisible()) continue;
        out.push_back(child);
        for (QAccessibleInterface* below : collected(child->object()))
            out.push_back(below);
    }
    return out;
}

// A tool tip that speaks for `w`: its own or that of the field it is the entry of.
QString toolTipFor(const QWidget* w, const QWidget* root) {
    for (; w && w != root; w = w->parentWidget()) {
        if (!w->toolTip().isEmpty()) return w->toolTip();
        if (w->parentWidget() && w->parentWidget()->focusProxy() != w) break;
    }
    return {};
}

// The name assistive technology gives `iface`: its own, or where fields go by labels, the label's.
QString spokenName(QAccessibleInterface* iface) {
    const QString own = iface->text(QAccessible::Name);
    if (inWords(own)) return own;
    for (const auto& [label, relation] : iface->relations(QAccessible::Label))
        if (label && inWords(label->text(QAccessible::Name))) return label->text(QAccessible::Name);
    return own;
}

// Inputs and buttons under `root` have names in words, with a tool tip a description; how many.
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

// Every reachable child has a name in words; Tab reaches each and reads the
// page as the eye does: rightwards, then down.
TEST_P(Accessibility, NamedChildrenTabbedInTheVisualOrderOfThePage) {
    BelegAdressen& w = h.control();
    EXPECT_GE(expectNamed(&w), 2);
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

// The side windows the control opens: every input and button has a name in words too.
TEST(SideWindow, EveryInputAndButtonHasANameInWords) {
    struct NoPositions : WindowPositionService { // the host keeps no positions here
        void Restore(const QString&, QWidget&) override {}
        void Save(const QString&, const QWidget&) override {}
    } positions;
    FrmInfo info(positions);
    info.setMode("1");
    PostalChoiceDialog postal(
        {{"88045", "Friedrichshafen", "", ""}, {"88045", "Immenstaad", "", ""}}, true, true);
    MasterDataEditDialog editing("Anreden bearbeiten", {"Schlüssel", "Anrede"},
                                 {{"1", "Herr"}, {"2", "Frau"}}, 0, {}, 0);
    StandortListe2 sites;
    for (QWidget* window : std::initializer_list<QWidget*>{&postal, &editing, &sites, &info}) {
        SCOPED_TRACE(window->metaObject()->className());
        window->show();
        QApplication::processEvents();
        EXPECT_GE(expectNamed(window), 2);
    }
}

// A key pressed on the focused field, and what the user then finds.
struct KeyCase {
    const char* name;
    const char* customer; // loaded on address 1
    bool page2;
    const char* field;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    std::function<QString(ControlHarness&)> outcome;
    const char* expected;
};

QString pageShown(ControlHarness& h) {
    return (QStringList{h.widget("panSeite_0")->isVisible() ? "Seite 2" : "Seite 1"} + h.events())
        .join(' ');
}

QString dialogsRun(ControlHarness& h) { return h.services().shown.join(' '); }

// The lists that show: a master-data field's and the rate treatment's.
QString listsShown(ControlHarness& h) {
    QWidget* list = h.widget("ocxZahlungsart")->findChild<QWidget*>("lstAuswahl");
    auto* rates = static_cast<QComboBox*>(h.widget("cdoDKursbehandlung"));
    return QStringList({list && list->isVisible() ? "Zahlungsart" : "",
                        rates->view()->isVisible() ? "Kursbehandlung" : ""})
        .join(' ')
        .trimmed();
}

const KeyCase kCases[] = {
    {"AltTwoTurnsToPage2", "10001", false, "txtDNummer", Qt::Key_2, Qt::AltModifier, pageShown,
     "Seite 2"},
    {"AltOneTurnsBackAndTellsTheHost", "10001", true, "ocxWaehrung", Qt::Key_1, Qt::AltModifier,
     pageShown, "Seite 1 btnSeite2Click"},
    {"F2InAMasterDataFieldOpensItsList", "10001", false, "ocxZahlungsart", Qt::Key_F2,
     Qt::NoModifier, listsShown, "Zahlungsart"},
    {"ShiftF2OpensItsEditingDialog", "10001", false, "ocxZahlungsart", Qt::Key_F2,
     Qt::ShiftModifier, dialogsRun, "Zahlungsart bearbeiten"},
    {"ShiftF2WithoutAnEditingButtonDoesNothing", "10001", false, "ocxMwstKnz", Qt::Key_F2,
     Qt::ShiftModifier, dialogsRun, ""},
    // 10002 pays in CHF: the rate fields show.
    {"F2InTheRateTreatmentOpensItsList", "10002", true, "cdoDKursbehandlung", Qt::Key_F2,
     Qt::NoModifier, listsShown, "Kursbehandlung"},
};

class Keyboard : public ::testing::TestWithParam<KeyCase> {};

TEST_P(Keyboard, KeyOnTheFocusedField) {
    const KeyCase& c = GetParam();
    ControlHarness h;
    h.control().fktDragNummer(c.customer);
    if (c.page2) static_cast<QAbstractButton*>(h.widget("btnSeite_0"))->click();
    h.clearRecords();
    h.focus(QString::fromUtf8(c.field));
    QWidget* target = QApplication::focusWidget();
    ASSERT_NE(target, nullptr);
    QTest::keyClick(target, c.key, c.modifiers);
    QTest::qWait(250); // an access key presses its button for a moment before it clicks
    EXPECT_EQ(c.outcome(h), QString::fromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Keys, Keyboard, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
