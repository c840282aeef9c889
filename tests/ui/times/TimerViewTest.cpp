#include "TimesFixture.h"

#include "core/common/settings/MemorySettingsStore.h"
#include "resource.h"
#include "ui/times/TimersDlg.h"

#include <QLabel>

QString TimesViewTest::Caption(int id) const {
    return qobject_cast<QLabel*>(View().Control(id))->text();
}

namespace {

using V = CTimerView;

TEST_F(TimesViewTest, ANewUserSeesLiveClocksAndEmptyTimes) {
    CTimerView& view = MakeTimesView();
    EXPECT_EQ(view.ViewTitle(), "Times");
    EXPECT_EQ(Caption(IDC_TIMES_TOP_CAPTION), "Zulu Time"); // "TimeView" 0: UTC on top
    EXPECT_EQ(Caption(IDC_TIMES_SECOND_CAPTION), "Local Time");
    EXPECT_EQ(Text(IDC_TIMES_TOP_CLOCK), "12:00");
    for (int id : {IDC_TIMES_STARTUP, IDC_TIMES_TAKEOFF, IDC_TIMES_LANDING, IDC_TIMES_SHUTDOWN})
        EXPECT_EQ(View().ButtonText(id), (ColouredText{"00:00", TextColour::Black}));
    EXPECT_EQ(Text(IDC_TIMES_FLIGHT_TIME), "0.0");
    EXPECT_EQ(Text(IDC_TIMES_AIR_TIME), "0.0");
    EXPECT_EQ(Text(V::kTimerButtons[0]), "00:00");
    EXPECT_FALSE(view.Control(IDC_TIMES_GPS_SPEED)->isVisibleTo(&view)); // no GPS open
    SetTime(12, 1);
    frame->OnTimer();
    EXPECT_EQ(Text(IDC_TIMES_TOP_CLOCK), "12:01");
}

TEST_F(TimesViewTest, EventButtonsRecordInOrderAndIgnoreOthers) {
    MakeTimesView();
    Press(IDC_TIMES_LANDING);  // before takeoff: nothing
    Press(IDC_TIMES_SHUTDOWN); // before startup: nothing
    EXPECT_FALSE(Flight().AnyRecorded());

    SetTime(10, 0);
    Press(IDC_TIMES_STARTUP);
    SetTime(10, 5);
    Press(IDC_TIMES_STARTUP); // a second press keeps the first time
    Press(IDC_TIMES_TAKEOFF);
    EXPECT_EQ(View().ButtonText(IDC_TIMES_STARTUP), (ColouredText{"10:00", TextColour::Blue}));
    EXPECT_EQ(View().ButtonText(IDC_TIMES_TAKEOFF), (ColouredText{"10:05", TextColour::Blue}));
    SetTime(10, 59);
    EXPECT_EQ(View().ButtonText(IDC_TIMES_FLIGHT_TIME), (ColouredText{"0.9", TextColour::Blue}));
    SetTime(11, 6);
    Press(IDC_TIMES_LANDING);
    Press(IDC_TIMES_SHUTDOWN);
    EXPECT_EQ(View().ButtonText(IDC_TIMES_LANDING), (ColouredText{"11:06", TextColour::Red}));
    EXPECT_EQ(View().ButtonText(IDC_TIMES_STARTUP).colour, TextColour::Red);
    // 1:06 finished: every started tenth counts; 1:01 of air time likewise.
    EXPECT_EQ(View().ButtonText(IDC_TIMES_FLIGHT_TIME), (ColouredText{"1.1", TextColour::Red}));
    EXPECT_EQ(Text(IDC_TIMES_AIR_TIME), "1.1");
    EXPECT_TRUE(platform.messages.isEmpty());
}

TEST_F(TimesViewTest, ShutdownBeforeLandingAsksAndCancelStops) {
    MakeTimesView();
    Press(IDC_TIMES_STARTUP);
    Press(IDC_TIMES_TAKEOFF);
    platform.messageAnswers = {kIdCancel};
    Press(IDC_TIMES_SHUTDOWN);
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_EQ(platform.messages[0].text,
              "Do you want to record shutdown time before recording landing time?");
    EXPECT_EQ(platform.messages[0].title, "Trevallion");
    EXPECT_EQ(platform.messages[0].buttons, MessageButtons::OkCancel);
    EXPECT_FALSE(Flight().IsRecorded(FlightEvent::Shutdown));
    Press(IDC_TIMES_SHUTDOWN); // OK this time
    EXPECT_TRUE(Flight().IsRecorded(FlightEvent::Shutdown));
    EXPECT_FALSE(Flight().IsRecorded(FlightEvent::Landing));
}

TEST_F(TimesViewTest, ResetsClearTheirPairsRedrawAndFollowTheEnableRules) {
    CTimerView& view = MakeTimesView();
    const int resets[] = {ID_TIMES_RESET_ALL, ID_TIMES_RESET_STARTUP, ID_TIMES_RESET_TAKEOFF,
                          ID_TIMES_RESET_LANDING, ID_TIMES_RESET_SHUTDOWN};
    for (int id : resets)
        EXPECT_FALSE(frame->Commands().State(id).enabled) << id;
    for (int id : {IDC_TIMES_STARTUP, IDC_TIMES_TAKEOFF, IDC_TIMES_LANDING, IDC_TIMES_SHUTDOWN})
        Press(id);
    for (int id : resets)
        EXPECT_TRUE(frame->Commands().State(id).enabled) << id;

    struct Case {
        int command;
        FlightEvent cleared[2];
        int redrawn;
    };
    const Case cases[] = {
        {ID_TIMES_RESET_STARTUP,
         {FlightEvent::Startup, FlightEvent::Shutdown},
         IDC_TIMES_FLIGHT_TIME},
        {ID_TIMES_RESET_TAKEOFF, {FlightEvent::Takeoff, FlightEvent::Landing}, IDC_TIMES_AIR_TIME}};
    for (const Case& c : cases) {
        const int before = view.RedrawCount(c.redrawn);
        frame->Commands().Run(c.command);
        for (FlightEvent e : c.cleared)
            EXPECT_FALSE(Flight().IsRecorded(e));
        EXPECT_GT(view.RedrawCount(c.redrawn), before);
    }
    EXPECT_FALSE(frame->Commands().State(ID_TIMES_RESET_ALL).enabled);
    Press(IDC_TIMES_STARTUP);
    frame->Commands().Run(ID_TIMES_RESET_ALL);
    EXPECT_FALSE(Flight().AnyRecorded());
    // The resets are kept for the next start.
    EXPECT_TRUE(platform.settings.ReadText("Times.Startup").isEmpty());
}

TEST_F(TimesViewTest, LocalTimeSwapsCaptionsAndIsRemembered) {
    state.settings.timeZoneOffset = -300;
    MakeTimesView();
    Press(IDC_TIMES_STARTUP);
    EXPECT_FALSE(frame->Commands().State(ID_TIMES_LOCAL_TIME).checked);
    frame->Commands().Run(ID_TIMES_LOCAL_TIME);
    EXPECT_TRUE(frame->Commands().State(ID_TIMES_LOCAL_TIME).checked);
    EXPECT_EQ(Caption(IDC_TIMES_TOP_CAPTION), "Local Time");
    EXPECT_EQ(Caption(IDC_TIMES_SECOND_CAPTION), "Zulu Time");
    EXPECT_EQ(Text(IDC_TIMES_TOP_CLOCK), "07:00");
    EXPECT_EQ(Text(IDC_TIMES_SECOND_CLOCK), "12:00");
    EXPECT_EQ(Text(IDC_TIMES_STARTUP), "07:00");
    frame->Commands().Run(ID_TIMES_SHOW_HHMM);
    EXPECT_EQ(Text(IDC_TIMES_FLIGHT_TIME), "00:00");
    frame->SwitchView(ID_VIEW_TIME_ZONES); // the view goes: "TimeView" is written
    EXPECT_EQ(platform.settings.ReadInt("TimeView", 0), 3);
    frame->SwitchView(ID_VIEW_TIMES); // and read again, captions applied
    EXPECT_EQ(Caption(IDC_TIMES_TOP_CAPTION), "Local Time");
}

TEST_F(TimesViewTest, CopyPutsTheTimesOnTheClipboard) {
    MakeTimesView();
    SetTime(23, 50);
    Press(IDC_TIMES_STARTUP);
    SetTime(0, 20);
    Press(IDC_TIMES_SHUTDOWN);
    EXPECT_TRUE(frame->Commands().State(ID_TIMES_COPY).enabled);
    frame->Commands().Run(ID_TIMES_COPY);
    EXPECT_EQ(platform.clipboard, "Startup\t23:50\r\nTakeoff\t00:00\r\nLanding\t00:00\r\n"
                                  "Shutdown\t00:20\r\nFlight time\t0.5\r\nAir time\t0.0");
    EXPECT_TRUE(platform.messages.isEmpty());
}

TEST_F(TimesViewTest, FlightLogHandOffWithoutTheProgramSaysSo) {
    MakeTimesView();
    frame->Commands().Run(ID_TIMES_COPY_TO_VEROL);
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_TRUE(platform.messages[0].text.startsWith("Pocket Verol is not installed."));
    EXPECT_EQ(platform.messages[0].title, "Times");
    EXPECT_TRUE(platform.processes.isEmpty());
}

TEST_F(TimesViewTest, TimesAreRestoredAfterARestart) {
    MakeTimesView();
    SetTime(9, 15);
    Press(IDC_TIMES_STARTUP);
    Press(IDC_TIMES_TAKEOFF);
    frame.reset(); // the program ends (or crashes) during the flight
    document.reset();
    MakeTimesView();
    EXPECT_EQ(View().ButtonText(IDC_TIMES_STARTUP), (ColouredText{"09:15", TextColour::Blue}));
    EXPECT_TRUE(Flight().AirTimerRunning());
    EXPECT_TRUE(frame->Commands().State(ID_TIMES_RESET_TAKEOFF).enabled);
}

TEST_F(TimesViewTest, TickRedrawsClocksOnceAMinuteAndTimersEverySecond) {
    CTimerView& view = MakeTimesView();
    frame->OnTimer();
    const int clocks = view.RedrawCount(IDC_TIMES_TOP_CLOCK);
    const int timers = view.RedrawCount(V::kTimerButtons[2]);
    platform.clock.AdvanceSeconds(1); // 12:00:01: same minute
    frame->OnTimer();
    EXPECT_EQ(view.RedrawCount(IDC_TIMES_TOP_CLOCK), clocks);
    EXPECT_EQ(view.RedrawCount(V::kTimerButtons[2]), timers + 1);
    SetTime(12, 1);
    frame->OnTimer();
    EXPECT_EQ(view.RedrawCount(IDC_TIMES_TOP_CLOCK), clocks + 1);
}

// After a dialog from the menus (Preferences may have changed the local time zone) the clocks
// are drawn again at once, not at the next minute.
TEST_F(TimesViewTest, ADialogClosedRedrawsTheClocksAtOnce) {
    CTimerView& view = MakeTimesView();
    frame->OnTimer();
    const int clocks = view.RedrawCount(IDC_TIMES_TOP_CLOCK);
    platform.dialogScripts.append([](QDialog*) { return static_cast<int>(kIdCancel); });
    frame->Commands().Run(ID_TIMES_TIMERS);
    EXPECT_EQ(view.RedrawCount(IDC_TIMES_TOP_CLOCK), clocks + 1);
}

TEST_F(TimesViewTest, TimerButtonsOpenTheTimersDialogOnTheirTimer) {
    QList<int> opened;
    const auto record = [&opened](QDialog* dialog) {
        opened.append(static_cast<CTimersDlg*>(dialog)->SelectedTimer());
        return static_cast<int>(kIdCancel);
    };
    platform.dialogScripts = {record, record};
    MakeTimesView();
    EXPECT_TRUE(frame->Commands().State(ID_TIMES_TIMERS).enabled);
    Press(V::kTimerButtons[2]);
    EXPECT_TRUE(opened.isEmpty()); // once the click has returned
    QCoreApplication::processEvents();
    EXPECT_EQ(opened, QList<int>{2});
    frame->Commands().Run(ID_TIMES_TIMERS); // from the menu: timer 1
    EXPECT_EQ(opened, (QList<int>{2, 0}));
}

} // namespace
