#include "core/times/CountTimer.h"
#include "core/common/settings/MemorySettingsStore.h"
#include "core/times/TimerControls.h"

#include <gtest/gtest.h>

namespace {

using namespace timer_options;

CountTimer CountDownFrom(uint32_t seconds, uint32_t options) {
    MemorySettingsStore store;
    store.WriteInt("TimerVal0", static_cast<int>(seconds));
    store.WriteInt("TimerOptions0", static_cast<int>(options | kCountDown));
    CountTimer timer(0);
    timer.Load(store);
    return timer;
}

TEST(CountTimer, CountDownFromFiveWithEachZeroAction) {
    const struct {
        uint32_t options;
        const char* afterZero;
        TimerState state;
    } cases[] = {
        {0, "00:00", TimerState::Stopped},
        {kRestart, "00:05", TimerState::CountingDown},
        {kCountUp, "00:01", TimerState::CountingUp},
    };
    for (const auto& c : cases) {
        CountTimer timer = CountDownFrom(5, c.options | kPlaySound);
        ASSERT_TRUE(timer.Start().ok());
        QStringList shown;
        for (int tick = 0; tick < 5; ++tick) {
            EXPECT_FALSE(timer.Advance(1).playSound);
            shown << timer.Text();
        }
        EXPECT_EQ(shown, QStringList({"00:04", "00:03", "00:02", "00:01", "00:00"}));
        const TimerAdvance passed = timer.Advance(1);
        EXPECT_TRUE(passed.playSound);
        EXPECT_EQ(passed.stopped, c.state == TimerState::Stopped);
        EXPECT_EQ(timer.Text(), c.afterZero) << c.options;
        EXPECT_EQ(timer.State(), c.state);
    }
}

TEST(CountTimer, LateTicksAcrossZero) {
    // Restart: 0:02 with a tick 4 seconds late lands where one-second ticks would have
    // (2, 1, 0, 5, 4 -> 4); a tick many cycles late never goes below zero.
    CountTimer restart = CountDownFrom(5, kRestart);
    restart.SetValue(2);
    ASSERT_TRUE(restart.Start().ok());
    restart.Advance(4);
    EXPECT_EQ(restart.Value(), 4u);
    restart.Advance(6 * 1000 + 1);
    EXPECT_EQ(restart.Value(), 3u);
    CountTimer zeroStart = CountDownFrom(0, kRestart);
    zeroStart.SetValue(1);
    ASSERT_TRUE(zeroStart.Start().ok());
    zeroStart.Advance(3);
    EXPECT_EQ(zeroStart.Value(), 0u);

    CountTimer countUp = CountDownFrom(5, kCountUp);
    countUp.SetValue(1);
    ASSERT_TRUE(countUp.Start().ok());
    countUp.Advance(4);
    EXPECT_EQ(countUp.Value(), 3u);
    EXPECT_EQ(countUp.State(), TimerState::CountingUp);
}

TEST(CountTimer, CountUpWrapsAfterNinetyNineMinutes) {
    CountTimer timer(1);
    timer.SetValue(5938);
    ASSERT_TRUE(timer.Start().ok());
    EXPECT_EQ(timer.State(), TimerState::CountingUp);
    timer.Advance(2);
    EXPECT_EQ(timer.Text(), "99:00");
    timer.Advance(1);
    EXPECT_EQ(timer.Text(), "00:00");
}

TEST(CountTimer, StartResetAndTheMissingStartingTime) {
    CountTimer timer = CountDownFrom(0, 0);
    const Status refused = timer.Start();
    ASSERT_FALSE(refused.ok());
    EXPECT_EQ(refused.error().text, "You must set a starting time to start a count down timer.");
    EXPECT_EQ(refused.error().icon, MessageIcon::Information);
    EXPECT_FALSE(timer.IsRunning());

    // A count-down stopped at zero starts again from its starting time.
    CountTimer stoppedAtZero = CountDownFrom(90, 0);
    stoppedAtZero.SetValue(0);
    ASSERT_TRUE(stoppedAtZero.Start().ok());
    EXPECT_EQ(stoppedAtZero.Value(), 90u);

    stoppedAtZero.SetValue(12);
    stoppedAtZero.Reset();
    EXPECT_EQ(stoppedAtZero.Value(), 90u);
    stoppedAtZero.SetOption(kCountDown, false);
    stoppedAtZero.Reset();
    EXPECT_EQ(stoppedAtZero.Value(), 0u);
}

TEST(CountTimer, SpinnersAndPicker) {
    CountTimer timer;
    timer.SetValue(60);
    timer.MinuteDown(); // 1:00 does not go down to 0:00
    EXPECT_EQ(timer.Value(), 60u);
    timer.SecondDown();
    EXPECT_EQ(timer.Value(), 59u);
    timer.SetValue(61);
    timer.MinuteDown();
    EXPECT_EQ(timer.Value(), 1u);
    timer.SecondDown();
    timer.SecondDown();
    EXPECT_EQ(timer.Value(), 0u);
    timer.MinuteUp();
    timer.SecondUp();
    EXPECT_EQ(timer.Text(), "01:01");
    timer.PickMinutes(45);
    EXPECT_EQ(timer.Text(), "45:01");
    timer.PickSeconds(30);
    EXPECT_EQ(timer.Text(), "45:30");
}

TEST(CountTimer, StoredSettings) {
    MemorySettingsStore store;
    store.WriteInt("TimerVal2", -5); // hand-edited: no starting time, not 71582788:11
    CountTimer fresh(2);
    fresh.Load(store);
    EXPECT_EQ(fresh.Name(), "Timer 3");
    EXPECT_EQ(fresh.Text(), "00:00");

    store.WriteText("TimerName1", "Fuel");
    store.WriteText("TimerSound1", "/sounds/tank.wav");
    store.WriteInt("TimerVal1", 1800);
    store.WriteInt("TimerOptions1", kCountDown | kCountUp | kStartOnTakeoff);
    CountTimer timer(1);
    timer.Load(store);
    EXPECT_EQ(timer.Name(), "Fuel");
    EXPECT_EQ(timer.Sound(), "/sounds/tank.wav");
    EXPECT_EQ(timer.Value(), 1800u);
    EXPECT_EQ(timer.GetZeroAction(), ZeroAction::CountUp);
    EXPECT_EQ(timer.State(), TimerState::Stopped);

    store.ClearWriteLog();
    timer.SetZeroAction(ZeroAction::Restart);
    timer.SetName("Tanks");
    timer.SaveSettings(store);
    timer.SetValue(600);
    EXPECT_EQ(timer.SetStarting(store).text, "Starting time saved.");
    EXPECT_EQ(store.WriteLog(), QStringList({"TimerName1=Tanks", "TimerSound1=/sounds/tank.wav",
                                             "TimerOptions1=69", "TimerVal1=600"}));
    EXPECT_EQ(timer.StartValue(), 600u);
}

TEST(TimerControls, DialogStatesAndColours) {
    CountTimer timer = CountDownFrom(125, kRestart);
    TimerControls stopped = MakeTimerControls(timer);
    EXPECT_TRUE(stopped.startEnabled);
    EXPECT_FALSE(stopped.stopEnabled);
    EXPECT_TRUE(stopped.zeroActionEnabled);
    EXPECT_EQ(stopped.zeroAction, ZeroAction::Restart);
    EXPECT_EQ(stopped.startLabel, "02:05");
    EXPECT_EQ(TimerDisplayText(timer), (ColouredText{"02:05", TextColour::Black}));

    ASSERT_TRUE(timer.Start().ok());
    const TimerControls running = MakeTimerControls(timer);
    EXPECT_FALSE(running.startEnabled);
    EXPECT_TRUE(running.stopEnabled);
    EXPECT_FALSE(running.setupEnabled);
    EXPECT_FALSE(running.zeroActionEnabled);
    EXPECT_EQ(TimerDisplayText(timer).colour, TextColour::Purple);
    EXPECT_EQ(TimerButtonText(timer).colour, TextColour::Purple);

    // Counting up after zero: blue in the dialog, still purple on the Times view.
    CountTimer countUp = CountDownFrom(0, kCountUp);
    countUp.SetValue(1);
    ASSERT_TRUE(countUp.Start().ok());
    countUp.Advance(2);
    EXPECT_EQ(TimerDisplayText(countUp).colour, TextColour::Blue);
    EXPECT_EQ(TimerButtonText(countUp).colour, TextColour::Purple);
    EXPECT_EQ(MakeTimerControls(CountTimer(3)).startLabel, "");
    EXPECT_EQ(TimerOptionsCaption(CountTimer(3)), "Timer 4 Options");
}

} // namespace
