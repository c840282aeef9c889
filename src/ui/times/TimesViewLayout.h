#pragma once
// Where the Times view's controls go on each screen shape. Every cell is a caption above a
// button: the two clocks, the four events, flight and air time, and the GPS speed; the four
// count timers share one row of four narrow cells. Portrait stacks two columns; landscape and
// square screens use three, with the speed beside the clocks.

#include <QRect>
#include <QSize>

#include <array>

enum class TimesCell {
    TopClock,
    SecondClock,
    Startup,
    FlightTime,
    Takeoff,
    AirTime,
    Landing,
    Shutdown,
    Speed,
    Count
};

inline constexpr int kTimesCellCount = static_cast<int>(TimesCell::Count);
inline constexpr int kTimesTimerCount = 4;

struct TimesLayout {
    std::array<QRect, kTimesCellCount> captions;
    std::array<QRect, kTimesCellCount> buttons;
    std::array<QRect, kTimesTimerCount> timerCaptions;
    std::array<QRect, kTimesTimerCount> timerButtons;

    const QRect& Caption(TimesCell cell) const { return captions[static_cast<int>(cell)]; }
    const QRect& Button(TimesCell cell) const { return buttons[static_cast<int>(cell)]; }
};

// The layout of a view of this size below its painted title, on a portrait screen (taller than
// wide) or not, with buttons tall enough for the time font and the timer font (pixel heights).
TimesLayout LayoutTimesView(QSize area, bool portrait, int timeFontPixels, int timerFontPixels);
