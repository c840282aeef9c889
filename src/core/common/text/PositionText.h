#pragma once
// Reads a position typed as the program shows coordinates: a latitude and a longitude, each in
// either display format ("40:00:00 N" or "40:00.00 N"; "001:00:00 E" or "001:00.00 E"),
// separated by spaces or a comma. Positions are seconds of arc, latitude positive north and
// longitude positive west.

#include <QString>

#include <cstdint>
#include <optional>

struct Position {
    int32_t latitude = 0;
    int32_t longitude = 0;
    bool operator==(const Position&) const = default;
};

// Nothing when the text is no position: a wrong pattern, minutes or seconds above 59, or a
// latitude beyond 90 or longitude beyond 180 degrees.
std::optional<Position> ParsePositionText(const QString& text);
