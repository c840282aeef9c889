#include "ui/framework/FittingTabBar.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace {

// Four timer tabs share a 228-pixel strip (the timers dialog on a 240-pixel screen) with every
// tab whole on it; tabs whose texts alone are wider than the strip keep their texts readable.
TEST(FittingTabBar, TabsGiveUpPaddingToFitTheStrip) {
    const struct {
        int width;
        QStringList tabs;
        bool fits;
    } cases[] = {
        {228, {"Timer 1", "Fuel", "Timer 3", "Timer 4"}, true},
        {400, {"Timer 1", "Timer 2", "Timer 3", "Timer 4"}, true},
        {150, {"Information", "Weights", "Centre of gravity", "Stations", "Fuel tanks"}, false},
    };
    for (const auto& c : cases) {
        CFittingTabBar bar;
        for (const QString& tab : c.tabs)
            bar.addTab(tab);
        bar.resize(c.width, 30);
        bar.show();
        QApplication::processEvents();
        const int last = bar.count() - 1;
        EXPECT_EQ(bar.tabRect(last).right() < c.width, c.fits) << c.width;
        for (int i = 0; i < bar.count(); ++i) {
            const int text = bar.fontMetrics().horizontalAdvance(bar.tabText(i));
            EXPECT_GE(bar.tabRect(i).width(), text + 2 * CFittingTabBar::kMinTextMargin)
                << c.width << " " << bar.tabText(i).toStdString();
        }
    }
}

} // namespace
