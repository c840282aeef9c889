// NMEA: received bytes go through the line assembler; every sentence it gives is a "$" line of
// the input, is decoded only when it is an intact RMC or GGA (anything else changes nothing, and
// a valid fix always has a position and a speed that is not negative), gives the same values
// through the shared GPS record, and reads out in the dialog's formats. A known GPS time of day
// sets the clock to that time; any other value sets nothing.

#include "FuzzSupport.h"

#include "core/gps/GpsFix.h"
#include "core/gps/GpsReadout.h"
#include "core/gps/NmeaLineAssembler.h"
#include "core/gps/NmeaSentence.h"

#include <QDateTime>
#include <QTimeZone>

namespace {

void CheckReadout(const GpsValues& values) {
    const GpsReadout r = MakeGpsReadout(values);
    FUZZ_CHECK(r.time == GpsTimeText(values.time));
    FUZZ_CHECK(r.heading == QStringLiteral("Heading: ") + QString::number(values.heading));
    FUZZ_CHECK(r.altitude == QStringLiteral("Altitude: ") + QString::number(values.altitude));
    FUZZ_CHECK(r.speed == QStringLiteral("Speed: ") + QString::number(values.speed));
    FUZZ_CHECK(r.latitude.startsWith(QStringLiteral("Latitude: ")));
    FUZZ_CHECK(r.longitude.startsWith(QStringLiteral("Longitude: ")));
    FUZZ_CHECK(r.setTimeEnabled == (values.time != 0));

    const QDateTime now(QDate(2026, 12, 8), QTime(23, 59, 59), QTimeZone::utc());
    const QDateTime set = SystemTimeFromGps(now, values.time);
    const uint32_t t = values.time;
    const bool timeOfDay = t != 0 && t / 10000 < 24 && t / 100 % 100 < 60 && t % 100 < 60;
    FUZZ_CHECK(set.isValid() == timeOfDay);
    if (timeOfDay) {
        FUZZ_CHECK(set.date() == now.date());
        FUZZ_CHECK(set.time() == QTime(t / 10000, t / 100 % 100, t % 100));
        FUZZ_CHECK(r.time == set.time().toString(QStringLiteral("'Time: 'hh:mm:ss'Z'")));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input = FuzzBytes(data, size);
    NmeaLineAssembler assembler;
    GpsFix fix;
    fix.SetOpen(true);
    GpsValues values;
    for (const char byte : input) {
        const std::optional<QByteArray> sentence = assembler.Add(byte);
        if (!sentence)
            continue;
        FUZZ_CHECK(sentence->startsWith('$'));
        FUZZ_CHECK(sentence->size() >= 6 && sentence->size() <= NmeaLineAssembler::kCapacity);
        FUZZ_CHECK(sentence->lastIndexOf('$') == 0);
        FUZZ_CHECK(!sentence->contains('\n'));
        FUZZ_CHECK(input.contains(*sentence));
        const GpsValues before = values;
        const bool decoded = DecodeNmeaSentence(*sentence, &values);
        if (decoded) {
            FUZZ_CHECK(NmeaSentenceBody(*sentence).has_value());
            FUZZ_CHECK(NmeaSentenceType(*sentence) != NmeaType::Other);
            FUZZ_CHECK(!values.fixValid || (values.speed >= 0 && values.latitudeHemisphere != 0 &&
                                            values.longitudeHemisphere != 0));
            FUZZ_CHECK(values.heading >= 0 && values.heading < 360);
        } else {
            FUZZ_CHECK(values == before);
        }
        fix.ApplySentence(*sentence);
        const GpsReading reading = fix.Snapshot();
        FUZZ_CHECK(reading.open && reading.values == values);
        CheckReadout(values);
    }
    fix.SetOpen(false);
    FUZZ_CHECK(fix.Snapshot().values == GpsValues());
    return 0;
}
