#pragma once
// The source of the current time. The program reads the time only through CurrentClock(), so
// tests can fix it (FixedClock) and step it forward.

#include <QDateTime>
#include <QTimeZone>

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime NowUtc() const = 0;
    // The device's own time zone (used when no custom offset is set).
    virtual QTimeZone LocalZone() const = 0;
};

class SystemClock : public Clock {
public:
    QDateTime NowUtc() const override { return QDateTime::currentDateTimeUtc(); }
    QTimeZone LocalZone() const override { return QTimeZone::systemTimeZone(); }
};

class FixedClock : public Clock {
public:
    explicit FixedClock(const QDateTime& nowUtc, const QTimeZone& zone = QTimeZone::utc())
        : now_(nowUtc.toUTC()), zone_(zone) {}
    QDateTime NowUtc() const override { return now_; }
    QTimeZone LocalZone() const override { return zone_; }
    void Set(const QDateTime& nowUtc) { now_ = nowUtc.toUTC(); }
    void AdvanceSeconds(qint64 seconds) { now_ = now_.addSecs(seconds); }
    void SetZone(const QTimeZone& zone) { zone_ = zone; }

private:
    QDateTime now_;
    QTimeZone zone_;
};

// The clock in use (the system clock unless replaced).
const Clock& CurrentClock();
// Replaces the clock; nullptr restores the system clock. The caller keeps ownership.
void SetCurrentClock(const Clock* clock);
