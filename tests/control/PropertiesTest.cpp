// The design-time properties through a property store.
#include "platform/PropertyBags.h"
#include "support/ControlHarness.h"
#include <QSignalSpy>
#include <gtest/gtest.h>

using belegadressen::BelegAdressen;
using belegadressen::MemoryPropertyBag;

namespace {

TEST(Properties, DefaultsAreOmittedAndMissingKeysReadAsDefaults) {
    BelegAdressen w;
    MemoryPropertyBag bag;
    w.WriteProperties(bag);
    EXPECT_EQ(bag.count(), 0) << bag.keys().join(",").toStdString();

    BelegAdressen fresh;
    fresh.ReadProperties(bag);
    EXPECT_EQ(std::tuple(fresh.AnzAdresse(), fresh.AktAdresse(), fresh.MitPostfach()),
              std::tuple(5, 0, false));
    fresh.setAktAdresse(5);
    EXPECT_EQ(fresh.GetMwstKnz(), "0");
}

TEST(Properties, RoundTripUnderTheOriginalKeys) {
    BelegAdressen w;
    w.setBackColor(255);
    w.setAnzAdresse(3);
    w.setAktAdresse(2);
    w.setMitFusstext(true);
    w.setFuerBeleg(true);
    w.setMitWartung(true);
    w.setMitPostfach(true);
    MemoryPropertyBag bag;
    w.WriteProperties(bag);
    EXPECT_EQ(
        std::tuple(bag.value("MitFußtext"), bag.value("FürBeleg"), bag.contains("MitKopftext")),
        std::tuple(QVariant(true), QVariant(true), false));

    BelegAdressen r;
    QSignalSpy changed(&r, &BelegAdressen::PropertyChanged);
    r.ReadProperties(bag);
    EXPECT_EQ(changed.count(), 0); // reading is no change of the host's
    EXPECT_EQ(std::tuple(r.BackColor(), r.AnzAdresse(), r.AktAdresse(), r.MitFusstext(),
                         r.FuerBeleg(), r.MitWartung(), r.MitPostfach()),
              std::tuple(255, 3, 2, true, true, true, true));
    // Flags are read into variables only; fields show once the host runs the let member.
    EXPECT_TRUE(r.findChild<QWidget*>("txtDPostfach")->isHidden());
    r.setMitPostfach(r.MitPostfach());
    EXPECT_FALSE(r.findChild<QWidget*>("txtDPostfach")->isHidden());
}

// A store that fails on one key.
class FailingBag : public MemoryPropertyBag {
public:
    QString failing;
    QVariant ReadProperty(const QString& key, const QVariant& def) override {
        if (key == failing) throw std::runtime_error("Lesefehler");
        return MemoryPropertyBag::ReadProperty(key, def);
    }
    void WriteProperty(const QString& key, const QVariant& v, const QVariant& def) override {
        if (key == failing) throw std::runtime_error("Schreibfehler");
        MemoryPropertyBag::WriteProperty(key, v, def);
    }
};

TEST(Properties, AReadErrorReachesTheHostAWriteErrorSkipsTheKey) {
    BelegAdressen w;
    w.setMitPostfach(true);
    w.setAnzAdresse(4);
    FailingBag bag;
    bag.failing = "AnzAdresse";
    EXPECT_NO_THROW(w.WriteProperties(bag));
    EXPECT_FALSE(bag.contains("AnzAdresse"));
    EXPECT_EQ(bag.value("MitPostfach"), QVariant(true));
    EXPECT_THROW(w.ReadProperties(bag), std::runtime_error);
}

TEST(Properties, StoredLetsReportTheirChangeUnderTheirOwnName) {
    BelegAdressen w;
    QStringList names;
    QObject::connect(&w, &BelegAdressen::PropertyChanged, [&](const QString& n) { names << n; });
    w.setForeColor(1);
    w.setMitFusstext(true);
    w.setFuerBeleg(true);
    w.setAnzAdresse(2);
    w.setAktAdresse(1);
    w.setMitKundenaktualisierung(true);
    EXPECT_EQ(names,
              QStringList({"ForeColor", "MitFußtext", "FürBeleg", "AnzAdresse", "AktAdresse"}));
}

} // namespace
