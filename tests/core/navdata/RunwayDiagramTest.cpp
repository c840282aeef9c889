// The runway diagram's geometry: one scale for both axes, north up, signed positions relative to
// the airport reference point, pen widths and label placement.
#include "NavTestData.h"

#include "core/navdata/GreatCircle.h"
#include "core/navdata/RunwayDiagram.h"

#include <cmath>

namespace {

constexpr QSize kArea(240, 200);

RunwayRecord Runway(const char* end1, const char* end2, double lat1, double lon1, double lat2,
                    double lon2, int width = 150) {
    auto seconds = [](double degrees) { return static_cast<int32_t>(std::lround(degrees * 3600)); };
    return {end1, end2, seconds(lat1), seconds(lat2), seconds(lon1), seconds(lon2), 10000, width};
}

AirportRecord Airport(double lat, double lon) {
    AirportRecord r;
    r.key = Key("TEST");
    r.latitude = static_cast<int32_t>(std::lround(lat * 3600));
    r.longitude = static_cast<int32_t>(std::lround(lon * 3600));
    return r;
}

// The direction of a drawn line in degrees clockwise from up (north), 0 to 180.
double DrawnDirection(const DiagramRunway& r) {
    const double dx = r.end2.x() - r.end1.x();
    const double dy = r.end1.y() - r.end2.y(); // screen y grows downwards
    return std::fmod(std::atan2(dx, dy) * 180.0 / M_PI + 360.0, 180.0);
}

double TrueDirection(const RunwayRecord& r) {
    return std::fmod(GreatCircleTrack(r.latitude1 / 3600.0, r.longitude1 / 3600.0,
                                      r.latitude2 / 3600.0, r.longitude2 / 3600.0),
                     180.0);
}

TEST(RunwayDiagram, CrossingAnglesAreTrue) {
    // A 45° crossing at 60° north, where two scales would widen it a lot; and the same crossing
    // on the equator and the prime meridian, whose ends lie on both sides.
    struct Case {
        double lat, lon;
    } cases[] = {{60.0, -10.0}, {-0.002, 0.002}, {47.45, 122.3}};
    for (const Case& c : cases) {
        const double d = 0.01;
        const double k = std::cos(c.lat * M_PI / 180.0);
        const QVector<RunwayRecord> runways{
            Runway("09", "27", c.lat, c.lon + d / k, c.lat, c.lon - d / k),
            Runway("04", "22", c.lat - d, c.lon + d / k, c.lat + d, c.lon - d / k)};
        const RunwayDiagramLayout layout =
            LayOutRunwayDiagram(Airport(c.lat, c.lon), runways, kArea);
        ASSERT_TRUE(layout.available);
        ASSERT_EQ(layout.runways.size(), 2);
        double drawn =
            std::fabs(DrawnDirection(layout.runways[1]) - DrawnDirection(layout.runways[0]));
        double truth = std::fabs(TrueDirection(runways[1]) - TrueDirection(runways[0]));
        EXPECT_NEAR(drawn, truth, 2.0) << c.lat << ',' << c.lon;
        EXPECT_NEAR(DrawnDirection(layout.runways[0]), 90.0, 1.0); // east-west is level
        EXPECT_NEAR(drawn, 45.0, 2.0);
    }
}

TEST(RunwayDiagram, NorthUpWestLeftInEveryHemisphere) {
    for (double lat : {-33.9, 47.4}) {
        for (double lon : {-151.2, 122.3}) {
            // End 1 is south-west of end 2.
            const QVector<RunwayRecord> runways{
                Runway("03", "21", lat - 0.01, lon + 0.01, lat + 0.01, lon - 0.01)};
            const RunwayDiagramLayout layout =
                LayOutRunwayDiagram(Airport(lat, lon), runways, kArea);
            const DiagramRunway& r = layout.runways[0];
            EXPECT_GT(r.end1.y(), r.end2.y()) << lat << ',' << lon; // south is drawn lower
            EXPECT_LT(r.end1.x(), r.end2.x()) << lat << ',' << lon; // west is drawn left
        }
    }
}

TEST(RunwayDiagram, SingleRunwaysFitTheAreaAndAreCentred) {
    // One exactly east-west and one exactly north-south runway: a zero range on one axis.
    const QVector<RunwayRecord> cases[] = {
        {Runway("09", "27", 10.0, 20.01, 10.0, 19.99)},
        {Runway("18", "36", 10.01, 20.0, 9.99, 20.0)},
    };
    for (const QVector<RunwayRecord>& runways : cases) {
        const RunwayDiagramLayout layout = LayOutRunwayDiagram(Airport(10.0, 20.0), runways, kArea);
        ASSERT_TRUE(layout.available);
        const DiagramRunway& r = layout.runways[0];
        for (const QPoint& p : {r.end1, r.end2}) {
            EXPECT_GE(p.x(), kDiagramMargin - 1);
            EXPECT_LE(p.x(), kArea.width() - kDiagramMargin + 1);
            EXPECT_GE(p.y(), kDiagramMargin - 1);
            EXPECT_LE(p.y(), kArea.height() - kDiagramMargin + 1);
        }
        EXPECT_NEAR(layout.reference.x(), kArea.width() / 2, 1);
        EXPECT_NEAR(layout.reference.y(), kArea.height() / 2, 1);
    }
}

TEST(RunwayDiagram, RunwaysWithoutPositionsAreNotDrawn) {
    QVector<RunwayRecord> runways{Runway("09", "27", 10.0, 20.01, 10.0, 19.99),
                                  RunwayRecord{"H1", "", 0, 0, 0, 0, 50, 50}};
    RunwayDiagramLayout layout = LayOutRunwayDiagram(Airport(10.0, 20.0), runways, kArea);
    EXPECT_EQ(layout.runways.size(), 1);
    runways.removeFirst();
    layout = LayOutRunwayDiagram(Airport(10.0, 20.0), runways, kArea);
    EXPECT_FALSE(layout.available);
    EXPECT_FALSE(LayOutRunwayDiagram(Airport(10.0, 20.0), {}, kArea).available);
}

TEST(RunwayDiagram, PenWidthsAndRunwayNumbers) {
    const struct {
        int feet;
        int pen;
    } widths[] = {{150, 4}, {49, 1}, {50, 2}, {0, 1}};
    for (const auto& w : widths)
        EXPECT_EQ(RunwayPenWidth(w.feet), w.pen) << w.feet;
    EXPECT_EQ(RunwayNumber("09L"), 9);
    EXPECT_EQ(RunwayNumber("36"), 36);
    EXPECT_EQ(RunwayNumber("H1"), 0);
}

TEST(RunwayDiagram, LabelOffsetsByRunwayNumber) {
    const QSize text(20, 12);
    const int zero = 6;
    const struct {
        bool first;
        int number;
        QPoint offset;
    } cases[] = {
        {true, 9, {-10, -12}},   {true, 27, {6, -6}},   {true, 30, {0, 0}},
        {true, 34, {-6, 0}},     {false, 3, {-10, 0}},  {false, 9, {-20, -6}},
        {false, 10, {-20, -18}}, {false, 13, {0, -12}}, {false, 27, {-6, -12}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RunwayLabelOffset(c.first, c.number, text, zero), c.offset)
            << c.first << ' ' << c.number;
}

} // namespace
