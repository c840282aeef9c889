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

    uint8_t U8();
    uint16_t U16();
    uint32_t U32();
    int32_t I32() { return static_cast<int32_t>(U32()); }
    int16_t I16() { return static_cast<int16_t>(U16()); }
    double F64();
    QByteArray Bytes(qsizetype count);

    // Marks the read as failed (a parser found a value it cannot accept).
    void Fail() { failed_ = true; }

private:
    bool Need(qsizetype count);

    QByteArray data_;
    qsizetype pos_ = 0;
    bool failed_ = false;
};
