#include "core/calculators/HoldEntry.h"
#include "ui/calculators/CrossWindGraph.h"
#include "ui/calculators/HoldPatternGraph.h"
#include "ui/calculators/WindGraph.h"

#include <QImage>

#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// Draws a graph into a white image of the given size.
template <typename Draw> QImage Drawn(QSize size, Draw draw) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    draw(painter, QRect(QPoint(0, 0), size));
    return image;
}

bool IsBlack(const QImage& image, int x, int y) {
    return image.pixelColor(x, y) == QColor(Qt::black);
}

bool IsColour(const QImage& image, int x, int y, QColor colour) {
    return image.pixelColor(x, y) == colour;
}

// In a 200 x 120 area: centre (100, 60), L = 90, r = 45. The aircraft's nose lies r from the
// centre along the heading, its wing a quarter of L towards the nose across it.
TEST(WindGraphTest, TheAircraftPointsAlongTheHeadingWithNorthUp) {
    const struct {
        double heading;
        QPoint nose, wingTip;
    } cases[] = {
        {0, {100, 17}, {57, 38}},   // north: nose up, wing across above the centre
        {90, {143, 60}, {122, 17}}, // east: nose right
        {180, {100, 103}, {143, 82}},
        {270, {57, 60}, {78, 103}},
    };
    for (const auto& c : cases) {
        WindGraphValues v;
        v.hasAircraft = true;
        v.heading = c.heading;
        const QImage image =
            Drawn(QSize(200, 120), [&](QPainter& p, const QRect& r) { DrawWindGraph(p, r, v); });
        EXPECT_TRUE(IsBlack(image, c.nose.x(), c.nose.y())) << c.heading;
        EXPECT_TRUE(IsBlack(image, c.wingTip.x(), c.wingTip.y())) << c.heading;
        // Behind the tail there is no fuselage.
        const QPoint beyond = QPoint(100, 60) + (QPoint(100, 60) - c.nose) * 1.2;
        EXPECT_FALSE(IsBlack(image, beyond.x(), beyond.y())) << c.heading;
    }
}

TEST(WindGraphTest, TheWindLineComesFromTheWindDirection) {
    WindGraphValues v;
    v.hasAircraft = v.hasResult = true;
    v.heading = 90;
    v.windDirection = 360; // from the north: green straight up
    v.course = 180;        // blue straight down
    const QImage image =
        Drawn(QSize(200, 120), [&](QPainter& p, const QRect& r) { DrawWindGraph(p, r, v); });
    EXPECT_TRUE(IsColour(image, 100, 5, QColor(0, 192, 0)));
    EXPECT_TRUE(IsColour(image, 100, 115, QColor(0, 0, 255)));
    EXPECT_FALSE(IsColour(image, 5, 60, QColor(0, 192, 0)));

    v.hasAircraft = false; // before the first calculation: the compass alone
    const QImage empty =
        Drawn(QSize(200, 120), [&](QPainter& p, const QRect& r) { DrawWindGraph(p, r, v); });
    for (int x = 0; x < 200; x += 3)
        for (int y = 0; y < 120; y += 3)
            ASSERT_FALSE(IsBlack(empty, x, y) || IsColour(empty, x, y, QColor(0, 192, 0)));
}

TEST(CrossWindGraphTest, TheWindComesFromItsSide) {
    CrossWindGraphValues v;
    v.angle = 90;
    v.fromRight = true;
    v.crossWind = 20;
    const QImage right = Drawn(
        QSize(240, 240), [&](QPainter& p, const QRect& r) { DrawCrossWindGraph(p, r, v, false); });
    EXPECT_TRUE(IsColour(right, 180, 120, QColor(255, 0, 0)) ||
                IsColour(right, 180, 120, QColor(0, 192, 0)));
    EXPECT_TRUE(IsColour(right, 230, 120, QColor(0, 192, 0))); // to the right edge
    EXPECT_FALSE(IsColour(right, 20, 120, QColor(0, 192, 0)));
    v.fromRight = false;
    const QImage left = Drawn(
        QSize(240, 240), [&](QPainter& p, const QRect& r) { DrawCrossWindGraph(p, r, v, false); });
    EXPECT_TRUE(IsColour(left, 10, 120, QColor(0, 192, 0)));
}

