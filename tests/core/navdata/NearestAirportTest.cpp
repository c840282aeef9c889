#include "NavTestData.h"

#include "core/navdata/NavDatabase.h"

namespace {

constexpr double kSecondsPerNm = 60.0; // one nautical mile of latitude is one minute of arc

// Airports around Seattle, and two on either side of the 180th meridian.
NavDataSet NearbyData() {
    NavDataSet data;
    data.description = QStringLiteral("Nearest");
    data.airports = {Seattle(), PlacedAirport("KBFI", "BOEING FIELD", 170824 + 8 * 60, 440158),
                     PlacedAirport("NDLW", "DATE LINE WEST", 0, 647964),     // 179:59:24 W
                     PlacedAirport("NDLE", "DATE LINE EAST", 600, -647880)}; // 179:58:00 E
    return data;
}

TEST(NearestAirport, WithinTheDistanceOnly) {
    TempFolder folder;
    NavDatabase db;
    ASSERT_TRUE(db.LoadNavData(WriteNavFile(folder, NavBytes(NearbyData()))));
    const double seaLat = 170824 / 3600.0, seaLon = 440158 / 3600.0;
    const struct {
        const char* what;
        double latitude, longitude; // degrees, longitude positive west
        const char* ident;          // "" = none within 5 nm
        double nm;
    } cases[] = {
        {"on the airport", seaLat, seaLon, "KSEA", 0.0},
        {"3 nm north: the nearer of two", seaLat + 3 * kSecondsPerNm / 3600, seaLon, "KSEA", 3.0},
        {"5 nm north of KBFI still counts", seaLat + 13 * kSecondsPerNm / 3600, seaLon, "KBFI",
         5.0},
        {"5.1 nm north of KBFI is too far", seaLat + 13.1 * kSecondsPerNm / 3600, seaLon, "", 0},
        {"south of KSEA, nothing nearer beyond", seaLat - 4.5 * kSecondsPerNm / 3600, seaLon,
         "KSEA", 4.5},
        {"across the 180th meridian", 0.0, -179.99, "NDLW", 1.2},
        {"the eastern side", 10.0 / 60, -179.97, "NDLE", 0.2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::optional<NearbyAirport> found = db.NearestAirport(c.latitude, c.longitude, 5.0);
        if (*c.ident == '\0') {
            EXPECT_FALSE(found.has_value());
            continue;
        }
        ASSERT_TRUE(found.has_value());
        EXPECT_EQ(found->ident, QString::fromLatin1(c.ident));
        EXPECT_NEAR(found->nauticalMiles, c.nm, 0.05);
        EXPECT_FALSE(found->name.isEmpty());
    }
}

TEST(NearestAirport, NothingWithoutAFileOrAfterAFailedLoad) {
    TempFolder folder;
    NavDatabase db;
    EXPECT_FALSE(db.NearestAirport(47.45, 122.3, 5.0).has_value());
    ASSERT_TRUE(db.LoadNavData(WriteNavFile(folder, NavBytes(NearbyData()))));
    ASSERT_TRUE(db.NearestAirport(47.45, 122.3, 5.0).has_value());
    EXPECT_FALSE(db.LoadNavData(folder.File(QStringLiteral("missing.nav"))));
    EXPECT_FALSE(db.NearestAirport(47.45, 122.3, 5.0).has_value()); // the old index is gone
}

} // namespace
