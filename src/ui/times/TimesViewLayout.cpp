#include "ui/times/TimesViewLayout.h"

#include "ui/framework/TitleBand.h"

#include <QVector>

#include <algorithm>

namespace {

using Row = QVector<TimesCell>;

constexpr int kMargin = 4;
constexpr int kColumnGap = 6;
constexpr int kCaptionHeight = 13;
constexpr int kMaxRowGap = 14;

QVector<Row> Grid(bool wide) {
    using C = TimesCell;
    if (wide)
        return {{C::TopClock, C::SecondClock, C::Speed},
                {C::Startup, C::Takeoff, C::FlightTime},
                {C::Landing, C::Shutdown, C::AirTime}};
    return {{C::TopClock, C::SecondClock},
            {C::Startup, C::FlightTime},
            {C::Takeoff, C::AirTime},
            {C::Landing, C::Shutdown}};
}

// Left edges and width of `count` equal columns across the area.
int ColumnWidth(int areaWidth, int count) {
    return (areaWidth - 2 * kMargin - (count - 1) * kColumnGap) / count;
}

int ColumnLeft(int areaWidth, int count, int index) {
    return kMargin + index * (ColumnWidth(areaWidth, count) + kColumnGap);
}

} // namespace

TimesLayout LayoutTimesView(QSize area, bool portrait, int timeFontPixels, int timerFontPixels) {
    // Landscape and square screens are too low for four rows of cells.
    const bool wide = !portrait;
    const QVector<Row> grid = Grid(wide);
    const int columns = static_cast<int>(grid.first().size());
    const int cellHeight = kCaptionHeight + timeFontPixels + 6;
    const int timerHeight = kCaptionHeight + timerFontPixels + 6;
    const int rows = static_cast<int>(grid.size()) + (wide ? 0 : 1); // portrait: speed row
    const int used = kTitleBandHeight + rows * cellHeight + timerHeight;
    const int gaps = rows + 2;
    const int gap = std::clamp((area.height() - used) / gaps, 2, kMaxRowGap);

    TimesLayout layout;
    int y = kTitleBandHeight + gap;
    auto place = [&](TimesCell cell, int left, int width) {
        const int i = static_cast<int>(cell);
        layout.captions[i] = QRect(left, y, width, kCaptionHeight);
        layout.buttons[i] = QRect(left, y + kCaptionHeight, width, cellHeight - kCaptionHeight);
    };
    for (const Row& row : grid) {
        for (int c = 0; c < row.size(); ++c)
            place(row[c], ColumnLeft(area.width(), columns, c), ColumnWidth(area.width(), columns));
        y += cellHeight + gap;
    }
    for (int t = 0; t < kTimesTimerCount; ++t) {
        const int left = ColumnLeft(area.width(), kTimesTimerCount, t);
        const int width = ColumnWidth(area.width(), kTimesTimerCount);
        layout.timerCaptions[t] = QRect(left, y, width, kCaptionHeight);
        layout.timerButtons[t] =
            QRect(left, y + kCaptionHeight, width, timerHeight - kCaptionHeight);
    }
    y += timerHeight + gap;
    if (!wide)
        place(TimesCell::Speed, ColumnLeft(area.width(), columns, 0),
              ColumnWidth(area.width(), columns));
    return layout;
}
