#include "TimesTestSupport.h"

#include "core/common/settings/MemorySettingsStore.h"
#include "core/times/FlightLogHandOff.h"
#include "core/times/FlightTimes.h"
#include "core/times/TimesDisplay.h"

namespace {

using FlightTimesTest = FixedClockTest;

TEST_F(FlightTimesTest, RecordingIsGuarded) {
    FlightTimes t;
    EXPECT_FALSE(t.RecordLanding());                           // not before takeoff
    EXPECT_EQ(t.RecordShutdown(), ShutdownRecord::NotAllowed); // not before startup
    EXPECT_FALSE(t.AnyRecorded());

    SetTime(10, 0);
    EXPECT_TRUE(t.RecordStartup());
    SetTime(10, 5);
    EXPECT_FALSE(t.RecordStartup()); // a second press keeps the first time
    EXPECT_EQ(t.Time(FlightEvent::Startup).minute, 0);
    EXPECT_TRUE(t.FlightTimerRunning());
    EXPECT_TRUE(t.FlightInProgress());

    EXPECT_TRUE(t.RecordTakeoff());
    EXPECT_TRUE(t.AirTimerRunning());
    // Airborne: shutdown needs the question answered first.
    EXPECT_EQ(t.RecordShutdown(), ShutdownRecord::AskFirst);
    EXPECT_FALSE(t.IsRecorded(FlightEvent::Shutdown));
    EXPECT_EQ(t.RecordShutdown(true), ShutdownRecord::Recorded);
    EXPECT_FALSE(t.FlightTimerRunning());
    EXPECT_TRUE(t.FlightInProgress()); // the air timer still runs

    SetTime(11, 0);
    EXPECT_TRUE(t.RecordLanding());
    EXPECT_FALSE(t.RecordLanding());
    EXPECT_FALSE(t.FlightInProgress());
    EXPECT_EQ(t.Time(FlightEvent::Landing).hour, 11);
}

TEST_F(FlightTimesTest, ResetsClearTheirPairs) {
    const auto allRecorded = [] {
        FlightTimes t;
        for (FlightEvent e : {FlightEvent::Startup, FlightEvent::Takeoff, FlightEvent::Landing,
                              FlightEvent::Shutdown})
            t.Set(e, RecordAt(10, 0));
        return t;
    };
    const struct {
        void (FlightTimes::*reset)();
        bool startup, takeoff, landing, shutdown;
    } cases[] = {
        {&FlightTimes::ResetAll, false, false, false, false},
        {&FlightTimes::ResetStartup, false, true, true, false},
        {&FlightTimes::ResetTakeoff, true, false, false, true},
        {&FlightTimes::ResetLanding, true, true, false, true},
        {&FlightTimes::ResetShutdown, true, true, true, false},
    };
    for (const auto& c : cases) {
        FlightTimes t = allRecorded();
        (t.*c.reset)();
        EXPECT_EQ(t.IsRecorded(FlightEvent::Startup), c.startup);
        EXPECT_EQ(t.IsRecorded(FlightEvent::Takeoff), c.takeoff);
        EXPECT_EQ(t.IsRecorded(FlightEvent::Landing), c.landing);
        EXPECT_EQ(t.IsRecorded(FlightEvent::Shutdown), c.shutdown);
    }
}

TEST_F(FlightTimesTest, ElapsedTimeInBothModes) {
    const SystemTime none;
    const struct {
        SystemTime start, end;
        int nowHour, nowMinute;
        bool hoursMinutes;
        const char* expected;
    } cases[] = {
        {RecordAt(23, 50), RecordAt(0, 20), 0, 0, true, "00:30"},
        {RecordAt(23, 50), RecordAt(0, 20), 0, 0, false, "0.5"}, // 35 minutes with the 5 added
        {RecordAt(10, 0), RecordAt(11, 0), 0, 0, false, "1.0"},  // 65 -> 1 h 5 min
        {RecordAt(10, 0), RecordAt(11, 1), 0, 0, false, "1.1"},
        {RecordAt(10, 0), none, 10, 59, false, "0.9"},           // running: completed tenths
        {RecordAt(10, 0), RecordAt(10, 59), 0, 0, false, "1.0"}, // the same minute, finished
        {RecordAt(10, 0), none, 10, 59, true, "00:59"},
        {RecordAt(22, 0), none, 1, 30, true, "03:30"}, // running over midnight
        {none, none, 10, 0, true, "00:00"},
        {none, none, 10, 0, false, "0.0"},
        {RecordAt(1, 0), RecordAt(13, 42), 0, 0, true, "12:42"},
    };
    for (const auto& c : cases) {
        SetTime(c.nowHour, c.nowMinute);
        EXPECT_EQ(ElapsedText(c.start, c.end, c.hoursMinutes), c.expected) << c.expected;
    }
}

TEST_F(FlightTimesTest, EventsClocksAndColoursInTheChosenZone) {
    FlightTimes t;
    SetTime(23, 30);
    t.RecordStartup();
    t.RecordTakeoff();
    TimesDisplay display;
    EXPECT_EQ(display.TopCaption(), "Zulu Time");
    EXPECT_EQ(display.SecondCaption(), "Local Time");
    EXPECT_EQ(display.Event(t, FlightEvent::Startup, 90),
              (ColouredText{"23:30", TextColour::Blue}));
    EXPECT_EQ(display.Event(t, FlightEvent::Landing, 90),
              (ColouredText{"00:00", TextColour::Black}));
    EXPECT_EQ(display.TopClock(90), "23:30");
    EXPECT_EQ(display.SecondClock(90), "01:00");

    display.localTime = true;
    EXPECT_EQ(display.TopCaption(), "Local Time");
    EXPECT_EQ(display.Event(t, FlightEvent::Startup, 90).text, "01:00");
    EXPECT_EQ(display.TopClock(-300), "18:30");
    EXPECT_EQ(display.SecondClock(-300), "23:30");
    // Offset 0: the clock's local zone.
    clock.SetZone(QTimeZone("America/New_York"));
    EXPECT_EQ(display.TopClock(0), "19:30");

    SetTime(23, 45);
    t.RecordLanding();
    EXPECT_EQ(display.Event(t, FlightEvent::Takeoff, 0).colour, TextColour::Red);
    EXPECT_EQ(display.Event(t, FlightEvent::Landing, 0).colour, TextColour::Red);
    EXPECT_EQ(display.Event(t, FlightEvent::Startup, 0).colour, TextColour::Blue);
    EXPECT_EQ(display.AirTime(t), (ColouredText{"0.3", TextColour::Red}));
    EXPECT_EQ(display.FlightTime(t), (ColouredText{"0.2", TextColour::Blue}));
    EXPECT_EQ(TimesDisplay().FlightTime(FlightTimes()).colour, TextColour::Black);
}

TEST_F(FlightTimesTest, ViewFlagsAreStoredAsTimeView) {
    MemorySettingsStore store;
    EXPECT_FALSE(TimesDisplay::Load(store).localTime);
    store.WriteInt("TimeView", 2);
    TimesDisplay display = TimesDisplay::Load(store);
    EXPECT_FALSE(display.localTime);
    EXPECT_TRUE(display.hoursMinutes);
    display.localTime = true;
    display.Save(store);
    EXPECT_EQ(store.ReadInt("TimeView", 0), 3);
}

TEST_F(FlightTimesTest, ClipboardText) {
    FlightTimes t;
    t.Set(FlightEvent::Startup, RecordAt(10, 0));
    t.Set(FlightEvent::Takeoff, RecordAt(10, 10));
    SetTime(10, 40);
    TimesDisplay display;
    display.hoursMinutes = true;
    EXPECT_EQ(display.ClipboardText(t, 0), "Startup\t10:00\r\nTakeoff\t10:10\r\nLanding\t00:00\r\n"
                                           "Shutdown\t00:00\r\nFlight time\t00:40\r\n"
                                           "Air time\t00:30");
}

class FlightLogTest : public FixedClockTest {
protected:
    FlightLogStores Stores() { return {&privateEdition, &commercialEdition, &version}; }

