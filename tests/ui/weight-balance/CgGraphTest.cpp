#include "ui/weight-balance/CgGraph.h"
#include "core/weight-balance/AircraftFleet.h"
#include "core/weight-balance/GraphMarkers.h"
#include "ui/framework/ApplicationFonts.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

// The number of pixels of a colour in the graph drawn with these results and options.
int CountColour(const AircraftType& type, const LoadingResults& results, uint32_t options,
                QRgb colour) {
    QImage image(240, 240, QImage::Format_RGB32);
    {
        QPainter painter(&image);
        CCgGraph graph;
        graph.SetType(&type);
        graph.SetResults(&results);
        graph.Draw(painter, image.rect(), options);
    }
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == colour;
    }
    return count;
}

constexpr QRgb kRed = 0xFFFF0000, kGreen = 0xFF008000, kMagenta = 0xFFFF00FF, kNavy = 0xFF000080,
               kBlue = 0xFF0000FF, kFill = 0xFFC0C0C0;

LoadingResults TakeoffOnTheForwardLimit() {
    LoadingResults r;
    r.rampWeight = 2200.0;
    r.rampCg = 38.0;
    r.takeoffWeight = 2175.0;
    r.takeoffCg = 37.0; // the forward limit at 2175
    r.landingWeight = 2000.0;
    r.landingCg = 40.0;
    r.zeroFuelWeight = 1720.0;
    r.zeroFuelCg = 38.8;
    return r;
}

TEST(CgGraph, ATakeoffPointOnTheForwardLimitIsGreen) {
    const AircraftType type = DefaultAircraftFleet().types[0];
    const LoadingResults r = TakeoffOnTheForwardLimit();
    EXPECT_GT(CountColour(type, r, graph_options::kTakeoff, kGreen), 10);
    EXPECT_EQ(CountColour(type, r, graph_options::kTakeoff, kRed), 0);
    LoadingResults aft = r;
    aft.takeoffCg = 36.9;
    EXPECT_GT(CountColour(type, aft, graph_options::kTakeoff, kRed), 10);
}

TEST(CgGraph, WithAllOptionsClearOnlyTheEnvelopeScalesAndLinesAreDrawn) {
    const AircraftType type = DefaultAircraftFleet().types[0];
    const LoadingResults r = TakeoffOnTheForwardLimit();
    EXPECT_GT(CountColour(type, r, 0, kFill), 1000);
    EXPECT_GT(CountColour(type, r, 0, kBlue), 100);
    for (QRgb marker : {kRed, kGreen, kMagenta, kNavy})
        EXPECT_EQ(CountColour(type, r, 0, marker), 0) << std::hex << marker;
    EXPECT_GT(CountColour(type, r, 0xFFFFFFFFu, kMagenta), 10);
    EXPECT_GT(CountColour(type, r, 0xFFFFFFFFu, kNavy), 10);
}

TEST(CgGraph, NoEnvelopeSaysSoInRed) {
    const AircraftType empty;
    EXPECT_GT(CountColour(empty, LoadingResults(), 0xFFFFFFFFu, kRed), 20);
}

// In every graph of the dialogs, however short, the labels stay inside the graph (the last arm
// label sits on its right edge) and the weight labels stay apart: each run of inked rows in the
// label column is one line of text at most.
TEST(CgGraph, LabelsStayInsideAndApart) {
    const AircraftType type = DefaultAircraftFleet().types[0];
    const int lineHeight = QFontMetrics(DialogFont()).height();
    for (const QSize size :
         {QSize(228, 107), QSize(310, 75), QSize(228, 78), QSize(310, 62), QSize(240, 240)}) {
        QImage image(size + QSize(40, 40), QImage::Format_RGB32);
        image.fill(Qt::white);
        // At the origin, as an owner-drawn control's rectangle is: the arm scale's height is
        // measured from the top of the paint device.
        const QRect area(QPoint(0, 0), size);
        {
            QPainter painter(&image);
            CCgGraph graph;
            graph.SetType(&type);
            graph.Draw(painter, area, 0);
        }
        const auto inked = [&](int x, int y) { return qGray(image.pixel(x, y)) < 128; };
        const std::string where =
            std::to_string(size.width()) + "x" + std::to_string(size.height());
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                // The axis ends on the pixel just past the right edge; labels may not go further.
                if (!area.adjusted(0, 0, 1, 0).contains(x, y)) {
                    ASSERT_FALSE(inked(x, y)) << where << " at " << x << "," << y;
                }
            }
        }
        const int labelRight = area.left() + QFontMetrics(DialogFont()).horizontalAdvance("1234");
        int run = 0;
        for (int y = area.top(); y <= area.bottom() - 2 * lineHeight; ++y) {
            bool any = false;
            for (int x = area.left(); x < labelRight; ++x)
                any = any || inked(x, y);
            run = any ? run + 1 : 0;
            ASSERT_LE(run, lineHeight) << where << " at " << y;
        }
    }
}

} // namespace
