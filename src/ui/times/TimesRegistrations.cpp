#include "ui/times/TimesRegistrations.h"

#include "resource.h"
#include "ui/document/ScreenRegistry.h"
#include "ui/document/TrevallionDoc.h"
#include "ui/times/TimeZonesView.h"
#include "ui/times/TimerView.h"
#include "ui/times/TimersDlg.h"

#include <utility>

void RegisterTimesScreens(ScreenRegistry& registry) {
    registry.AddView<CTimerView>(ID_VIEW_TIMES);
    registry.AddView<CTimeZonesView>(ID_VIEW_TIME_ZONES);
    // The Times view names the timer to open on (a timer button); it is taken, so the menu
    // opens on timer 1.
    registry.AddDialog(ID_TIMES_TIMERS, CTimersDlg::kTemplates, [](CommandContext& c) {
        const int timer = std::exchange(c.document.Times().timersDialogTimer, 0);
        return std::make_unique<CTimersDlg>(c.document, timer, c.frame);
    });
}
