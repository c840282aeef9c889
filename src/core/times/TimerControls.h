#pragma once
// What the Timers dialog and the Times view show for one count timer: the enabled states and
// selections of the dialog's controls, and the coloured time texts.

#include "core/times/CountTimer.h"
#include "core/times/TextColour.h"

struct TimerControls {
    bool startEnabled = false;     // Start (1305): while stopped
    bool stopEnabled = false;      // Stop (1306): while running
    bool setupEnabled = false;     // "Set starting", "Count down, then", label, spinners: stopped
    bool countDownChecked = false; // "Count down, then" (1320)
    ZeroAction zeroAction = ZeroAction::Stop; // selection of the "then" list (1325)
    bool zeroActionEnabled = false;           // the list: stopped with count-down on
    QString startLabel;                       // "%02u:%02u" of the start; "" when the start is 0
    bool picker = false;                      // tapping the Current display opens the 0-59 picker

    bool operator==(const TimerControls&) const = default;
};

TimerControls MakeTimerControls(const CountTimer& timer);

// The Timers dialog's Current display: purple counting down, blue counting up, black stopped.
ColouredText TimerDisplayText(const CountTimer& timer);
// The Times view's timer button: purple while running with the count-down option, blue while
// running without it, black when stopped.
ColouredText TimerButtonText(const CountTimer& timer);

// Caption of the Timer Options dialog: "Timer %i Options" with index + 1.
QString TimerOptionsCaption(const CountTimer& timer);
