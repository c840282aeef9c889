#include "core/common/settings/AppSettings.h"
#include "core/common/text/Format.h"

#include "core/common/settings/SettingsSchema.h"
#include "core/common/text/NumberText.h"

int AppSettings::PreferenceBits() const {
    return (metric ? 1 : 0) | (secondsFormat ? 2 : 0) | (kilosPerLitre ? 4 : 0);
}

void AppSettings::SetPreferenceBits(int bits) {
    metric = (bits & 1) != 0;
    secondsFormat = (bits & 2) != 0;
    kilosPerLitre = (bits & 4) != 0;
}

namespace {

void ReadDensity(const SettingsStore& store, const TextSetting& key, double* density) {
    const QString text = key.Read(store);
    if (!text.isEmpty())
        *density = TextToDouble(text);
}

} // namespace

AppSettings ReadAppSettings(const SettingsStore& store) {
    AppSettings s;
    ReadDensity(store, setting::kJetWeight, &s.jetDensity);
    ReadDensity(store, setting::kAvGasWeight, &s.avgasDensity);
    s.timeZoneOffset = setting::kTimeZone.Read(store);
    s.takeoffGroundSpeed = static_cast<uint32_t>(setting::kTakeoffGroundSpeed.Read(store));
    s.gpsPort = static_cast<uint32_t>(setting::kGpsPort.Read(store));
    s.SetPreferenceBits(setting::kPreferences.Read(store));
    s.graphOptions = static_cast<uint32_t>(setting::kGraphOptions.Read(store));
    s.viewId = static_cast<uint32_t>(setting::kView.Read(store));
    return s;
}

void SavePreferences(SettingsStore& store, const AppSettings& s) {
    setting::kJetWeight.Write(store, FormatText("%.2f", s.jetDensity));
    setting::kAvGasWeight.Write(store, FormatText("%.2f", s.avgasDensity));
    setting::kPreferences.Write(store, s.PreferenceBits());
    setting::kTimeZone.Write(store, s.timeZoneOffset);
}
