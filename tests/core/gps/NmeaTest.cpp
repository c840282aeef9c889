#include "core/gps/GpsFix.h"
#include "core/gps/GpsReadout.h"
#include "core/gps/NmeaDate.h"
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

// Receives the line as the reader thread does (a line end added where it has none) and decodes
// every sentence in it.
GpsValues Decode(const QByteArray& line) {
    NmeaLineAssembler lines;
    GpsValues values;
    for (const QByteArray& sentence : Feed(lines, line.endsWith('\n') ? line : line + "\r\n"))
        DecodeNmeaSentence(sentence, &values);
    return values;
}

TEST(NmeaLineAssembler, LinesEndAtLineFeedAndStartAtTheirLastDollar) {
    NmeaLineAssembler lines;
    // CR LF, LF alone (the checksum keeps its last digit), a stray blank before the "$" and the
    // rest of a sentence cut short before it: every source cuts lines the same way.
    const QList<QByteArray> got =
        Feed(lines, "$GPRMC,1*56\r\n$GPGGA,2*7F\n $GPGGA,3 \r\n,A,4808$GPRMC,4\r\n");
    EXPECT_EQ(got, (QList<QByteArray>{"$GPRMC,1*56", "$GPGGA,2*7F", "$GPGGA,3", "$GPRMC,4"}));
}

TEST(NmeaLineAssembler, ShortOrUnmarkedLinesAreDropped) {
    NmeaLineAssembler lines;
    // "$GPRM" has no whole address: too short. A line without "$" is noise.
    EXPECT_TRUE(Feed(lines, "$GPRM\r\nGPRMC,1,2,3\r\n\n\n").isEmpty());
    // "$" and an address are enough.
    EXPECT_EQ(Feed(lines, "$GPRMC\r\n"), QList<QByteArray>{"$GPRMC"});
}

TEST(NmeaLineAssembler, AThousandBytesWithoutLineFeedEndALine) {
    NmeaLineAssembler lines;
    QByteArray longLine = "$GPRMC,";
    longLine += QByteArray(NmeaLineAssembler::kCapacity - longLine.size(), '1');
    const QList<QByteArray> got = Feed(lines, longLine);
    ASSERT_EQ(got.size(), 1);
    EXPECT_EQ(got[0].size(), NmeaLineAssembler::kCapacity);
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
    // The address is exactly a two-letter talker and the type; "$P..." is a maker's own.
    for (const char* other : {"$PGRMC,", "$GPRMCX,", "$gprmc,", "$G1RMC,", "$GPRmc,"})
        EXPECT_EQ(NmeaSentenceType(other), NmeaType::Other) << other;
    EXPECT_EQ(NmeaSentenceType("$BDGGA,"), NmeaType::Gga);
    EXPECT_EQ(NmeaSentenceType("$GPRMC*4B"), NmeaType::Rmc);
}

TEST(NmeaSentence, RmcOfAnyTalkerEvenWithStatusV) {
    for (const char* talker : {"GP", "GN", "GL"}) {
        for (const char* status : {"A", "V"}) {
            const QByteArray line =
                NmeaWithChecksum(QByteArray(talker) + "RMC,093015.00," + status +
                                 ",4916.45,N,12311.12,W,012.9,054.7,191194,020.3,W") +
                "\r\n";
            const GpsValues v = Decode(line);
            EXPECT_EQ(v.time, 93015u) << talker << status;
            EXPECT_EQ(v.speed, 12);
            EXPECT_EQ(v.heading, 75); // 54.7 + 20.3 west
            EXPECT_DOUBLE_EQ(v.latitude, 4916.45);
            EXPECT_DOUBLE_EQ(v.longitude, 12311.12);
        }
    }
}

TEST(NmeaSentence, GgaAltitudeInFeetAndOtherSentencesIgnored) {
    GpsValues v = Decode("$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,100.0,M,46.9,M,,*46\r\n");
    EXPECT_EQ(v.altitude, 330);
    EXPECT_EQ(v.time, 0u); // GGA leaves the RMC values alone
    v = Decode("$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,-10.0,M,46.9,M,,\r\n");
    EXPECT_EQ(v.altitude, -33); // below sea level
    EXPECT_EQ(Decode("$GPGSV,3,1,11,03,03,111,00,04,15,270,00*7F\r\n"), GpsValues{});
}

// Whole sentences that a receiver without a fix sends: decoded, with empty fields as 0.
TEST(NmeaSentence, SentencesWithoutAFixKeepTheirEmptyFields) {
    GpsValues v = Decode("$GPRMC,123521,V,,,,,,,230394,,,N*5A\r\n");
    EXPECT_EQ(v.time, 123521u);
    EXPECT_FALSE(v.fixValid);
    EXPECT_EQ(v.speed, 0);
    v = Decode("$GPGGA,100500.00,,,,,0,00,99.9,,M,,M,,*5B\r\n");
    EXPECT_FALSE(v.hasAltitude);
    // Status "A" with mode "N" (data not valid) is no fix either.
    EXPECT_FALSE(
        Decode(NmeaWithChecksum("GPRMC,123519,A,4807.038,N,01131.000,E,0.0,0.0,230394,,,N"))
            .fixValid);
}

