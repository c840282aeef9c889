#pragma once
// Little-endian writer that builds a file image in memory, field by field.

#include <QByteArray>

#include <cstdint>

class ByteWriter {
public:
    const QByteArray& Data() const { return data_; }
    qsizetype Size() const { return data_.size(); }

    void U8(uint8_t v) { data_.append(static_cast<char>(v)); }
    void U16(uint16_t v);
    void U32(uint32_t v);
    void I32(int32_t v) { U32(static_cast<uint32_t>(v)); }
    void I16(int16_t v) { U16(static_cast<uint16_t>(v)); }
    void F64(double v);
    void Bytes(const QByteArray& bytes) { data_.append(bytes); }
    void Zeros(qsizetype count) { data_.append(count, '\0'); }
    // Overwrites four bytes at an earlier offset (for counts and offsets known only later).
    void PatchU32(qsizetype offset, uint32_t v);

private:
    QByteArray data_;
};
