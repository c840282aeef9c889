#pragma once
// The GPS dialog's source list: the serial ports first, then the remembered network source and
// the remembered recording, then "Replay file..." (which asks for a recording). The choice is
// stored beside "GPSPort" (which keeps naming the serial port) as "GPSSource" ("serial",
// "network" or "replay"), with the network address in "GPSNetwork" and the recording in
// "GPSReplayFile".

#include "core/gps/GpsSource.h"
#include "core/gps/SerialPorts.h"

#include <QString>
#include <QVector>

#include <memory>

class SettingsStore;

enum class GpsSourceKind { Serial, Network, Replay, ChooseReplayFile };

// The address offered when none is remembered: the registered port of NMEA over TCP.
inline constexpr char kDefaultNetworkSource[] = "localhost:10110";

struct GpsSourceSettings {
    GpsSourceKind kind = GpsSourceKind::Serial;
    QString network;    // "host:port"
    QString replayFile; // path of the last recording replayed

    static GpsSourceSettings Load(const SettingsStore& store);
    void Save(SettingsStore& store) const;
};

struct GpsSourceEntry {
    QString name; // as the list shows it
    GpsSourceKind kind = GpsSourceKind::Serial;
    uint32_t portNumber = 0; // serial
    QString target;          // device path, "host:port" or recording path

    bool operator==(const GpsSourceEntry&) const = default;
};

// How the list names a recording: "Replay " and its file name.
QString ReplayEntryName(const QString& path);

QVector<GpsSourceEntry> BuildGpsSourceList(const QVector<SerialPortEntry>& ports,
                                           const GpsSourceSettings& settings);

// The entry to select when the dialog opens: the stored kind (and for serial ports "GPSPort"),
// else the first entry; -1 for an empty list.
int FindGpsSource(const QVector<GpsSourceEntry>& entries, const GpsSourceSettings& settings,
                  uint32_t gpsPort);

// The source of an entry, or of a typed text that is no entry but a "host:port" address.
// Fails with the message to show for a text that is neither. The recording plays one group a
// second, or every replayInterval milliseconds when given.
Outcome<std::unique_ptr<GpsSource>> MakeGpsSource(const GpsSourceEntry& entry,
                                                  int replayInterval = 0);

// The entry a typed text stands for: the entry with that name, else a serial device for a
// "/dev/..." path, else a network entry for a "host:port" text; nothing otherwise.
// What a text that names no source gets.
Message GpsSourceNotUnderstood();

std::optional<GpsSourceEntry> GpsSourceForText(const QVector<GpsSourceEntry>& entries,
                                               const QString& text);
