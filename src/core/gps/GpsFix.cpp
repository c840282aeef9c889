#include "core/gps/GpsFix.h"

#include "core/gps/NmeaSentence.h"

GpsReading GpsFix::Snapshot(TimePoint now) const {
    const std::lock_guard lock(mutex_);
    GpsReading reading{open_, values_};
    reading.fresh =
        open_ && hasValidFix_ && now - lastValidFix_ <= std::chrono::seconds(kStaleSeconds);
    reading.fixSpeed = reading.fresh ? fixSpeed_ : 0;
    return reading;
}

bool GpsFix::IsOpen() const {
    const std::lock_guard lock(mutex_);
    return open_;
}

void GpsFix::SetOpen(bool open) {
    const std::lock_guard lock(mutex_);
    open_ = open;
    values_ = GpsValues{};
    hasValidFix_ = false;
    fixSpeed_ = 0;
}

void GpsFix::ApplyValues(const GpsValues& values, TimePoint receivedAt) {
    const std::lock_guard lock(mutex_);
    values_ = values;
    if (values.fixValid) {
        hasValidFix_ = true;
        lastValidFix_ = receivedAt;
        fixSpeed_ = values.speed;
    }
}

void GpsFix::ApplySentence(QByteArrayView sentence, TimePoint receivedAt) {
    const std::lock_guard lock(mutex_);
    if (!DecodeNmeaSentence(sentence, &values_))
        return;
    if (NmeaSentenceType(sentence) == NmeaType::Rmc && values_.fixValid) {
        hasValidFix_ = true;
        lastValidFix_ = receivedAt;
        fixSpeed_ = values_.speed;
    }
}
