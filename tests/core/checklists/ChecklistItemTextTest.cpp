#include "core/checklists/ChecklistItemText.h"

#include <gtest/gtest.h>

namespace {

TEST(ChecklistItemText, SplitsAtTheFirstColon) {
    const struct {
        QString text;
        ChecklistItemText split;
        QString button;
    } cases[] = {
        {"Mixture:Rich", {"Mixture", "Rich", true}, "Item: Mixture\nCheck: Rich"},
        {"Beacon", {"Beacon", "", false}, "Item: Beacon"},
        {"Time:12:30", {"Time", "12:30", true}, "Item: Time\nCheck: 12:30"},
        {"Flaps:", {"Flaps", "", true}, "Item: Flaps\nCheck: "},
        {":Set", {"", "Set", true}, "Item: \nCheck: Set"},
        {"", {"", "", false}, "Item: "},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SplitItemText(c.text), c.split) << c.text.toStdString();
        EXPECT_EQ(ItemButtonText(c.text), c.button) << c.text.toStdString();
    }
}

} // namespace
