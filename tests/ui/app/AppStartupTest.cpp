#include "ShellFixture.h"

#include "core/app/VersionNumber.h"
#include "core/app/ViewTable.h"
#include "resource.h"
#include "ui/app/MenuBar.h"
#include "ui/app/TrevallionApp.h"

namespace {

class AppStartupTest : public ShellTest {};

TEST_F(AppStartupTest, AFreshDeviceStartsInTimesWithTheDefaults) {
    CTrevallionApp app;
    ASSERT_TRUE(app.InitInstance()) << app.StartupError().toStdString();
    EXPECT_EQ(app.Title(), QStringLiteral("Trevallion"));
    EXPECT_EQ(app.ProgramFolder(), ProgramFolder());
    EXPECT_EQ(platform.settings.WriteLog().value(0),
              QStringLiteral("Version=%1").arg(ProgramVersionWord()));
    EXPECT_EQ(&CurrentAppState(), &app.State());
    const AppSettings& s = app.State().settings;
    EXPECT_DOUBLE_EQ(s.jetDensity, 7.0);
    EXPECT_DOUBLE_EQ(s.avgasDensity, 6.01);
    EXPECT_EQ(s.viewId, static_cast<uint32_t>(ID_VIEW_TIMES));
    EXPECT_EQ(app.Document()->NavFilePath(), DefaultNavFilePath());
    CMainFrame* frame = app.MainFrame();
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(frame->CurrentViewId(), kViewTimes);
    EXPECT_TRUE(frame->Commands().State(ID_VIEW_TIMES).checked);
    // The missing navigation file and checklist were reported, titled with the program.
    ASSERT_EQ(platform.messages.size(), 2);
    for (const auto& m : platform.messages)
        EXPECT_EQ(m.title, QStringLiteral("Trevallion"));
}

TEST_F(AppStartupTest, StoredPreferencesAndView) {
    const struct {
        int view;
        int preferences;
        int expectedView;
        bool metric, seconds, kilos;
    } cases[] = {
        {5, 6, kViewTimes, false, true, true}, // no such view; seconds and kg/l, not metric
        {kViewChecklist, 1, kViewChecklist, true, false, false},
        {-1, 0, kViewTimes, false, false, false},
    };
    for (const auto& c : cases) {
        platform.settings.WriteInt("View", c.view);
        platform.settings.WriteInt("Preferences", c.preferences);
        platform.settings.WriteText("JetWeight", "6.70");
        CTrevallionApp app;
        ASSERT_TRUE(app.InitInstance());
        const AppSettings& s = app.State().settings;
        EXPECT_EQ(s.viewId, static_cast<uint32_t>(c.expectedView)) << c.view;
        EXPECT_EQ(app.MainFrame()->CurrentViewId(), c.expectedView);
        EXPECT_TRUE(app.MainFrame()->Commands().State(c.expectedView).checked);
        EXPECT_EQ(s.metric, c.metric);
        EXPECT_EQ(s.secondsFormat, c.seconds);
        EXPECT_EQ(s.kilosPerLitre, c.kilos);
        EXPECT_DOUBLE_EQ(s.jetDensity, 6.70);
        EXPECT_DOUBLE_EQ(s.avgasDensity, 6.01);
    }
}

TEST_F(AppStartupTest, TheLastViewIsShownAtTheNextStart) {
    {
        CTrevallionApp app;
        ASSERT_TRUE(app.InitInstance());
        app.MainFrame()->Commands().Run(ID_VIEW_FLIGHT_PLANNING);
    }
    CTrevallionApp again;
    ASSERT_TRUE(again.InitInstance());
    EXPECT_EQ(again.MainFrame()->CurrentViewId(), kViewFlightPlanning);
    EXPECT_EQ(again.MainFrame()->MenuBar()->MenuId(), IDM_FLIGHT_PLANNING_V5);
    EXPECT_EQ(again.MainFrame()->ActiveView()->ViewTitle(), QStringLiteral("Flight Planning"));
}

TEST_F(AppStartupTest, AboutRunsFromTheFileMenu) {
    CTrevallionApp app;
    ASSERT_TRUE(app.InitInstance());
    CMainFrame& frame = *app.MainFrame();
    EXPECT_TRUE(frame.Commands().State(ID_APP_ABOUT).enabled);
    EXPECT_TRUE(app.Registry().DialogTemplates().contains(ID_APP_ABOUT));
    frame.Commands().Run(ID_APP_ABOUT);
    EXPECT_EQ(platform.modalTitles, QStringList{"About Trevallion"});
}

} // namespace
