#include "core/common/io/KeyValueText.h"
#include "core/common/text/CoordinateText.h"
#include "core/common/text/DensityText.h"
#include "core/common/text/FileFilterText.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

constexpr int kSouth45_30_45 = -(45 * 3600 + 30 * 60 + 45);

TEST(CoordinateText, BothFormatsAndHemispheres) {
    const struct {
        int seconds;
        bool latitude, secondsFormat;
        const char* expected;
    } cases[] = {
        {kSouth45_30_45, true, true, "45:30:45 S"},
        {kSouth45_30_45, true, false, "45:30.75 S"},
        {-kSouth45_30_45, true, false, "45:30.75 N"},
        {0, true, false, "00:00.00 N"},
        {0, false, false, "00:00.00 W"},
        {0, false, true, "00:00:00 W"},
        {-(122 * 3600 + 18 * 60 + 30), false, true, "122:18:30 E"},
        {122 * 3600 + 59, false, false, "122:00.98 W"},
        {5 * 3600 + 9 * 60 + 3, true, true, "05:09:03 N"},
    };
    for (const auto& c : cases) {
        const QString text = c.latitude ? LatitudeText(c.seconds, c.secondsFormat)
                                        : LongitudeText(c.seconds, c.secondsFormat);
        EXPECT_EQ(text, QString::fromUtf8(c.expected)) << c.seconds;
    }
}

TEST(CoordinateText, MostNegativeValueDoesNotOverflow) {
    EXPECT_EQ(LatitudeText(INT_MIN, true), QStringLiteral("596523:14:08 S"));
}

TEST(LengthText, MetricOrFeet) {
    EXPECT_EQ(LengthText(1000, true), QStringLiteral("305M"));
    EXPECT_EQ(LengthText(1000, false), QStringLiteral("1000'"));
    EXPECT_EQ(LengthText(-10, false), QStringLiteral("-10'"));
    EXPECT_EQ(RunwaySizeText(5000, 100, false), QStringLiteral("5000 X 100"));
    EXPECT_EQ(RunwaySizeText(5000, 100, true), QStringLiteral("1524 X 30"));
}

TEST(DensityText, SwitchingWorksOnTheShownRoundedValues) {
    const QString avgasKg = ConvertDensityText(QStringLiteral("6.01"), true);
    const QString jetKg = ConvertDensityText(QStringLiteral("7.00"), true);
    EXPECT_EQ(avgasKg, QStringLiteral("0.71"));
    EXPECT_EQ(jetKg, QStringLiteral("0.83"));
    EXPECT_EQ(ConvertDensityText(avgasKg, false), QStringLiteral("6.01"));
    EXPECT_EQ(ConvertDensityText(jetKg, false), QStringLiteral("7.03"));
}

TEST(GetKeyValue, FindsTheValueUpToTheCarriageReturn) {
    const QString text = QStringLiteral("Aircraft=N123A\r\nPilot=170\r\nFuel=Main");
    EXPECT_EQ(GetKeyValue(text, QStringLiteral("Aircraft")), QStringLiteral("N123A"));
    EXPECT_EQ(GetKeyValue(text, QStringLiteral("Pilot")), QStringLiteral("170"));
    EXPECT_EQ(GetKeyValue(text, QStringLiteral("Fuel")), QString()); // last line, no CR
    EXPECT_EQ(GetKeyValue(text, QStringLiteral("Missing")), QString());
    EXPECT_EQ(GetKeyValue(QStringLiteral("A=\r\n"), QStringLiteral("A")), QString());
}

TEST(DesktopFileFilter, BarPairsBecomeDesktopFilters) {
    EXPECT_EQ(DesktopFileFilter("Wave files|*.wav|All Files (*.*)|*.*||"),
              "Wave files (*.wav);;All Files (*)");
    EXPECT_EQ(DesktopFileFilter("Plans|*.pln;*.txt||"), "Plans (*.pln *.txt)");
}

} // namespace