// A damaged sentence leaves every value as it was: it never turns into a fix.
TEST(NmeaSentence, DamagedSentencesAreDropped) {
    const QByteArray good = "GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W";
    const QByteArray gga = "GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,";
    ASSERT_EQ(Decode(NmeaWithChecksum(good)).speed, 22);
    ASSERT_TRUE(Decode(NmeaWithChecksum(gga)).hasAltitude);
    const auto with = [](QByteArray body, const char* from, const char* to) {
        return NmeaWithChecksum(body.replace(from, to));
    };
    const QByteArray damaged[] = {
        "$GPRMC,000344.03,A,4808.9992,N,4,02.3*05", // fields missing, checksum wrong
        "$" + good + "*6B",                         // checksum wrong
        "$" + good + "*6",                          // checksum cut short
        "$" + good + "*6AA",                        // more after the checksum
        "$" + good + "*G0",                         // no hex digits
        QByteArray("$GPRMC,000346.03,A,4808") + QByteArray(20, '\0'), // cut, NUL padded
        with(good, "022.4",
             "02\x01"
             "2.4"),                        // a control byte inside
        with(good, "022.4", "02\xb2.4"),    // a byte that is no ASCII
        with(good, ",003.1,W", ""),         // fewer fields than RMC has
        with(good, "123519", ""),           // no time
        with(good, "123519", "12351"),      // a time that is no hhmmss
        with(good, "123519", "126019"),     // minute 60
        with(good, "4807.038", ""),         // a fix without a latitude
        with(good, "4807.038", "48O7.038"), // a letter in a number
        with(good, "4807.038", "1e3"),      // an exponent
        with(good, ",N,", ",X,"),           // no hemisphere
        with(good, "022.4", ""),            // a fix without a speed
        with(good, "022.4", "-22.4"),       // a negative speed
        with(good, "022.4", "22.4.1"),      // two points
        with(good, "230394", "2303"),       // a date that is no ddmmyy
        with(good, ",A,", ",X,"),           // an unknown status
        with(gga, ",46.9,M,,", ""),         // fewer fields than GGA has
        with(gga, "545.4", ""),             // a fix without an altitude
        with(gga, "545.4", "5x5"),          // an altitude that is no number
        with(gga, ",1,08,", ",,08,"),       // no fix quality
        with(good, "GPRMC", "PGRMC"),       // a maker's own sentence
    };
    for (const QByteArray& sentence : damaged) {
        GpsValues v;
        v.speed = 85;
        v.altitude = 3300;
        v.fixValid = true;
        const GpsValues before = v;
        EXPECT_FALSE(DecodeNmeaSentence(sentence, &v)) << sentence.toStdString();
        EXPECT_EQ(v, before) << sentence.toStdString();
    }
}

TEST(NmeaSentence, AbsurdNumbersSaturate) {
    const QByteArray huge(40, '9');
    GpsValues v = Decode(NmeaWithChecksum("GPRMC,120000,A,1,N,1,W," + huge + ",1,,,"));
    EXPECT_EQ(v.speed, std::numeric_limits<int32_t>::max());
    v = Decode(NmeaWithChecksum("GPGGA,120000,1,N,1,W,1,08,0.9,-" + huge + ",M,,M,,"));
    EXPECT_EQ(v.altitude, std::numeric_limits<int32_t>::min());
}

// Magnetic heading = true course - east variation, + west variation, in 0..359.
TEST(NmeaSentence, HeadingAppliesTheVariationByItsLetter) {
    struct Case {
        const char* course;
        const char* variation;
        const char* letter;
        int heading;
    };
    const Case cases[] = {
        {"94.5", "24.1", "E", 70},
        {"94.5", "24.1", "W", 118},
        {"10.0", "24.1", "E", 345},
        {"350.0", "20.0", "W", 10},
        {"94.5", "", "", 94},
        {"94.5", "24.1", "", 94},
        {"", "", "", 0},
        {"359.9", "0.0", "E", 359},
    };
    for (const Case& c : cases) {
        const GpsValues v =
            Decode(NmeaWithChecksum(QByteArray("GPRMC,120000,A,1,N,1,W,1,") + c.course +
                                    ",230394," + c.variation + "," + c.letter));
        EXPECT_EQ(v.heading, c.heading) << c.course << " " << c.variation << c.letter;
    }
}

TEST(NmeaDate, CenturyNearestTodayAndWeekRollover) {
    struct Case {
        uint32_t ddmmyy;
        QDate today;
        QDate built;
        QDate date; // invalid: no date
    };
    const QDate built(2026, 12, 1);
    const Case cases[] = {
        {200326, QDate(2026, 3, 20), QDate(2026, 1, 5), QDate(2026, 3, 20)},
        {311299, QDate(2000, 1, 1), QDate(1999, 6, 1), QDate(1999, 12, 31)}, // across a century
        {10100, QDate(2099, 12, 31), QDate(2099, 1, 1), QDate(2100, 1, 1)},
        // A receiver of 2019 after its rollover says 1999: 1024 weeks later.
        {220899, QDate(2019, 4, 7), QDate(2019, 1, 1), QDate(2019, 4, 7)},
        {220899, QDate(2026, 12, 9), built, QDate(2019, 4, 7)},
        // 512 weeks before the build date is still taken as it is.
        {QDate(2026, 12, 1).addDays(-512 * 7).toString("ddMMyy").toUInt(), QDate(2026, 12, 9),
         built, QDate(2026, 12, 1).addDays(-512 * 7)},
        // A clock never set (1970) judges the century from the build date.
        {91226, QDate(1970, 1, 1), built, QDate(2026, 12, 9)},
        {310226, QDate(2026, 12, 9), built, QDate()}, // 31 February
        {0, QDate(2026, 12, 9), built, QDate()},
        {1000000, QDate(2026, 12, 9), built, QDate()},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NmeaDate(c.ddmmyy, c.today, c.built), c.date) << c.ddmmyy;
    EXPECT_TRUE(ProgramBuildDate().isValid());
    EXPECT_GE(ProgramBuildDate().year(), 2026);
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
