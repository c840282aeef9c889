#pragma once
// A small world for the plan file tests: two Seattle airports, a VOR/DME, an NDB, the two nav aids
// called OLM (Washington and Ecuador) and the pilot's user waypoints, one of them named like an
// airport.

#include "core/navdata/NavDatabase.h"
#include "core/navdata/NavTestData.h"
#include "core/navdata/UserWaypointStore.h"
#include "core/planning/FlightPlanComputation.h"
#include "core/planning/RoutePlaces.h"

class ExchangeFixture : public ::testing::Test {
protected:
    void SetUp() override {
        NavDataSet data;
        data.airports = {Seattle(), PlacedAirport("KBFI", "BOEING FIELD/KING CO", 171108, 440287)};
        data.navAids = SharedIdentNavAids();
        data.navAids.append(Aid("SEA", kNavAidVorDme, "Seattle", 170767, 440316));
        data.navAids.append(Aid("BF", kNavAidNdb, "Boeing", 171200, 440300));
        ASSERT_TRUE(nav_.LoadNavData(WriteNavFile(folder_, NavBytes(data))).ok());
        ASSERT_TRUE(waypoints_.AddUserWaypoint({"HOME", "Home strip", 171500, 439000, -16}).ok());
        ASSERT_TRUE(waypoints_.AddUserWaypoint({"KBFI", "Not Boeing", 160000, 430000, 0}).ok());
    }

    static NavAid Aid(const char* ident, int32_t type, const char* name, int32_t lat, int32_t lon) {
        NavAid aid = TestNavAid(QString::fromLatin1(ident), type, QString::fromLatin1(name));
        aid.record.latitude = lat;
        aid.record.longitude = lon;
        aid.record.variation = -16.0f;
        return aid;
    }

    FlightPlan Plan(const QString& route, const QVector<PlacePick>& picks = {}) {
        const PlanInputs inputs{"C172", "100", route, "0", "0", false};
        const Outcome<PlanComputation> plan =
            ComputeFlightPlan(inputs, 10, RoutePlaces(&waypoints_, &nav_, picks));
        EXPECT_TRUE(plan.ok()) << route.toStdString();
        return plan.ok() ? plan->plan : FlightPlan();
    }

    TempFolder folder_;
    NavDatabase nav_;
    UserWaypointStore waypoints_{folder_.File("waypoints.db"), QString()};
};
