#include "core/common/io/ByteReader.h"

#include <cstring>

bool ByteReader::Need(qsizetype count) {
    if (failed_ || count < 0 || count > data_.size() - pos_) {
        failed_ = true;
        return false;
    }
    return true;
}

bool ByteReader::Seek(qsizetype offset) {
    if (failed_ || offset < 0 || offset > data_.size()) {
        failed_ = true;
        return false;
    }
    pos_ = offset;
    return true;
}

bool ByteReader::Skip(qsizetype count) {
    if (!Need(count))
        return false;
    pos_ += count;
    return true;
}

uint8_t ByteReader::U8() {
    if (!Need(1))
        return 0;
    return static_cast<uint8_t>(data_[pos_++]);
}

uint16_t ByteReader::U16() {
    if (!Need(2))
        return 0;
    const auto* p = reinterpret_cast<const uint8_t*>(data_.constData() + pos_);
    pos_ += 2;
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

uint32_t ByteReader::U32() {
    if (!Need(4))
        return 0;
    const auto* p = reinterpret_cast<const uint8_t*>(data_.constData() + pos_);
    pos_ += 4;
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

double ByteReader::F64() {
    if (!Need(8))
        return 0.0;
    uint64_t bits = 0;
    for (int i = 7; i >= 0; --i)
        bits = (bits << 8) | static_cast<uint8_t>(data_[pos_ + i]);
    pos_ += 8;
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

QByteArray ByteReader::Bytes(qsizetype count) {
    if (!Need(count))
        return {};
    QByteArray out = data_.mid(pos_, count);
    pos_ += count;
    return out;
}
