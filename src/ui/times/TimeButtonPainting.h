#pragma once
// How the Times view draws its owner-drawn buttons: the fonts ("Tahoma", the time font 16 pixels
// high on a square screen and 18 otherwise, normal weight; the timer font 10 or 12 pixels, bold)
// and the two kinds of button: an event time, clock or duration right-aligned in the time font,
// framed in black while it runs (blue), and a count timer at the left edge in the timer font.

#include "core/times/TextColour.h"

#include <QColor>
#include <QFont>

class QPainter;
class QRect;

QColor ToQColor(TextColour colour);

QFont TimesTimeFont(bool squareScreen);
QFont TimesTimerFont(bool squareScreen);

void PaintTimeButton(QPainter& painter, const QRect& area, const ColouredText& text,
                     const QFont& font);
void PaintTimerButton(QPainter& painter, const QRect& area, const ColouredText& text,
                      const QFont& font);
