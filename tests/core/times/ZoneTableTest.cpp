#include "TimesTestSupport.h"

#include "core/common/settings/MemorySettingsStore.h"
#include "core/times/WorldClocks.h"
#include "core/times/ZoneTable.h"

namespace {

TEST(ZoneTable, OrderAndEntries) {
    const auto& table = ZoneTable();
    EXPECT_EQ(table.front().key, 175);
    EXPECT_STREQ(table.front().name, "(GMT+04:30) Kabul");
    EXPECT_EQ(table.back().key, 240);
    EXPECT_STREQ(table.back().name, "(GMT+09:00) Yakutsk");
    const ZoneRule* santiago = FindZone(56);
    ASSERT_NE(santiago, nullptr);
    EXPECT_EQ(santiago->bias, -240);
    EXPECT_EQ(santiago->daylightStart.dayOfWeek, 6);
    EXPECT_EQ(FindZone(0), nullptr);
    EXPECT_EQ(ZoneDayNumber(2006, 1, 1), 0);
    EXPECT_EQ(ZoneDayNumber(2026, 3, 20), 7383);
}

TEST(ZoneTable, FallbackRuleNorthern) {
    // Eastern: first Sunday of April 02 UTC to last Sunday of October 02 UTC, whole hours.
    const struct {
        QDateTime utc;
        int offset;
    } cases[] = {
        {UtcAt(2026, 4, 5, 2, 59), -300}, // the start hour itself is not yet daylight time
        {UtcAt(2026, 4, 5, 3, 0), -240},
        {UtcAt(2026, 3, 20, 12, 0), -300}, // the 2006 rule knows nothing of March
        {UtcAt(2026, 10, 25, 1, 59), -240},
        {UtcAt(2026, 10, 25, 2, 0), -300},
        // October 2026 has four Sundays: the "last" one is the 25th, not a fifth.
        {UtcAt(2026, 10, 31, 12, 0), -300},
        // October 2010 has five: the last is the 31st.
        {UtcAt(2010, 10, 30, 12, 0), -240},
        {UtcAt(2010, 10, 31, 3, 0), -300},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TableZoneOffset(35, c.utc), c.offset) << c.utc.toString().toStdString();
}

TEST(ZoneTable, FallbackRuleSouthernAndNone) {
    EXPECT_FALSE(IsDaylightTime(*FindZone(255), UtcAt(2026, 6, 10, 23, 30)));
    EXPECT_TRUE(IsDaylightTime(*FindZone(255), UtcAt(2026, 1, 10, 0, 0)));
    EXPECT_TRUE(IsDaylightTime(*FindZone(255), UtcAt(2026, 12, 31, 23, 0)));
    EXPECT_FALSE(IsDaylightTime(*FindZone(90), UtcAt(2026, 7, 1, 12, 0)));
    EXPECT_EQ(TableZoneOffset(260, UtcAt(2026, 1, 1, 0, 0)), 600);
    EXPECT_EQ(TableZoneOffset(999, UtcAt(2026, 1, 1, 0, 0)), 0);
}

TEST(ZoneTable, DisplayNamesCarryTodaysStandardOffset) {
    if (!QTimeZone("Asia/Almaty").isValid())
        GTEST_SKIP() << "no time-zone database on this system";
    // The old table said +06:00, -03:00 and +06:00 for the first three; their zones have moved.
    const struct {
        int key;
        const char* name;
    } cases[] = {
        {201, "(GMT+05:00) Almaty, Novosibirsk"},
        {73, "(GMT-02:00) Greenland"},
        {200, "(GMT+05:30) Sri Jayawardenepura"},
        {175, "(GMT+04:30) Kabul"},
        {85, "(GMT) Greenwich Mean Time : Dublin, Edinburgh, Lisbon, London"},
        {90, "(GMT) Casablanca, Monrovia"},
        // Standard time, also while daylight-saving time is in force (July in Sydney is winter,
        // January summer).
        {255, "(GMT+10:00) Canberra, Melbourne, Sydney"},
        {35, "(GMT-05:00) Eastern Time (US & Canada)"},
    };
    for (const auto& c : cases) {
        for (const QDateTime& utc : {UtcAt(2026, 1, 15, 12, 0), UtcAt(2026, 7, 15, 12, 0)})
            EXPECT_EQ(ZoneDisplayName(*FindZone(c.key), utc), QString::fromUtf8(c.name))
                << c.key << " " << utc.toString(Qt::ISODate).toStdString();
    }
}

TEST(ZoneTable, EveryKeyHasASystemZone) {
    if (!QTimeZone("Europe/London").isValid())
        GTEST_SKIP() << "no time-zone database on this system";
    for (const ZoneRule& rule : ZoneTable())
        EXPECT_TRUE(SystemZoneFor(rule.key).isValid()) << rule.key << " " << rule.name;
}

TEST(ZoneTable, OffsetsFromTheSystemDatabase) {
    if (!QTimeZone("America/New_York").isValid())
        GTEST_SKIP() << "no time-zone database on this system";
    const struct {
        int key;
        QDateTime utc;
        int offset;
    } cases[] = {
        {35, UtcAt(2026, 3, 20, 12, 0), -240}, // second Sunday of March since 2007
        {35, UtcAt(2026, 11, 1, 12, 0), -300},
        {255, UtcAt(2026, 6, 10, 23, 30), 600},
        {255, UtcAt(2026, 1, 10, 0, 0), 660},
        {90, UtcAt(2026, 7, 1, 12, 0), 0},
        {85, UtcAt(2026, 7, 1, 12, 0), 60},
        {30, UtcAt(2026, 7, 1, 12, 0), -360}, // Mexico dropped daylight time
        {193, UtcAt(2026, 7, 1, 12, 0), 345},
        {999, UtcAt(2026, 7, 1, 12, 0), 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ZoneOffset(c.key, c.utc), c.offset) << c.key;
}

TEST(WorldClocks, DefaultsAndStoredPlaces) {
    MemorySettingsStore store;
    WorldClocks defaults = WorldClocks::Load(store);
    ASSERT_EQ(defaults.places.size(), 4);
    EXPECT_EQ(defaults.places[0], (WorldClock{"London", 90}));
    EXPECT_EQ(defaults.places[3], (WorldClock{"Sydney", 255}));

    store.WriteText("TimeZone0", "Home=35");
    store.WriteText("TimeZone1", "garbage");
    store.WriteText("TimeZone2", "Ops=Centre=-255");
    store.WriteText("TimeZone3", "");
    store.WriteText("TimeZone4", "Never=4");
    WorldClocks clocks = WorldClocks::Load(store);
    ASSERT_EQ(clocks.places.size(), 2);
    EXPECT_EQ(clocks.places[1], (WorldClock{"Ops", 0})); // "Centre=-255" is no number
    EXPECT_EQ(clocks.places[0], (WorldClock{"Home", 35}));

    // Save deletes the three values read, then writes the places from 0.
    clocks.places[1] = {"Sydney", 255};
    clocks.SetShown(1, false);
    store.ClearWriteLog();
    clocks.Save(store);
    EXPECT_EQ(store.WriteLog(), QStringList({"-TimeZone0", "-TimeZone1", "-TimeZone2",
                                             "TimeZone0=Home=35", "TimeZone1=Sydney=-255"}));
}

TEST(WorldClocks, RowsHideNegativeKeysAndMarkOtherDays) {
    if (!QTimeZone("Australia/Sydney").isValid())
        GTEST_SKIP() << "no time-zone database on this system";
    WorldClocks clocks;
    clocks.places = {{"Sydney", 255}, {"Hidden", -35}, {"Nowhere", 999}, {"Honolulu", 2}};
    const QDateTime utc = UtcAt(2026, 6, 10, 23, 30);
    const QVector<WorldClockRow> rows = clocks.Rows(utc, QDate(2026, 6, 10));
    EXPECT_EQ(rows, (QVector<WorldClockRow>{
                        {"Sydney", "09:30+"}, {"Nowhere", "23:30"}, {"Honolulu", "13:30"}}));
    EXPECT_EQ(clocks.Rows(utc, QDate(2026, 6, 11))[2].time, "13:30-");
    // Across a month end the whole date decides.
    EXPECT_EQ(WorldClockTime(255, UtcAt(2026, 6, 30, 23, 30), QDate(2026, 6, 30)), "09:30+");

    FixedClock fixed(utc, QTimeZone("Australia/Sydney"));
    SetCurrentClock(&fixed);
    EXPECT_EQ(clocks.Rows()[0].time, "09:30");
    SetCurrentClock(nullptr);
}

TEST(WorldClocks, EditorNamesAreSorted) {
    const auto names = SortedZoneNames();
    ASSERT_EQ(names.size(), kZoneCount);
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
}

} // namespace
