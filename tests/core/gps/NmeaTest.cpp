#include "core/gps/GpsFix.h"
#include "core/gps/GpsReadout.h"
#include "core/gps/NmeaLineAssembler.h"
#include "core/gps/NmeaSentence.h"

#include <QTimeZone>

#include <gtest/gtest.h>

namespace {

// Feeds the text byte by byte and returns every sentence the assembler hands out.
QList<QByteArray> Feed(NmeaLineAssembler& lines, const QByteArray& text) {
    QList<QByteArray> sentences;
    for (const char c : text)
        if (const auto sentence = lines.Add(c))
            sentences.append(*sentence);
    return sentences;
}

GpsValues Decode(const QByteArray& line) {
    NmeaLineAssembler lines;
    GpsValues values;
    for (const QByteArray& sentence : Feed(lines, line))
        DecodeNmeaSentence(sentence, &values);
    return values;
}

TEST(NmeaLineAssembler, LinesEndAtLineFeedAndLoseTheirLastByte) {
    NmeaLineAssembler lines;
    const QList<QByteArray> got = Feed(lines, "$GPRMC,1*00\r\n$GPGGA,2\r\n");
    ASSERT_EQ(got.size(), 2);
    EXPECT_EQ(got[0], "$GPRMC,1*00");
    EXPECT_EQ(got[1], "$GPGGA,2");
}

TEST(NmeaLineAssembler, ShortOrUnmarkedLinesAreDropped) {
    NmeaLineAssembler lines;
    // "$GPRM\r" is 6 bytes: too short. A line without "$" is noise.
    EXPECT_TRUE(Feed(lines, "$GPRM\r\nGPRMC,1,2,3\r\n\n\n").isEmpty());
    // Seven bytes are enough.
    EXPECT_EQ(Feed(lines, "$GPRMC\r\n"), QList<QByteArray>{"$GPRMC"});
}

TEST(NmeaLineAssembler, AThousandBytesWithoutLineFeedEndALine) {
    NmeaLineAssembler lines;
    QByteArray longLine = "$GPRMC,";
    longLine += QByteArray(NmeaLineAssembler::kCapacity - longLine.size(), '1');
    const QList<QByteArray> got = Feed(lines, longLine);
    ASSERT_EQ(got.size(), 1);
    EXPECT_EQ(got[0].size(), NmeaLineAssembler::kCapacity - 1);
    // The buffer starts afresh: the next sentence is whole.
    EXPECT_EQ(Feed(lines, "$GPGGA,1\r\n"), QList<QByteArray>{"$GPGGA,1"});
}

TEST(NmeaSentence, FieldsAndTypes) {
    const QByteArrayView s = "$GNRMC,093015.00,A,,N";
    EXPECT_EQ(NmeaField(s, 0), "$GNRMC");
    EXPECT_EQ(NmeaField(s, 1), "093015.00");
    EXPECT_EQ(NmeaField(s, 3), "");
    EXPECT_EQ(NmeaField(s, 4), "N");
    EXPECT_EQ(NmeaField(s, 9), "");
    EXPECT_EQ(NmeaSentenceType("$GPRMC,"), NmeaType::Rmc);
    EXPECT_EQ(NmeaSentenceType("$GNRMC,"), NmeaType::Rmc);
    EXPECT_EQ(NmeaSentenceType("$GLGGA,"), NmeaType::Gga);
    EXPECT_EQ(NmeaSentenceType("$GPGSV,"), NmeaType::Other);
    EXPECT_EQ(NmeaSentenceType("$GPRM"), NmeaType::Other);
}

TEST(NmeaSentence, RmcOfAnyTalkerEvenWithStatusV) {
    for (const char* talker : {"GP", "GN", "GL"}) {
        for (const char* status : {"A", "V"}) {
            const QByteArray line = QByteArray("$") + talker + "RMC,093015.00," + status +
                                    ",4916.45,N,12311.12,W,012.9,054.7,191194,020.3,E*68\r\n";
            const GpsValues v = Decode(line);
            EXPECT_EQ(v.time, 93015u) << talker << status;
            EXPECT_EQ(v.speed, 12);
            EXPECT_EQ(v.heading, 75); // 54.7 + 20.3 = 75.0, the E/W letter ignored
            EXPECT_DOUBLE_EQ(v.latitude, 4916.45);
            EXPECT_DOUBLE_EQ(v.longitude, 12311.12);
        }
    }
}

TEST(NmeaSentence, GgaAltitudeInFeetAndOtherSentencesIgnored) {
    GpsValues v = Decode("$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,100.0,M,46.9,M,,*47\r\n");
    EXPECT_EQ(v.altitude, 330);
    EXPECT_EQ(v.time, 0u); // GGA leaves the RMC values alone
    v = Decode("$GPGGA,1,2,3,4,5,6,7,8,-10.0,M\r\n");
    EXPECT_EQ(v.altitude, -33);
    EXPECT_EQ(Decode("$GPGSV,3,1,11,03,03,111,00,04,15,270,00*74\r\n"), GpsValues{});
}

TEST(NmeaSentence, MissingAndAbsurdFieldsAreSafe) {
    GpsValues v = Decode("$GPRMC,120000\r\n"); // everything after the time is missing
    EXPECT_EQ(v.time, 120000u);
    EXPECT_EQ(v.speed, 0);
    EXPECT_EQ(v.heading, 0);
    v = Decode("$GPRMC,1,A,1,N,1,W,1,1e300,1,1e999,E\r\n");
    EXPECT_EQ(v.heading, std::numeric_limits<int32_t>::max());
    v = Decode("$GPGGA,1,2,3,4,5,6,7,8,-1e300,M\r\n");
    EXPECT_EQ(v.altitude, std::numeric_limits<int32_t>::min());
}

TEST(GpsReadout, TextsAsTheDialogShowsThem) {
    EXPECT_EQ(GpsTimeText(93015), "Time: 09:30:15Z");
    EXPECT_EQ(GpsTimeText(140509), "Time: 14:05:09Z");
    EXPECT_EQ(GpsTimeText(0), "Time: 0Z");

    GpsValues v;
    v.time = 140509;
    v.heading = 75;
    v.altitude = -33;
    v.speed = 12;
    v.latitude = 4916.45;
    v.longitude = 12311.12;
    const GpsReadout r = MakeGpsReadout(v);
    EXPECT_EQ(r.heading, "Heading: 75");
    EXPECT_EQ(r.altitude, "Altitude: -33");
    EXPECT_EQ(r.speed, "Speed: 12");
    EXPECT_EQ(r.latitude, "Latitude: 4916.450000");
    EXPECT_EQ(r.longitude, "Longitude: 12311.120000");
    EXPECT_TRUE(r.setTimeEnabled);
    EXPECT_FALSE(MakeGpsReadout(GpsValues{}).setTimeEnabled);
}

TEST(GpsReadout, SystemTimeKeepsTheDateAndTakesTheGpsTime) {
    const QDateTime now(QDate(2026, 3, 20), QTime(23, 59, 58), QTimeZone::utc());
    EXPECT_EQ(SystemTimeFromGps(now, 140509),
              QDateTime(QDate(2026, 3, 20), QTime(14, 5, 9), QTimeZone::utc()));
    EXPECT_FALSE(SystemTimeFromGps(now, 0).isValid());
    EXPECT_FALSE(SystemTimeFromGps(now, 256199).isValid()); // hour 25 is no time of day
}

TEST(GpsFix, OpeningAndClosingClearTheValues) {
    GpsFix fix;
    fix.SetOpen(true);
    fix.ApplySentence("$GPRMC,093015.00,A,1,N,2,W,12.9,3,,,");
    EXPECT_TRUE(fix.Snapshot().open);
    EXPECT_EQ(fix.Snapshot().values.speed, 12);
    fix.SetOpen(false);
    const GpsReading closed = fix.Snapshot();
    EXPECT_FALSE(closed.open);
    EXPECT_EQ(closed.values, GpsValues{});
}

} // namespace
