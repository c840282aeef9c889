#include "ui/framework/FittingTabBar.h"

#include <algorithm>

int CFittingTabBar::TextWidth(int index) const {
    QString text = tabText(index);
    text.remove(QLatin1Char('&')); // a mnemonic marker takes no room
    return fontMetrics().horizontalAdvance(text);
}

QSize CFittingTabBar::tabSizeHint(int index) const {
    const QSize natural = QTabBar::tabSizeHint(index);
    if (width() <= 0 || count() == 0)
        return natural;
    int total = 0;
    for (int i = 0; i < count(); ++i)
        total += QTabBar::tabSizeHint(i).width();
    if (total <= width())
        return natural;
    // Every tab gives up an even share of the excess, rounded up so the strip fits.
    const int share = (total - width() + count() - 1) / count();
    const int smallest = TextWidth(index) + 2 * kMinTextMargin;
    return {std::max(natural.width() - share, std::min(smallest, natural.width())),
            natural.height()};
}

QSize CFittingTabBar::minimumTabSizeHint(int index) const {
    return tabSizeHint(index);
}
