// The "Time Zone" dialog's OK rule: the chosen zone, or the previous one for a place being
// edited; a new place needs a zone, and no name may hold "=".
#include "core/times/PlaceChoice.h"

#include <gtest/gtest.h>

namespace {

TEST(PlaceChoice, ZoneNameAndRefusals) {
    const struct {
        const char* name;
        std::optional<int> chosen;
        int previous;
        bool newPlace;
        bool ok;
        const char* shownName;
        int key;
    } cases[] = {
        {"Auckland", 290, 90, true, true, "Auckland", 290},
        {"Home", std::nullopt, 999, false, true, "Home", 999}, // an unknown key is kept
        {"Home", std::nullopt, 90, true, false, "", 0},        // a new place needs a zone
        {"A=B", 35, 35, false, false, "", 0},                  // would read back as "A"
        {"Seventeen letters", 4, 4, false, true, "Seventeen letter", 4},
    };
    for (const auto& c : cases) {
        const Outcome<WorldClock> place =
            ChoosePlace(QString::fromUtf8(c.name), c.chosen, c.previous, c.newPlace);
        ASSERT_EQ(place.ok(), c.ok) << c.name;
        if (!c.ok) {
            EXPECT_FALSE(place.error().text.isEmpty());
            continue;
        }
        EXPECT_EQ(place->name, QString::fromUtf8(c.shownName));
        EXPECT_EQ(place->key, c.key);
    }
}

} // namespace
