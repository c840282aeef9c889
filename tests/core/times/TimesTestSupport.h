#pragma once
// Test helpers: a fixed clock installed for each test, and UTC times by the minute.

#include "core/common/Clock.h"
#include "core/common/SystemTime.h"

#include <gtest/gtest.h>

inline QDateTime UtcAt(int year, int month, int day, int hour, int minute, int second = 0) {
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second), QTimeZone::utc());
}

inline SystemTime RecordAt(int hour, int minute) {
    return SystemTime::FromDateTime(UtcAt(2026, 3, 20, hour, minute));
}

class FixedClockTest : public ::testing::Test {
protected:
    void SetUp() override { SetCurrentClock(&clock); }
    void TearDown() override { SetCurrentClock(nullptr); }
    void SetTime(int hour, int minute, int second = 0) {
        clock.Set(UtcAt(2026, 3, 20, hour, minute, second));
    }

    FixedClock clock{UtcAt(2026, 3, 20, 12, 0)};
};
