#include "ui/times/TimesRegistrations.h"

#include "resource.h"
#include "ui/document/ScreenRegistry.h"
#include "ui/document/TrevallionDoc.h"
#include "ui/times/TimeZonesView.h"
#include "ui/times/TimerView.h"
#include "ui/times/TimersDlg.h"

void RegisterTimesScreens(ScreenRegistry& registry) {
    registry.AddView(ID_VIEW_TIMES, [](CTrevallionDoc& document, QWidget* parent) {
        return std::make_unique<CTimerView>(document, parent);
    });
    registry.AddView(ID_VIEW_TIME_ZONES, [](CTrevallionDoc& document, QWidget* parent) {
        return std::make_unique<CTimeZonesView>(document, parent);
    });
    // The Times view names the timer to open on (a timer button, or timer 1 from the menu).
    registry.AddDialog(ID_TIMES_TIMERS, CTimersDlg::kTemplates, [](CommandContext& c) {
        return std::make_unique<CTimersDlg>(c.document, c.document.Times().timersDialogTimer,
                                            c.frame);
    });
}
