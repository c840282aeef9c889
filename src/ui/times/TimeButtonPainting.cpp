#include "ui/times/TimeButtonPainting.h"

#include "ui/framework/ColourScheme.h"

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
    const ColourScheme& scheme = CurrentColourScheme();
    switch (colour) {
    case TextColour::Blue:
        return scheme.course;
    case TextColour::Red:
        return scheme.warning;
    case TextColour::Purple:
        return scheme.purple;
    case TextColour::Black:
        break;
    }
    return scheme.ink;
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
    const ColourScheme& scheme = CurrentColourScheme();
    painter.setPen(framed ? scheme.ink : scheme.paper);
    painter.setBrush(scheme.paper);
    painter.drawRect(area.adjusted(0, 0, -1, -1));
    painter.setFont(font);
    painter.setPen(ToQColor(text.colour));
    const QRect textArea = area.adjusted(0, 2, -2, 0);
    painter.drawText(textArea, Qt::AlignRight | Qt::AlignTop | Qt::TextSingleLine, text.text);
}

void PaintTimerButton(QPainter& painter, const QRect& area, const ColouredText& text,
                      const QFont& font) {
    painter.setPen(CurrentColourScheme().paper);
    painter.setBrush(CurrentColourScheme().paper);
    painter.drawRect(area.adjusted(0, 0, -1, -1));
    painter.setFont(font);
    painter.setPen(ToQColor(text.colour));
    painter.drawText(area, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text.text);
}
