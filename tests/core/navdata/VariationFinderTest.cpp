// The nearest-variation search against a plain scan of every point: its bands, longitude windows
// and straight-line shortcut must never change which point is nearest.
#include "core/navdata/VariationFinder.h"
#include "core/navdata/GreatCircle.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <optional>

namespace {

constexpr double kRangeNm = 100.0;

// Every point, the nearest within range by the great-circle angle; at the same angle the later of
// the points in ascending latitude (those listed apart here).
std::optional<float> NearestByScan(const std::vector<VariationFinder::Point>& points,
                                   double latitude, double longitude) {
    const double maxAngle = kRangeNm / 3437.746770784943;
    std::optional<float> best;
    double bestAngle = maxAngle;
    double bestLatitude = 0.0;
    for (const VariationFinder::Point& p : points) {
        const double angle = GreatCircleAngle(latitude, longitude, p.latitude, p.longitude);
        if (angle < bestAngle || (angle == bestAngle && (!best || p.latitude > bestLatitude))) {
            bestAngle = angle;
            best = p.variation;
            bestLatitude = p.latitude;
        }
    }
    return best;
}

TEST(VariationFinder, PlacesThatCrossBandsAndTheDateLine) {
    const std::vector<VariationFinder::Point> points = {
        {47.50, -122.30, 15.5f}, {47.49, -122.31, 15.0f}, // two near Seattle
        {10.00, 179.95, 1.0f},   {10.00, -179.60, 2.0f},  // either side of the date line
        {89.50, 0.0, 3.0f},      {89.40, 179.0, 4.0f},    // round the pole
        {-0.01, 0.0, 5.0f},      {0.99, 1.0, 6.0f},       // band edges
        {95.0, 10.0, 7.0f},      {20.0, 200.0, 8.0f},     // off the map
    };
    const VariationFinder finder(points, kRangeNm);
    struct Case {
        double latitude, longitude;
        std::optional<float> expected;
    } cases[] = {
        {47.492, -122.308, 15.0f}, // the second is a little nearer
        {10.0, -179.99, 1.0f},     // across the date line, 2.4 NM away
        {10.0, 179.70, 1.0f},      // 15 NM west of the line, 32 NM east of it
        {89.9, 90.0, 3.0f},        // over the pole: longitudes far apart
        {0.0, 0.0, 5.0f},          // a point 0.6 NM south, in the band below
        {1.0, 1.0, 6.0f},          {30.0, 30.0, std::nullopt}, // nothing within 100 NM
        {20.0, -160.0, 8.0f},                                  // 200 east is 160 west
        {94.0, 10.0, 7.0f}, // a query off the map finds points off it
    };
    for (const Case& c : cases) {
        EXPECT_EQ(finder.Nearest(c.latitude, c.longitude), c.expected)
            << c.latitude << " " << c.longitude;
        EXPECT_EQ(NearestByScan(points, c.latitude, c.longitude), c.expected)
            << c.latitude << " " << c.longitude;
    }
}

TEST(VariationFinder, AgreesWithAScanOfEveryPoint) {
    QRandomGenerator random(1234);
    const auto uniform = [&](double low, double high) {
        return low + (high - low) * random.generateDouble();
    };
    std::vector<VariationFinder::Point> points;
    for (int i = 0; i < 2000; ++i) {
        const double latitude = uniform(-90, 90);
        const double longitude = uniform(-180, 180);
        points.push_back({latitude, longitude, static_cast<float>(i)});
        if (i % 10 == 0) // a second point at the same place
            points.push_back({latitude, longitude, static_cast<float>(-i)});
    }
    const VariationFinder finder(points, kRangeNm);
    int found = 0;
    for (int i = 0; i < 2000; ++i) {
        const double latitude = uniform(-90, 90);
        const double longitude = uniform(-180, 180);
        const std::optional<float> nearest = finder.Nearest(latitude, longitude);
        const std::optional<float> expected = NearestByScan(points, latitude, longitude);
        const bool pair = expected && *expected != 0 && static_cast<int>(*expected) % 10 == 0;
        if (pair) // either point of a pair at one place
            EXPECT_TRUE(nearest == expected || nearest == -*expected) << latitude;
        else
            EXPECT_EQ(nearest, expected) << latitude << " " << longitude;
        found += nearest.has_value();
    }
    EXPECT_GT(found, 100); // the scan found points, so the comparison compared something
}

} // namespace
