#include "ui/app/NightColoursCommand.h"

#include "core/common/settings/SettingsSchema.h"
#include "resource.h"
#include "ui/framework/Platform.h"

namespace {

bool NightColoursOn() {
    return setting::kNightColours.Read(CurrentPlatform().Settings()) != 0;
}

void ToggleNightColours() {
    setting::kNightColours.Write(CurrentPlatform().Settings(), NightColoursOn() ? 0 : 1);
}

} // namespace

Command NightColoursCommand() {
    return {ID_VIEW_NIGHT_COLOURS, [] { ToggleNightColours(); },
            [] {
                return CommandState{true, NightColoursOn()};
            }};
}
