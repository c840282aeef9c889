// Distance & Track: the result texts, the order of the checks and their messages, and which
// look-ups change the recent lists.
#include "core/calculators/DistanceTrack.h"

#include "core/navdata/NavDatabase.h"
#include "core/navdata/NavTestData.h"

#include <gtest/gtest.h>

namespace {

constexpr int32_t kDegree = 3600; // seconds of arc

TEST(DistanceTrack, TextsOfWorkedExamples) {
    const struct {
        Place from, to;
        const char *distance, *track, *back;
    } cases[] = {
        // 40N 0 to 41N 1E (longitude -1).
        {{"", 40 * kDegree, 0}, {"", 41 * kDegree, -kDegree}, "75nm", "37°T", "218°T"},
        // On the equator, the destination one degree east.
        {{"", 0, 0}, {"", 0, -kDegree}, "60nm", "90°T", "270°T"},
        // Identical points, and due north (the arc cosines are clamped).
        {{"", 10 * kDegree, 5 * kDegree}, {"", 10 * kDegree, 5 * kDegree}, "0nm", "0°T", "0°T"},
        {{"", 0, 0}, {"", kDegree, 0}, "60nm", "360°T", "180°T"},
    };
    for (const auto& c : cases) {
        DistanceTrack last;
        const CalcResult result = DistanceTrackTexts(c.from, c.to, &last);
        EXPECT_EQ(result.Text("Distance"), QString::fromUtf8(c.distance));
        EXPECT_EQ(result.Text("Track"), QString::fromUtf8(c.track));
        EXPECT_EQ(result.Text("Return"), QString::fromUtf8(c.back));
        EXPECT_EQ(QString::number(last.distance) + "nm", QString::fromUtf8(c.distance));
    }
}

class DistanceTrackPlaces : public ::testing::Test {
protected:
    void SetUp() override {
        NavDataSet data;
        data.airports = {TestAirport("KSEA", "SEATTLE-TACOMA INTL", "SEATTLE")};
        data.navAids = {TestNavAid("SEA", 1, "SEATTLE"), TestNavAid("PAE", 1, "PAINE")};
        ASSERT_TRUE(nav.LoadNavData(WriteNavFile(folder, NavBytes(data))).ok());
        waypoints = {UserWaypoint{"HOME", "Home strip", 40 * kDegree, 0, 0}};
    }
    DistanceTrackResult Calculate(PlaceKind fromKind, const char* from, PlaceKind toKind,
                                  const char* to) {
        return CalculateDistanceTrack({fromKind, from, toKind, to},
                                      [this](PlaceKind kind, const QString& ident) {
                                          return FindPlace(kind, ident, nav, waypoints);
                                      });
    }

    TempFolder folder;
    NavDatabase nav;
    QVector<UserWaypoint> waypoints;
};

TEST_F(DistanceTrackPlaces, ChecksInOrderAndNeverGuessesTheKind) {
    using K = PlaceKind;
    const struct {
        K fromKind;
        const char* from;
        K toKind;
        const char* to;
        const char* message; // nullptr: calculated
        const char* fromName;
    } cases[] = {
        {K::Airport, "", K::Airport, "", "Please enter a From location.", ""},
        {K::Airport, "KXXX", K::Airport, "", "Airport KXXX not found.", ""},
        {K::Airport, "KSEA", K::Airport, "", "Please enter a To location.", "SEATTLE-TACOMA INTL"},
        {K::Airport, "KSEA", K::User, "KSEA", "User location KSEA not found.",
         "SEATTLE-TACOMA INTL"},
        {K::User, "home", K::NavAid, "XXX", "Nav aid XXX not found.", "Home strip"},
        {K::NavAid, "SEA", K::Airport, "SEA", "Airport SEA not found.", "SEATTLE"},
        {K::User, "HOME", K::NavAid, "PAE", nullptr, "Home strip"},
    };
    for (const auto& c : cases) {
        const DistanceTrackResult result = Calculate(c.fromKind, c.from, c.toKind, c.to);
        ASSERT_EQ(result.texts.Stopped(), c.message != nullptr) << c.from << " " << c.to;
        if (c.message) {
            EXPECT_EQ(result.texts.stop->text, c.message);
            EXPECT_EQ(result.texts.stop->icon, MessageIcon::Information);
            EXPECT_EQ(result.last.distance, 0.0);
        } else {
            EXPECT_EQ(result.toName, "PAINE");
            EXPECT_EQ(result.texts.outputs.size(), 3);
        }
        EXPECT_EQ(result.fromName, c.fromName) << c.from;
    }
}

TEST_F(DistanceTrackPlaces, OnlyAFoundNavAidBecomesRecent) {
    ASSERT_TRUE(FindPlace(PlaceKind::NavAid, "PAE", nav, waypoints).ok());
    ASSERT_TRUE(FindPlace(PlaceKind::NavAid, "SEA", nav, waypoints).ok());
    EXPECT_FALSE(FindPlace(PlaceKind::NavAid, "ZZZ", nav, waypoints).ok());
    EXPECT_EQ(nav.RecentNavAids(), QStringList({"SEA", "PAE"}));
    ASSERT_TRUE(FindPlace(PlaceKind::NavAid, "PAE", nav, waypoints).ok());
    EXPECT_EQ(nav.RecentNavAids(), QStringList({"PAE", "SEA"}));
    // Airports are looked up without becoming recent.
    ASSERT_TRUE(FindPlace(PlaceKind::Airport, "KSEA", nav, waypoints).ok());
    EXPECT_TRUE(nav.RecentAirports().isEmpty());
}

} // namespace
