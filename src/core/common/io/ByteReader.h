#pragma once
// Bounds-checked little-endian reader over a byte buffer, for parsing files that may be damaged.
// Every read past the end fails, sets the failed flag and returns 0 (or empty); once failed, all
// further reads fail too, so a parser can read a whole record and check Ok() once.

#include <QByteArray>

#include <cstdint>

class ByteReader {
public:
    explicit ByteReader(QByteArray data) : data_(std::move(data)) {}

    bool Ok() const { return !failed_; }
    qsizetype Position() const { return pos_; }
    qsizetype Size() const { return data_.size(); }
    qsizetype Remaining() const { return failed_ ? 0 : data_.size() - pos_; }
    bool AtEnd() const { return Remaining() == 0; }
    const QByteArray& Data() const { return data_; }

    // Moves to an absolute offset; an offset outside the buffer fails.
    bool Seek(qsizetype offset);
    bool Skip(qsizetype count);

    // Inline: the navigation tables are read a few hundred thousand numbers at a time.
    uint8_t U8() { return Need(1) ? Byte(pos_++) : 0; }
    uint16_t U16() {
        if (!Need(2))
            return 0;
        pos_ += 2;
        return static_cast<uint16_t>(Byte(pos_ - 2) | (Byte(pos_ - 1) << 8));
    }
    uint32_t U32() {
        if (!Need(4))
            return 0;
        pos_ += 4;
        return static_cast<uint32_t>(Byte(pos_ - 4)) |
               (static_cast<uint32_t>(Byte(pos_ - 3)) << 8) |
               (static_cast<uint32_t>(Byte(pos_ - 2)) << 16) |
               (static_cast<uint32_t>(Byte(pos_ - 1)) << 24);
    }
    int32_t I32() { return static_cast<int32_t>(U32()); }
    int16_t I16() { return static_cast<int16_t>(U16()); }
    double F64();
    QByteArray Bytes(qsizetype count);

    // Marks the read as failed (a parser found a value it cannot accept).
    void Fail() { failed_ = true; }

private:
    bool Need(qsizetype count) {
        if (failed_ || count < 0 || count > data_.size() - pos_) {
            failed_ = true;
            return false;
        }
        return true;
    }
    // Through constData(): the non-const operator[] would copy a shared buffer.
    uint8_t Byte(qsizetype at) const { return static_cast<uint8_t>(data_.constData()[at]); }

    QByteArray data_;
    qsizetype pos_ = 0;
    bool failed_ = false;
};
