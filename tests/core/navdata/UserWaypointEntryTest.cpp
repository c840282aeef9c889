// The fields of the "User Waypoint" dialog: the checks of OK in their order, and the signs.
#include "core/navdata/UserWaypointEntry.h"

#include <gtest/gtest.h>

namespace {

constexpr const char* kVariationMessage = "Error:\nThe magnetic variation must be 0 to 24 degrees.";

TEST(UserWaypointEntry, ChecksInOrder) {
    const struct {
        const char *ident, *name;
        int32_t latitude, longitude;
        const char* message;
        const char* magVar = "";
    } cases[] = {
        {"", "", 0, 0, "Error:\nYou must specify an ID for this waypoint."},
        {"", "Home", 100, 100, "Error:\nYou must specify an ID for this waypoint."},
        {"HOME", "", 100, 100, "Error:\nYou must specify a name for this waypoint."},
        // A coordinate of 0 counts as not entered: the equator and the prime meridian.
        {"HOME", "Home", 0, 0, "You must enter a latitude for this waypoint."},
        {"HOME", "Home", 100, 0, "You must enter a longitude for this waypoint."},
        // Variations beyond 24 degrees are on no chart: flight planning would use them.
        {"HOME", "Home", 100, 100, kVariationMessage, "99"},
        {"HOME", "Home", 100, 100, kVariationMessage, "25"},
        {"HOME", "Home", 100, 100, kVariationMessage, "-5"},
        {"HOME", "Home", 100, 100, kVariationMessage, "1.5"},
    };
    for (const auto& c : cases) {
        UserWaypointEntry entry;
        entry.ident = c.ident;
        entry.name = c.name;
        entry.latitude = c.latitude;
        entry.longitude = c.longitude;
        entry.magVar = c.magVar;
        const Outcome<UserWaypoint> made = UserWaypointFromEntry(entry);
        ASSERT_FALSE(made.ok()) << c.message;
        EXPECT_EQ(made.error().text, c.message);
        EXPECT_EQ(made.error().icon, MessageIcon::Error);
    }
}

TEST(UserWaypointEntry, HemispheresAndVariationGiveTheSigns) {
    const UserWaypoint cases[] = {
        {"HOME", "Home", -100, -200, -15}, // south, east, variation east
        {"LAKE", "Lake", 100, 200, 24},
    };
    for (const UserWaypoint& waypoint : cases) {
        const UserWaypointEntry entry = EntryFromUserWaypoint(waypoint);
        EXPECT_EQ(entry.south, waypoint.latitude < 0);
        EXPECT_EQ(entry.east, waypoint.longitude < 0);
        EXPECT_EQ(entry.varEast, waypoint.variation < 0);
        EXPECT_GT(entry.latitude, 0);
        const Outcome<UserWaypoint> made = UserWaypointFromEntry(entry);
        ASSERT_TRUE(made.ok());
        EXPECT_EQ(made.value(), waypoint);
    }
}

} // namespace
