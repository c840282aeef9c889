#pragma once
// Collects received bytes into NMEA lines. A line ends at a line feed (not stored) or when the
// buffer of 1000 bytes is full. Each finished line gives its sentence as NmeaSentenceFromLine
// finds it (from the last "$", trailing carriage return and blanks dropped), so every source
// cuts lines the same way.

#include <QByteArray>

#include <array>
#include <optional>

class NmeaLineAssembler {
public:
    static constexpr int kCapacity = 1000;

    // Adds one byte. When it finishes a line that holds a sentence, returns the sentence; the
    // buffer is empty again after every finished line.
    std::optional<QByteArray> Add(char byte);

private:
    std::array<char, kCapacity> buffer_{};
    int length_ = 0;
};
