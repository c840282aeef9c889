#pragma once
// The title every dialog and form view paints at its top: the caption in bold dark blue
// (0, 0, 156) from x = 6 to the screen width in a 20-pixel band, and a black line under it.
// The title is drawn as it stands: pass a caption through MessageBoxTitle first, so that its
// "&&" shows as "&" and no "&" is taken as a mnemonic (which underlines the next character).

#include <QString>

class QFont;
class QPainter;

inline constexpr int kTitleBandHeight = 20;

void PaintTitleBand(QPainter& painter, const QFont& font, const QString& title, int screenWidth);

// The title of a message box raised by a screen with this caption ("&&" becomes "&").
QString MessageBoxTitle(const QString& caption);