    MemorySettingsStore privateEdition, commercialEdition, version;
    TimesDisplay display;
};

TEST_F(FlightLogTest, CommandLineWithoutTakeoffOrLanding) {
    FlightTimes t;
    t.Set(FlightEvent::Startup, RecordAt(23, 50));
    t.Set(FlightEvent::Shutdown, RecordAt(0, 20));
    commercialEdition.WriteText("Path", "/opt/verol");
    const Outcome<FlightLogLaunch> launch = PlanFlightLogHandOff(Stores(), t, display, 0);
    ASSERT_TRUE(launch.ok());
    EXPECT_EQ(launch->program, "/opt/verol/verol.exe");
    EXPECT_EQ(launch->commandLine, "/a 23:50 00:20 00:30 00:00 00:00 00:00 ");
    EXPECT_EQ(launch->Arguments(),
              QStringList({"/a", "23:50", "00:20", "00:30", "00:00", "00:00", "00:00"}));
}

TEST_F(FlightLogTest, CommandLineInLocalTimeWithoutTheFiveMinutes) {
    FlightTimes t;
    t.Set(FlightEvent::Startup, RecordAt(10, 0));
    t.Set(FlightEvent::Takeoff, RecordAt(10, 5));
    t.Set(FlightEvent::Landing, RecordAt(11, 0));
    t.Set(FlightEvent::Shutdown, RecordAt(11, 10));
    display.localTime = true;
    EXPECT_EQ(FlightLogCommandLine(t, display, 60), "/a 11:00 12:10 01:10 11:05 12:00 00:55 ");
    // Shut down while airborne: no landing, so no air time (not the rest of the day).
    t.ResetLanding();
    EXPECT_EQ(FlightLogCommandLine(t, display, 0), "/a 10:00 11:10 01:10 10:05 00:00 00:00 ");
}

TEST_F(FlightLogTest, InstallationAndVersionRules) {
    FlightTimes t;
    t.Set(FlightEvent::Startup, RecordAt(10, 0));
    t.Set(FlightEvent::Shutdown, RecordAt(11, 0));
    const QString notInstalled = "Pocket Verol is not installed.  Please visit our website for "
                                 "information on Verol Flight Log.";
    const QString tooOld = "Error: Invalid Pocket Verol version.\n\nThis function requires Pocket "
                           "Verol v3.13 or higher.";
    // No path anywhere: the version decides which message.
    EXPECT_EQ(PlanFlightLogHandOff({nullptr, nullptr, nullptr}, t, display, 0).error().text,
              notInstalled);
    const struct {
        int version; // -1: value missing
        QString expected;
        MessageIcon icon;
    } cases[] = {{-1, tooOld, MessageIcon::Error},
                 {0, tooOld, MessageIcon::Error},
                 {786, tooOld, MessageIcon::Error},
                 {787, notInstalled, MessageIcon::Information}};
    for (const auto& c : cases) {
        MemorySettingsStore versionKey;
        if (c.version >= 0)
            versionKey.WriteInt("Version", c.version);
        const auto outcome = PlanFlightLogHandOff({nullptr, nullptr, &versionKey}, t, display, 0);
        ASSERT_FALSE(outcome.ok());
        EXPECT_EQ(outcome.error().text, c.expected) << c.version;
        EXPECT_EQ(outcome.error().icon, c.icon);
    }
    // The private edition's path comes first.
    privateEdition.WriteText("Path", "/home/pilot/verol");
    commercialEdition.WriteText("Path", "/opt/verol");
    EXPECT_EQ(PlanFlightLogHandOff(Stores(), t, display, 0)->program,
              "/home/pilot/verol/verol.exe");
    // Installed, but nothing to hand over without a shutdown time.
    t.ResetShutdown();
    EXPECT_EQ(PlanFlightLogHandOff(Stores(), t, display, 0).error().text,
              "No flight time has been recorded, therefore there is no flight time information "
              "to copy to Verol.");
}

} // namespace
