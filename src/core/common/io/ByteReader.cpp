#include "core/common/io/ByteReader.h"

#include <cstring>

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

double ByteReader::F64() {
    if (!Need(8))
        return 0.0;
    uint64_t bits = 0;
    for (int i = 7; i >= 0; --i)
        bits = (bits << 8) | static_cast<uint8_t>(data_.constData()[pos_ + i]);
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
