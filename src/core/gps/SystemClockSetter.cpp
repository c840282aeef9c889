#include "core/gps/SystemClockSetter.h"

#include "core/gps/SerialDevice.h"

#include <cerrno>
#include <ctime>

namespace {

Status SetRealClock(const QDateTime& utc) {
    if (!utc.isValid())
        return Status::Fail(QStringLiteral("Error: No GPS time is known."), MessageIcon::None);
    const qint64 ms = utc.toMSecsSinceEpoch();
    timespec at{};
    at.tv_sec = static_cast<time_t>(ms / 1000);
    at.tv_nsec = static_cast<long>(ms % 1000) * 1000000L;
    if (::clock_settime(CLOCK_REALTIME, &at) != 0)
        return Status(SystemErrorMessage(errno));
    return Status();
}

SystemClockSetter& Setter() {
    static SystemClockSetter setter;
    return setter;
}

} // namespace

Status SetSystemClock(const QDateTime& utc) {
    return Setter() ? Setter()(utc) : SetRealClock(utc);
}

void InstallSystemClockSetter(SystemClockSetter setter) {
    Setter() = std::move(setter);
}
