#include "ui/weight-balance/CgGraph.h"

#include "core/common/text/Format.h"
#include "core/weight-balance/GraphMarkers.h"
#include "ui/framework/ApplicationFonts.h"
#include "ui/framework/ColourScheme.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>

#include <algorithm>
#include <cmath>

namespace {

// The graph is drawn for the handheld's 96 dots per inch on every screen, so that it looks the
// same everywhere: pens of one pixel, 8-point labels of the dialog font.
constexpr int kDotsPerInch = 96;
constexpr int kPenWidth = kDotsPerInch / 72;

QColor ColourOf(MarkerColour c) {
    const ColourScheme& scheme = CurrentColourScheme();
    switch (c) {
    case MarkerColour::Red:
        return scheme.warning;
    case MarkerColour::Magenta:
        return scheme.markerPink;
    case MarkerColour::Green:
        return scheme.markerGreen;
    case MarkerColour::Navy:
        return scheme.markerNavy;
    case MarkerColour::Black:
        break;
    }
    return scheme.ink;
}

QFont BoldFont() {
    QFont font = DialogFont();
    font.setPixelSize(10 * kDotsPerInch / 72);
    font.setBold(true);
    return font;
}

} // namespace

void CCgGraph::Draw(QPainter& painter, const QRect& rect, uint32_t options) {
    painter.save();
    painter.fillRect(rect, CurrentColourScheme().paper);
    if (!type_) {
        painter.restore();
        return;
    }
    painter.setFont(DialogFont());
    const QFontMetrics metrics(painter.font());
    const LoadingResults none;
    const std::optional<GraphScale> scale = ComputeGraphScale(*type_, results_ ? *results_ : none);
    if (!scale) {
        painter.setFont(BoldFont());
        painter.setPen(CurrentColourScheme().warning);
        painter.drawText(rect, Qt::AlignCenter, QStringLiteral("CG values not definded"));
        painter.restore();
        return;
    }
    Plot& p = plot_;
    p.scale = *scale;
    p.pen = kPenWidth;
    p.area = rect;
    const int labelWidth = metrics.horizontalAdvance(QStringLiteral("123456"));
    p.left = rect.left() + labelWidth;
    p.top = rect.top() + 5;
    p.width = rect.width() - labelWidth;
    p.height = rect.bottom() - 2 * metrics.height();
    p.pixelsPerArm = p.width / std::trunc(scale->rightArm - scale->leftArm);
    p.pixelsPerWeight = p.height / (scale->topWeight - scale->bottomWeight);
    p.bottom = std::trunc(p.pixelsPerWeight * (scale->topWeight - scale->bottomWeight)) + p.top;

    painter.setPen(QPen(CurrentColourScheme().ink, 1));
    painter.drawLine(QPointF(p.left, p.top), QPointF(p.left, p.bottom));
    painter.drawLine(QPointF(p.left, p.bottom), QPointF(p.left + p.width, p.bottom));
    DrawEnvelope(painter);
    DrawWeightScale(painter);
    DrawArmScale(painter);
    DrawWeightLines(painter);
    if (results_)
        DrawMarkers(painter, options);
    painter.restore();
}

QPoint CCgGraph::At(double weight, double arm) const {
    const Plot& p = plot_;
    const double x = (arm - p.scale.leftArm) * p.pixelsPerArm + p.left;
    const double y = p.bottom - (weight - p.scale.bottomWeight) * p.pixelsPerWeight;
    return QPoint(static_cast<int>(x), static_cast<int>(y));
}

void CCgGraph::DrawEnvelope(QPainter& painter) const {
    QPolygon polygon;
    for (const EnvelopePoint& point : type_->envelope) {
        if (point.weight == 0.0)
            break;
        polygon.append(At(point.weight, point.arm));
    }
    painter.setPen(QPen(CurrentColourScheme().course, 2 * plot_.pen));
    painter.setBrush(CurrentColourScheme().envelopeFill);
    painter.drawPolygon(polygon);
    painter.setBrush(Qt::NoBrush);
}

