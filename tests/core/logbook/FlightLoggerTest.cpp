#include "LogbookTestSupport.h"

#include "core/common/settings/MemorySettingsStore.h"
#include "core/common/settings/SettingsSchema.h"
#include "core/logbook/FlightLogger.h"
#include "core/logbook/LogbookStore.h"
#include "core/times/TimesState.h"

#include <QFile>

namespace {

SystemTime At(int hour, int minute) {
    return SystemTime::FromDateTime(Utc(2026, 3, 20, hour, minute));
}

class FlightLoggerTest : public ::testing::Test {
protected:
    void SetUp() override {
        sources.registration = QStringLiteral("N123A");
        sources.aircraftType = QStringLiteral("C172");
        sources.route = QStringLiteral("KSEA KBFI");
    }

    void Fly(int shutdownMinute) {
        times.flight.Set(FlightEvent::Startup, At(10, 0));
        times.flight.Set(FlightEvent::Takeoff, At(10, 5));
        times.flight.Set(FlightEvent::Landing, At(11, 0));
        times.flight.Set(FlightEvent::Shutdown, At(11, shutdownMinute));
    }

    Status Log() { return LogCompletedFlight(times, sources, logbook, settings); }
    QList<LogbookEntry> Entries() const { return logbook.List().value(); }

    TempFolder folder;
    LogbookStore logbook{folder.File(QStringLiteral("logbook.sqlite"))};
    MemorySettingsStore settings;
    LogbookSources sources;
    TimesState times;
};

TEST_F(FlightLoggerTest, AnIncompleteFlightIsNotLogged) {
    times.flight.Set(FlightEvent::Startup, At(10, 0));
    times.flight.Set(FlightEvent::Takeoff, At(10, 5));
    ASSERT_TRUE(Log());
    EXPECT_FALSE(logbook.IsOpen()); // not even opened for it
}

TEST_F(FlightLoggerTest, ACompletedFlightIsLoggedOnceAndCorrectedWhenRecordedAgain) {
    Fly(5);
    ASSERT_TRUE(Log());
    ASSERT_EQ(Entries().size(), 1);
    EXPECT_EQ(Entries()[0].departure, QStringLiteral("KSEA")); // from the route: no GPS places
    EXPECT_EQ(Entries()[0].blockMinutes, 65);

    // The pilot types remarks and another arrival, then records the shut-down again later.
    LogbookEntry typed = Entries()[0];
    typed.remarks = QStringLiteral("Crosswind practice");
    typed.arrival = QStringLiteral("KPAE");
    ASSERT_TRUE(logbook.Update(typed));
    Fly(20);
    ASSERT_TRUE(Log());
    ASSERT_EQ(Entries().size(), 1);
    EXPECT_EQ(Entries()[0].blockMinutes, 80);
    EXPECT_EQ(Entries()[0].remarks, typed.remarks);
    EXPECT_EQ(Entries()[0].arrival, typed.arrival);

    // Deleted by the pilot: recording it again puts it back.
    ASSERT_TRUE(logbook.Delete(typed.id));
    ASSERT_TRUE(Log());
    EXPECT_EQ(Entries().size(), 1);

    // Another flight is another entry.
    times.flight.Set(FlightEvent::Startup, At(12, 0));
    times.flight.Set(FlightEvent::Takeoff, At(12, 5));
    times.flight.Set(FlightEvent::Landing, At(12, 30));
    times.flight.Set(FlightEvent::Shutdown, At(12, 35));
    ASSERT_TRUE(Log());
    EXPECT_EQ(Entries().size(), 2);
}

TEST_F(FlightLoggerTest, ARefusedLogbookIsToldAndLeftAsItIs) {
    const QByteArray foreign("not a database, but the pilot's own file");
    {
        QFile file(logbook.Path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(foreign);
    }
    Fly(5);
    const Status logged = Log();
    ASSERT_FALSE(logged);
    EXPECT_TRUE(logged.error().text.startsWith(
        QStringLiteral("The flight could not be added to the logbook.\n")));
    QFile file(logbook.Path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), foreign);
    EXPECT_TRUE(setting::kLoggedFlight.Read(settings).isEmpty());
}

} // namespace
