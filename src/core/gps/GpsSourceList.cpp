#include "core/gps/GpsSourceList.h"

#include "core/common/settings/SettingsSchema.h"
#include "core/gps/Gdl90GpsSource.h"
#include "core/gps/GpsdGpsSource.h"
#include "core/gps/NetworkGpsSource.h"
#include "core/gps/ReplayGpsSource.h"
#include "core/gps/SerialGpsSource.h"
#include "core/gps/UdpNmeaGpsSource.h"

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace {

// The stored word of each kind, which is also its SOURCE prefix.
struct KindWord {
    GpsSourceKind kind;
    const char* word;
};
constexpr KindWord kKindWords[] = {
    {GpsSourceKind::Serial, "serial"}, {GpsSourceKind::Network, "network"},
    {GpsSourceKind::Replay, "replay"}, {GpsSourceKind::Gpsd, "gpsd"},
    {GpsSourceKind::Udp, "udp"},       {GpsSourceKind::Gdl90, "gdl90"},
};

QString KindText(GpsSourceKind kind) {
    if (kind == GpsSourceKind::ChooseReplayFile)
        kind = GpsSourceKind::Replay;
    for (const KindWord& k : kKindWords)
        if (k.kind == kind)
            return QString::fromLatin1(k.word);
    return QStringLiteral("serial");
}

std::optional<GpsSourceKind> KindOf(const QString& word) {
    for (const KindWord& k : kKindWords)
        if (word == QLatin1String(k.word))
            return k.kind;
    return std::nullopt;
}

// A stored address, or the default when it is missing or no address of its kind.
QString StoredAddress(const SettingsStore& store, const TextSetting& key, const char* fallback,
                      bool listening) {
    const QString text = key.Read(store);
    const bool ok =
        listening ? ParseListenAddress(text).has_value() : ParseNetworkAddress(text).has_value();
    return ok ? text : QString::fromLatin1(fallback);
}

QString GpsdEntryName(const QString& address) {
    return QStringLiteral("gpsd ") + address;
}
QString UdpEntryName(const QString& address) {
    return QStringLiteral("NMEA UDP ") + address;
}
QString Gdl90EntryName(const QString& address) {
    return QStringLiteral("GDL90 UDP ") + address;
}

// A path that leads (through any links) to a character device: a serial port by another name.
bool IsCharacterDevice(const QString& path) {
    struct stat status {};
    return path.startsWith(u'/') && ::stat(QFile::encodeName(path).constData(), &status) == 0 &&
           S_ISCHR(status.st_mode);
}

GpsSourceEntry SerialEntry(const QString& path) {
    return GpsSourceEntry{path, GpsSourceKind::Serial,
                          SerialPortNumber(path.mid(path.lastIndexOf('/') + 1)), path};
}

} // namespace

GpsSourceSettings GpsSourceSettings::Load(const SettingsStore& store) {
    GpsSourceSettings s;
    const QString kind = setting::kGpsSource.Read(store);
    s.chosen = !kind.isEmpty();
    s.kind = KindOf(kind).value_or(GpsSourceKind::Serial);
    s.device = setting::kGpsDevice.Read(store);
    s.network = StoredAddress(store, setting::kGpsNetwork, kDefaultNetworkSource, false);
    s.gpsd = StoredAddress(store, setting::kGpsGpsd, kDefaultGpsdSource, false);
    s.udp = StoredAddress(store, setting::kGpsUdp, kDefaultUdpSource, true);
    s.gdl90 = StoredAddress(store, setting::kGpsGdl90, kDefaultGdl90Source, true);
    s.replayFile = setting::kGpsReplayFile.Read(store);
    return s;
}

