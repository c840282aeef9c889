#include "TestFleets.h"

#include "core/common/io/ByteReader.h"
#include "core/common/io/ByteWriter.h"
#include "core/weight-balance/AircraftFileReader.h"
#include "core/weight-balance/AircraftFileWriter.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>

namespace {

// Offsets in the version 6 image of the default fleet (its size is checked below).
constexpr int kTypeCountAt = 12;
constexpr int kTypeNameAt = 20;
constexpr int kMaxRampAt = 37;
constexpr int kEnvelopeCountAt = 101;
constexpr int kStationCountAt = 185;
constexpr int kTankCountAt = 372;
constexpr int kRowCountAt = 414;
constexpr int kFuelQuantityCountAt = 418;
constexpr int kAircraftCountAt = 422;
constexpr int kDefaultImageSize = 468;

QByteArray DefaultImage() {
    return AircraftFileWriter::Write(DefaultAircraftFleet());
}

QByteArray Patched(QByteArray image, int at, int32_t value) {
    ByteWriter w;
    w.I32(value);
    image.replace(at, 4, w.Data());
    return image;
}

void ExpectDamaged(const QByteArray& image, const char* what) {
    const Outcome<AircraftFileContents> read = AircraftFileReader::Read(image);
    ASSERT_FALSE(read.ok()) << what;
    EXPECT_EQ(read.error().text, AircraftFileReader::DamagedText()) << what;
    EXPECT_EQ(read.error().icon, MessageIcon::Error) << what;
}

TEST(AircraftFile, RoundTripKeepsEveryStoredField) {
    const AircraftFleet fleet = RichFleet();
    const Outcome<AircraftFileContents> read =
        AircraftFileReader::Read(AircraftFileWriter::Write(fleet));
    ASSERT_TRUE(read.ok()) << read.error().text.toStdString();
    EXPECT_EQ(read->version, 6);
    EXPECT_EQ(read->fleet, fleet);
    EXPECT_EQ(read->fleet.types[1].name.size(), 15);
    EXPECT_EQ(read->fleet.types[1].flags.bits & 0x100, 0x100u); // unnamed bits kept
}

TEST(AircraftFile, Version5ReadsAsTheSameFleet) {
    const AircraftFleet fleet = RichFleet();
    const Outcome<AircraftFileContents> read = AircraftFileReader::Read(Version5Image(fleet));
    ASSERT_TRUE(read.ok()) << read.error().text.toStdString();
    EXPECT_EQ(read->version, 5);
    EXPECT_EQ(read->fleet, fleet); // working values of the old station records are not taken
}

TEST(AircraftFile, LateralFieldsOnlyForRotaryTypes) {
    AircraftFleet fleet = DefaultAircraftFleet();
    AircraftType& type = fleet.types[0];
    type.stations[0].lateralOffset = 1.5;
    type.tanks[0].lateralOffset = 2.5;
    const QByteArray plain = AircraftFileWriter::Write(fleet);
    EXPECT_EQ(plain.size(), kDefaultImageSize);
    const Outcome<AircraftFileContents> read = AircraftFileReader::Read(plain);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read->fleet.types[0].stations[0].lateralOffset, 0.0);
    EXPECT_EQ(read->fleet.types[0].tanks[0].lateralOffset, 0.0);

    type.flags.Set(TypeFlags::Rotary, true);
    // lateral point count, one offset per station (6) and per tank (1)
    EXPECT_EQ(AircraftFileWriter::Write(fleet).size(), plain.size() + 4 + 7 * 8);
}

TEST(AircraftFile, LongNamesAreCutSoTheFileStaysReadable) {
    AircraftFleet fleet = DefaultAircraftFleet();
    fleet.types[0].name = QStringLiteral("Sixteen letters!");
    fleet.types[0].fuelQuantities = {{QStringLiteral("A title of twenty chars")}};
    const Outcome<AircraftFileContents> read =
        AircraftFileReader::Read(AircraftFileWriter::Write(fleet));
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read->fleet.types[0].name, QStringLiteral("Sixteen letters"));
    EXPECT_EQ(read->fleet.types[0].fuelQuantities[0].title, QStringLiteral("A title of twen"));
}

TEST(AircraftFile, Version5NamesWithLoneSurrogatesSurviveTheRewrite) {
    AircraftFleet fleet = DefaultAircraftFleet();
    const QChar high(char16_t(0xD9D9));
    const QChar low(char16_t(0xDC00));
    const QString plane = QString::fromUtf16(u"\U0001F6E9"); // a whole pair stays as it is
    fleet.types[0].name = QString(high) + QStringLiteral("ab") + low + plane;
    const Outcome<AircraftFileContents> old = AircraftFileReader::Read(Version5Image(fleet));
    ASSERT_TRUE(old.ok());
    const QString replaced = QStringLiteral("\uFFFDab\uFFFD") + plane;
    EXPECT_EQ(old->fleet.types[0].name, replaced);
    const Outcome<AircraftFileContents> rewritten =
        AircraftFileReader::Read(AircraftFileWriter::Write(old->fleet));
    ASSERT_TRUE(rewritten.ok());
    EXPECT_EQ(rewritten->fleet, old->fleet);
}

