#include "core/common/io/ByteWriter.h"

#include <cstring>

void ByteWriter::U16(uint16_t v) {
    U8(static_cast<uint8_t>(v & 0xFF));
    U8(static_cast<uint8_t>(v >> 8));
}

void ByteWriter::U32(uint32_t v) {
    for (int i = 0; i < 4; ++i)
        U8(static_cast<uint8_t>((v >> (8 * i)) & 0xFF));
}

void ByteWriter::F64(double v) {
    uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    for (int i = 0; i < 8; ++i)
        U8(static_cast<uint8_t>((bits >> (8 * i)) & 0xFF));
}

void ByteWriter::PatchU32(qsizetype offset, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        data_[offset + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}
