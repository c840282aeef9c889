#include "core/gps/Gdl90Frame.h"

#include <array>

namespace {

constexpr std::array<uint16_t, 256> Gdl90CrcTable() {
    std::array<uint16_t, 256> table{};
    for (unsigned i = 0; i < table.size(); ++i) {
        unsigned crc = i << 8;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc << 1) ^ ((crc & 0x8000) ? 0x1021 : 0);
        table[i] = static_cast<uint16_t>(crc);
    }
    return table;
}

constexpr std::array<uint16_t, 256> kGdl90CrcTable = Gdl90CrcTable();

} // namespace

uint16_t Gdl90Crc(QByteArrayView message) {
    // The document's routine folds each byte in after the table step, not into the table index
    // as the usual CRC-CCITT does: the two give different sums, and only this one matches.
    uint16_t crc = 0;
    for (const char byte : message)
        crc = static_cast<uint16_t>(kGdl90CrcTable[crc >> 8] ^ (crc << 8) ^
                                    static_cast<uint8_t>(byte));
    return crc;
}
