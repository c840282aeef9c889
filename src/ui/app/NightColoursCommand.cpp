#include "ui/app/NightColoursCommand.h"

#include "core/common/settings/SettingsSchema.h"
#include "resource.h"
#include "ui/framework/ColourScheme.h"
#include "ui/framework/Platform.h"

bool NightColoursChosen() {
    return setting::kNightColours.Read(CurrentPlatform().Settings()) != 0;
}

void ChooseNightColours(bool night) {
    setting::kNightColours.Write(CurrentPlatform().Settings(), night ? 1 : 0);
    ApplyColourScheme(night);
}

Command NightColoursCommand() {
    return {ID_VIEW_NIGHT_COLOURS, [] { ChooseNightColours(!NightColoursChosen()); },
            [] {
                return CommandState{true, NightColoursChosen()};
            }};
}
