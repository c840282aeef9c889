#pragma once
// GDL90 framing, as the published GDL 90 data interface document gives it: a clear message (its
// message id and data), then its frame check sequence (least significant byte first), with
// every flag or escape byte among them sent as the escape byte and the byte xor 0x20, the whole
// between two flag bytes.

#include <QByteArrayView>

#include <cstdint>

inline constexpr uint8_t kGdl90Flag = 0x7E;
inline constexpr uint8_t kGdl90Escape = 0x7D;
inline constexpr uint8_t kGdl90EscapeXor = 0x20;

// The frame check sequence of a clear message: CRC-CCITT (polynomial 0x1021, starting at 0),
// computed with the table-driven routine of the GDL 90 document.
uint16_t Gdl90Crc(QByteArrayView message);
