#include "TimesTestSupport.h"

#include "core/common/settings/AppSettings.h"
#include "core/common/settings/MemorySettingsStore.h"
#include "core/times/ClockTick.h"
#include "core/times/TimesState.h"
#include "support/SampleWaveFile.h"
#include "support/TempFolder.h"

namespace {

using namespace timer_options;

class ClockTickTest : public FixedClockTest {
protected:
    // One tick a second later with the GPS reporting the speed.
    TickResult TickAtSpeed(int speed, bool open = true) {
        clock.AdvanceSeconds(1);
        GpsReading gps;
        gps.open = open;
        gps.values.speed = speed;
        gps.values.fixValid = true;
        gps.fresh = open;
        gps.fixSpeed = speed;
        return ClockTick(times, tickClock, gps, settings);
    }

    TimesState times;
    TickClock tickClock;
    AppSettings settings;
};

TEST_F(ClockTickTest, ElapsedIsOneFirstThenTheDifference) {
    CountTimer& timer = times.timers[0];
    ASSERT_TRUE(timer.Start().ok()); // counting up from 0
    EXPECT_EQ(ClockTick(times, tickClock, {}, settings).elapsedSeconds, 1);
    EXPECT_EQ(timer.Value(), 1u);
    clock.AdvanceSeconds(3); // a tick 3 seconds late
    EXPECT_EQ(ClockTick(times, tickClock, {}, settings).elapsedSeconds, 3);
    EXPECT_EQ(timer.Value(), 4u);
    clock.AdvanceSeconds(-3600); // the clock set back an hour
    EXPECT_EQ(ClockTick(times, tickClock, {}, settings).elapsedSeconds, 1);
    EXPECT_EQ(timer.Value(), 5u);
    EXPECT_EQ(times.timers[1].Value(), 0u); // stopped timers stay
    EXPECT_EQ(tickClock.previousSeconds,
              clock.NowUtc().toSecsSinceEpoch() + 11644473600LL); // 1601 epoch
}

TEST_F(ClockTickTest, TakeoffAndLandingFromGroundSpeed) {
    settings.takeoffGroundSpeed = 40;
    times.timers[2].SetOptions(kStartOnTakeoff);
    times.timers[3].SetOptions(kCountDown | kStartOnTakeoff); // nothing to count: stays stopped

    TickResult r = TickAtSpeed(40); // equal: nothing
    EXPECT_FALSE(r.takeoffRecorded);
    EXPECT_FALSE(r.refreshTimes);
    const QDateTime takeoffAt = clock.NowUtc().addSecs(1);
    r = TickAtSpeed(41);
    EXPECT_TRUE(r.takeoffRecorded);
    EXPECT_TRUE(r.refreshTimes);
    EXPECT_EQ(times.flight.Time(FlightEvent::Takeoff), SystemTime::FromDateTime(takeoffAt));
    EXPECT_TRUE(times.timers[2].IsRunning());
    EXPECT_FALSE(times.timers[3].IsRunning());
    EXPECT_FALSE(times.timers[0].IsRunning());

    r = TickAtSpeed(40);
    EXPECT_FALSE(r.landingRecorded);
    EXPECT_TRUE(r.refreshTimes); // every tick after takeoff
    r = TickAtSpeed(39);
    EXPECT_TRUE(r.landingRecorded);
    EXPECT_TRUE(times.timers[2].IsRunning()); // the GPS landing leaves the timers running
    const SystemTime landing = times.flight.Time(FlightEvent::Landing);
    r = TickAtSpeed(10);
    EXPECT_FALSE(r.landingRecorded);
    EXPECT_EQ(times.flight.Time(FlightEvent::Landing), landing);
}

TEST_F(ClockTickTest, NoDetectionWithoutPortOrThreshold) {
    settings.takeoffGroundSpeed = 0;
    EXPECT_FALSE(TickAtSpeed(120).takeoffRecorded);
    settings.takeoffGroundSpeed = 40;
    EXPECT_FALSE(TickAtSpeed(120, false).takeoffRecorded);
    EXPECT_FALSE(TickAtSpeed(-5).takeoffRecorded); // a damaged sentence is no takeoff
    EXPECT_FALSE(times.flight.AnyRecorded());
}

TEST_F(ClockTickTest, SoundsAndStopsAtZeroAreReported) {
    TempFolder folder;
    const QString bell = folder.File("bell.wav");
    ASSERT_TRUE(WriteSampleWaveFile(bell));
    CountTimer& timer = times.timers[1];
    timer.SetOptions(kCountDown | kPlaySound);
    timer.SetSound(bell);
    timer.SetValue(1);
    ASSERT_TRUE(timer.Start().ok());
    TickResult r = TickAtSpeed(0);
    EXPECT_TRUE(r.sounds.isEmpty());
    r = TickAtSpeed(0);
    EXPECT_EQ(r.sounds, QStringList{bell});
    EXPECT_TRUE(r.timerStopped);
}

TEST_F(ClockTickTest, AMissingSoundIsReportedOnceAndTheTimerGoesOn) {
    CountTimer& timer = times.timers[0];
    timer.SetOptions(kCountDown | kPlaySound | kRestart);
    timer.SetSound("/no/such/bell.wav");
    MemorySettingsStore store;
    timer.SetValue(1);
    (void)timer.SetStarting(store); // restarts from 0:01
    ASSERT_TRUE(timer.Start().ok());
    int reports = 0;
    for (int tick = 0; tick < 6; ++tick) {
        const TickResult r = TickAtSpeed(0);
        EXPECT_TRUE(r.sounds.isEmpty());
        reports += static_cast<int>(r.soundReports.size());
    }
    EXPECT_EQ(reports, 1);
    EXPECT_EQ(timer.State(), TimerState::CountingDown); // restarting at every pass as before
}

TEST_F(ClockTickTest, HandRecordedLandingStopsTakeoffTimers) {
    times.timers[0].SetOptions(kStartOnTakeoff);
    EXPECT_FALSE(times.RecordLandingByHand());
    ASSERT_TRUE(times.RecordTakeoff());
    EXPECT_TRUE(times.timers[0].IsRunning());
    EXPECT_FALSE(times.RecordTakeoff());
    ASSERT_TRUE(times.RecordLandingByHand());
    EXPECT_FALSE(times.timers[0].IsRunning());
}

} // namespace
