#pragma once
// Remembers the minute of the last redraw, so that a view redrawn on the one-second tick
// repaints its clocks only when the minute changes.

#include <QDateTime>

class MinuteWatch {
public:
    // True when the minute of the time differs from the one remembered; remembers it.
    bool Changed(const QDateTime& time) {
        const int minute = time.time().minute();
        if (minute == minute_)
            return false;
        minute_ = minute;
        return true;
    }

private:
    int minute_ = -1;
};
