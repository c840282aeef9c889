// trevallion-data gps: reads fixes from any GPS source the program offers and prints one JSON
// object a fix, so a pilot can check a set-up (a receiver, gpsd, a box on the wireless network)
// before the flight.
#include "DataCommand.h"

#include "core/common/Clock.h"
#include "core/gps/GpsReceiver.h"
#include "core/gps/GpsSourceList.h"
#include "core/times/GpxText.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <chrono>
#include <thread>

namespace {

constexpr char kGpsUsage[] =
    "--source SOURCE [--count N] [--seconds S]   (SOURCE: serial:/dev/ttyUSB0, network:host:port, "
    "replay:FILE, gpsd[:host:port], udp[:port], gdl90[:port])";
constexpr int kDefaultSeconds = 10;
constexpr int kMaxSeconds = 24 * 3600;

struct GpsOptions {
    GpsSourceEntry source;
    QString sourceText;
    int count = 0; // 0: as many as arrive in the time
    int seconds = kDefaultSeconds;
};

// The options, or the usage problem.
Outcome<GpsOptions> ReadGpsOptions(const QStringList& args) {
    GpsOptions o;
    bool hasSource = false;
    for (int i = 0; i + 1 < args.size(); i += 2) {
        bool number = false;
        const int value = args[i + 1].toInt(&number);
        if (args[i] == QLatin1String("--source")) {
            const std::optional<GpsSourceEntry> entry = ParseGpsSourceSpec(args[i + 1]);
            if (!entry)
                return Outcome<GpsOptions>::Fail(QStringLiteral("no source: ") + args[i + 1]);
            o.source = *entry;
            o.sourceText = GpsSourceSpec(*entry);
            hasSource = true;
        } else if (args[i] == QLatin1String("--count") && number && value > 0) {
            o.count = value;
        } else if (args[i] == QLatin1String("--seconds") && number && value > 0 &&
                   value <= kMaxSeconds) {
            o.seconds = value;
        } else {
            return Outcome<GpsOptions>::Fail(QStringLiteral("bad option ") + args[i] + ' ' +
                                             args[i + 1]);
        }
    }
    if (args.size() % 2 != 0 || !hasSource)
        return Outcome<GpsOptions>::Fail(QStringLiteral("--source SOURCE is needed"));
    return o;
}

QJsonObject FixObject(const GpsValues& v, const QString& sourceText) {
    const bool position = v.latitudeHemisphere != 0 && v.longitudeHemisphere != 0;
    QJsonObject o{{"valid", v.fixValid},
                  {"groundSpeed", v.speedKnots},
                  {"track", v.course},
                  {"source", sourceText}};
    o.insert("latitude",
             position ? QJsonValue(NmeaDegrees(v.latitude, v.latitudeHemisphere)) : QJsonValue());
    o.insert("longitude",
             position ? QJsonValue(NmeaDegrees(v.longitude, v.longitudeHemisphere)) : QJsonValue());
    const std::optional<QDateTime> at = GpsFixTime(v, CurrentClock().NowUtc().date());
    o.insert("time",
             at ? QJsonValue(at->toUTC().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzzZ")))
                : QJsonValue());
    o.insert("altitude", v.hasAltitude ? QJsonValue(v.altitudeMetres) : QJsonValue());
    return o;
}

// What makes one fix another: its time and position (a GGA adding an altitude is the same fix).
bool SameFix(const GpsValues& a, const GpsValues& b) {
    return a.date == b.date && a.timeSeconds == b.timeSeconds && a.latitude == b.latitude &&
           a.longitude == b.longitude && a.fixValid == b.fixValid;
}

int RunGps(const QStringList& args, QTextStream& out, QTextStream& err) {
    const Outcome<GpsOptions> options = ReadGpsOptions(args);
    if (!options) {
        err << "trevallion-data gps: " << options.error().text << "\nUsage: trevallion-data gps "
            << kGpsUsage << '\n';
        return 2;
    }
    const GpsOptions& o = options.value();
    Outcome<std::unique_ptr<GpsSource>> source = MakeGpsSource(o.source);
    GpsFix fix;
    GpsReceiver receiver(fix);
    const Status started =
        source.ok() ? receiver.StartGps(std::move(source).value()) : Status(source.error());
    if (!started.ok()) {
        err << "trevallion-data gps: " << o.sourceText << ": " << started.error().text << '\n';
        return 1;
    }
    using Clock = std::chrono::steady_clock;
    const Clock::time_point end = Clock::now() + std::chrono::seconds(o.seconds);
    int printed = 0;
    GpsValues last;
    bool any = false;
    while (Clock::now() < end && (o.count == 0 || printed < o.count)) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        const GpsValues v = fix.Snapshot().values;
        if (v == GpsValues{} || (any && SameFix(v, last)))
            continue;
        // A sentence group arrives together: give its other sentences a moment.
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        last = fix.Snapshot().values;
        any = true;
        out << QJsonDocument(FixObject(last, o.sourceText)).toJson(QJsonDocument::Compact) << '\n';
        out.flush();
        ++printed;
    }
    receiver.StopGps();
    if (printed == 0) {
        err << "trevallion-data gps: no fix arrived from " << o.sourceText << " within "
            << o.seconds << " seconds\n";
        return 1;
    }
    return 0;
}

const DataCommandRegistration kGps{
    "gps", kGpsUsage,
    "read fixes from a GPS source and print one JSON object a fix (time, latitude, longitude, "
    "ground speed, track, altitude, valid, source); exit 1 when none arrives in time",
    &RunGps};

} // namespace
