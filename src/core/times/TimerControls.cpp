#include "core/times/TimerControls.h"
#include "core/common/text/Format.h"

TimerControls MakeTimerControls(const CountTimer& timer) {
    const bool stopped = !timer.IsRunning();
    TimerControls c;
    c.startEnabled = stopped;
    c.stopEnabled = !stopped;
    c.setupEnabled = stopped;
    c.countDownChecked = timer.HasOption(timer_options::kCountDown);
    c.zeroAction = timer.GetZeroAction();
    c.zeroActionEnabled = stopped && c.countDownChecked;
    const uint32_t start = timer.StartValue();
    if (start != 0)
        c.startLabel = FormatText("%02u:%02u", start / 60, start % 60);
    c.picker = stopped;
    return c;
}

ColouredText TimerDisplayText(const CountTimer& timer) {
    TextColour colour = TextColour::Black;
    if (timer.State() == TimerState::CountingDown)
        colour = TextColour::Purple;
    else if (timer.State() == TimerState::CountingUp)
        colour = TextColour::Blue;
    return {timer.Text(), colour};
}

ColouredText TimerButtonText(const CountTimer& timer) {
    TextColour colour = TextColour::Black;
    if (timer.IsRunning())
        colour = timer.HasOption(timer_options::kCountDown) ? TextColour::Purple : TextColour::Blue;
    return {timer.Text(), colour};
}

QString TimerOptionsCaption(const CountTimer& timer) {
    return FormatText("Timer %i Options", timer.Index() + 1);
}
