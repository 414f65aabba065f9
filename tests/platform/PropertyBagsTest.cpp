#include "platform/PropertyBags.h"
#include <QFont>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace belegadressen;

namespace {

TEST(PropertyBagsTest, DefaultsAreOmittedAndAnsweredForMissingKeys) {
    MemoryPropertyBag bag;
    bag.WriteProperty(QStringLiteral("MitPostfach"), false, false);
    bag.WriteProperty(QStringLiteral("AnzAdresse"), 3, 5);
    bag.WriteProperty(QStringLiteral("FürBeleg"), true, false);
    EXPECT_EQ(bag.keys(), (QStringList{QStringLiteral("AnzAdresse"), QStringLiteral("FürBeleg")}));
    EXPECT_EQ(bag.ReadProperty(QStringLiteral("MitPostfach"), true), QVariant(true));
    EXPECT_EQ(bag.ReadProperty(QStringLiteral("AnzAdresse"), 5), QVariant(3));
    // Writing the default again removes an earlier value.
    bag.WriteProperty(QStringLiteral("AnzAdresse"), 5, 5);
    EXPECT_FALSE(bag.contains(QStringLiteral("AnzAdresse")));
    EXPECT_EQ(bag.ReadProperty(QStringLiteral("AnzAdresse"), 5), QVariant(5));
}

TEST(PropertyBagsTest, JsonFileRoundTripsTypedValues) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("form.json"));
    QFont font(QStringLiteral("Sans Serif"), 11);
    font.setBold(true);

    JsonPropertyBag written;
    written.WriteProperty(QStringLiteral("MitFußtext"), true, false);
    written.WriteProperty(QStringLiteral("AnzAdresse"), qint16(3), qint16(5));
    written.WriteProperty(QStringLiteral("BackColor"), qint32(-2147483633), qint32(0));
    written.WriteProperty(QStringLiteral("Kurs"), 1.0845, 0.0);
    written.WriteProperty(QStringLiteral("Caption"), QStringLiteral("Straße 'A'"), QString());
    written.WriteProperty(QStringLiteral("Font"), font, QFont());
    ASSERT_TRUE(written.save(path));

    JsonPropertyBag read;
    ASSERT_TRUE(read.load(path));
    EXPECT_EQ(read.count(), 6);
    EXPECT_EQ(read.ReadProperty(QStringLiteral("MitFußtext"), false), QVariant(true));
    const QVariant count =
        read.ReadProperty(QStringLiteral("AnzAdresse"), QVariant::fromValue<qint16>(5));
    EXPECT_EQ(count.typeId(), QMetaType::Short);
    EXPECT_EQ(count.toInt(), 3);
    EXPECT_EQ(read.ReadProperty(QStringLiteral("BackColor"), qint32(0)),
              QVariant(qint32(-2147483633)));
    EXPECT_DOUBLE_EQ(read.ReadProperty(QStringLiteral("Kurs"), 0.0).toDouble(), 1.0845);
    EXPECT_EQ(read.ReadProperty(QStringLiteral("Caption"), QString()),
              QVariant(QStringLiteral("Straße 'A'")));
    const QVariant readFont = read.ReadProperty(QStringLiteral("Font"), QFont());
    ASSERT_EQ(readFont.typeId(), QMetaType::QFont);
    EXPECT_EQ(readFont.value<QFont>(), font);
    EXPECT_EQ(read.ReadProperty(QStringLiteral("MitPostfach"), false), QVariant(false));

    JsonPropertyBag missing;
    EXPECT_FALSE(missing.load(dir.filePath(QStringLiteral("fehlt.json"))));
    EXPECT_EQ(missing.count(), 0);
}

} // namespace
