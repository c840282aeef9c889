#pragma once
// What one step of the checklist runner does (the large button or a hardware key): select the
// next item of the sub group, or at its end tell the pilot so and, when the group has another sub
// group, offer it.

#include <QString>
#include <QStringList>

struct ChecklistStep {
    enum Kind {
        kSelectItem,    // select `item` in the item list
        kEndOfGroup,    // show `message`; the selection stays
        kOfferSubGroup, // ask `message` with OK and Cancel; OK starts sub group `subGroup`
    };
    Kind kind = kSelectItem;
    int item = 0;
    int subGroup = 0;
    QString message;
};

// The step from the selected item (-1 for none) of a sub group with `itemCount` items, where
// `subGroups` are the names of the group's sub groups and `subGroup` the current one. Without a
// selection the first item is selected; an empty sub group counts as finished.
ChecklistStep StepChecklist(int selectedItem, int itemCount, const QStringList& subGroups,
                            int subGroup);
