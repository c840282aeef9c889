#pragma once
// Dialog units to pixels with fixed base units (the handheld's Tahoma 8 pt: 6 x 13), so layouts
// are the same on every machine: 1 horizontal unit = 1.5 px, 1 vertical unit = 1.625 px.

#include "core/common/resources/ResourceTypes.h"

#include <QRect>

int DialogUnitsToPixelsX(int units);
int DialogUnitsToPixelsY(int units);
// The rectangle (x, y, x + cx, y + cy) in pixels.
QRect DialogRectToPixels(const ResourceRect& rect);
// Where a control of the template goes. A drop-down's height in a template is that of its open
// list; the closed control is one line high.
QRect ControlPixelRect(const ControlTemplate& control);
