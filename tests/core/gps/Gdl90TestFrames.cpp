#include "core/gps/Gdl90TestFrames.h"

#include <cmath>

namespace {

// The check sequence by bits, as the document's table is built, so that the reader's table
// is checked against arithmetic of its own.
uint16_t TestCrc(QByteArrayView message) {
    uint16_t crc = 0;
    for (const char c : message) {
        auto top = static_cast<uint16_t>(crc & 0xFF00);
        for (int bit = 0; bit < 8; ++bit)
            top = static_cast<uint16_t>((top << 1) ^ ((top & 0x8000) ? 0x1021 : 0));
        crc = static_cast<uint16_t>(top ^ (crc << 8) ^ static_cast<uint8_t>(c));
    }
    return crc;
}

void AppendStuffed(QByteArray& frame, uint8_t byte) {
    if (byte == 0x7E || byte == 0x7D) {
        frame.append(char(0x7D));
        byte ^= 0x20;
    }
    frame.append(static_cast<char>(byte));
}

void Append24(QByteArray& message, double degrees) {
    const auto raw = static_cast<uint32_t>(std::lround(degrees * (1 << 23) / 180.0)) & 0xFFFFFF;
    message.append(char(raw >> 16)).append(char(raw >> 8)).append(char(raw));
}

} // namespace

QByteArray Gdl90TestFrame(QByteArrayView message) {
    const uint16_t crc = TestCrc(message);
    QByteArray frame(1, char(0x7E));
    for (const char c : message)
        AppendStuffed(frame, static_cast<uint8_t>(c));
    AppendStuffed(frame, crc & 0xFF);
    AppendStuffed(frame, crc >> 8);
    return frame.append(char(0x7E));
}

QByteArray Gdl90TestOwnship(const Gdl90TestReport& r) {
    QByteArray m;
    m.append(char(r.id)).append(char(0x00)).append("\xAB\x45\x49", 3);
    Append24(m, r.latitude);
    Append24(m, r.longitude);
    m.append(char(r.altitude >> 4)).append(char((r.altitude & 0xF) << 4 | (r.misc & 0xF)));
    m.append(char(r.nic << 4 | (r.nacp & 0xF)));
    m.append(char(r.speed >> 4)).append(char((r.speed & 0xF) << 4)).append(char(0x01));
    m.append(char(r.track)).append(char(0x01)).append("N825V   ").append(char(0x00));
    return m;
}

QByteArray Gdl90TestHeartbeat(bool gpsValid, uint32_t secondsOfDay, bool utcOk) {
    QByteArray m(1, char(0x00));
    m.append(char(gpsValid ? 0x81 : 0x01));
    m.append(char((secondsOfDay >> 16 & 1) << 7 | (utcOk ? 0x01 : 0x00)));
    m.append(char(secondsOfDay & 0xFF)).append(char(secondsOfDay >> 8 & 0xFF));
    return m.append("\x00\x00", 2);
}

QByteArray Gdl90TestGeometricAltitude(int32_t feet) {
    const auto raw = static_cast<uint16_t>(static_cast<int16_t>(feet / 5));
    QByteArray m(1, char(11));
    m.append(char(raw >> 8)).append(char(raw & 0xFF));
    return m.append("\x00\x0A", 2);
}
