#include "support/ControlHarness.h"
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

using namespace belegadressen;
using namespace batest;

namespace {

// A key pressed on the focused field, and what the user then finds.
struct KeyCase {
    const char* name;
    std::function<void(ControlHarness&)> arrange;
    const char* field;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    std::function<QString(ControlHarness&)> outcome;
    const char* expected;
};

QString focused(ControlHarness&) {
    QWidget* w = QApplication::focusWidget();
    // A master-data field answers for its entry.
    if (w && w->parentWidget() && w->parentWidget()->focusProxy() == w) w = w->parentWidget();
    return w ? w->objectName() : QString();
}

QString pageShown(ControlHarness& h) {
    const QString page = h.widget("panSeite_0")->isVisible() ? "Seite 2" : "Seite 1";
    return (QStringList{page} + h.events()).join(' ');
}

QString eventsRaised(ControlHarness& h) { return h.events().join(' '); }

QString dialogsRun(ControlHarness& h) { return h.services().shown.join(' '); }

QString listShown(ControlHarness& h) {
    QWidget* list = h.widget("ocxZahlungsart")->findChild<QWidget*>("lstAuswahl");
    return list && list->isVisible() ? "Liste offen" : "keine Liste";
}

void furtherAddress(ControlHarness& h) {
    h.control().setAktAdresse(2);
    h.clearRecords();
}

void customerLoaded(ControlHarness& h) {
    h.control().fktDragNummer("10001");
    h.clearRecords();
}

void onPage2(ControlHarness& h) {
    customerLoaded(h);
    static_cast<QAbstractButton*>(h.widget("btnSeite_0"))->click();
    h.clearRecords();
}

QString rateListShown(ControlHarness& h) {
    auto* list = static_cast<QComboBox*>(h.widget("cdoDKursbehandlung"));
    return list->view()->isVisible() ? "Liste offen" : "keine Liste";
}

void foreignCurrencyOnPage2(ControlHarness& h) {
    h.control().fktDragNummer("10002"); // pays in CHF: the rate fields show
    static_cast<QAbstractButton*>(h.widget("btnSeite_0"))->click();
    h.clearRecords();
}

const KeyCase kCases[] = {
    {"TabFromTheNumberReachesTheAddressSearch", furtherAddress, "txtDNummer", Qt::Key_Tab,
     Qt::NoModifier, focused, "btnAdresse"},
    {"SpaceStartsTheAddressSearch", furtherAddress, "btnAdresse", Qt::Key_Space, Qt::NoModifier,
     eventsRaised, "btnAdresseClick"},
    {"AltTwoTurnsToPage2", customerLoaded, "txtDNummer", Qt::Key_2, Qt::AltModifier, pageShown,
     "Seite 2"},
    {"AltOneTurnsBackAndTellsTheHost", onPage2, "ocxWaehrung", Qt::Key_1, Qt::AltModifier,
     pageShown, "Seite 1 btnSeite2Click"},
    {"F2InAMasterDataFieldOpensItsList", customerLoaded, "ocxZahlungsart", Qt::Key_F2,
     Qt::NoModifier, listShown, "Liste offen"},
    {"ShiftF2OpensItsEditingDialog", customerLoaded, "ocxZahlungsart", Qt::Key_F2,
     Qt::ShiftModifier, dialogsRun, "Zahlungsart bearbeiten"},
    {"ShiftF2WithoutAnEditingButtonDoesNothing", customerLoaded, "ocxMwstKnz", Qt::Key_F2,
     Qt::ShiftModifier, dialogsRun, ""},
    {"F2InTheRateTreatmentOpensItsList", foreignCurrencyOnPage2, "cdoDKursbehandlung", Qt::Key_F2,
     Qt::NoModifier, rateListShown, "Liste offen"},
    {"CtrlF2OpensNothing", customerLoaded, "ocxZahlungsart", Qt::Key_F2, Qt::ControlModifier,
     dialogsRun, ""},
};

class Keyboard : public ::testing::TestWithParam<KeyCase> {};

TEST_P(Keyboard, KeyOnTheFocusedField) {
    const KeyCase& c = GetParam();
    ControlHarness h;
    c.arrange(h);
    h.focus(QString::fromUtf8(c.field));
    QWidget* target = QApplication::focusWidget();
    ASSERT_NE(target, nullptr);
    QTest::keyClick(target, c.key, c.modifiers);
    // An access key presses its button for a moment before it clicks.
    QTest::qWait(250);
    EXPECT_EQ(c.outcome(h), QString::fromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Keys, Keyboard, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
