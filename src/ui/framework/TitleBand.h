#pragma once
// The title every dialog and form view paints at its top: the caption in bold dark blue
// (0, 0, 156) from x = 6 to the screen width in a 20-pixel band, and a black line under it.
// A caption's "&&" shows as "&".

#include <QString>

class QFont;
class QPainter;

inline constexpr int kTitleBandHeight = 20;

void PaintTitleBand(QPainter& painter, const QFont& font, const QString& caption, int screenWidth);

// The title of a message box raised by a screen with this caption ("&&" becomes "&").
QString MessageBoxTitle(const QString& caption);