void CCgGraph::DrawWeightScale(QPainter& painter) const {
    const Plot& p = plot_;
    const QFontMetrics metrics(painter.font());
    painter.setPen(QPen(CurrentColourScheme().ink, 1));
    const QList<double> ticks = p.scale.WeightTicks();
    // In a short graph the labels of neighbouring ticks would overlap into an unreadable
    // column: every tick is drawn, but only every n-th one labelled, n as small as keeps the
    // labels apart (the ticks of the scale are a step apart).
    const double spacing = p.scale.weightStep * p.pixelsPerWeight;
    const int every =
        spacing > 0 ? std::max(1, static_cast<int>(std::ceil(metrics.height() / spacing))) : 1;
    for (int i = 0; i < ticks.size(); ++i) {
        const double v = ticks[i];
        const int y = At(v, p.scale.leftArm).y();
        painter.drawLine(QPointF(p.left - 3 * p.pen, y), QPointF(p.left + 3 * p.pen, y));
        if (i % every != 0)
            continue;
        const QString label = FormatText("%.0f", v);
        const int right = static_cast<int>(p.left) - 5 * p.pen;
        const QRect box(right - metrics.horizontalAdvance(label), y - metrics.height() / 2,
                        metrics.horizontalAdvance(label), metrics.height());
        painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, label);
    }
}

void CCgGraph::DrawArmScale(QPainter& painter) const {
    const Plot& p = plot_;
    const QFontMetrics metrics(painter.font());
    const int h = static_cast<int>(p.height); // the plot height taken as a y coordinate
    painter.setPen(QPen(CurrentColourScheme().ink, 1));
    const char* format = p.scale.armStep == 0.5 ? "%.1f" : "%.0f";
    for (double a : p.scale.ArmTicks()) {
        const int x = At(p.scale.bottomWeight, a).x();
        painter.drawLine(x, h - 5 * p.pen, x, h + 5 * p.pen);
        const QString label = FormatText(format, a);
        const int width = metrics.horizontalAdvance(label);
        // Centred on its tick, but kept inside the graph: the last tick sits on the right edge.
        const int left =
            std::max(p.area.left(), std::min(x - width / 2, p.area.right() + 1 - width));
        painter.drawText(QRect(left, h + 5 * p.pen, width, metrics.height()), Qt::AlignCenter,
                         label);
    }
}

void CCgGraph::DrawWeightLines(QPainter& painter) const {
    const QFontMetrics metrics(painter.font());
    painter.setPen(QPen(CurrentColourScheme().ink, 1));
    for (const WeightLine& line : MakeWeightLines(*type_)) {
        const double y = At(line.weight, line.forwardArm).y();
        const auto rounded = [this](double arm) {
            return static_cast<int>(
                std::lround((arm - plot_.scale.leftArm) * plot_.pixelsPerArm + plot_.left));
        };
        const int x1 = rounded(line.forwardArm);
        const int x2 = rounded(line.aftArm);
        painter.drawLine(QPointF(x1, y), QPointF(x2, y));
        const int width = metrics.horizontalAdvance(line.label);
        painter.drawText(QRect((x1 + x2) / 2 - width / 2, static_cast<int>(y) - metrics.height(),
                               width, metrics.height()),
                         Qt::AlignCenter, line.label);
    }
}

void CCgGraph::DrawMarkers(QPainter& painter, uint32_t options) const {
    const Plot& p = plot_;
    const QFontMetrics metrics(painter.font());
    const int m = 3 * p.pen;
    for (const GraphMarker& marker : MakeGraphMarkers(*type_, *results_, options)) {
        const QColor colour = ColourOf(marker.colour);
        const QPoint at = At(marker.weight, marker.arm);
        const int x = at.x(), y = at.y();
        painter.setPen(QPen(colour, 1));
        painter.setBrush(colour);
        painter.drawPolygon(QPolygon({{x - m, y}, {x, y - m}, {x + m, y}, {x, y + m}}));
        painter.setBrush(Qt::NoBrush);
        if (options & graph_options::kLines)
            painter.drawPolyline(
                QPolygon({{static_cast<int>(p.left), y}, {x, y}, {x, static_cast<int>(p.bottom)}}));
        const QString label(marker.label);
        const int width = metrics.horizontalAdvance(label);
        painter.drawText(QRect(x - width / 2, y - m - metrics.height(), width, metrics.height()),
                         Qt::AlignHCenter | Qt::AlignBottom, label);
    }
}
