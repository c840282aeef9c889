#include "ui/calculators/GraphPainting.h"

#include "ui/framework/ApplicationFonts.h"
#include "ui/framework/ColourScheme.h"

#include <QLineF>
#include <QPainter>
#include <QPalette>

void FillWithWindowColour(QPainter& painter, const QRect& area) {
    painter.fillRect(area, QPalette().color(QPalette::Base));
}

void DrawCompassRing(QPainter& painter, QPoint centre, int radius) {
    if (radius < 12)
        return;
    painter.setPen(QPen(CurrentColourScheme().grid, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, radius, radius);
}

void DrawCompassLetters(QPainter& painter, QPoint centre, int radius) {
    if (radius < 12)
        return;
    painter.setPen(CurrentColourScheme().dimInk);
    painter.setFont(DialogFont());
    const int inset = radius - 8;
    const struct {
        const char* letter;
        QPoint offset;
    } marks[] = {{"N", {0, -inset}}, {"E", {inset, 0}}, {"S", {0, inset}}, {"W", {-inset, 0}}};
    for (const auto& mark : marks) {
        const QRect box(centre + mark.offset - QPoint(6, 6), QSize(12, 12));
        painter.drawText(box, Qt::AlignCenter, QString::fromLatin1(mark.letter));
    }
}

void DrawArrowHead(QPainter& painter, QPointF from, QPointF tip, double arm) {
    QLineF back(tip, from);
    if (back.length() <= 0)
        return;
    back.setLength(arm);
    QLineF left = back;
    left.setAngle(back.angle() + 30);
    QLineF right = back;
    right.setAngle(back.angle() - 30);
    painter.drawLine(left);
    painter.drawLine(right);
}