TEST(AircraftFile, UnknownVersionsAreRefused) {
    for (int version : {0, 4, 7, -1, 0x01000006}) {
        const Outcome<AircraftFileContents> read =
            AircraftFileReader::Read(Patched(DefaultImage(), 0, version));
        ASSERT_FALSE(read.ok()) << version;
        EXPECT_EQ(read.error().text, QStringLiteral("Error: Invalid aircraft data file version."));
        EXPECT_EQ(read.error().icon, MessageIcon::Error);
    }
}

TEST(AircraftFile, CountsAndTextsBeyondTheirLimitsAreRefused) {
    ASSERT_EQ(DefaultImage().size(), kDefaultImageSize);
    const struct {
        int at;
        int32_t value;
        const char* what;
    } cases[] = {
        {kTypeCountAt + 4, 0, "type id 0"},
        {kTypeCountAt + 4, 0x7FFFFFFF, "type id leaving no next id"},
        {kAircraftCountAt + 4, -3, "negative aircraft id"},
        {kTypeCountAt, -1, "negative type count"},
        {kTypeCountAt, 0x7FFFFFFF, "huge type count"},
        {kTypeNameAt, 257, "text count above 256"},
        {kTypeNameAt, 0, "text count 0"},
        {kEnvelopeCountAt, 21, "21 envelope points"},
        {kStationCountAt, 16, "16 stations"},
        {kTankCountAt, 7, "7 tanks"},
        {kRowCountAt, 21, "21 table rows"},
        {kRowCountAt, -1, "negative row count"},
        {kFuelQuantityCountAt, 11, "11 fuel quantities"},
        {kAircraftCountAt, 0x7FFFFFFF, "huge aircraft count"},
        {kAircraftCountAt, 2, "aircraft count past the end"},
    };
    for (const auto& c : cases)
        ExpectDamaged(Patched(DefaultImage(), c.at, c.value), c.what);

    QByteArray sixteen = DefaultImage();
    sixteen.replace(kTypeNameAt, 9, Patched(QByteArray(4, 0), 0, 17) + "ABCDEFGHIJKLMNOP" + '\0');
    ExpectDamaged(sixteen, "name of 16 characters");

    QByteArray notANumber = DefaultImage();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    std::memcpy(notANumber.data() + kMaxRampAt, &nan, sizeof nan);
    ExpectDamaged(notANumber, "maximum ramp weight NaN");

    QByteArray unterminated = Version5Image(DefaultAircraftFleet());
    for (int i = 0; i < 16; ++i)
        unterminated.replace(kTypeNameAt + 2 * i, 2, QByteArray("A\0", 2));
    ExpectDamaged(unterminated, "version 5 name without its zero");
}

TEST(AircraftFile, DamagedCountersNeverHandOutAnIdInUse) {
    AircraftFleet fleet = RichFleet();
    fleet.nextTypeId = 1;
    fleet.nextAircraftId = 6;
    const Outcome<AircraftFileContents> read =
        AircraftFileReader::Read(AircraftFileWriter::Write(fleet));
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read->fleet.nextTypeId, 8);
    EXPECT_EQ(read->fleet.nextAircraftId, 7);
}

// Every file that ends early is refused; every four bytes replaced by a huge, negative or
// just-too-large count either is refused or reads as a fleet that survives a save unchanged.
TEST(AircraftFile, DamagedCorpusNeverCrashesAndNeverHalfReads) {
    for (const QByteArray& image :
         {AircraftFileWriter::Write(RichFleet()), Version5Image(RichFleet())}) {
        for (qsizetype size = 0; size < image.size(); ++size)
            ASSERT_FALSE(AircraftFileReader::Read(image.left(size)).ok()) << size;
        for (int at = 0; at + 4 <= image.size(); ++at) {
            for (int32_t value : {0x7FFFFFFF, -1, 21}) {
                const Outcome<AircraftFileContents> read =
                    AircraftFileReader::Read(Patched(image, at, value));
                if (!read.ok())
                    continue;
                const Outcome<AircraftFileContents> again =
                    AircraftFileReader::Read(AircraftFileWriter::Write(read->fleet));
                ASSERT_TRUE(again.ok()) << at;
                ASSERT_EQ(again->fleet, read->fleet) << at << " " << value;
            }
        }
    }
}

} // namespace
