#include "ui/checklists/ChecklistRegistrations.h"

#include "resource.h"
#include "ui/checklists/CheckListView.h"
#include "ui/document/ScreenRegistry.h"

void RegisterChecklistScreens(ScreenRegistry& registry) {
    registry.AddView<CCheckListView>(ID_VIEW_CHECKLIST);
}
