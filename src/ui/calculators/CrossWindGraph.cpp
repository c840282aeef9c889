#include "ui/calculators/CrossWindGraph.h"

#include "core/common/Constants.h"
#include "core/common/text/Format.h"
#include "ui/calculators/GraphPainting.h"
#include "ui/framework/ApplicationFonts.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kArrowLength = 35;
constexpr int kArrowGap = 5; // between the aircraft and the arrow
constexpr int kTextGap = 25; // from the arrow's far end to the text's centre
constexpr int kWindLineLength = 100;

struct Geometry {
    QPointF centre;
    double scale; // 1, or less in a small area
    double g;     // half the fuselage
    QPointF Point(double dx, double dy) const { return centre + QPointF(dx, dy) * scale; }
};

void DrawAircraft(QPainter& painter, const Geometry& geo) {
    const double g = geo.g;
    painter.setPen(QPen(Qt::black, 3));
    painter.drawLine(geo.Point(-1, -g), geo.Point(-1, g));
    painter.drawLine(geo.Point(-30, -g + 7), geo.Point(30, -g + 7));
    painter.drawLine(geo.Point(-10, g - 7), geo.Point(10, g - 7));
}

bool IsZeroText(double component) {
    return FormatText("%.0f", std::fabs(component)) == QLatin1String("0");
}

// The head-wind arrow points down at the nose, the tail-wind arrow up at the tail; the value
// stands beyond the arrow's far end.
void DrawAlongArrow(QPainter& painter, const Geometry& geo, double headWind) {
    const double side = headWind >= 0 ? -1.0 : 1.0; // above the nose, or below the tail
    const double near = side * (geo.g + kArrowGap);
    const double far = side * (geo.g + kArrowGap + kArrowLength);
    const QPointF tip = geo.Point(-1, near);
    const QPointF tail = geo.Point(-1, far);
    painter.setPen(QPen(QColor(0, 0, 255), 2));
    painter.drawLine(tail, tip);
    painter.drawLine(tip, tip + QPointF(-5, side * 5));
    painter.drawLine(tip, tip + QPointF(5, side * 5));
    const QPointF text = tail + QPointF(0, side * std::max(10.0, kTextGap * geo.scale));
    painter.drawText(QRectF(text.x() - 30, text.y() - 8, 60, 16), Qt::AlignCenter,
                     FormatText("%.0f", std::fabs(headWind)));
}

} // namespace

void DrawCrossWindGraph(QPainter& painter, const QRect& area, const CrossWindGraphValues& values,
                        bool squareScreen) {
    painter.save();
    painter.setClipRect(area);
    painter.setRenderHint(QPainter::Antialiasing, false);
    FillWithWindowColour(painter, area);
    Geometry geo;
    geo.centre = area.topLeft() + QPoint(area.width() / 2, area.height() / 2);
    geo.g = squareScreen ? 25 : 30;
    // Room for the fuselage, the arrow and its value (8 pixels either side of its centre, at
    // least 10 beyond the arrow) on one side of the centre, and for the wing across.
    const double half = area.height() / 2.0;
    const double along = geo.g + kArrowGap + kArrowLength;
    geo.scale = std::min({1.0, (half - 8) / (along + kTextGap), (area.width() / 2.0) / 45.0});
    if (kTextGap * geo.scale < 10)
        geo.scale = std::min(geo.scale, (half - 18) / along);
    geo.scale = std::max(geo.scale, 0.1);
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
    if (!IsZeroText(values.headWind))
        DrawAlongArrow(painter, geo, values.headWind);

    const double side = values.fromRight ? 1.0 : -1.0;
    const double angle = values.angle * units::kDegreesToRadians;
    const double forward = values.headWind >= 0 ? -1.0 : 1.0;
    // The wind line is wider than the cross-wind line drawn over it, so a wind straight across
    // shows both: red edges around the green line.
    painter.setPen(QPen(QColor(255, 0, 0), 4));
    painter.drawLine(geo.centre, geo.Point(side * kWindLineLength * std::sin(angle),
                                           forward * kWindLineLength * std::cos(angle)));
    if (IsZeroText(values.crossWind)) {
        painter.restore();
        return;
    }

    const double edge = values.fromRight ? area.right() : area.left();
    painter.setPen(QPen(QColor(0, 192, 0), 2));
    painter.drawLine(geo.centre, QPointF(edge, geo.centre.y()));
    const double middle = (geo.centre.x() + edge) / 2;
    // The value goes on the side of the line away from the wind line.
    const double textTop = forward < 0 ? geo.centre.y() + 2 : geo.centre.y() - 18;
    painter.drawText(QRectF(middle - 30, textTop, 60, 16), Qt::AlignCenter,
                     FormatText("%.0f", values.crossWind));
    painter.restore();
}