void GpsSourceSettings::Save(SettingsStore& store) const {
    setting::kGpsSource.Write(store, KindText(kind));
    const std::pair<const TextSetting&, const QString&> texts[] = {
        {setting::kGpsDevice, device}, {setting::kGpsNetwork, network},
        {setting::kGpsGpsd, gpsd},     {setting::kGpsUdp, udp},
        {setting::kGpsGdl90, gdl90},   {setting::kGpsReplayFile, replayFile}};
    for (const auto& [key, value] : texts) {
        if (value.isEmpty())
            key.Remove(store);
        else
            key.Write(store, value);
    }
}

void GpsSourceSettings::Remember(const GpsSourceEntry& entry) {
    if (entry.kind == GpsSourceKind::ChooseReplayFile)
        return;
    kind = entry.kind;
    chosen = true;
    switch (entry.kind) {
    case GpsSourceKind::Serial:
        // A device typed as a path (a pseudo-terminal, /dev/serial/by-id/...) is kept as typed;
        // a listed port is named by "GPSPort".
        device = entry.name == entry.target ? entry.target : QString();
        break;
    case GpsSourceKind::Network:
        network = entry.target;
        break;
    case GpsSourceKind::Gpsd:
        gpsd = entry.target;
        break;
    case GpsSourceKind::Udp:
        udp = entry.target;
        break;
    case GpsSourceKind::Gdl90:
        gdl90 = entry.target;
        break;
    case GpsSourceKind::Replay:
        replayFile = entry.target;
        break;
    case GpsSourceKind::ChooseReplayFile:
        break;
    }
}

QString GpsSourceSpec(const GpsSourceEntry& entry) {
    return KindText(entry.kind) + ':' + entry.target;
}

std::optional<GpsSourceEntry> ParseGpsSourceSpec(const QString& sourceText) {
    const QString text = sourceText.trimmed();
    const qsizetype colon = text.indexOf(':');
    const std::optional<GpsSourceKind> kind = KindOf(colon < 0 ? text : text.left(colon));
    if (!kind)
        return std::nullopt;
    const QString rest = colon < 0 ? QString() : text.mid(colon + 1);
    switch (*kind) {
    case GpsSourceKind::Serial:
        if (rest.isEmpty())
            return std::nullopt;
        return SerialEntry(rest);
    case GpsSourceKind::Replay:
        if (rest.isEmpty())
            return std::nullopt;
        return GpsSourceEntry{ReplayEntryName(rest), GpsSourceKind::Replay, 0, rest};
    case GpsSourceKind::Network:
    case GpsSourceKind::Gpsd: {
        const QString target =
            rest.isEmpty() && *kind == GpsSourceKind::Gpsd ? kDefaultGpsdSource : rest;
        const std::optional<NetworkAddress> address = ParseNetworkAddress(target);
        if (!address)
            return std::nullopt;
        const QString name =
            *kind == GpsSourceKind::Gpsd ? GpsdEntryName(address->Text()) : address->Text();
        return GpsSourceEntry{name, *kind, 0, address->Text()};
    }
    case GpsSourceKind::Udp:
    case GpsSourceKind::Gdl90: {
        const bool udp = *kind == GpsSourceKind::Udp;
        const std::optional<ListenAddress> address = ParseListenAddress(
            rest.isEmpty() ? (udp ? kDefaultUdpSource : kDefaultGdl90Source) : rest);
        if (!address)
            return std::nullopt;
        const QString target = address->Text();
        return GpsSourceEntry{udp ? UdpEntryName(target) : Gdl90EntryName(target), *kind, 0,
                              target};
    }
    case GpsSourceKind::ChooseReplayFile:
        break;
    }
    return std::nullopt;
}

std::optional<GpsSourceEntry> GpsSourceToResume(const SettingsStore& store) {
    return ParseGpsSourceSpec(setting::kGpsRunning.Read(store));
}

void RememberRunningGpsSource(SettingsStore& store, const std::optional<GpsSourceEntry>& running) {
    if (running && running->kind != GpsSourceKind::ChooseReplayFile)
        setting::kGpsRunning.Write(store, GpsSourceSpec(*running));
    else
        setting::kGpsRunning.Remove(store);
}

