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

// OLM is a VORTAC near Seattle and an NDB in Ecuador. A typed identifier means the nav aid
// nearest the other end (or, with both ends shared, the current airport), and says so; a pick
// from a search is used as picked.
class SharedIdentPlaces : public ::testing::Test {
protected:
    void SetUp() override {
        NavDataSet data;
        data.airports = {Seattle(), Quito()};
        data.navAids = SharedIdentNavAids(); // a plain look-up by identifier finds Olmedo
        ASSERT_TRUE(nav.LoadNavData(WriteNavFile(folder, NavBytes(data))).ok());
        for (int position = 0; position < 2; ++position)
            if (nav.NavAidRow(position).name == "Olympia")
                olympia = position;
        ASSERT_GE(olympia, 0);
    }

    TempFolder folder;
    NavDatabase nav;
    int olympia = -1;
};

TEST_F(SharedIdentPlaces, TheNearestIsTakenAndAPickIsUsedAsPicked) {
    using K = PlaceKind;
    const struct {
        const char* current; // the airport shown in the directory
        K fromKind;
        const char* from;
        K toKind;
        const char* to;
        bool pickFrom; // From is Olympia picked from a search
        const char *fromLabel, *toLabel, *distance;
    } cases[] = {
        {"", K::Airport, "KSEA", K::NavAid, "OLM", false, "SEATTLE-TACOMA INTL",
         "Olympia VORTAC (nearest of 2)", "39nm"},
        {"", K::NavAid, "OLM", K::Airport, "KSEA", false, "Olympia VORTAC (nearest of 2)",
         "SEATTLE-TACOMA INTL", "39nm"},
        {"", K::Airport, "SEQM", K::NavAid, "OLM", false, "MARISCAL SUCRE",
         "Olmedo NDB (nearest of 2)", "25nm"},
        {"", K::NavAid, "OLM", K::Airport, "SEQM", true, "Olympia VORTAC", "MARISCAL SUCRE",
         "3660nm"},
        {"KSEA", K::NavAid, "OLM", K::NavAid, "OLM", false, "Olympia VORTAC (nearest of 2)",
         "Olympia VORTAC (nearest of 2)", "0nm"},
        {"SEQM", K::NavAid, "OLM", K::NavAid, "OLM", false, "Olmedo NDB (nearest of 2)",
         "Olmedo NDB (nearest of 2)", "0nm"},
    };
    for (const auto& c : cases) {
        nav.ClearCurrentAirport();
        if (*c.current) {
            ASSERT_NE(nav.SelectAirport(c.current), 0);
        }
        DistanceTrackInput in(c.fromKind, c.from, c.toKind, c.to);
        if (c.pickFrom)
            in.fromPick = {K::NavAid, "OLM", olympia};
        const DistanceTrackResult result = CalculateDistanceTrack(
            in, [this](PlaceKind kind, const QString& ident, const PlaceHint& hint) {
                return FindPlace(kind, ident, nav, {}, hint);
            });
        const std::string where = std::string(c.from) + " " + c.to + " " + c.current;
        EXPECT_EQ(result.fromName, c.fromLabel) << where;
        EXPECT_EQ(result.toName, c.toLabel) << where;
        EXPECT_EQ(result.texts.Text("Distance"), c.distance) << where;
    }
}

// A pick that no longer names its record (another file, another identifier) is not used.
TEST_F(SharedIdentPlaces, AStalePickFallsBackToTheIdentifier) {
    const PlaceHint wrongIdent{{PlaceKind::NavAid, "SEA", olympia}, std::nullopt};
    const PlaceHint outOfTable{{PlaceKind::NavAid, "OLM", 99}, std::nullopt};
    for (const PlaceHint& hint : {wrongIdent, outOfTable}) {
        const Outcome<Place> place = FindPlace(PlaceKind::NavAid, "OLM", nav, {}, hint);
        ASSERT_TRUE(place.ok());
        EXPECT_EQ(place->name, "Olmedo"); // the first in the table, as no end is known
        EXPECT_EQ(PlaceLabel(place.value()), "Olmedo NDB (1 of 2)");
    }
    NavAidRecord record;
    QString name;
    EXPECT_FALSE(nav.NavAidAt(olympia, "SEA", &record, &name));
    EXPECT_EQ(nav.NavAidPositions(QStringLiteral("OLM")).size(), 2U);
    EXPECT_TRUE(nav.NavAidPositions(QStringLiteral("OL")).empty());
}

} // namespace
