#pragma once
// The GPS dialog's source list: the serial ports first (and a device typed as a path, kept as
// typed), then gpsd, the remembered network source, NMEA over UDP, GDL90 over UDP and the
// remembered recording, then "Replay file..." (which asks for a recording). The choice is stored
// beside "GPSPort" (which keeps naming the serial port) as "GPSSource" ("serial", "network",
// "replay", "gpsd", "udp" or "gdl90"), with the typed device in "GPSDevice", the addresses in
// "GPSNetwork", "GPSGpsd", "GPSUdp" and "GPSGdl90", and the recording in "GPSReplayFile".
//
// Every source also has a one-line form, SOURCE, for the command line and the restart after a
// flight: serial:/dev/ttyUSB0, network:host:port, replay:FILE, gpsd[:host:port], udp[:port]
// and gdl90[:port] (a listening port may be given as host:port).

#include "core/gps/GpsSource.h"
#include "core/gps/SerialPorts.h"

#include <QString>
#include <QVector>

#include <memory>

class SettingsStore;

enum class GpsSourceKind { Serial, Network, Replay, Gpsd, Udp, Gdl90, ChooseReplayFile };

// The address offered when none is remembered: the registered port of NMEA over TCP.
inline constexpr char kDefaultNetworkSource[] = "localhost:10110";
inline constexpr char kDefaultGpsdSource[] = "localhost:2947";
inline constexpr char kDefaultUdpSource[] = "10110";
inline constexpr char kDefaultGdl90Source[] = "4000";

struct GpsSourceEntry {
    QString name; // as the list shows it
    GpsSourceKind kind = GpsSourceKind::Serial;
    uint32_t portNumber = 0; // serial
    QString target;          // device path, "host:port", listening port or recording path

    bool operator==(const GpsSourceEntry&) const = default;
};

struct GpsSourceSettings {
    GpsSourceKind kind = GpsSourceKind::Serial;
    bool chosen = false; // a source was ever stored ("GPSSource" present)
    QString device;      // a serial device typed as a path, as typed
    QString network;     // "host:port"
    QString gpsd;        // "host:port"
    QString udp;         // listening "port" or "host:port"
    QString gdl90;       // listening "port" or "host:port"
    QString replayFile;  // path of the last recording replayed

    static GpsSourceSettings Load(const SettingsStore& store);
    void Save(SettingsStore& store) const;
    // Makes the entry the stored choice, with its device, address or recording.
    void Remember(const GpsSourceEntry& entry);
};

// The one-line form of a source (see above), and the source a one-line form names; nothing for
// a text that is none.
QString GpsSourceSpec(const GpsSourceEntry& entry);
std::optional<GpsSourceEntry> ParseGpsSourceSpec(const QString& sourceText);

// The source to start again at program start: the one that was running when the program last
// ended ("GPSRunning", its SOURCE), so that a restart in flight goes on reading. Nothing when the
// receiver had been stopped.
std::optional<GpsSourceEntry> GpsSourceToResume(const SettingsStore& store);
// Stored at every start and stop of the receiver.
void RememberRunningGpsSource(SettingsStore& store, const std::optional<GpsSourceEntry>& running);

// How the list names a recording: "Replay " and its file name.
QString ReplayEntryName(const QString& path);

QVector<GpsSourceEntry> BuildGpsSourceList(const QVector<SerialPortEntry>& ports,
                                           const GpsSourceSettings& settings);

// The entry to select when the dialog opens: the stored kind (and for serial ports "GPSPort" or
// the typed device); with no stored choice gpsd when it answers, else the first entry; -1 for
// an empty list.
int FindGpsSource(const QVector<GpsSourceEntry>& entries, const GpsSourceSettings& settings,
                  uint32_t gpsPort, bool gpsdAnswers = false);

// The source of an entry, or of a typed text that is no entry but a "host:port" address.
// Fails with the message to show for a text that is neither. The recording plays one group a
// second, or every replayInterval milliseconds when given.
Outcome<std::unique_ptr<GpsSource>> MakeGpsSource(const GpsSourceEntry& entry,
                                                  int replayInterval = 0);

// The entry a typed text stands for: the entry with that name, else a serial device for a
// "/dev/..." path (kept as typed), else a network entry for a "host:port" text, else a SOURCE;
// nothing otherwise.
// What a text that names no source gets.
Message GpsSourceNotUnderstood();

std::optional<GpsSourceEntry> GpsSourceForText(const QVector<GpsSourceEntry>& entries,
                                               const QString& text);
