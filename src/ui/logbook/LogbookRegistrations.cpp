#include "ui/logbook/LogbookRegistrations.h"

#include "resource.h"
#include "ui/document/ScreenRegistry.h"
#include "ui/logbook/LogbookView.h"

void RegisterLogbookScreens(ScreenRegistry& registry) {
    registry.AddView<CLogbookView>(ID_VIEW_LOGBOOK);
}
