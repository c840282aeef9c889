#include "core/gps/GpsSourceList.h"

#include "core/common/settings/SettingsStore.h"
#include "core/gps/NetworkGpsSource.h"
#include "core/gps/ReplayGpsSource.h"
#include "core/gps/SerialGpsSource.h"

#include <QFileInfo>

namespace {

const QString kSourceName = QStringLiteral("GPSSource");
const QString kNetworkName = QStringLiteral("GPSNetwork");
const QString kReplayName = QStringLiteral("GPSReplayFile");

QString KindText(GpsSourceKind kind) {
    switch (kind) {
    case GpsSourceKind::Network:
        return QStringLiteral("network");
    case GpsSourceKind::Replay:
    case GpsSourceKind::ChooseReplayFile:
        return QStringLiteral("replay");
    case GpsSourceKind::Serial:
        break;
    }
    return QStringLiteral("serial");
}

} // namespace

GpsSourceSettings GpsSourceSettings::Load(const SettingsStore& store) {
    GpsSourceSettings s;
    const QString kind = store.ReadText(kSourceName);
    if (kind == QLatin1String("network"))
        s.kind = GpsSourceKind::Network;
    else if (kind == QLatin1String("replay"))
        s.kind = GpsSourceKind::Replay;
    s.network = store.ReadText(kNetworkName);
    if (!ParseNetworkAddress(s.network))
        s.network = QString::fromLatin1(kDefaultNetworkSource);
    s.replayFile = store.ReadText(kReplayName);
    return s;
}

void GpsSourceSettings::Save(SettingsStore& store) const {
    store.WriteText(kSourceName, KindText(kind));
    store.WriteText(kNetworkName, network);
    if (replayFile.isEmpty())
        store.Remove(kReplayName);
    else
        store.WriteText(kReplayName, replayFile);
}

QString ReplayEntryName(const QString& path) {
    return QStringLiteral("Replay ") + QFileInfo(path).fileName();
}

QVector<GpsSourceEntry> BuildGpsSourceList(const QVector<SerialPortEntry>& ports,
                                           const GpsSourceSettings& settings) {
    QVector<GpsSourceEntry> entries;
    for (const SerialPortEntry& port : ports)
        entries.append({port.name, GpsSourceKind::Serial, port.number, port.path});
    entries.append({settings.network, GpsSourceKind::Network, 0, settings.network});
    if (!settings.replayFile.isEmpty())
        entries.append(
            {ReplayEntryName(settings.replayFile), GpsSourceKind::Replay, 0, settings.replayFile});
    entries.append({QStringLiteral("Replay file..."), GpsSourceKind::ChooseReplayFile, 0, {}});
    return entries;
}

int FindGpsSource(const QVector<GpsSourceEntry>& entries, const GpsSourceSettings& settings,
                  uint32_t gpsPort) {
    for (int i = 0; i < entries.size(); ++i) {
        const GpsSourceEntry& e = entries[i];
        if (e.kind == settings.kind && (e.kind != GpsSourceKind::Serial || e.portNumber == gpsPort))
            return i;
    }
    return entries.isEmpty() ? -1 : 0;
}

Outcome<std::unique_ptr<GpsSource>> MakeGpsSource(const GpsSourceEntry& entry, int replayInterval) {
    switch (entry.kind) {
    case GpsSourceKind::Serial:
        return std::unique_ptr<GpsSource>(std::make_unique<SerialGpsSource>(entry.target));
    case GpsSourceKind::Network:
        if (const std::optional<NetworkAddress> address = ParseNetworkAddress(entry.target))
            return std::unique_ptr<GpsSource>(std::make_unique<NetworkGpsSource>(*address));
        break;
    case GpsSourceKind::Replay:
        return std::unique_ptr<GpsSource>(std::make_unique<ReplayGpsSource>(
            entry.target,
            replayInterval > 0 ? replayInterval : ReplayGpsSource::kDefaultIntervalMilliseconds));
    case GpsSourceKind::ChooseReplayFile:
        break;
    }
    return Outcome<std::unique_ptr<GpsSource>>(GpsSourceNotUnderstood());
}

Message GpsSourceNotUnderstood() {
    return Message{QStringLiteral("Error: Choose a serial port, a network source as host:port, "
                                  "or a recording."),
                   MessageIcon::None};
}

std::optional<GpsSourceEntry> GpsSourceForText(const QVector<GpsSourceEntry>& entries,
                                               const QString& text) {
    for (const GpsSourceEntry& entry : entries)
        if (entry.name == text)
            return entry;
    if (text.startsWith(QLatin1String("/dev/")))
        return GpsSourceEntry{text, GpsSourceKind::Serial,
                              SerialPortNumber(text.mid(text.lastIndexOf('/') + 1)), text};
    if (const std::optional<NetworkAddress> address = ParseNetworkAddress(text))
        return GpsSourceEntry{address->Text(), GpsSourceKind::Network, 0, address->Text()};
    return std::nullopt;
}
