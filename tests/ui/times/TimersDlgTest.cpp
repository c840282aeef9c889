// The Timers and Timer Options dialogs, opened from the Times view as a user does, with the main
// frame's ticks running while they are open.
#include "TimesFixture.h"

#include "core/common/settings/SettingsStore.h"
#include "ui/framework/OwnerDrawArea.h"
#include "ui/times/TimerOptionsDlg.h"
#include "ui/times/TimersDlg.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QPushButton>
#include <QTabBar>

namespace {

using V = CTimerView;
using namespace timer_options;

class TimersDlgTest : public TimesViewTest {
protected:
    // Presses the Times view's button of the timer and runs the dialog with the script.
    void OpenTimers(int timer, std::function<void(CTimersDlg&)> script) {
        platform.dialogScripts.append([script](QDialog* d) {
            script(*static_cast<CTimersDlg*>(d));
            d->reject(); // closing as the user does: the timers' settings are saved
            return d->result();
        });
        Press(V::kTimerButtons[timer]);
        QCoreApplication::processEvents();
        ASSERT_TRUE(platform.dialogScripts.isEmpty()) << "the Timers dialog did not open";
    }
    void Tick() {
        platform.clock.AdvanceSeconds(1);
        frame->OnTimer();
    }
    static void TapDisplay(CTimersDlg& d, bool leftHalf) {
        QWidget* display = d.GetDlgItem(IDC_TIMERS_CURRENT);
        const int x = leftHalf ? 2 : display->width() - 3;
        QTest::mouseClick(display, Qt::LeftButton, {}, QPoint(x, display->height() / 2));
    }
    // Sets the selected timer's value with the 0-59 picker: minutes, then seconds.
    void Pick(CTimersDlg& d, int minutes, int seconds) {
        platform.popupAnswers = {ID_VALUE_BASE + minutes, ID_VALUE_BASE + seconds};
        TapDisplay(d, true);
        TapDisplay(d, false);
    }
    static bool Enabled(CTimersDlg& d, int id) { return d.GetDlgItem(id)->isEnabled(); }
};

TEST_F(TimersDlgTest, CountDownFromFiveReachesZeroAndDoesItsZeroAction) {
    const struct {
        ZeroAction action;
        ColouredText afterZero;
        bool running;
    } cases[] = {
        {ZeroAction::Stop, {"00:00", TextColour::Black}, false},
        {ZeroAction::Restart, {"00:05", TextColour::Purple}, true},
        {ZeroAction::CountUp, {"00:01", TextColour::Blue}, true},
    };
    MakeTimesView();
    for (const auto& c : cases) {
        OpenTimers(1, [&](CTimersDlg& d) {
            EXPECT_EQ(d.SelectedTimer(), 1);
            EXPECT_EQ(d.Item<QTabBar>(IDC_TIMERS_TABS)->currentIndex(), 1);
            d.Stop();
            if (!d.IsDlgButtonChecked(IDC_TIMERS_COUNT_DOWN))
                QTest::mouseClick(d.CheckBox(IDC_TIMERS_COUNT_DOWN), Qt::LeftButton);
            EXPECT_TRUE(Enabled(d, IDC_TIMERS_THEN));
            d.Combo(IDC_TIMERS_THEN)->setCurrentIndex(static_cast<int>(c.action));
            Pick(d, 0, 5);
            d.SetStarting(); // the restart value
            QTest::mouseClick(d.Button(IDC_TIMERS_START), Qt::LeftButton);
            EXPECT_FALSE(Enabled(d, IDC_TIMERS_START));
            EXPECT_FALSE(Enabled(d, IDC_TIMERS_THEN));
            EXPECT_TRUE(d.IsRedrawing());
            for (const char* shown : {"00:04", "00:03", "00:02", "00:01", "00:00"}) {
                Tick();
                EXPECT_EQ(d.CurrentText(), (ColouredText{shown, TextColour::Purple}));
            }
            Tick(); // passing zero
            EXPECT_EQ(d.CurrentText(), c.afterZero);
            EXPECT_EQ(Enabled(d, IDC_TIMERS_START), !c.running);
            EXPECT_EQ(Enabled(d, IDC_TIMERS_STOP), c.running);
            EXPECT_EQ(d.IsRedrawing(), c.running);
        });
    }
}

TEST_F(TimersDlgTest, ACountDownWithNothingToCountIsRefused) {
    MakeTimesView();
    OpenTimers(0, [&](CTimersDlg& d) {
        QTest::mouseClick(d.CheckBox(IDC_TIMERS_COUNT_DOWN), Qt::LeftButton);
        d.Start();
        EXPECT_TRUE(Enabled(d, IDC_TIMERS_START));
    });
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_EQ(platform.messages[0].text,
              "You must set a starting time to start a count down timer.");
    EXPECT_EQ(platform.messages[0].title, "Timers");
    EXPECT_FALSE(document->Times().timers[0].IsRunning());
}

TEST_F(TimersDlgTest, SpinnersAndPickerSetTheStoppedValue) {
    const struct {
        int minutes, seconds; // picked first
        bool minuteSpinner;
        int delta;
        const char* shown;
    } cases[] = {
        {1, 0, true, -1, "01:00"}, // the minutes spinner keeps a minute
        {1, 1, true, -1, "00:01"},  {1, 0, false, -1, "00:59"}, // the seconds spinner goes on down
        {0, 1, false, -1, "00:00"}, {0, 0, false, -1, "00:00"},
        {12, 34, true, 1, "13:34"}, {12, 34, false, 1, "12:35"},
    };
    MakeTimesView();
    OpenTimers(3, [&](CTimersDlg& d) {
        for (const auto& c : cases) {
            Pick(d, c.minutes, c.seconds);
            if (c.minuteSpinner)
                d.StepMinutes(c.delta);
            else
                d.StepSeconds(c.delta);
            EXPECT_EQ(d.CurrentText().text, c.shown) << c.minutes << ":" << c.seconds;
        }
        d.Start(); // counting up: a running timer offers no picker
        const qsizetype menus = platform.popupMenus.size();
        TapDisplay(d, true);
        EXPECT_EQ(platform.popupMenus.size(), menus);
        EXPECT_FALSE(Enabled(d, IDC_TIMERS_MINUTES_SPIN));
    });
    ASSERT_FALSE(platform.popupMenus.isEmpty());
    EXPECT_EQ(platform.popupMenus[0].size(), 60);
    EXPECT_TRUE(document->Times().timers[3].IsRunning()); // it goes on after the dialog
}

TEST_F(TimersDlgTest, SetStartingSavesTheValueAndShowsIt) {
    MakeTimesView();
    OpenTimers(2, [&](CTimersDlg& d) {
        EXPECT_EQ(d.GetDlgItemText(IDC_TIMERS_STARTING), "");
        Pick(d, 10, 0);
        d.SetStarting();
        EXPECT_EQ(d.GetDlgItemText(IDC_TIMERS_STARTING), "10:00");
    });
    EXPECT_EQ(platform.settings.ReadInt("TimerVal2", -1), 600);
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_EQ(platform.messages[0].text, "Starting time saved.");
}

TEST_F(TimersDlgTest, OptionsAreStoredOnOkOnly) {
    MakeTimesView();
    const QString bell = documents.File("bell.wav");
    auto fillIn = [bell](CTimerOptionsDlg& o) {
        EXPECT_EQ(o.Caption(), "Timer 2 Options");
        EXPECT_FALSE(o.GetDlgItem(IDC_TIMER_BROWSE)->isEnabled());
        o.SetDlgItemText(IDC_TIMER_TITLE, "Fuel tank check");
        QTest::mouseClick(o.CheckBox(IDC_TIMER_PLAY_SOUND), Qt::LeftButton);
        EXPECT_TRUE(o.GetDlgItem(IDC_TIMER_BROWSE)->isEnabled());
        o.ChooseSoundFile();
        QTest::mouseClick(o.CheckBox(IDC_TIMER_REPEAT), Qt::LeftButton);
    };
    platform.openFileAnswers = {bell, bell};
    OpenTimers(1, [&](CTimersDlg& d) {
        platform.dialogScripts.append([&](QDialog* dialog) {
            fillIn(*static_cast<CTimerOptionsDlg*>(dialog));
            return static_cast<int>(kIdCancel);
        });
        d.RunOptions();
        EXPECT_EQ(document->Times().timers[1].Name(), "Timer 2");
        EXPECT_EQ(document->Times().timers[1].Options(), 0u);
        EXPECT_EQ(platform.settings.ReadText("TimerName1"), "");
        platform.dialogScripts.append([&](QDialog* dialog) {
            auto* options = static_cast<CTimerOptionsDlg*>(dialog);
            fillIn(*options);
            static_cast<QDialog*>(options)->accept();
            return options->result();
        });
        d.RunOptions();
        EXPECT_EQ(d.Item<QTabBar>(IDC_TIMERS_TABS)->tabText(1), "Fuel tank ");
    });
    ASSERT_FALSE(platform.fileRequests.isEmpty());
    EXPECT_EQ(platform.fileRequests[0].filter, "Wave files (*.wav);;All Files (*)");
    const CountTimer& timer = document->Times().timers[1];
    EXPECT_EQ(timer.Name(), "Fuel tank ");
    EXPECT_EQ(timer.Sound(), bell);
    EXPECT_EQ(timer.Options(), kPlaySound | kRepeat);
    EXPECT_EQ(platform.settings.ReadText("TimerName1"), "Fuel tank ");
    EXPECT_EQ(platform.settings.ReadText("TimerSound1"), bell);
    EXPECT_EQ(platform.settings.ReadInt("TimerOptions1", 0), int(kPlaySound | kRepeat));
}

} // namespace
