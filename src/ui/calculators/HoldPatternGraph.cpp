#include "ui/calculators/HoldPatternGraph.h"

#include "core/common/Constants.h"
#include "ui/calculators/GraphPainting.h"
#include "ui/framework/ColourScheme.h"

#include <QPainter>

#include <cmath>

namespace {

constexpr int kHalfWidth = 35;   // the racetrack is 70 pixels wide
constexpr int kFixBelowTop = 40; // the fix's centre below the racetrack's top
constexpr int kApproachLength = 100;
constexpr int kEntryLength = 80;
constexpr double kEntryAngle = 35.0; // from the inbound leg, into the racetrack

// The turn of an entry drawn in single pixels: half a circle below `a` and `b` (same height).
void DrawTurn(QPainter& painter, QPointF a, QPointF b) {
    const QPointF centre = (a + b) / 2;
    const double radius = std::fabs(b.x() - a.x()) / 2;
    const double start = a.x() < b.x() ? M_PI : 0.0; // from a, round underneath, to b
    const double direction = a.x() < b.x() ? -1.0 : 1.0;
    painter.setPen(QPen(CurrentColourScheme().course, 1));
    const int steps = std::max(8, static_cast<int>(radius * 3));
    for (int i = 0; i <= steps; ++i) {
        const double t = start + direction * M_PI * i / steps;
        painter.drawPoint(
            QPointF(centre.x() + radius * std::cos(t), centre.y() + radius * std::sin(t)));
    }
}

// Offset: out along the entry line into the pattern, then the turn back onto the inbound leg.
// Parallel: out along the non-holding side of the inbound leg, the turn into the pattern, and
// back along the entry line to the fix.
void DrawEntry(QPainter& painter, QPointF fix, double holdingSide, HoldEntryDrawing drawing) {
    const double a = kEntryAngle * units::kDegreesToRadians;
    const QPointF end =
        fix + QPointF(holdingSide * kEntryLength * std::sin(a), kEntryLength * std::cos(a));
    const QPen entryPen(CurrentColourScheme().course, 2);
    painter.setPen(entryPen);
    painter.drawLine(fix, end);
    if (drawing == HoldEntryDrawing::OffsetType) {
        DrawArrowHead(painter, fix, end, 8);
        DrawTurn(painter, end, QPointF(fix.x(), end.y()));
        return;
    }
    DrawArrowHead(painter, end, fix + (end - fix) * 0.12, 8); // back to the fix
    const QPointF outbound = QPointF(fix.x() - holdingSide * 12, end.y());
    painter.setPen(QPen(CurrentColourScheme().course, 1, Qt::DotLine));
    painter.drawLine(QPointF(outbound.x(), fix.y() + 8), outbound);
    DrawTurn(painter, outbound, end);
}

} // namespace

void DrawHoldPattern(QPainter& painter, const QRect& area, const HoldEntryResult& entry,
                     HoldTurns turns, bool landscapeWidth) {
    painter.save();
    painter.setClipRect(area);
    FillWithWindowColour(painter, area);
    const int w = area.width();
    const int h = area.height();
    const int top = h / 2 - (landscapeWidth ? 65 : 75);
    const int bottom = h / 2 + 65 + (landscapeWidth ? 0 : 10);
    painter.translate(area.topLeft());
    const double scale = std::min(1.0, (h - 6.0) / (bottom - top));
    if (scale < 1.0) { // shrink about the centre so that the racetrack fits
        painter.translate(w / 2.0, h / 2.0);
        painter.scale(scale, scale);
        painter.translate(-w / 2.0, -h / 2.0);
    }
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(CurrentColourScheme().ink, 2));
    painter.setBrush(CurrentColourScheme().paper);
    painter.drawRoundedRect(QRect(w / 2 - kHalfWidth, top, 2 * kHalfWidth, bottom - top), 25, 25);

    // Standard (right-hand) turns hold to the right of the inbound leg, which is the left side.
    const double holdingSide = turns == HoldTurns::Standard ? 1.0 : -1.0;
    const double inboundX = w / 2.0 - holdingSide * kHalfWidth;
    const double otherX = w / 2.0 + holdingSide * kHalfWidth;
    const QPointF fix(inboundX, top + kFixBelowTop);
    painter.setBrush(CurrentColourScheme().ink);
    painter.drawEllipse(fix, 5, 5);
    const double middle = (top + bottom) / 2.0;
    painter.drawLine(QPointF(otherX, middle), QPointF(otherX - 8, middle - 10));
    painter.drawLine(QPointF(otherX, middle), QPointF(otherX + 8, middle - 10));
    painter.setBrush(Qt::NoBrush);

    if (entry.entry != HoldEntryKind::None) {
        const int inbound = entry.inbound == 360 ? 0 : entry.inbound;
        const double t = (inbound - entry.approach) * units::kDegreesToRadians;
        painter.setPen(QPen(CurrentColourScheme().course, 2));
        painter.drawLine(
            fix, fix + QPointF(kApproachLength * std::sin(t), kApproachLength * std::cos(t)));
        if (entry.drawing != HoldEntryDrawing::ApproachOnly)
            DrawEntry(painter, fix, holdingSide, entry.drawing);
    }
    painter.restore();
}
