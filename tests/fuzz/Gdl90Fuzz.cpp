// GDL90: received bytes go through the frame reader; every message it gives fits the frame
// limit and reads back the same through a sender's framing; every decoded field stays within
// what its bits can say; a fix comes only from an ownship report, is valid only for a real
// position, and gives the same values through the shared GPS record.

#include "FuzzSupport.h"

#include "core/gps/DecimalFix.h"
#include "core/gps/Gdl90FixBuilder.h"
#include "core/gps/Gdl90FrameReader.h"
#include "core/gps/Gdl90Messages.h"
#include "core/gps/Gdl90TestFrames.h"
#include "core/gps/GpsFix.h"

#include <cmath>

namespace {

void CheckFraming(const QByteArray& message) {
    FUZZ_CHECK(!message.isEmpty() && message.size() <= Gdl90FrameReader::kMaxFrameBytes - 2);
    Gdl90FrameReader again;
    std::optional<QByteArray> read;
    for (const char byte : Gdl90TestFrame(message))
        read = again.Add(byte);
    FUZZ_CHECK(read == message);
}

void CheckFields(const QByteArray& message) {
    if (const std::optional<Gdl90Heartbeat> h = DecodeGdl90Heartbeat(message))
        FUZZ_CHECK(h->secondsOfDay < (1u << 17));
    if (const std::optional<Gdl90Ownship> o = DecodeGdl90Ownship(message)) {
        FUZZ_CHECK(o->latitude >= -180 && o->latitude < 180);
        FUZZ_CHECK(o->longitude >= -180 && o->longitude < 180);
        FUZZ_CHECK(o->track >= 0 && o->track < 360);
        FUZZ_CHECK(!o->speedKnots || (*o->speedKnots >= 0 && *o->speedKnots <= 4094));
        FUZZ_CHECK(!o->pressureAltitudeFeet ||
                   (*o->pressureAltitudeFeet >= -1000 && *o->pressureAltitudeFeet <= 101350));
        FUZZ_CHECK(o->nic >= 0 && o->nic <= 15 && o->nacp >= 0 && o->nacp <= 15);
    }
    if (const std::optional<int32_t> feet = DecodeGdl90GeometricAltitudeFeet(message))
        FUZZ_CHECK(*feet >= -163840 && *feet <= 163835 && *feet % 5 == 0);
}

void CheckFix(const QByteArray& message, const DecimalFix& fix, GpsFix& record) {
    FUZZ_CHECK(message.size() >= 28 && message[0] == 10);
    FUZZ_CHECK(!fix.valid ||
               (std::fabs(fix.latitude) <= 90 && (fix.latitude != 0 || fix.longitude != 0)));
    const GpsValues values = GpsValuesFromDecimal(fix);
    FUZZ_CHECK(values.fixValid == fix.valid);
    FUZZ_CHECK(values.heading >= 0 && values.heading < 360);
    FUZZ_CHECK(values.latitudeHemisphere != 0 && values.longitudeHemisphere != 0);
    FUZZ_CHECK(values.speed >= 0);
    const uint32_t t = values.time;
    FUZZ_CHECK(t / 10000 < 24 && t / 100 % 100 < 60 && t % 100 < 60);
    record.ApplyValues(values);
    FUZZ_CHECK(record.Snapshot().values == values);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input = FuzzBytes(data, size);
    Gdl90FrameReader frames;
    Gdl90FixBuilder fixes;
    GpsFix record;
    record.SetOpen(true);
    auto at = std::chrono::steady_clock::time_point{};
    for (const char byte : input) {
        const std::optional<QByteArray> message = frames.Add(byte);
        if (!message)
            continue;
        CheckFraming(*message);
        CheckFields(*message);
        at += std::chrono::milliseconds(700); // a heartbeat counts for four or five messages
        if (const std::optional<DecimalFix> fix = fixes.Apply(*message, at))
            CheckFix(*message, *fix, record);
    }
    return 0;
}
