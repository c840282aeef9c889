#include "core/gps/GpsSettings.h"
#include "core/common/text/Format.h"

#include "core/common/settings/AppSettings.h"
#include "core/common/settings/SettingsSchema.h"
#include "core/common/text/NumberText.h"

#include <algorithm>

QString TakeoffSpeedText(const AppSettings& settings) {
    return FormatText("%u", settings.takeoffGroundSpeed);
}

void SaveGpsSettings(SettingsStore& store, AppSettings& settings, const QString& takeoffText,
                     uint32_t portNumber) {
    // A negative threshold would read as a huge unsigned speed and record a landing at once.
    settings.takeoffGroundSpeed = static_cast<uint32_t>(std::max(TextToInt(takeoffText), 0));
    settings.gpsPort = portNumber;
    setting::kTakeoffGroundSpeed.Write(store, static_cast<int>(settings.takeoffGroundSpeed));
    setting::kGpsPort.Write(store, static_cast<int>(settings.gpsPort));
}
