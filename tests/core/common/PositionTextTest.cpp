// Positions typed in the program's coordinate texts.
#include "core/common/text/PositionText.h"

#include <gtest/gtest.h>

namespace {

TEST(PositionText, BothFormatsAndTheirLimits) {
    const struct {
        const char* text;
        std::optional<Position> position;
    } cases[] = {
        {"40:00:00 N 001:00:00 E", Position{40 * 3600, -3600}},
        {"40:30.50 S, 122:15.5 W",
         Position{-(40 * 3600 + 30 * 60 + 30), 122 * 3600 + 15 * 60 + 30}},
        {" 47:27:00n  122:18:30w ", Position{47 * 3600 + 27 * 60, 122 * 3600 + 18 * 60 + 30}},
        {"90:00:00 N 180:00:00 W", Position{90 * 3600, 180 * 3600}},
        {"90:00:01 N 001:00:00 E", std::nullopt},
        {"40:00:00 N 180:00:01 E", std::nullopt},
        {"40:60:00 N 001:00:00 E", std::nullopt},
        {"40:00:60 N 001:00:00 E", std::nullopt},
        {"40:00:00 E 001:00:00 N", std::nullopt},
        {"40:00:00 N", std::nullopt},
        {"KSEA", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParsePositionText(c.text), c.position) << c.text;
}

} // namespace
