// The .fp plan files and the view's settings: round trips, the key look-up rules, refusals.
#include "core/planning/FlightPlanFile.h"
#include "core/common/io/FileIo.h"
#include "core/common/settings/MemorySettingsStore.h"
#include "core/planning/PlanSettings.h"

#include "support/TempFolder.h"

#include <QFile>

namespace {

TEST(FlightPlanFile, RoundTripsThroughFileAndSettings) {
    const PlanInputs cases[] = {{"C172", "110", "KSEA KPAE KBLI", "270", "15", true},
                                {"PA-28", "", "", "0", "", false}};
    TempFolder folder;
    for (const PlanInputs& inputs : cases) {
        const QString path = folder.File("trip.fp");
        ASSERT_TRUE(WriteFlightPlanFile(path, inputs).ok());
        const Outcome<QString> text = ReadFlightPlanFile(path);
        ASSERT_TRUE(text.ok());
        EXPECT_EQ(ParseFlightPlanText(text.value()), inputs);
        MemorySettingsStore settings;
        WritePlanSettings(settings, inputs);
        EXPECT_EQ(ReadPlanSettings(settings), inputs);
    }
    EXPECT_EQ(MakeFlightPlanText(cases[0]),
              QStringLiteral("Aircraft=C172\r\nTAS=110\r\nRoute=KSEA KPAE KBLI\r\nWindDir=-270\r\n"
                             "WindSpeed=15\r\n"));
}

TEST(FlightPlanFile, KeysAreFoundAnywhereAndValuesEndAtCarriageReturn) {
    const PlanInputs read = ParseFlightPlanText(
        QStringLiteral("junk WindDir=90\r\nRoute=AAA BBB\rTAS=100\r\nWindSpeed=12"));
    EXPECT_EQ(read.aircraft, QString()); // absent
    EXPECT_EQ(read.route, QStringLiteral("AAA BBB"));
    EXPECT_EQ(read.windDirection, QStringLiteral("90"));
    EXPECT_FALSE(read.magnetic);
    EXPECT_EQ(read.tas, QStringLiteral("100"));
    EXPECT_EQ(read.windSpeed, QString()); // no CR after it
}

TEST(FlightPlanFile, FilesThatAreNoPlanTextAreRefused) {
    TempFolder folder;
    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {{"binary.fp", QByteArray("Aircraft=C172\r\n\0\x01\x02", 18)},
                 {"huge.fp", QByteArray(kMaxTextFileBytes + 1, 'A')}};
    for (const auto& c : cases) {
        QFile file(folder.File(c.name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(c.bytes);
        file.close();
        const Outcome<QString> read = ReadFlightPlanFile(file.fileName());
        ASSERT_FALSE(read.ok()) << c.name;
        EXPECT_TRUE(read.error().text.startsWith("Error, Unable to open file.\n"));
    }
    EXPECT_FALSE(ReadFlightPlanFile(folder.File("missing.fp")).ok());
}

} // namespace
