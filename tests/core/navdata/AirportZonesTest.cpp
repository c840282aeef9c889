// Airports' UTC offsets: the zone table reader, the regions that decide a zone, the standard
// offsets in whole hours, and the check list of airports near zone borders over the world file
// the build makes.
#include "NavTestData.h"

#include "core/navdata/CsvReader.h"
#include "core/navdata/NavDatabase.h"
#include "core/navdata/OurAirportsImport.h"
#include "core/navdata/RegionZones.h"
#include "core/navdata/UtcOffsetFinder.h"
#include "core/navdata/ZoneTable.h"

#include <QFile>
#include <QTimeZone>

#include <map>
#include <set>

namespace {

TEST(ZoneTable, ReadsRowsAndRefusesDamagedLines) {
    const QByteArray good = "# comment\n"
                            "AD\t+4230+00131\tEurope/Andorra\n"
                            "US\t+404251-0740023\tAmerica/New_York\tEastern (most areas)\r\n"
                            "\n"
                            "AE,OM\t-2518-05518\tAsia/Dubai\tCrozet";
    const Outcome<std::vector<ZoneTableRow>> rows = ParseZoneTable(good, "zone1970.tab");
    ASSERT_TRUE(rows.ok()) << rows.error().text.toStdString();
    ASSERT_EQ(rows->size(), 3u);
    EXPECT_NEAR(rows.value()[1].latitude, 40 + 42 / 60.0 + 51 / 3600.0, 1e-9);
    EXPECT_NEAR(rows.value()[1].longitude, -(74 + 0 / 60.0 + 23 / 3600.0), 1e-9);
    EXPECT_EQ(rows.value()[1].zone, "America/New_York");
    EXPECT_EQ(rows.value()[2].countries, (std::vector<std::string>{"AE", "OM"}));
    EXPECT_DOUBLE_EQ(rows.value()[2].latitude, -(25 + 18 / 60.0));

    struct Case {
        const char* what;
        QByteArray text;
        const char* message;
    } cases[] = {
        {"two columns", "AD\t+4230+00131\n", "Error:\nt is damaged at line 1."},
        {"minutes past 59", "#\nAD\t+4260+00131\tEurope/Andorra\n",
         "Error:\nt is damaged at line 2."},
        {"latitude past 90", "AD\t+9130+00131\tX/Y\n", "Error:\nt is damaged at line 1."},
        {"odd digits", "AD\t+423+00131\tX/Y\n", "Error:\nt is damaged at line 1."},
        {"lower-case country", "ad\t+4230+00131\tX/Y\n", "Error:\nt is damaged at line 1."},
        {"space in the name", "AD\t+4230+00131\tX Y\n", "Error:\nt is damaged at line 1."},
        {"only comments", "# nothing\n\n", "Error:\nt lists no time zone."},
    };
    for (const Case& c : cases) {
        const Outcome<std::vector<ZoneTableRow>> damaged = ParseZoneTable(c.text, "t");
        ASSERT_FALSE(damaged.ok()) << c.what;
        EXPECT_EQ(damaged.error().text.toStdString(), c.message) << c.what;
    }
}

TEST(RegionZones, LinesSplitRegionsOnlyAlongThem) {
    struct Case {
        const char* region;
        double latitude, longitude;
        const char* zone; // nullptr: the region does not decide
    } cases[] = {
        {"US-AK", 51.88, -176.65, "America/Adak"},      // Adak
        {"US-AK", 52.71, 174.11, "America/Adak"},       // Shemya, east longitude
        {"US-AK", 57.17, -170.22, "America/Anchorage"}, // St. Paul Island, north of the line
        {"US-ID", 46.37, -117.02, "America/Los_Angeles"},
        {"US-ID", 43.56, -116.22, "America/Boise"},
        {"US-TX", 31.81, -106.38, "America/Denver"},
        {"US-TX", 35.22, -101.71, "America/Chicago"},
        {"MX-CHH", 31.64, -106.43, "America/Ciudad_Juarez"},
        {"MX-CHH", 28.70, -105.96, "America/Chihuahua"},
        {"CA-NL", 53.32, -60.43, "America/Goose_Bay"},
        {"CA-NL", 51.39, -56.08, "America/St_Johns"},
        {"US-PR", 18.44, -66.00, nullptr}, // a country of its own
        {"RU-SA", 62.09, 129.77, nullptr}, // three zones: the nearest place decides
    };
    for (const Case& c : cases) {
        const char* zone = RegionZone(c.region, c.latitude, c.longitude);
        EXPECT_EQ(zone == nullptr ? std::string("none") : std::string(zone),
                  c.zone == nullptr ? std::string("none") : std::string(c.zone))
            << c.region << " " << c.latitude << " " << c.longitude;
    }
}

// A zone renamed in the database would silently fall back to the nearest place.
TEST(RegionZones, EveryZoneIsInTheSystemDatabase) {
    const Outcome<std::vector<ZoneTableRow>> rows = ReadZoneTable(SystemZoneTablePath());
    ASSERT_TRUE(rows.ok()) << rows.error().text.toStdString();
    std::set<QByteArray> listed;
    for (const ZoneTableRow& row : rows.value())
        listed.insert(row.zone);
    for (const char* zone : RegionZoneNames()) {
        EXPECT_TRUE(listed.count(zone) > 0) << zone;
        EXPECT_TRUE(QTimeZone(zone).isValid()) << zone;
    }
}

TEST(UtcOffsetFinder, StandardOffsetsInWholeHours) {
    Outcome<std::vector<ZoneTableRow>> rows = ReadZoneTable(SystemZoneTablePath());
    ASSERT_TRUE(rows.ok()) << rows.error().text.toStdString();
    UtcOffsetFinder finder(std::move(rows).value(), QDate(2026, 7, 1)); // northern summer
    struct Case {
        const char* what;
        const char* country;
        const char* region;
        double latitude, longitude;
        int hours;
    } cases[] = {
        {"summer time left out", "US", "US-WA", 47.45, -122.31, -8},
        {"southern summer left out", "AU", "AU-NSW", -33.95, 151.18, 10},
        {"India, +5:30", "IN", "IN-DL", 28.57, 77.10, 0},
        {"Newfoundland, -3:30", "CA", "CA-NL", 47.62, -52.75, 0},
        {"nearest place: Canary Islands", "ES", "ES-CN", 28.04, -16.57, 0},
        {"nearest place: Madrid", "ES", "ES-M", 40.47, -3.56, 1},
        {"a country without a zone", "XX", "XX-1", 10.0, 10.0, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(finder.StandardHours(c.country, c.region, c.latitude, c.longitude), c.hours)
            << c.what;
}

TEST(UtcOffsetFinder, MissingTableLeavesOffsetsNotGiven) {
    TempFolder folder;
    OurAirportsOptions options;
    options.folder = QStringLiteral(NAVDATA_FIXTURE_DIR);
    options.description = QStringLiteral("Test data");
    OurAirportsSummary summary;
    options.zoneTable = folder.File("zone1970.tab");
    const Outcome<NavDataSet> without = ImportOurAirports(options, &summary);
    ASSERT_TRUE(without.ok());
    EXPECT_TRUE(summary.zoneProblem.startsWith("Error:\nUnable to read "))
        << summary.zoneProblem.toStdString();
    EXPECT_EQ(summary.utcOffsets, 0);
    options.zoneTable = SystemZoneTablePath();
    const Outcome<NavDataSet> with = ImportOurAirports(options, &summary);
    ASSERT_TRUE(with.ok());
    EXPECT_EQ(summary.zoneProblem, "");
    EXPECT_EQ(summary.utcOffsets, summary.airports);
    const std::map<QString, int> expected = {{"KAAA", -8}, {"YSSY", 10}, {"LFPG", 1}};
    for (const AirportDetails& a : with->airports) {
        const auto found = expected.find(a.record.key.Text());
        if (found != expected.end()) {
            EXPECT_EQ(a.record.utcOffset, found->second) << found->first.toStdString();
        }
    }
}

// The check list over the world file: the share of airports whose offset matches.
TEST(AirportZones, CheckListOverTheWorldFile) {
    QFile list(QStringLiteral(ZONE_CHECK_FILE));
    ASSERT_TRUE(list.open(QIODevice::ReadOnly));
    NavDatabase world;
    ASSERT_TRUE(world.LoadNavData(QStringLiteral(WORLD_NAV_FILE)).ok());
    CsvReader reader(list.readAll());
    int airports = 0;
    int hits = 0;
    QStringList misses;
    while (reader.Next()) {
        if (reader.Field(0).startsWith('#') || reader.Field(0).isEmpty())
            continue;
        const QStringList row = reader.Texts();
        ++airports;
        AirportRecord record;
        QString name;
        ASSERT_TRUE(world.GetAirportSummary(row[0], &record, &name)) << row[0].toStdString();
        if (record.utcOffset == row[1].toInt())
            ++hits;
        else
            misses << QStringLiteral("%1 %2 (%3): %4")
                          .arg(row[0], row[3], row[1])
                          .arg(record.utcOffset);
    }
    EXPECT_EQ(airports, 100);
    EXPECT_GE(hits, 97) << misses.join(QLatin1String("; ")).toStdString();
    std::printf("%d of %d airports near zone borders have their zone's offset; misses: %s\n", hits,
                airports, qPrintable(misses.join(QLatin1String("; "))));
}

} // namespace
