#include "core/checklists/ChecklistStep.h"

#include <gtest/gtest.h>

namespace {

const QStringList kSubGroups{"Before Start", "Engine Start", "Taxi"};

TEST(ChecklistStep, MovesThroughTheItemsAndHandlesTheEndOfEachSubGroup) {
    const struct {
        const char* name;
        QStringList subGroups;
        int selected;
        int count;
        int subGroup;
        ChecklistStep::Kind kind;
        int item;
        int nextSubGroup;
        const char* message;
    } cases[] = {
        {"first to second", kSubGroups, 0, 3, 0, ChecklistStep::kSelectItem, 1, 0, ""},
        {"next to last", kSubGroups, 1, 3, 0, ChecklistStep::kSelectItem, 2, 0, ""},
        {"nothing selected starts at the top", kSubGroups, -1, 3, 1, ChecklistStep::kSelectItem, 0,
         0, ""},
        {"last item offers the next sub group", kSubGroups, 2, 3, 0, ChecklistStep::kOfferSubGroup,
         0, 1,
         "This is the end of the Before Start check list.\n\nClick OK to start the Engine Start "
         "check list."},
        {"last item of the last sub group only ends", kSubGroups, 4, 5, 2,
         ChecklistStep::kEndOfGroup, 0, 0, "This is the end of the Taxi check list."},
        {"an empty sub group counts as done", kSubGroups, -1, 0, 1, ChecklistStep::kOfferSubGroup,
         0, 2,
         "This is the end of the Engine Start check list.\n\nClick OK to start the Taxi check "
         "list."},
        {"single item of a single sub group",
         {"Solo"},
         0,
         1,
         0,
         ChecklistStep::kEndOfGroup,
         0,
         0,
         "This is the end of the Solo check list."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ChecklistStep step = StepChecklist(c.selected, c.count, c.subGroups, c.subGroup);
        EXPECT_EQ(step.kind, c.kind);
        if (c.kind == ChecklistStep::kSelectItem) {
            EXPECT_EQ(step.item, c.item);
        }
        if (c.kind == ChecklistStep::kOfferSubGroup) {
            EXPECT_EQ(step.subGroup, c.nextSubGroup);
        }
        EXPECT_EQ(step.message, QString::fromUtf8(c.message));
    }
}

} // namespace
