#include "core/common/settings/AppSettings.h"
#include "core/common/text/Format.h"

#include "core/common/settings/SettingsStore.h"
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

void ReadDensity(const SettingsStore& store, const QString& name, double* density) {
    const QString text = store.ReadText(name);
    if (!text.isEmpty())
        *density = TextToDouble(text);
}

} // namespace

AppSettings ReadAppSettings(const SettingsStore& store) {
    AppSettings s;
    ReadDensity(store, QStringLiteral("JetWeight"), &s.jetDensity);
    ReadDensity(store, QStringLiteral("AvGasWeight"), &s.avgasDensity);
    s.timeZoneOffset = store.ReadInt(QStringLiteral("TimeZone"), 0);
    s.takeoffGroundSpeed = static_cast<uint32_t>(store.ReadInt(QStringLiteral("TakeoffGS"), 0));
    s.gpsPort = static_cast<uint32_t>(store.ReadInt(QStringLiteral("GPSPort"), 0));
    s.SetPreferenceBits(store.ReadInt(QStringLiteral("Preferences"), 0));
    s.graphOptions = static_cast<uint32_t>(store.ReadInt(QStringLiteral("GraphOptions"), -1));
    s.viewId = static_cast<uint32_t>(store.ReadInt(QStringLiteral("View"), kDefaultViewId));
    return s;
}

void SavePreferences(SettingsStore& store, const AppSettings& s) {
    store.WriteText(QStringLiteral("JetWeight"), FormatText("%.2f", s.jetDensity));
    store.WriteText(QStringLiteral("AvGasWeight"), FormatText("%.2f", s.avgasDensity));
    store.WriteInt(QStringLiteral("Preferences"), s.PreferenceBits());
    store.WriteInt(QStringLiteral("TimeZone"), s.timeZoneOffset);
    store.Flush(); // preferences confirmed with OK reach the disk before the dialog closes
}
