#include "ui/app/OrientationCommands.h"

#include "core/common/settings/SettingsSchema.h"
#include "resource.h"
#include "ui/framework/DeviceScreen.h"
#include "ui/framework/Platform.h"

namespace {

// The turn that gives the shape an orientation command names. A naturally portrait screen is
// portrait unturned and landscape turned right (90) or left (270); a naturally landscape screen
// is portrait turned by 90 and landscape unturned (right) or turned by half a turn (left).
int OrientationAngle(int commandId, const DeviceScreen& screen) {
    const bool landscape = screen.NaturallyLandscape();
    switch (commandId) {
    case ID_VIEW_LANDSCAPE_RIGHT:
        return landscape ? DeviceScreen::Angle0 : DeviceScreen::Angle90;
    case ID_VIEW_LANDSCAPE_LEFT:
        return landscape ? DeviceScreen::Angle180 : DeviceScreen::Angle270;
    default:
        return landscape ? DeviceScreen::Angle90 : DeviceScreen::Angle0;
    }
}

int AngleBit(int angle) {
    switch (angle) {
    case DeviceScreen::Angle90:
        return DeviceScreen::kSupports90;
    case DeviceScreen::Angle180:
        return DeviceScreen::kSupports180;
    case DeviceScreen::Angle270:
        return DeviceScreen::kSupports270;
    default:
        return 0;
    }
}

CommandState OrientationState(int commandId) {
    const DeviceScreen& screen = CurrentPlatform().Screen();
    const int angle = OrientationAngle(commandId, screen);
    return {angle == DeviceScreen::Angle0 ||
                (screen.SupportedOrientations() & AngleBit(angle)) != 0,
            screen.Orientation() == angle};
}

void Turn(int commandId) {
    DeviceScreen& screen = CurrentPlatform().Screen();
    screen.SetOrientation(OrientationAngle(commandId, screen));
    // Remembered, so the next start comes up in the shape the pilot chose.
    setting::kOrientation.Write(CurrentPlatform().Settings(), screen.Orientation());
}

} // namespace

QList<Command> OrientationCommands() {
    QList<Command> commands;
    for (const int id : {ID_VIEW_PORTRAIT, ID_VIEW_LANDSCAPE_RIGHT, ID_VIEW_LANDSCAPE_LEFT})
        commands.append({id, [id] { Turn(id); }, [id] { return OrientationState(id); }});
    return commands;
}
