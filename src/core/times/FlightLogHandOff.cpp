#include "core/times/FlightLogHandOff.h"
#include "core/common/text/Format.h"

#include "core/common/settings/IniSettingsStore.h"
#include "core/times/TimesDisplay.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString kMaker = QStringLiteral("Orvenda Technologies");
// Versions are hex-coded digits: 0x312 is 3.12, the last version that cannot take the times.
constexpr uint32_t kLastUnsupportedVersion = 0x312;

std::unique_ptr<SettingsStore> StoreIfPresent(const QString& application) {
    const QString path = IniSettingsStore::PathFor(kMaker, application);
    if (!QFileInfo::exists(path))
        return nullptr;
    return std::make_unique<IniSettingsStore>(path);
}

QString InstalledPath(const FlightLogStores& stores) {
    for (const SettingsStore* store : {stores.privateEdition, stores.commercialEdition}) {
        if (!store)
            continue;
        QString path = store->ReadText(QStringLiteral("Path"));
        if (!path.isEmpty())
            return path;
    }
    return {};
}

// Why the program cannot be used when no path is stored.
Message NotInstalledOrTooOld(const SettingsStore* versionKey) {
    Message notInstalled{
        QStringLiteral("Pocket Verol is not installed.  Please visit our website for information "
                       "on Verol Flight Log."),
        MessageIcon::Information};
    if (!versionKey)
        return notInstalled;
    // A missing value reads as each of two different defaults.
    const QString name = QStringLiteral("Version");
    const int version = versionKey->ReadInt(name, 0);
    const bool present = version != 0 || versionKey->ReadInt(name, 1) == 0;
    if (present && static_cast<uint32_t>(version) > kLastUnsupportedVersion)
        return notInstalled;
    return Message{QStringLiteral("Error: Invalid Pocket Verol version.\n\nThis function requires "
                                  "Pocket Verol v3.13 or higher."),
                   MessageIcon::Error};
}

// Minutes from one event to another over midnight, as "%02u:%02u ". Zero when either is missing.
QString Duration(const SystemTime& from, const SystemTime& to) {
    int minutes = 0;
    if (from.IsRecorded() && to.IsRecorded()) {
        minutes = (to.hour * 60 + to.minute) - (from.hour * 60 + from.minute);
        if (minutes < 0)
            minutes += 1440;
    }
    return FormatText("%02u:%02u ", static_cast<unsigned>(minutes / 60),
                      static_cast<unsigned>(minutes % 60));
}

} // namespace

InstalledFlightLogStores::InstalledFlightLogStores()
    : private_(StoreIfPresent(QStringLiteral("Verol Private"))),
      commercial_(StoreIfPresent(QStringLiteral("Verol Commercial"))),
      version_(StoreIfPresent(QStringLiteral("Verol"))) {}

InstalledFlightLogStores::~InstalledFlightLogStores() = default;

FlightLogStores InstalledFlightLogStores::Stores() const {
    return {private_.get(), commercial_.get(), version_.get()};
}

QStringList FlightLogLaunch::Arguments() const {
    return commandLine.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

QString FlightLogCommandLine(const FlightTimes& times, const TimesDisplay& display,
                             int zoneOffset) {
    const auto event = [&](FlightEvent e) { return display.EventTime(times.Time(e), zoneOffset); };
    return QStringLiteral("/a ") + event(FlightEvent::Startup) + ' ' +
           event(FlightEvent::Shutdown) + ' ' +
           Duration(times.Time(FlightEvent::Startup), times.Time(FlightEvent::Shutdown)) +
           event(FlightEvent::Takeoff) + ' ' + event(FlightEvent::Landing) + ' ' +
           Duration(times.Time(FlightEvent::Takeoff), times.Time(FlightEvent::Landing));
}

Outcome<FlightLogLaunch> PlanFlightLogHandOff(const FlightLogStores& stores,
                                              const FlightTimes& times, const TimesDisplay& display,
                                              int zoneOffset) {
    const QString folder = InstalledPath(stores);
    if (folder.isEmpty())
        return NotInstalledOrTooOld(stores.versionKey);
    if (!times.IsRecorded(FlightEvent::Shutdown))
        return Outcome<FlightLogLaunch>::Fail(
            QStringLiteral("No flight time has been recorded, therefore there is no flight time "
                           "information to copy to Verol."),
            MessageIcon::Information);
    return FlightLogLaunch{QDir(folder).filePath(QStringLiteral("verol.exe")),
                           FlightLogCommandLine(times, display, zoneOffset)};
}

Message FlightLogStartFailure(const QString& systemText) {
    return Message{QStringLiteral("Error: Unable to start Pocket Verol.\n") + systemText,
                   MessageIcon::Information};
}
