#include "ShellFixture.h"

#include "core/app/ViewTable.h"
#include "core/common/settings/IniSettingsStore.h"
#include "core/common/settings/SettingsSchema.h"
#include "resource.h"
#include "support/FullDiskFolder.h"
#include "support/SampleWaveFile.h"
#include "ui/app/MenuBar.h"
#include "ui/framework/MenuBuilder.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTest>
#include <QToolButton>

namespace {

// A view that counts what the frame does to it and handles two Times-menu commands.
struct ViewLog {
    int created = 0;
    int destroyed = 0;
    int ticks = 0;
    int resets = 0;
    bool lastTickRefreshedTimes = false;
};

class CLoggingView : public CCustomFormView {
public:
    CLoggingView(ViewLog& log, CTrevallionDoc& document, CCommandTable& commands, QWidget* parent)
        : CCustomFormView(LayoutTriple{}, QStringLiteral("Times"), parent), log_(log),
          document_(document),
          commands_(commands.Add({{ID_TIMES_RESET_ALL, [this] { ++log_.resets; }},
                                  {ID_TIMES_LOCAL_TIME, [] {},
                                   [] {
                                       return CommandState{false, true};
                                   }}})) {
        ++log_.created;
    }
    ~CLoggingView() override { ++log_.destroyed; }
    void OnTimerTick() override {
        ++log_.ticks;
        log_.lastTickRefreshedTimes = document_.LastTick().refreshTimes;
    }

private:
    ViewLog& log_;
    CTrevallionDoc& document_;
    CCommandTable::Layer commands_;
};

class MainFrameTest : public ShellTest {
protected:
    void RegisterLoggingTimesView() {
        registry.AddView(kViewTimes,
                         [this](CTrevallionDoc& doc, CCommandTable& commands, QWidget* parent) {
                             return std::make_unique<CLoggingView>(log, doc, commands, parent);
                         });
    }
    QStringList ViewWrites() const { return platform.settings.WriteLog().filter("View="); }