// The graph keeps its pixel lengths in each dialog's graph (portrait, landscape, square): a wing
// of 60 pixels and a wind line of 100, however short the area.
TEST(CrossWindGraphTest, LengthsAreFixedPixelsInEveryLayout) {
    const struct {
        QSize size;
        bool square;
    } cases[] = {{{228, 140}, false}, {{154, 127}, false}, {{150, 94}, true}, {{240, 240}, false}};
    for (const auto& c : cases) {
        CrossWindGraphValues v;
        v.angle = 90;
        v.fromRight = true;
        v.crossWind = 20;
        v.headWind = 10;
        const QImage image = Drawn(
            c.size, [&](QPainter& p, const QRect& r) { DrawCrossWindGraph(p, r, v, c.square); });
        const int cx = c.size.width() / 2;
        const int cy = c.size.height() / 2;
        const int wingY = cy - (c.square ? 25 : 30) + 7;
        EXPECT_TRUE(IsBlack(image, cx - 30, wingY)) << c.size.width();
        EXPECT_TRUE(IsBlack(image, cx + 29, wingY)) << c.size.width();
        EXPECT_FALSE(IsBlack(image, cx - 34, wingY)) << c.size.width();
        // The red line runs 100 pixels to the right, where the area is that wide; the green
        // cross-wind line lies over its middle, so its edges two pixels above show the red.
        const int end = std::min(cx + 98, c.size.width() - 1);
        EXPECT_TRUE(IsColour(image, end, cy - 2, QColor(255, 0, 0))) << c.size.width();
        if (cx + 104 < c.size.width()) {
            EXPECT_FALSE(IsColour(image, cx + 104, cy - 2, QColor(255, 0, 0))) << c.size.width();
        }
    }
}

// A wind straight across: the red wind line shows beside the green cross-wind line over it, and
// the head wind that rounds to 0 has no arrow above the nose.
TEST(CrossWindGraphTest, AWindStraightAcrossShowsBothLinesAndNoZeroArrow) {
    CrossWindGraphValues v;
    v.angle = 90;
    v.fromRight = true;
    v.crossWind = 20;
    v.headWind = 0.2;
    const QImage image = Drawn(
        QSize(240, 240), [&](QPainter& p, const QRect& r) { DrawCrossWindGraph(p, r, v, false); });
    bool red = false;
    bool green = false;
    for (int y = 114; y <= 126; ++y) {
        red = red || IsColour(image, 200, y, QColor(255, 0, 0));
        green = green || IsColour(image, 200, y, QColor(0, 192, 0));
    }
    EXPECT_TRUE(red);
    EXPECT_TRUE(green);
    for (int y = 0; y < 80; ++y) // above the nose: no blue head-wind arrow
        ASSERT_FALSE(IsColour(image, 119, y, QColor(0, 0, 255))) << y;
}

// The compass letters are dark and as large as the dialog text, whatever the aircraft does.
TEST(WindGraphTest, CompassLettersAreDarkAndOnTop) {
    WindGraphValues v;
    v.hasAircraft = true;
    v.heading = 0; // the nose points at N
    const QImage image =
        Drawn(QSize(200, 200), [&](QPainter& p, const QRect& r) { DrawWindGraph(p, r, v); });
    int dark = 0;
    for (int x = 92; x < 108; ++x)
        for (int y = 4; y < 22; ++y)
            dark += qGray(image.pixel(x, y)) < 110 ? 1 : 0;
    EXPECT_GE(dark, 10); // the strokes of an 11-pixel N
}

TEST(HoldPatternGraphTest, TheApproachLineLeavesTheFixTowardsWhereTheAircraftComesFrom) {
    // 200 x 200, portrait: racetrack top 25; fix at (65, 65) for standard turns.
    const HoldEntryResult along = EvaluateHoldEntry(360, 360, HoldTurns::Standard);
    const QImage direct = Drawn(QSize(200, 200), [&](QPainter& p, const QRect& r) {
        DrawHoldPattern(p, r, along, HoldTurns::Standard, false);
    });
    EXPECT_TRUE(IsColour(direct, 65, 140, QColor(0, 0, 255))); // down the inbound leg
    const HoldEntryResult fromWest = EvaluateHoldEntry(0, 90, HoldTurns::Standard);
    const QImage west = Drawn(QSize(200, 200), [&](QPainter& p, const QRect& r) {
        DrawHoldPattern(p, r, fromWest, HoldTurns::Standard, false);
    });
    EXPECT_TRUE(IsColour(west, 10, 65, QColor(0, 0, 255)));
    const QImage left = Drawn(QSize(200, 200), [&](QPainter& p, const QRect& r) {
        DrawHoldPattern(p, r, along, HoldTurns::LeftHand, false);
    });
    EXPECT_TRUE(IsColour(left, 135, 140, QColor(0, 0, 255))); // the inbound leg is on the right
}

} // namespace
