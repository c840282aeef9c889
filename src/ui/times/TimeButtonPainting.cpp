#include "ui/times/TimeButtonPainting.h"

#include <QPainter>

namespace {

QFont TahomaPixels(int pixels, QFont::Weight weight) {
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(pixels);
    font.setWeight(weight);
    return font;
}

} // namespace

QColor ToQColor(TextColour colour) {
    switch (colour) {
    case TextColour::Blue:
        return QColor(0, 0, 255);
    case TextColour::Red:
        return QColor(255, 0, 0);
    case TextColour::Purple:
        return QColor(128, 0, 128);
    case TextColour::Black:
        break;
    }
    return QColor(0, 0, 0);
}

QFont TimesTimeFont(bool squareScreen) {
    return TahomaPixels(squareScreen ? 16 : 18, QFont::Normal);
}

QFont TimesTimerFont(bool squareScreen) {
    return TahomaPixels(squareScreen ? 10 : 12, QFont::Bold);
}

void PaintTimeButton(QPainter& painter, const QRect& area, const ColouredText& text,
                     const QFont& font) {
    // A running value keeps the black outline, so running times appear framed.
    const bool framed = text.colour == TextColour::Blue;
    painter.setPen(framed ? Qt::black : Qt::white);
    painter.setBrush(Qt::white);
    painter.drawRect(area.adjusted(0, 0, -1, -1));
    painter.setFont(font);
    painter.setPen(ToQColor(text.colour));
    const QRect textArea = area.adjusted(0, 2, -2, 0);
    painter.drawText(textArea, Qt::AlignRight | Qt::AlignTop | Qt::TextSingleLine, text.text);
}

void PaintTimerButton(QPainter& painter, const QRect& area, const ColouredText& text,
                      const QFont& font) {
    painter.setPen(Qt::white);
    painter.setBrush(Qt::white);
    painter.drawRect(area.adjusted(0, 0, -1, -1));
    painter.setFont(font);
    painter.setPen(ToQColor(text.colour));
    painter.drawText(area, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text.text);
}
