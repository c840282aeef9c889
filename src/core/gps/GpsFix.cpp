#include "core/gps/GpsFix.h"

#include "core/gps/NmeaSentence.h"

GpsReading GpsFix::Snapshot() const {
    const std::lock_guard lock(mutex_);
    return GpsReading{open_, values_};
}

bool GpsFix::IsOpen() const {
    const std::lock_guard lock(mutex_);
    return open_;
}

void GpsFix::SetOpen(bool open) {
    const std::lock_guard lock(mutex_);
    open_ = open;
    values_ = GpsValues{};
}

void GpsFix::ApplySentence(QByteArrayView sentence) {
    const std::lock_guard lock(mutex_);
    DecodeNmeaSentence(sentence, &values_);
}
