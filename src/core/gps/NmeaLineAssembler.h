#pragma once
// Collects received bytes into NMEA lines. A line ends at a line feed (not stored) or when the
// buffer of 1000 bytes is full. A finished line longer than 6 bytes that starts with "$" is a
// sentence to decode; its last stored byte (the carriage return) is dropped.

#include <QByteArray>

#include <array>
#include <optional>

class NmeaLineAssembler {
public:
    static constexpr int kCapacity = 1000;

    // Adds one byte. When it finishes a line that is a sentence, returns the sentence; the
    // buffer is empty again after every finished line.
    std::optional<QByteArray> Add(char byte);

private:
    std::array<char, kCapacity> buffer_{};
    int length_ = 0;
};
