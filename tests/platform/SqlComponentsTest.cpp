#include "platform/SqlCostAssignment.h"
#include "support/RecordingConnection.h"
#include "support/RecordingServices.h"
#include "support/TestDatabase.h"

using namespace belegadressen;
using namespace batest;

namespace {

TEST(SqlCostAssignmentTest, FindsCentreAndUnitById) {
    SqliteDb db;
    db.exec(QStringLiteral("create table Kostenzuordnung (KostID integer, Kostenstelle text, "
                           "Kostentraeger text)"));
    db.exec(QStringLiteral("insert into Kostenzuordnung values (5, 'KST 100', 'KTR 7'), "
                           "(6, NULL, 'KTR 8')"));
    auto recorder = std::make_shared<RecordingConnection>(db.connection());
    SqlCostAssignment costs;
    EXPECT_FALSE(costs.Suche(5)); // not initialised yet
    costs.Init(recorder);

    EXPECT_TRUE(costs.Suche(6));
    EXPECT_EQ(costs.Kostenstelle() + "|" + costs.Kostentraeger(), "|KTR 8");
    EXPECT_FALSE(costs.Suche(9));
    EXPECT_EQ(costs.Kostentraeger(), QString());
    EXPECT_EQ(recorder->statements.last(),
              QStringLiteral("Select Kostenstelle, Kostentraeger from Kostenzuordnung where "
                             "KostID = '9'"));
}

} // namespace
