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
    const char* customer; // loaded on address 1; none: address 2 is current
    bool page2;
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
    return (QStringList{h.widget("panSeite_0")->isVisible() ? "Seite 2" : "Seite 1"} + h.events())
        .join(' ');
}

QString eventsRaised(ControlHarness& h) { return h.events().join(' '); }

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
    {"TabFromTheNumberReachesTheAddressSearch", nullptr, false, "txtDNummer", Qt::Key_Tab,
     Qt::NoModifier, focused, "btnAdresse"},
    {"SpaceStartsTheAddressSearch", nullptr, false, "btnAdresse", Qt::Key_Space, Qt::NoModifier,
     eventsRaised, "btnAdresseClick"},
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
    {"CtrlF2OpensNothing", "10001", false, "ocxZahlungsart", Qt::Key_F2, Qt::ControlModifier,
     dialogsRun, ""},
};

class Keyboard : public ::testing::TestWithParam<KeyCase> {};

TEST_P(Keyboard, KeyOnTheFocusedField) {
    const KeyCase& c = GetParam();
    ControlHarness h;
    if (c.customer)
        h.control().fktDragNummer(c.customer);
    else
        h.control().setAktAdresse(2);
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
