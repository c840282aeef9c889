// The texts of the airport directory's tabs and of "View Nav Aid".
#include "NavTestData.h"

#include "core/navdata/AirportDisplay.h"

namespace {

QStringList Labels(const QVector<DisplayRow>& rows) {
    QStringList labels;
    for (const DisplayRow& row : rows)
        labels << row.label;
    return labels;
}

TEST(AirportDisplay, InfoRowsLeaveOutWhatIsNotGiven) {
    struct Case {
        const char* name;
        const char* city;
        int utcOffset;
        QStringList labels;
    } cases[] = {
        {"SEATTLE-TACOMA INTL",
         "SEATTLE",
         -8,
         {"Name:", "City:", "Elev:", "Var:", "Lat:", "Lon:", "UTC:"}},
        {"", "SNOHOMISH", -8, {"City:", "Elev:", "Var:", "Lat:", "Lon:", "UTC:"}},
        {"HARVEY FIELD", "", 0, {"Name:", "Elev:", "Var:", "Lat:", "Lon:"}},
        {"", "", 0, {"Elev:", "Var:", "Lat:", "Lon:"}},
    };
    for (const Case& c : cases) {
        AirportDetails airport = TestAirport("S43", c.name, c.city);
        airport.record.utcOffset = c.utcOffset;
        const QVector<DisplayRow> rows = AirportInfoRows(airport, {});
        EXPECT_EQ(Labels(rows), c.labels) << c.name << '/' << c.city;
        if (c.utcOffset != 0) {
            EXPECT_EQ(rows.last().value, "-8");
        }
    }
}

TEST(AirportDisplay, InfoValuesFollowThePreferences) {
    AirportDetails airport = TestAirport("KSEA", "SEATTLE-TACOMA INTL", "SEATTLE");
    airport.record.elevation = 1000;
    airport.record.latitude = -(45 * 3600 + 30 * 60 + 45); // 45:30:45 S
    airport.record.longitude = 0;
    airport.record.variation = -17.5f;
    struct Case {
        DisplayPreferences prefs;
        const char* elevation;
        const char* latitude;
    } cases[] = {{{false, false}, "1000'", "45:30.75 S"}, {{true, true}, "305M", "45:30:45 S"}};
    for (const Case& c : cases) {
        const QVector<DisplayRow> rows = AirportInfoRows(airport, c.prefs);
        EXPECT_EQ(rows[2].value, c.elevation);
        EXPECT_EQ(rows[3].value, "17.5°E");
        EXPECT_EQ(rows[4].value, c.latitude);
        EXPECT_TRUE(rows[5].value.endsWith(" W")); // longitude 0 counts as west
    }
    EXPECT_EQ(VariationText(3.25f), "3.2°W"); // printf rounds the half to even
}

TEST(AirportDisplay, RunwayCommAndInstructionRows) {
    AirportDetails airport = TestAirport("KSEA", "N", "C", 2, 2);
    airport.runways[0].length = 11901;
    airport.runways[0].width = 150;
    const QVector<DisplayRow> feet = RunwayRows(airport.runways, false);
    ASSERT_EQ(feet.size(), 2);
    EXPECT_EQ(feet[0], (DisplayRow{"01/19", "11901 X 150"}));
    EXPECT_EQ(RunwayRows(airport.runways, true)[0].value, "3627 X 46");
    EXPECT_EQ(AirportCommRows(airport),
              (QVector<DisplayRow>{{"TWR0", "118.0"}, {"TWR1", "118.1"}}));
    EXPECT_EQ(AirportInstructionRows()[1].value, "click Show, or click Lookup to search");
    EXPECT_TRUE(IsAirportShown(airport.record));
    EXPECT_FALSE(IsAirportShown(AirportRecord()));
}

TEST(AirportDisplay, IdentifierLengthRule) {
    for (const char* ident : {"S43", "KSEA"})
        EXPECT_TRUE(IsIcaoIdentLength(ident)) << ident;
    for (const char* ident : {"", "SE", "KSEAX"})
        EXPECT_FALSE(IsIcaoIdentLength(ident)) << ident;
}

TEST(AirportDisplay, NavAidRows) {
    const NavAid aid = TestNavAid("SEA", kNavAidVortac, "SEATTLE");
    const QVector<DisplayRow> rows = NavAidInfoRows(aid.record, aid.name, true);
    EXPECT_EQ(rows, (QVector<DisplayRow>{{"ID:", "SEA"},
                                         {"Name:", "SEATTLE"},
                                         {"Type:", "VORTAC"},
                                         {"Lat:", "33:20:00 S"},
                                         {"Lon:", "83:20:00 W"},
                                         {"Freq:", "116.8"}}));
}

} // namespace
