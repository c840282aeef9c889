// The Preferences dialog's fields: the first page, filling and reading back.
#include "core/app/PreferenceFields.h"
#include "core/app/ViewTable.h"

#include <gtest/gtest.h>

namespace {

TEST(PreferenceFields, FirstPageByView) {
    for (const ViewInfo& view : ViewTable())
        EXPECT_EQ(InitialPreferencesPage(view.viewId), view.viewId == kViewFlightPlanning ? 1 : 0)
            << view.menuText;
}

TEST(PreferenceFields, FillAndReadBack) {
    AppSettings settings;
    settings.timeZoneOffset = -300;
    settings.secondsFormat = true;
    PreferenceFields fields = PreferenceFieldsFrom(settings);
    EXPECT_EQ(fields.avgasDensity, "6.01");
    EXPECT_EQ(fields.jetDensity, "7.00");
    EXPECT_TRUE(fields.customZone);
    EXPECT_EQ(fields.offset, "-300");
    EXPECT_EQ(fields.latLonFormat, 1);

    fields.avgasDensity = "abc"; // no number reads as 0
    fields.jetDensity = " 0.83kg";
    fields.fuelUnits = 1;
    fields.metric = true;
    AppSettings read;
    ApplyPreferenceFields(fields, &read);
    EXPECT_EQ(read.avgasDensity, 0.0);
    EXPECT_DOUBLE_EQ(read.jetDensity, 0.83);
    EXPECT_TRUE(read.kilosPerLitre && read.metric && read.secondsFormat);
    EXPECT_EQ(read.timeZoneOffset, -300);
    // A custom zone of 0, or the device's zone, stores 0.
    fields.offset = "0";
    ApplyPreferenceFields(fields, &read);
    EXPECT_EQ(read.timeZoneOffset, 0);
    fields.offset = "120";
    fields.customZone = false;
    ApplyPreferenceFields(fields, &read);
    EXPECT_EQ(read.timeZoneOffset, 0);
}

} // namespace