QString ReplayEntryName(const QString& path) {
    return QStringLiteral("Replay ") + QFileInfo(path).fileName();
}

QVector<GpsSourceEntry> BuildGpsSourceList(const QVector<SerialPortEntry>& ports,
                                           const GpsSourceSettings& settings) {
    QVector<GpsSourceEntry> entries;
    bool deviceListed = settings.device.isEmpty();
    for (const SerialPortEntry& port : ports) {
        entries.append({port.name, GpsSourceKind::Serial, port.number, port.path});
        deviceListed = deviceListed || port.path == settings.device;
    }
    if (!deviceListed)
        entries.append(SerialEntry(settings.device));
    entries.append({GpsdEntryName(settings.gpsd), GpsSourceKind::Gpsd, 0, settings.gpsd});
    entries.append({settings.network, GpsSourceKind::Network, 0, settings.network});
    entries.append({UdpEntryName(settings.udp), GpsSourceKind::Udp, 0, settings.udp});
    entries.append({Gdl90EntryName(settings.gdl90), GpsSourceKind::Gdl90, 0, settings.gdl90});
    if (!settings.replayFile.isEmpty())
        entries.append(
            {ReplayEntryName(settings.replayFile), GpsSourceKind::Replay, 0, settings.replayFile});
    entries.append({QStringLiteral("Replay file..."), GpsSourceKind::ChooseReplayFile, 0, {}});
    return entries;
}

int FindGpsSource(const QVector<GpsSourceEntry>& entries, const GpsSourceSettings& settings,
                  uint32_t gpsPort, bool gpsdAnswers) {
    const GpsSourceKind kind =
        !settings.chosen && gpsdAnswers ? GpsSourceKind::Gpsd : settings.kind;
    const auto matches = [&](const GpsSourceEntry& e) {
        if (e.kind != kind)
            return false;
        if (e.kind != GpsSourceKind::Serial)
            return true;
        return settings.device.isEmpty() ? e.portNumber == gpsPort : e.target == settings.device;
    };
    for (int i = 0; i < entries.size(); ++i)
        if (matches(entries[i]))
            return i;
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
    case GpsSourceKind::Gpsd:
        if (const std::optional<NetworkAddress> address = ParseNetworkAddress(entry.target))
            return std::unique_ptr<GpsSource>(std::make_unique<GpsdGpsSource>(*address));
        break;
    case GpsSourceKind::Udp:
        if (const std::optional<ListenAddress> address = ParseListenAddress(entry.target))
            return std::unique_ptr<GpsSource>(std::make_unique<UdpNmeaGpsSource>(*address));
        break;
    case GpsSourceKind::Gdl90:
        if (const std::optional<ListenAddress> address = ParseListenAddress(entry.target))
            return std::unique_ptr<GpsSource>(std::make_unique<Gdl90GpsSource>(*address));
        break;
    case GpsSourceKind::ChooseReplayFile:
        break;
    }
    return Outcome<std::unique_ptr<GpsSource>>(GpsSourceNotUnderstood());
}

Message GpsSourceNotUnderstood() {
    return Message{QStringLiteral("Error: Choose a serial port, a network source as host:port, "
                                  "gpsd, NMEA or GDL90 over UDP, or a recording."),
                   MessageIcon::None};
}

std::optional<GpsSourceEntry> GpsSourceForText(const QVector<GpsSourceEntry>& entries,
                                               const QString& text) {
    for (const GpsSourceEntry& entry : entries)
        if (entry.name == text)
            return entry;
    if (text.startsWith(QLatin1String("/dev/")) || IsCharacterDevice(text))
        return SerialEntry(text);
    if (const std::optional<NetworkAddress> address = ParseNetworkAddress(text))
        return GpsSourceEntry{address->Text(), GpsSourceKind::Network, 0, address->Text()};
    return ParseGpsSourceSpec(text);
}
