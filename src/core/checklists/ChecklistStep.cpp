#include "core/checklists/ChecklistStep.h"

ChecklistStep StepChecklist(int selectedItem, int itemCount, const QStringList& subGroups,
                            int subGroup) {
    ChecklistStep step;
    if (selectedItem + 1 < itemCount) {
        step.item = selectedItem < 0 ? 0 : selectedItem + 1;
        return step;
    }
    const QString name =
        subGroup >= 0 && subGroup < subGroups.size() ? subGroups[subGroup] : QString();
    step.message =
        QStringLiteral("This is the end of the ") + name + QStringLiteral(" check list.");
    if (subGroup < 0 || subGroup + 1 >= subGroups.size()) {
        step.kind = ChecklistStep::kEndOfGroup;
        return step;
    }
    step.kind = ChecklistStep::kOfferSubGroup;
    step.subGroup = subGroup + 1;
    step.message += QStringLiteral("\n\nClick OK to start the ") + subGroups[subGroup + 1] +
                    QStringLiteral(" check list.");
    return step;
}
