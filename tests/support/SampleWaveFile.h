#pragma once
// Writes a tiny valid wave file (a tenth of a second of silence, 8 kHz, 8-bit mono) for tests of
// the timers' sounds.

#include <QByteArray>
#include <QFile>
#include <QString>

#include <cstdint>

inline bool WriteSampleWaveFile(const QString& path) {
    const uint32_t samples = 800;
    auto le32 = [](uint32_t v) {
        const char bytes[4] = {char(v & 0xff), char((v >> 8) & 0xff), char((v >> 16) & 0xff),
                               char((v >> 24) & 0xff)};
        return QByteArray(bytes, 4);
    };
    auto le16 = [](uint16_t v) {
        const char bytes[2] = {char(v & 0xff), char((v >> 8) & 0xff)};
        return QByteArray(bytes, 2);
    };
    QByteArray wave = "RIFF" + le32(36 + samples) + "WAVE" + "fmt " + le32(16) + le16(1) + le16(1) +
                      le32(8000) + le32(8000) + le16(1) + le16(8) + "data" + le32(samples) +
                      QByteArray(samples, char(0x80));
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(wave) == wave.size();
}
