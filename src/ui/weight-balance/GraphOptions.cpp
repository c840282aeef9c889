#include "ui/weight-balance/GraphOptions.h"

#include "core/common/settings/SettingsSchema.h"
#include "core/common/settings/SettingsStore.h"
#include "core/weight-balance/GraphMarkers.h"
#include "resource.h"
#include "ui/framework/AppContext.h"
#include "ui/framework/MenuBuilder.h"
#include "ui/framework/Platform.h"

#include <QAction>
#include <QMenu>

uint32_t GraphOptionBit(int commandId) {
    switch (commandId) {
    case ID_GRAPH_LINES:
        return graph_options::kLines;
    case ID_GRAPH_RAMP:
        return graph_options::kRamp;
    case ID_GRAPH_TAKEOFF:
        return graph_options::kTakeoff;
    case ID_GRAPH_ZERO_FUEL:
        return graph_options::kZeroFuel;
    case ID_GRAPH_LANDING:
        return graph_options::kLanding;
    default:
        return 0;
    }
}

uint32_t GraphOptions() {
    return CurrentAppState().settings.graphOptions;
}

void ToggleGraphOption(uint32_t bit) {
    CurrentAppState().settings.graphOptions ^= bit;
}

void SaveGraphOptions() {
    setting::kGraphOptions.Write(CurrentPlatform().Settings(), static_cast<int>(GraphOptions()));
}

bool RunGraphOptionsMenu(QWidget* owner, const QPoint& globalPos) {
    const QVector<MenuItem>* items = FirstSubMenuItems(IDR_GRAPH_OPTIONS);
    if (!items)
        return false;
    QMenu menu(owner);
    AppendMenuItems(&menu, *items);
    for (QAction* action : menu.actions()) {
        const uint32_t bit = GraphOptionBit(MenuCommandId(action));
        action->setCheckable(bit != 0);
        action->setChecked((GraphOptions() & bit) != 0);
    }
    const QAction* chosen = CurrentPlatform().TrackPopupMenu(&menu, globalPos);
    const uint32_t bit = chosen ? GraphOptionBit(MenuCommandId(chosen)) : 0;
    if (bit == 0)
        return false;
    ToggleGraphOption(bit);
    return true;
}
