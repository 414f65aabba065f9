#include "control/ControlState.h"
#include "platform/QtResourceLibrary.h"
#include "support/ControlHarness.h"
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace belegadressen;
using batest::ControlHarness;

namespace {

struct Fault {};

// Runs `body` inside a gate and answers whether the gate is open afterwards.
template <class F> bool openAfter(ControlState& st, ChangeGate::OnError onError, F&& body) {
    try {
        ChangeGate gate(st, onError);
        body();
    } catch (const Fault&) {
    }
    return st.mAenderungMelden;
}

} // namespace

TEST(ChangeGate, OpensOnlyAtTheEndOfTheOutermostFill) {
    ControlState st;
    st.mAdressen.resize(1);
    {
        ChangeGate load(st);
        // A reset in the middle of a load must not let field edits through.
        st.leereAdresse(0, false);
        EXPECT_FALSE(st.mAenderungMelden);
        { ChangeGate show(st); }
        EXPECT_FALSE(st.mAenderungMelden);
    }
    EXPECT_TRUE(st.mAenderungMelden);
    EXPECT_EQ(st.mGateDepth, 0);
}

TEST(ChangeGate, ErrorsOpenTheGateExceptForAnAccessor) {
    ControlState st;
    EXPECT_TRUE(openAfter(st, ChangeGate::OnError::Open, [] { throw Fault{}; }));
    EXPECT_FALSE(openAfter(st, ChangeGate::OnError::StayClosed, [] { throw Fault{}; }));
    // The next fill opens it again, whatever it was before.
    EXPECT_TRUE(openAfter(st, ChangeGate::OnError::StayClosed, [] {}));
    EXPECT_EQ(st.mGateDepth, 0);
}

namespace {
class CustomerLoadFailure : public batest::OnEachEngine<> {};
INSTANTIATE_TEST_SUITE_P(, CustomerLoadFailure, batest::engines(), batest::EngineName());
} // namespace

// The host must not keep discount and currency of a customer whose load failed late.
TEST_P(CustomerLoadFailure, ClearedAddressIsReportedToTheHost) {
    ControlHarness h(engine());
    h.sql().failWhenContains = "Währungen";
    h.typeNumber("10001");
    const QStringList events = h.events();
    ASSERT_GE(events.size(), 3) << events.join(" ").toStdString();
    EXPECT_TRUE(events.at(events.size() - 3).startsWith("Waehrungchange("));
    EXPECT_EQ(events.at(events.size() - 2), "Change");
    EXPECT_EQ(events.last(), "ChangeKundenrabatt(0)");
    EXPECT_EQ(h.control().GetNummer(), "");
    // The gate is open again: a user edit is reported.
    h.clearRecords();
    h.sql().failWhenContains.clear();
    h.typeNumber("10001");
    EXPECT_EQ(h.control().GetBez1(), "Müller Haustechnik GmbH");
}

namespace {

// A picture library whose pictures tell their numbers apart by colour.
class ColouredPictures : public QtResourceLibrary {
public:
    QIcon Bild(int number) override {
        QPixmap p(16, 16);
        p.fill(number == 234 ? Qt::red : number == 235 ? Qt::green : Qt::blue);
        return QIcon(p);
    }
};

QRgb centre(const QIcon& icon) { return icon.pixmap(16, 16).toImage().pixel(8, 8); }

} // namespace

TEST(ButtonPictures, HostPicturesTakeEffectWhenTheServicesAreSet) {
    ControlHarness h;
    Services services;
    services.resources = std::make_shared<ColouredPictures>();
    h.setServices(services);
    auto* up = h.control().findChild<QLabel*>("img_ButtonUp");
    auto* down = h.control().findChild<QLabel*>("img_ButtonDown");
    EXPECT_EQ(up->pixmap().toImage().pixel(4, 4), QColor(Qt::green).rgb());
    EXPECT_EQ(down->pixmap().toImage().pixel(4, 4), QColor(Qt::red).rgb());
    for (const char* name : {"btnKunde", "btnRechan_1"})
        EXPECT_EQ(centre(h.control().findChild<QToolButton*>(name)->icon()),
                  QColor(Qt::green).rgb())
            << name;
}
