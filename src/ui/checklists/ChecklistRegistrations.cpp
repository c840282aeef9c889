#include "ui/checklists/ChecklistRegistrations.h"

#include "resource.h"
#include "ui/checklists/CheckListView.h"
#include "ui/document/ScreenRegistry.h"

void RegisterChecklistScreens(ScreenRegistry& registry) {
    registry.AddView(ID_VIEW_CHECKLIST, [](CTrevallionDoc& document, QWidget* parent) {
        return std::make_unique<CCheckListView>(document, parent);
    });
}
