#include "core/common/SystemTime.h"
#include "core/common/Clock.h"

#include <gtest/gtest.h>

namespace {

SystemTime Utc(int year, int month, int day, int hour, int minute) {
    return SystemTime::FromDateTime(
        QDateTime(QDate(year, month, day), QTime(hour, minute), QTimeZone::utc()));
}

TEST(ToLocalTime, NegativeCustomOffsetCrossesMonthEnd) {
    const struct {
        int year, expectedDay;
    } cases[] = {{2023, 28}, {2024, 29}, {2100, 28}, {2000, 29}};
    for (const auto& c : cases) {
        const SystemTime local = ToLocalTime(Utc(c.year, 3, 1, 3, 0), -300);
        EXPECT_EQ(local.year, c.year);
        EXPECT_EQ(local.month, 2);
        EXPECT_EQ(local.day, c.expectedDay) << c.year;
        EXPECT_EQ(local.hour, 22);
        EXPECT_EQ(local.minute, 0);
    }
}

TEST(ToLocalTime, PositiveOffsetCrossesYearEnd) {
    const SystemTime local = ToLocalTime(Utc(2026, 12, 31, 23, 30), 60);
    EXPECT_EQ(local.year, 2027);
    EXPECT_EQ(local.month, 1);
    EXPECT_EQ(local.day, 1);
    EXPECT_EQ(local.hour, 0);
    EXPECT_EQ(local.minute, 30);
    EXPECT_EQ(local.dayOfWeek, 5); // 1 January 2027 is a Friday
}

TEST(ToLocalTime, ZeroOffsetUsesTheDeviceZone) {
    const QTimeZone newYork("America/New_York");
    ASSERT_TRUE(newYork.isValid());
    const SystemTime summer = ToLocalTime(Utc(2026, 7, 1, 12, 0), 0, newYork);
    EXPECT_EQ(summer.hour, 8);
    const SystemTime winter = ToLocalTime(Utc(2026, 1, 1, 12, 0), 0, newYork);
    EXPECT_EQ(winter.hour, 7);
}

TEST(ToLocalTime, ClearedRecordStaysCleared) {
    EXPECT_FALSE(ToLocalTime(SystemTime{}, -300).IsRecorded());
}

TEST(Clock, FixedClockReplacesTheSystemClock) {
    FixedClock fixed(QDateTime(QDate(2026, 3, 20), QTime(12, 0), QTimeZone::utc()));
    SetCurrentClock(&fixed);
    fixed.AdvanceSeconds(90);
    EXPECT_EQ(CurrentClock().NowUtc().time(), QTime(12, 1, 30));
    SetCurrentClock(nullptr);
    EXPECT_GT(CurrentClock().NowUtc().date().year(), 2020);
}

} // namespace
