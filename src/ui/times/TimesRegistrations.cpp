#include "ui/times/TimesRegistrations.h"

#include "resource.h"
#include "ui/document/ScreenRegistry.h"
#include "ui/times/TimerView.h"

void RegisterTimesScreens(ScreenRegistry& registry) {
    registry.AddView(ID_VIEW_TIMES, [](CTrevallionDoc& document, QWidget* parent) {
        return std::make_unique<CTimerView>(document, parent);
    });
}
