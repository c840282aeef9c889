#include "core/gps/NmeaLineAssembler.h"

#include "core/gps/NmeaSentence.h"

std::optional<QByteArray> NmeaLineAssembler::Add(char byte) {
    if (byte != '\n') {
        buffer_[length_++] = byte;
        if (length_ < kCapacity)
            return std::nullopt;
    }
    const int length = length_;
    length_ = 0;
    return NmeaSentenceFromLine(QByteArrayView(buffer_.data(), length));
}
