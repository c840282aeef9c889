#include "ui/framework/DialogUnits.h"

namespace {

// a * b / c rounded to the nearest integer, halves away from zero.
int MulDiv(int a, int b, int c) {
    const long long product = static_cast<long long>(a) * b;
    const long long half = c / 2;
    return static_cast<int>(product >= 0 ? (product + half) / c : (product - half) / c);
}

constexpr int kComboClosedHeightUnits = 12;

} // namespace

int DialogUnitsToPixelsX(int units) {
    return MulDiv(units, 6, 4);
}

int DialogUnitsToPixelsY(int units) {
    return MulDiv(units, 13, 8);
}

QRect DialogRectToPixels(const ResourceRect& r) {
    const int left = DialogUnitsToPixelsX(r.x);
    const int top = DialogUnitsToPixelsY(r.y);
    const int right = DialogUnitsToPixelsX(r.x + r.cx);
    const int bottom = DialogUnitsToPixelsY(r.y + r.cy);
    return QRect(left, top, right - left, bottom - top);
}

QRect ControlPixelRect(const ControlTemplate& control) {
    ResourceRect r = control.rect;
    const bool combo =
        control.keyword == QLatin1String("COMBOBOX") ||
        control.className.compare(QLatin1String("ComboBox"), Qt::CaseInsensitive) == 0;
    if (combo && r.cy > kComboClosedHeightUnits)
        r.cy = kComboClosedHeightUnits;
    return DialogRectToPixels(r);
}
