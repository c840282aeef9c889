#include "core/gps/NmeaLineAssembler.h"

std::optional<QByteArray> NmeaLineAssembler::Add(char byte) {
    if (byte != '\n') {
        buffer_[length_++] = byte;
        if (length_ < kCapacity)
            return std::nullopt;
    }
    const int length = length_;
    length_ = 0;
    if (length <= 6 || buffer_[0] != '$')
        return std::nullopt;
    return QByteArray(buffer_.data(), length - 1);
}
