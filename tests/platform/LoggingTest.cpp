// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

// What the control writes into Qt's log: a failure it swallows leaves a
// warning with the place and the error's text, statements are debug lines that
// stay off until a host turns their category on, and customer data never
// appears above debug level.
#include "support/ControlHarness.h"
#include <QLoggingCategory>
#include <QMutex>
#include <functional>
#include <gtest/gtest.h>

using namespace belegadressen;

namespace {

struct Line {
    QtMsgType type;
    QString category;
    QString text;
};

// Collects what is logged while it lives; Qt's rules are reset afterwards.
class LogCapture {
public:
    LogCapture() {
        sLines.clear();
        mPrevious = qInstallMessageHandler(&LogCapture::collect);
    }
    ~LogCapture() {
        qInstallMessageHandler(mPrevious);
        QLoggingCategory::setFilterRules(QString());
    }
    std::vector<Line> lines(const QString& categoryPrefix) const {
        std::vector<Line> out;
        for (const Line& l : sLines)
            if (l.category.startsWith(categoryPrefix)) out.push_back(l);
        return out;
    }

private:
    static void collect(QtMsgType type, const QMessageLogContext& context, const QString& text) {
        sLines.push_back({type, QString::fromUtf8(context.category), text});
    }
    static inline std::vector<Line> sLines;
    QtMessageHandler mPrevious = nullptr;
};

struct Swallowed {
    const char* name;
    const char* failingTable;                         // statements naming it fail
    std::function<void(batest::ControlHarness&)> act; // what the user or host does
    const char* category;
    const char* place;    // the file that swallowed it
    const char* alsoSays; // what the warning names
};

class SwallowedFailure : public ::testing::TestWithParam<Swallowed> {};

} // namespace

TEST_P(SwallowedFailure, LeavesAWarningWithPlaceAndErrorText) {
    const Swallowed& c = GetParam();
    batest::ControlHarness h;
    h.sql().failWhenContains = QString::fromUtf8(c.failingTable);
    LogCapture log;
    c.act(h);

    const auto warnings = log.lines(QStringLiteral("belegadressen."));
    const auto found = std::find_if(warnings.begin(), warnings.end(), [&](const Line& l) {
        return l.type == QtWarningMsg && l.category == QLatin1String(c.category) &&
               l.text.contains(QLatin1String(c.place)) &&
               l.text.contains(QStringLiteral("server closed the connection unexpectedly")) &&
               l.text.contains(QString::fromUtf8(c.alsoSays));
    });
    QStringList all;
    for (const Line& l : warnings)
        all << l.category + QStringLiteral(": ") + l.text;
    EXPECT_NE(found, warnings.end()) << all.join('\n').toStdString();
    // The customer's number and name are customer data: never at warning level.
    for (const Line& l : warnings) {
        EXPECT_FALSE(l.text.contains(QStringLiteral("10001")) ||
                     l.text.contains(QStringLiteral("Zürcher")))
            << l.text.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Logging, SwallowedFailure,
    ::testing::Values(
        // A reader tells the user only its name; the log has the cause.
        Swallowed{"ReaderFailure", "Kundenstamm",
                  [](batest::ControlHarness& h) { h.typeNumber(QStringLiteral("10001")); },
                  "belegadressen.load", "CustomerReader.cpp", "LeseKunde"},
        // A drop target answers 0 without a message.
        Swallowed{
            "DropTarget", "Währungen",
            [](batest::ControlHarness& h) { h.control().fktDragNummer(QStringLiteral("10002")); },
            "belegadressen.load", "CustomerLoad.cpp", "answered 0"},
        // An accessor skips the technician's name it cannot read.
        Swallowed{
            "SkippedStep", "Personalstamm",
            [](batest::ControlHarness& h) { h.control().AddWartMonteur(QStringLiteral("M1")); },
            "belegadressen.control", "Accessors.cpp", "skipped a failing step"}),
    [](const ::testing::TestParamInfo<Swallowed>& info) { return std::string(info.param.name); });

TEST(Logging, StatementsAreDebugLinesThatStayOffUntilTurnedOn) {
    batest::ControlHarness h;
    {
        LogCapture log;
        h.control().fktDragNummer(QStringLiteral("10001"));
        EXPECT_TRUE(log.lines(QStringLiteral("belegadressen.sql")).empty());
    }
    LogCapture log;
    QLoggingCategory::setFilterRules(QStringLiteral("belegadressen.sql.debug=true"));
    h.control().fktDragNummer(QStringLiteral("10002"));
    const auto lines = log.lines(QStringLiteral("belegadressen.sql"));
    const auto select = std::find_if(lines.begin(), lines.end(), [](const Line& l) {
        return l.type == QtDebugMsg && l.text.contains(QStringLiteral(" ms: select ")) &&
               l.text.contains(QStringLiteral("'10002'"));
    });
    EXPECT_NE(select, lines.end());
}
