#include "ui/calculators/CrossWindGraph.h"

#include "core/common/Constants.h"
#include "core/common/text/Format.h"
#include "ui/calculators/GraphPainting.h"
#include "ui/framework/ApplicationFonts.h"
#include "ui/framework/ColourScheme.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kArrowLength = 35;
constexpr int kArrowGap = 5; // between the aircraft and the arrow
constexpr int kTextGap = 25; // from the arrow's far end to the text's centre
constexpr int kWindLineLength = 100;

struct Geometry {
    QRect area;
    QPointF centre;
    double g; // half the fuselage
    QPointF Point(double dx, double dy) const { return centre + QPointF(dx, dy); }
};

void DrawAircraft(QPainter& painter, const Geometry& geo) {
    const double g = geo.g;
    painter.setPen(QPen(CurrentColourScheme().ink, 3));
    painter.drawLine(geo.Point(-1, -g), geo.Point(-1, g));
    painter.drawLine(geo.Point(-30, -g + 7), geo.Point(30, -g + 7));
    painter.drawLine(geo.Point(-10, g - 7), geo.Point(10, g - 7));
}

bool IsZeroText(double component) {
    return FormatText("%.0f", std::fabs(component)) == QLatin1String("0");
}

// Where the head- or tail-wind value stands: 25 pixels beyond the arrow's far end; where the
// graph is too short for that (the dialogs' graphs are 94 to 140 pixels tall), beside the arrow
// on the side away from the wind, so the value is always read in full.
struct PlacedText {
    QRectF rect;
    Qt::Alignment align;
};

PlacedText AlongValuePlace(const Geometry& geo, const QPointF& tip, const QPointF& tail,
                           double side, double windSide) {
    const QRectF beyond(tail.x() - 30, tail.y() + side * kTextGap - 8, 60, 16);
    if (QRectF(geo.area).contains(beyond))
        return {beyond, Qt::AlignCenter};
    const double middle =
        std::clamp((tip.y() + tail.y()) / 2, geo.area.top() + 8.0, geo.area.bottom() - 8.0);
    if (windSide > 0)
        return {QRectF(tip.x() - 8 - 60, middle - 8, 60, 16), Qt::AlignVCenter | Qt::AlignRight};
    return {QRectF(tip.x() + 8, middle - 8, 60, 16), Qt::AlignVCenter | Qt::AlignLeft};
}

// The head-wind arrow points down at the nose, the tail-wind arrow up at the tail.
void DrawAlongArrow(QPainter& painter, const Geometry& geo, double headWind, double windSide) {
    const double side = headWind >= 0 ? -1.0 : 1.0; // above the nose, or below the tail
    const QPointF tip = geo.Point(-1, side * (geo.g + kArrowGap));
    const QPointF tail = geo.Point(-1, side * (geo.g + kArrowGap + kArrowLength));
    painter.setPen(QPen(CurrentColourScheme().course, 2));
    painter.drawLine(tail, tip);
    painter.drawLine(tip, tip + QPointF(-5, side * 5));
    painter.drawLine(tip, tip + QPointF(5, side * 5));
    const PlacedText text = AlongValuePlace(geo, tip, tail, side, windSide);
    painter.drawText(text.rect, text.align, FormatText("%.0f", std::fabs(headWind)));
}

} // namespace

void DrawCrossWindGraph(QPainter& painter, const QRect& area, const CrossWindGraphValues& values,
                        bool squareScreen) {
    painter.save();
    painter.setClipRect(area);
    painter.setRenderHint(QPainter::Antialiasing, false);
    FillWithWindowColour(painter, area);
    // The lengths are fixed pixels: a wing of 60, a wind line of 100; what lies beyond a small
    // graph's edge is cut off, as on the handheld.
    Geometry geo;
    geo.area = area;
    geo.centre = area.topLeft() + QPoint(area.width() / 2, area.height() / 2);
    geo.g = squareScreen ? 25 : 30;
    DrawAircraft(painter, geo);
    if (values.angle == -1) {
        painter.restore();
        return;
    }
    QFont font = DialogFont();
    font.setPixelSize(12);
    font.setWeight(QFont::Normal);
    painter.setFont(font);
    painter.setBackgroundMode(Qt::TransparentMode);
    // A component that rounds to nothing has no arrow or line ("0" would point nowhere).
    const double side = values.fromRight ? 1.0 : -1.0;
    if (!IsZeroText(values.headWind))
        DrawAlongArrow(painter, geo, values.headWind, side);

    const double angle = values.angle * units::kDegreesToRadians;
    const double forward = values.headWind >= 0 ? -1.0 : 1.0;
    // The wind line is wider than the cross-wind line drawn over it, so a wind straight across
    // shows both: red edges around the green line.
    painter.setPen(QPen(CurrentColourScheme().warning, 4));
    painter.drawLine(geo.centre, geo.Point(side * kWindLineLength * std::sin(angle),
                                           forward * kWindLineLength * std::cos(angle)));
    if (IsZeroText(values.crossWind)) {
        painter.restore();
        return;
    }

    const double edge = values.fromRight ? area.right() : area.left();
    painter.setPen(QPen(CurrentColourScheme().wind, 2));
    painter.drawLine(geo.centre, QPointF(edge, geo.centre.y()));
    const double middle = (geo.centre.x() + edge) / 2;
    // The value goes on the side of the line away from the wind line.
    const double textTop = forward < 0 ? geo.centre.y() + 2 : geo.centre.y() - 18;
    painter.drawText(QRectF(middle - 30, textTop, 60, 16), Qt::AlignCenter,
                     FormatText("%.0f", values.crossWind));
    painter.restore();
}