    ViewLog log;
};

TEST_F(MainFrameTest, StartsInTheGivenViewWithTheMenuBarOfTheScreen) {
    const struct {
        QSize screen;
        int view;
        int expectedView;
        int menu;
    } cases[] = {
        {{240, 320}, kViewTimes, kViewTimes, IDM_TIMES_V5},
        {{240, 320}, 5, kViewTimes, IDM_TIMES_V5}, // names no view
        {{320, 240}, kViewWeightBalance, kViewWeightBalance, IDM_WEIGHT_BALANCE_V5},
        {{240, 240}, kViewTimes, kViewTimes, IDM_TIMES}, // square: first set on version 5
        {{240, 240}, kViewWeightBalance, kViewWeightBalance, IDM_WEIGHT_BALANCE},
        {{240, 320}, kViewAirportDirectory, kViewAirportDirectory, IDM_AIRPORT_DIRECTORY_V5},
        {{240, 320}, kViewFlightPlanning, kViewFlightPlanning, IDM_FLIGHT_PLANNING_V5},
        {{240, 240}, kViewChecklist, kViewChecklist, IDM_CHECKLIST},
        {{240, 320}, kViewTimeZones, kViewTimeZones, IDM_TIME_ZONES_V5},
    };
    for (const auto& c : cases) {
        platform.screen.SetSize(c.screen);
        CMainFrame& f = MakeFrame(c.view);
        EXPECT_EQ(f.CurrentViewId(), c.expectedView) << c.view;
        EXPECT_EQ(f.MenuBar()->MenuId(), c.menu) << c.view;
        EXPECT_EQ(f.size(), c.screen);
        EXPECT_EQ(f.ActiveView()->ViewTitle(), QString::fromUtf8(FindView(c.expectedView)->title));
        EXPECT_TRUE(f.Commands().State(c.expectedView).checked);
        EXPECT_TRUE(f.IsTicking());
        frame.reset();
    }
}

TEST_F(MainFrameTest, ViewMenuSwitchesViewsAndRemembersTheChoice) {
    RegisterLoggingTimesView();
    CMainFrame& f = MakeFrame(kViewTimes);
    ASSERT_EQ(log.created, 1);
    QPointer<CCustomFormView> times = f.ActiveView();

    f.Commands().Run(ID_VIEW_TIMES); // the current view: nothing happens
    EXPECT_EQ(f.ActiveView(), times.data());
    EXPECT_EQ(log.created, 1);
    EXPECT_TRUE(ViewWrites().isEmpty());

    f.Commands().Run(ID_VIEW_AIRPORT_DIRECTORY);
    EXPECT_TRUE(times.isNull());
    EXPECT_EQ(log.destroyed, 1);
    EXPECT_EQ(f.CurrentViewId(), kViewAirportDirectory);
    EXPECT_EQ(f.ActiveView()->ViewTitle(), QStringLiteral("Airport Directory"));
    EXPECT_EQ(f.MenuBar()->MenuId(), IDM_AIRPORT_DIRECTORY_V5);
    EXPECT_EQ(ViewWrites(), QStringList{"View=32954"});
    EXPECT_EQ(state.settings.viewId, static_cast<uint32_t>(ID_VIEW_AIRPORT_DIRECTORY));
    for (const ViewInfo& view : ViewTable()) {
        const CommandState s = f.Commands().State(view.viewId);
        EXPECT_TRUE(s.enabled) << view.menuText;
        EXPECT_EQ(s.checked, view.viewId == kViewAirportDirectory) << view.menuText;
    }

    f.Commands().Run(ID_VIEW_WEIGHT_BALANCE);
    EXPECT_EQ(f.ActiveView()->ViewTitle(), QStringLiteral("Weight && Balance"));
    EXPECT_EQ(f.MenuBar()->MenuId(), IDM_WEIGHT_BALANCE_V5);
    f.Commands().Run(ID_VIEW_TIMES); // a new Times view on the same document
    EXPECT_EQ(log.created, 2);
    EXPECT_EQ(ViewWrites(), (QStringList{"View=32954", "View=32880", "View=32881"}));
}

TEST_F(MainFrameTest, ChoosingAMenuItemRunsItsCommand) {
    CMainFrame& f = MakeFrame(kViewTimes);
    QPointer<CMenuBar> oldBar = f.MenuBar();
    QAction* checklist = FindMenuCommand(oldBar->ButtonMenu(2), ID_VIEW_CHECKLIST);
    ASSERT_NE(checklist, nullptr);
    checklist->trigger(); // replaces the bar whose item is being triggered
    EXPECT_EQ(f.CurrentViewId(), kViewChecklist);
    EXPECT_EQ(f.MenuBar()->MenuId(), IDM_CHECKLIST_V5);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(oldBar.isNull());
    FindMenuCommand(f.MenuBar()->ButtonMenu(0), ID_FILE_EXIT)->trigger();
    EXPECT_TRUE(f.HasExited());
}

TEST_F(MainFrameTest, OrientationCommandsTurnTheScreenAndTheFrame) {
    CMainFrame& f = MakeFrame(kViewTimes);
    EXPECT_TRUE(f.Commands().State(ID_VIEW_PORTRAIT).checked);
    EXPECT_TRUE(f.Commands().State(ID_VIEW_LANDSCAPE_RIGHT).enabled);
    EXPECT_TRUE(f.Commands().State(ID_VIEW_LANDSCAPE_LEFT).enabled);

    const struct {
        int command;
        QSize size;
        int angle;
    } steps[] = {
        {ID_VIEW_LANDSCAPE_RIGHT, {320, 240}, 90},
        {ID_VIEW_LANDSCAPE_LEFT, {320, 240}, 270},
        {ID_VIEW_PORTRAIT, {240, 320}, 0},
    };
    for (const auto& step : steps) {
        f.Commands().Run(step.command);
        EXPECT_EQ(platform.screen.Orientation(), step.angle);
        EXPECT_EQ(f.size(), step.size);
        for (int id : {ID_VIEW_PORTRAIT, ID_VIEW_LANDSCAPE_RIGHT, ID_VIEW_LANDSCAPE_LEFT})
            EXPECT_EQ(f.Commands().State(id).checked, id == step.command) << step.command;
        EXPECT_EQ(f.MenuBar()->MenuId(), IDM_TIMES_V5); // turning keeps the second set
        // Remembered for the next start.
        EXPECT_EQ(platform.settings.ReadInt("Orientation", -1), step.angle);
    }
}

// On a naturally landscape screen the checks still describe the shape shown, and each item
// gives the shape it names.
TEST_F(MainFrameTest, ALandscapeScreenTurnsToTheShapeEachItemNames) {
    platform.screen.SetSize({320, 240});
    CMainFrame& f = MakeFrame(kViewTimes);
    EXPECT_TRUE(f.Commands().State(ID_VIEW_LANDSCAPE_RIGHT).checked);
    EXPECT_FALSE(f.Commands().State(ID_VIEW_PORTRAIT).checked);
    const struct {
        int command;
        QSize size;
    } steps[] = {
        {ID_VIEW_PORTRAIT, {240, 320}},
        {ID_VIEW_LANDSCAPE_LEFT, {320, 240}},
        {ID_VIEW_LANDSCAPE_RIGHT, {320, 240}},
        {ID_VIEW_PORTRAIT, {240, 320}},
    };
    for (const auto& step : steps) {
        EXPECT_TRUE(f.Commands().State(step.command).enabled) << step.command;
        f.Commands().Run(step.command);
        EXPECT_EQ(f.size(), step.size) << step.command;
        for (int id : {ID_VIEW_PORTRAIT, ID_VIEW_LANDSCAPE_RIGHT, ID_VIEW_LANDSCAPE_LEFT})
            EXPECT_EQ(f.Commands().State(id).checked, id == step.command) << step.command;
    }
}

TEST_F(MainFrameTest, ASquareScreenCannotTurn) {
    platform.screen.SetSize({240, 240});
    CMainFrame& f = MakeFrame(kViewTimes);
    EXPECT_TRUE(f.Commands().State(ID_VIEW_PORTRAIT).enabled);
    EXPECT_FALSE(f.Commands().State(ID_VIEW_LANDSCAPE_RIGHT).enabled);
    EXPECT_FALSE(f.Commands().State(ID_VIEW_LANDSCAPE_LEFT).enabled);
    f.Commands().Run(ID_VIEW_LANDSCAPE_RIGHT);
    EXPECT_EQ(platform.screen.Orientation(), 0);
    EXPECT_EQ(f.size(), QSize(240, 240));
}

TEST_F(MainFrameTest, TickAdvancesRunningTimersBySecondsElapsed) {
    RegisterLoggingTimesView();
    CMainFrame& f = MakeFrame(kViewTimes);
    CountTimer& timer = document->Times().timers[1];
    ASSERT_TRUE(timer.Start().ok());
    f.OnTimer(); // the first tick counts one second
    EXPECT_EQ(timer.Value(), 1u);
    platform.clock.AdvanceSeconds(3); // a tick three seconds late
    f.OnTimer();
    EXPECT_EQ(timer.Value(), 4u);
    platform.clock.AdvanceSeconds(1);
    f.OnTimer();
    EXPECT_EQ(timer.Value(), 5u);
    EXPECT_EQ(document->Times().timers[0].Value(), 0u);
    EXPECT_EQ(log.ticks, 3);
}

TEST_F(MainFrameTest, TickPlaysTheSoundOfATimerPassingZero) {
    MakeFrame(kViewTimes);
    CountTimer& timer = document->Times().timers[2];
    const QString alarm = documents.File("alarm.wav");
    ASSERT_TRUE(WriteSampleWaveFile(alarm));
    timer.SetOptions(timer_options::kCountDown | timer_options::kPlaySound);
    timer.SetSound(alarm);
    timer.SetValue(1); // 0:01, then 0:00 on the first tick, passing zero on the next
    ASSERT_TRUE(timer.Start().ok());
    frame->OnTimer();
    EXPECT_TRUE(platform.sounds.isEmpty());
    platform.clock.AdvanceSeconds(1);
    frame->OnTimer();
    EXPECT_EQ(platform.sounds, QStringList{alarm});
    EXPECT_TRUE(platform.messages.isEmpty());
}

TEST_F(MainFrameTest, AMissingTimerSoundIsToldOnceAndTheTimerStops) {
    MakeFrame(kViewTimes);
    CountTimer& timer = document->Times().timers[1];
    timer.SetOptions(timer_options::kCountDown | timer_options::kPlaySound);
    timer.SetSound(documents.File("gone.wav"));
    for (int run = 0; run < 2; ++run) {
        timer.SetValue(1);
        ASSERT_TRUE(timer.Start().ok());
        for (int tick = 0; tick < 2; ++tick) {
            platform.clock.AdvanceSeconds(1);
            frame->OnTimer();
        }
        EXPECT_EQ(timer.State(), TimerState::Stopped);
    }
    EXPECT_TRUE(platform.sounds.isEmpty());
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_TRUE(platform.messages[0].text.contains("gone.wav"));
}

TEST_F(MainFrameTest, TickRecordsTakeoffAndLandingFromTheGpsSpeed) {
    const struct {
        unsigned takeoffGs;
        QList<int> speeds;
        bool takeoff;
        bool landing;
        int takeoffTick; // index of the tick that records takeoff (-1 none)
    } cases[] = {
        {0, {0, 120, 150, 0}, false, false, -1},  // 0 never records
        {40, {40, 40}, false, false, -1},         // equal: nothing
        {40, {41, 40}, true, false, 0},           // equal after takeoff: no landing
        {40, {39, 41, 60, 39}, true, true, 1},    // landing strictly below
        {40, {41, 39, 20, 80, 10}, true, true, 0} // nothing new after the landing
    };
    for (const auto& c : cases) {
        RegisterLoggingTimesView();
        state.settings.takeoffGroundSpeed = c.takeoffGs;
        CMainFrame& f = MakeFrame(kViewTimes);
        fix.SetOpen(true);
        SystemTime takeoffAt, landingAt;
        for (int i = 0; i < c.speeds.size(); ++i) {
            platform.clock.AdvanceSeconds(1);
            fix.ApplySentence(QByteArray("$GPRMC,093017,A,1,N,2,W,") +
                              QByteArray::number(c.speeds[i]) + ",1,,,");
            f.OnTimer();
            const FlightTimes& flight = document->Times().flight;
            if (i == c.takeoffTick)
                takeoffAt = SystemTime::FromDateTime(platform.clock.NowUtc());
            if (flight.IsRecorded(FlightEvent::Landing) && !landingAt.IsRecorded())
                landingAt = flight.Time(FlightEvent::Landing);
        }
        const FlightTimes& flight = document->Times().flight;
        EXPECT_EQ(flight.IsRecorded(FlightEvent::Takeoff), c.takeoff) << c.takeoffGs;
        EXPECT_EQ(flight.IsRecorded(FlightEvent::Landing), c.landing) << c.takeoffGs;
        if (c.takeoff) {
            EXPECT_EQ(flight.Time(FlightEvent::Takeoff), takeoffAt);
            EXPECT_TRUE(log.lastTickRefreshedTimes); // the Times view redraws while airborne
        }
        if (c.landing) { // the first landing stays
            EXPECT_EQ(flight.Time(FlightEvent::Landing), landingAt);
        }
        fix.SetOpen(false);
        document->Times().flight.ResetAll(); // the times are kept: the next case starts afresh
        EXPECT_TRUE(document->SaveFlightTimes().ok());
        frame.reset();
        document.reset();
    }
}

TEST_F(MainFrameTest, ExitAsksWhileAFlightIsTimed) {
    const struct {
        bool startup;
        bool shutdown;
        bool takeoff;
        bool landing;
        QList<int> answers;
        bool asks;
        bool exits;
    } cases[] = {
        {false, false, false, false, {}, false, true},
        {true, false, false, false, {kIdCancel}, true, false}, // Cancel keeps running
        {true, false, false, false, {kIdOk}, true, true},
        {true, true, false, false, {}, false, true},
        {false, false, true, false, {kIdCancel}, true, false}, // airborne
        {true, true, true, true, {}, false, true},
    };
    for (const auto& c : cases) {
        CMainFrame& f = MakeFrame(kViewTimes);
        f.show();
        FlightTimes& flight = document->Times().flight;
        if (c.startup)
            flight.RecordStartup();
        if (c.takeoff)
            flight.RecordTakeoff();
        if (c.landing)
            flight.RecordLanding();
        if (c.shutdown)
            flight.RecordShutdown(true);
        platform.messages.clear();
        platform.messageAnswers = c.answers;
        f.Commands().Run(ID_FILE_EXIT);
        ASSERT_EQ(platform.messages.size(), c.asks ? 1 : 0);
        if (c.asks) {
            EXPECT_EQ(platform.messages[0].text,
                      QStringLiteral("You currently have flight timers running, do you wish to "
                                     "exit the program?"));
            EXPECT_EQ(platform.messages[0].title, QStringLiteral("Trevallion"));
            EXPECT_EQ(platform.messages[0].buttons, MessageButtons::OkCancel);
            EXPECT_EQ(platform.messages[0].icon, MessageIcon::Question);
        }
        EXPECT_EQ(f.HasExited(), c.exits);
        EXPECT_EQ(f.isVisible(), !c.exits);
        frame.reset();
        document.reset();
    }
}

TEST_F(MainFrameTest, ClosingTheWindowFollowsTheExitRule) {
    CMainFrame& f = MakeFrame(kViewTimes);
    f.show();
    document->Times().flight.RecordStartup();
    platform.messageAnswers = {kIdCancel};
    EXPECT_FALSE(f.close());
    EXPECT_TRUE(f.isVisible());
    platform.messageAnswers = {kIdOk};
    EXPECT_TRUE(f.close());
    EXPECT_TRUE(f.HasExited());
    EXPECT_EQ(platform.messages.size(), 2);
}

// Recorded times that cannot reach the disk are told once, within a tick, and again at the exit
// only when a save succeeded in between.
TEST_F(MainFrameTest, SettingsThatCannotBeSavedAreToldOnce) {
    FullDiskFolder disk;
    REQUIRE_FULL_DISK(disk);
    IniSettingsStore store(disk.File("Trevallion.ini"));
    platform.settingsOverride = &store;
    document = std::make_unique<CTrevallionDoc>(store, fix);
    frame = std::make_unique<CMainFrame>(*document, registry);
    ASSERT_TRUE(frame->Create(kViewTimes).ok());
    frame->show();
    disk.Fill();
    document->Times().flight.RecordStartup();
    EXPECT_TRUE(document->SaveFlightTimes().ok());
    frame->OnTimer();
    frame->OnTimer();
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_EQ(platform.messages[0].text,
              QStringLiteral("Settings could not be saved: No space left on device"));
    EXPECT_EQ(platform.messages[0].title, QStringLiteral("Trevallion"));
    document->Times().flight.RecordShutdown(true);
    EXPECT_TRUE(document->SaveFlightTimes().ok());
    EXPECT_TRUE(frame->close());
    EXPECT_EQ(platform.messages.size(), 1); // still the same failure: not told again
    disk.Free();
    store.WriteText("AirportSearch", "lake");
    store.Flush();
    disk.Fill();
    setting::kStartupTime.Remove(store); // flight state: written at once
    frame->OnTimer();
    EXPECT_EQ(platform.messages.size(), 2);
    frame.reset();
    document.reset();
    platform.settingsOverride = nullptr;
}

TEST_F(MainFrameTest, HelpOpensTheTopicOfTheCurrentView) {
    CMainFrame& f = MakeFrame(kViewTimes);
    f.Commands().Run(ID_HELP);
    f.Commands().Run(ID_VIEW_WEIGHT_BALANCE);
    QTest::keyClick(&f, Qt::Key_F1);
    f.MenuBar()->HelpButton()->click();
    f.Commands().Run(ID_VIEW_CHECKLIST);
    f.Commands().Run(ID_HELP);
    EXPECT_EQ(platform.helpTopics,
              (QStringList{"Times", "Weight&Balance", "Weight&Balance", "CheckList"}));
}

TEST_F(MainFrameTest, CommandsGoToTheViewThenToRegisteredDialogs) {
    RegisterLoggingTimesView();
    int opened = 0;
    registry.AddCommand(ID_CALC_GROUND_SPEED, [&](CommandContext& c) {
        ++opened;
        EXPECT_EQ(&c.document, document.get());
        EXPECT_EQ(c.frame, frame.get());
        EXPECT_EQ(c.commandId, ID_CALC_GROUND_SPEED);
        EXPECT_EQ(c.currentViewId, kViewTimes);
        EXPECT_EQ(&c.commands, &frame->Commands());
    });
    CMainFrame& f = MakeFrame(kViewTimes);
    // The view's own commands and states: a disabled one does nothing.
    EXPECT_TRUE(f.Commands().State(ID_TIMES_RESET_ALL).enabled);
    EXPECT_EQ(f.Commands().State(ID_TIMES_LOCAL_TIME).enabled, false);
    EXPECT_TRUE(f.Commands().State(ID_TIMES_LOCAL_TIME).checked);
    EXPECT_TRUE(f.Commands().Run(ID_TIMES_RESET_ALL));
    EXPECT_FALSE(f.Commands().Run(ID_TIMES_LOCAL_TIME));
    EXPECT_EQ(log.resets, 1);
    // Dialogs: registered ones run, the others stay disabled and do nothing.
    EXPECT_TRUE(f.Commands().State(ID_CALC_GROUND_SPEED).enabled);
    f.Commands().Run(ID_CALC_GROUND_SPEED);
    EXPECT_EQ(opened, 1);
    for (int id : {ID_FILE_PREFERENCES, ID_EDIT_AIRCRAFT, ID_EDIT_WAYPOINTS, ID_CALC_MACH,
                   ID_CONVERT_DISTANCE, ID_GRAPH_LINES, ID_FILE_SAVE}) {
        EXPECT_FALSE(f.Commands().State(id).enabled) << id;
        f.Commands().Run(id);
    }
    // Commands of another view's menu are not offered to the current one.
    f.Commands().Run(ID_VIEW_TIME_ZONES);
    EXPECT_FALSE(f.Commands().State(ID_TIMES_RESET_ALL).enabled);
    f.Commands().Run(ID_TIMES_RESET_ALL);
    EXPECT_EQ(log.resets, 1);
    EXPECT_TRUE(platform.modalTitles.isEmpty());
}

} // namespace
